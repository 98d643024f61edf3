#include <gtest/gtest.h>

#include <QApplication>
#include <QTextCursor>
#include <memory>

#include "QtTestApp.h"
#include "core/Host.h"
#include "core/Screens.h"
#include "viewer/CodePane.h"
#include "viewer/CrLfText.h"
#include "viewer/Highliter.h"
#include "viewer/PeriodicPump.h"
#include "viewer/StyleConvert.h"

namespace orvane {
namespace {

class CodePaneTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::QtApp(); }
    void TearDown() override {
        Host::SetEventPump([] { QCoreApplication::processEvents(); });
    }

    // The colour of every character that is not the LF of a line end, as 0x00BBGGRR.
    static std::vector<std::int32_t> Colours(const CodePane& pane) {
        const QString text = pane.crLfText();
        std::vector<std::int32_t> colours;
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] != u'\n') colours.push_back(ColorToBgr(pane.colorAt(i)));
        }
        return colours;
    }

    // What the pane's colours should be after the ranges are applied to a default-coloured text.
    static std::vector<std::int32_t> Expected(const QString& text,
                                              const std::vector<ColorRange>& ranges,
                                              std::int32_t plain) {
        std::vector<std::int32_t> byPosition(text.size(), plain);
        for (const ColorRange& r : ranges) {
            for (int i = r.start; i < r.start + r.length; ++i) byPosition[i] = r.color;
        }
        std::vector<std::int32_t> colours;
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] != u'\n') colours.push_back(byPosition[i]);
        }
        return colours;
    }

    static std::int32_t Plain(const CodePane& pane) {
        return ColorToBgr(pane.palette().color(QPalette::Text));
    }
};

TEST_F(CodePaneTest, KeepsTheCrLfTextAndPositions) {
    const struct {
        const char16_t* in;
        const char16_t* out;
    } cases[] = {
        {u"a\r\nb", u"a\r\nb"},
        {u"", u""},
        {u"line\r\n\r\n\ttab\r\n", u"line\r\n\r\n\ttab\r\n"},
        // A lone LF inside a value comes back as it was; a lone CR becomes a line end.
        {u"lone\nLF and lone\rCR", u"lone\nLF and lone\r\nCR"},
        {u"caf\u00e9 \u00a0nbsp", u"caf\u00e9 \u00a0nbsp"},
    };
    CodePane pane;
    for (const auto& c : cases) {
        pane.setCrLfText(QString::fromUtf16(c.in));
        EXPECT_EQ(pane.crLfText(), QString::fromUtf16(c.out));
    }
    pane.setCrLfText(std::string("\xc3\xa9t\xc3\xa9\r\nx"));
    EXPECT_EQ(pane.crLfTextUtf8(), "\xc3\xa9t\xc3\xa9\r\nx");
    EXPECT_EQ(pane.toPlainText(), QStringLiteral("\u00e9t\u00e9\nx"));
}

TEST_F(CodePaneTest, SelectsByCrLfPositions) {
    CodePane pane;
    pane.setCrLfText(QStringLiteral("ab\r\ncdef\r\ngh"));
    const struct {
        int start, length;
        const char16_t* selected;
    } cases[] = {{4, 4, u"cdef"}, {0, 2, u"ab"}, {2, 4, u"\u2029cd"}, {6, 6, u"ef\u2029gh"}};
    for (const auto& c : cases) {
        pane.selectCrLf(c.start, c.length);
        EXPECT_EQ(pane.textCursor().selectedText(), QString::fromUtf16(c.selected)) << c.start;
        EXPECT_EQ(pane.crLfSelectionStart(), c.start);
        EXPECT_EQ(pane.crLfSelectionLength(), c.length);
    }
    pane.selectCrLf(100, 5);  // past the end: the caret goes to the end
    EXPECT_EQ(pane.textCursor().position(), 10);
}

TEST_F(CodePaneTest, FontAndBackgroundComeFromTheSettingsTypes) {
    CodePane pane;
    pane.setPaneFont(FontSpec{"Courier", 12.0, true});
    EXPECT_DOUBLE_EQ(pane.paneFont().size, 12.0);
    EXPECT_TRUE(pane.paneFont().bold);
    pane.setBackgroundBgr(0x00FFEE);
    EXPECT_EQ(pane.backgroundBgr(), 0x00FFEE);
    pane.setBackgroundBgr(-1);  // not a colour: the background stays
    EXPECT_EQ(pane.backgroundBgr(), 0x00FFEE);
    EXPECT_EQ(pane.lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_FALSE(pane.isReadOnly());
}

TEST_F(CodePaneTest, HighlightColoursTheExampleAndLeavesTheCaretAtTheStart) {
    const QString text = QStringLiteral("int x = 1; // note\r\nString s;\r\n");
    CodePane pane;
    pane.setCrLfText(text);
    pane.selectCrLf(5, 3);
    Highliter().HighlightJava(pane);

    const std::int32_t plain = Plain(pane);
    const struct {
        int pos;
        std::int32_t color;
    } cases[] = {{0, 127},    {2, 127},    {3, plain}, {4, plain}, {8, plain}, {11, 32512},
                 {17, 32512}, {18, 32512}, {20, 127},  {25, 127},  {26, plain}};
    for (const auto& c : cases) EXPECT_EQ(ColorToBgr(pane.colorAt(c.pos)), c.color) << c.pos;
    EXPECT_EQ(pane.crLfText(), text);
    EXPECT_EQ(pane.textCursor().position(), 0);
    EXPECT_FALSE(pane.textCursor().hasSelection());
    EXPECT_FALSE(pane.isReadOnly());
}

TEST_F(CodePaneTest, EveryScreenColoursThePaneAsTheScannerSays) {
    const struct {
        int screen;
        const char16_t* text;
    } cases[] = {
        {XSD_CODE, u"<?xml version=\"1.0\"?>\r\n<xsd:schema>\r\n<!-- c -->\r\n</xsd:schema>"},
        {BIZ_CODE, u"<ElementType name=\"ROW\" content=\"eltOnly\"/>\r\n"},
        {DTD_CODE, u"<!ELEMENT ROWS (ROW*)>\r\n<!ELEMENT ID (#PCDATA)>\r\n"},
        {XML_CODE, u"<ROWS>\r\n\t<ROW>\r\n\t\t<ID>1</ID>\r\n\t</ROW>\r\n</ROWS>"},
        {SQL_CODE,
         u"-- t\r\nCREATE TABLE T (\r\n ID INTEGER /* k */,\r\n N VARCHAR(9));\r\n"
         u"INSERT INTO T VALUES (1, 'a''b');\r\n"},
        {VB_CODE, u"' c\r\nPublic Function Get() As String\r\n  Get = Trim(\"x\")\r\nEnd Function"},
        {JAVA_CODE, u"/* a\r\n b */\r\npublic class A { // c\r\n String s = \"q\"; }\r\n"},
        {VBNET_CODE, u"Imports System\r\nNamespace N ' c\r\nEnd Namespace\r\n"},
        {CSHARP_CODE, u"using System;\r\nnamespace N { class C { int i; } }\r\n"},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        CodePane pane;
        pane.setCrLfText(text);
        const Highliter highliter;
        highliter.HighlightByType(pane, c.screen);
        const auto ranges =
            Highliter::HighlightWords(text, *Highliter::ProfileForScreen(c.screen, text));
        ASSERT_FALSE(ranges.empty()) << c.screen;
        const auto first = Colours(pane);
        EXPECT_EQ(first, Expected(text, ranges, Plain(pane))) << c.screen;
        EXPECT_EQ(pane.crLfText(), text) << c.screen;

        highliter.HighlightByType(pane, c.screen);
        EXPECT_EQ(Colours(pane), first) << "second run, screen " << c.screen;
    }
}

TEST_F(CodePaneTest, PublicOperationsUseTheirScreensProfile) {
    const QString text = QStringLiteral("Dim s As String ' c\r\nSELECT int -- x\r\nusing\r\n");
    const Highliter highliter;
    const struct {
        void (Highliter::*operation)(CodePane&) const;
        int screen;
    } cases[] = {{&Highliter::HighlightJava, JAVA_CODE},
                 {&Highliter::HighlightSQL, SQL_CODE},
                 {&Highliter::HighlightVB, VB_CODE},
                 {&Highliter::HighlightCSharp, CSHARP_CODE}};
    for (const auto& c : cases) {
        CodePane byOperation;
        byOperation.setCrLfText(text);
        (highliter.*c.operation)(byOperation);
        CodePane byType;
        byType.setCrLfText(text);
        highliter.HighlightByType(byType, c.screen);
        EXPECT_EQ(Colours(byOperation), Colours(byType)) << c.screen;
        EXPECT_NE(Colours(byOperation),
                  std::vector<std::int32_t>(Colours(byOperation).size(), Plain(byOperation)))
            << c.screen;
    }
}

TEST_F(CodePaneTest, ScreensOutsideTheNineChangeNothing) {
    const QString text = QStringLiteral("int x; // c\r\n");
    for (int scr : {9, -1}) {
        CodePane pane;
        pane.setCrLfText(text);
        pane.selectCrLf(4, 2);
        Highliter().HighlightByType(pane, scr);
        EXPECT_EQ(Colours(pane), std::vector<std::int32_t>(Colours(pane).size(), Plain(pane)));
        EXPECT_EQ(pane.crLfText(), text);
        EXPECT_EQ(pane.crLfSelectionStart(), 4);
    }
}

TEST_F(CodePaneTest, ColouringKeepsOtherCharacterFormatsAndEarlierColours) {
    CodePane pane;
    pane.setCrLfText(QStringLiteral("int x; y"));
    QTextCursor cursor(pane.document());
    cursor.setPosition(0);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);
    pane.applyColorRanges({{7, 1, 32512}});
    Highliter().HighlightJava(pane);
    EXPECT_EQ(ColorToBgr(pane.colorAt(0)), 127);
    EXPECT_EQ(ColorToBgr(pane.colorAt(7)), 32512);  // not a token: keeps its colour
    cursor.setPosition(1);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
}

TEST_F(CodePaneTest, ApplyingLetsEventsRunBetweenSlicesWithThePaneReadOnly) {
    CodePane pane;
    QString text;
    for (int i = 0; i < 2000; ++i) text += QStringLiteral("int a; // c\r\n");
    pane.setCrLfText(text);
    int pumps = 0;
    bool readOnlyMeanwhile = true;
    Host::SetEventPump([&] {
        ++pumps;
        readOnlyMeanwhile = readOnlyMeanwhile && pane.isReadOnly();
    });
    PeriodicPump pump(std::chrono::milliseconds(0));
    const auto ranges = Highliter::HighlightWords(text, Highliter::JavaProfile());
    EXPECT_TRUE(pane.applyColorRanges(ranges, CrLfText(pane.document()->toRawText()), &pump));
    EXPECT_GT(pumps, 1);
    EXPECT_TRUE(readOnlyMeanwhile);
    EXPECT_FALSE(pane.isReadOnly());
    EXPECT_EQ(ColorToBgr(pane.colorAt(static_cast<int>(text.size()) - 12)), 127);
}

TEST_F(CodePaneTest, AChangeOfTheTextDuringAPauseStopsTheColouring) {
    CodePane pane;
    QString text;
    for (int i = 0; i < 2000; ++i) text += QStringLiteral("int a;\r\n");
    pane.setCrLfText(text);
    Host::SetEventPump([&] { pane.setCrLfText(QStringLiteral("int b;")); });
    PeriodicPump pump(std::chrono::milliseconds(0));
    EXPECT_FALSE(pane.applyColorRanges(Highliter::HighlightWords(text, Highliter::JavaProfile()),
                                       CrLfText(pane.document()->toRawText()), &pump));
    EXPECT_EQ(pane.crLfText(), QStringLiteral("int b;"));
    EXPECT_FALSE(pane.isReadOnly());
}

TEST_F(CodePaneTest, HighlightSurvivesThePaneBeingClosedOrClearedMeanwhile) {
    QString text;
    // Long enough for the scanner to pause several times.
    for (int i = 0; i < 40000; ++i) text += QStringLiteral("int a; // comment\r\n");
    for (const bool close : {false, true}) {
        auto* pane = new CodePane;
        pane->setCrLfText(text);
        int pumps = 0;
        Host::SetEventPump([&] {
            if (++pumps != 1) return;
            if (close) {
                delete pane;
                pane = nullptr;
            } else {
                pane->clear();
            }
        });
        Highliter(std::chrono::milliseconds(0)).HighlightJava(*pane);
        EXPECT_EQ(pumps, 1) << "the pass ends at the first pause that finds the pane changed";
        if (pane != nullptr) {
            EXPECT_EQ(pane->crLfText(), QString());
            delete pane;
        }
    }
}

}  // namespace
}  // namespace orvane
