#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "QtTestApp.h"
#include "core/Screens.h"
#include "viewer/CodePane.h"
#include "viewer/Highliter.h"
#include "viewer/StyleConvert.h"

namespace orvane {
namespace {

class CodePaneTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::QtApp(); }

    // What the pane's styles should be: a fresh scan of its text.
    static std::vector<unsigned char> FreshHighlight(const std::string& text, int screen) {
        std::vector<unsigned char> styles(text.size(), 0);
        for (const ColorRange& r :
             Highliter::HighlightWords(text, *Highliter::ProfileForScreen(screen, text))) {
            std::fill_n(styles.begin() + static_cast<std::ptrdiff_t>(r.start), r.length,
                        CodePane::StyleOf(r.color));
        }
        return styles;
    }
};

TEST_F(CodePaneTest, KeepsTheTextByteForByteAndCountsPositionsInCharacters) {
    const char16_t* texts[] = {u"a\r\nb", u"", u"line\r\n\r\n\ttab\r\n",
                               // Lone line-end characters inside values stay what they were.
                               u"lone\nLF and lone\rCR", u"caf\u00e9 \u00a0nbsp \U0001F600"};
    CodePane pane;
    for (const char16_t* text : texts) {
        pane.setCrLfText(QString::fromUtf16(text));
        EXPECT_EQ(pane.crLfText(), QString::fromUtf16(text));
    }
    pane.setCrLfText(std::string("\xc3\xa9t\xc3\xa9\r\nx\0y", 10));
    EXPECT_EQ(pane.crLfTextUtf8(), std::string("\xc3\xa9t\xc3\xa9\r\nx\0y", 10));

    pane.setCrLfText(QStringLiteral("\u00e9b\r\ncdef\r\n\U0001F600h"));
    const struct { int start, length; } selections[] = {{4, 4}, {0, 2}, {2, 4}, {6, 6}, {10, 3}};
    for (const auto& c : selections) {
        pane.selectCrLf(c.start, c.length);
        EXPECT_EQ(pane.crLfSelectionStart(), c.start);
        EXPECT_EQ(pane.crLfSelectionLength(), c.length);
    }
    pane.selectCrLf(100, 5);  // past the end: the caret goes to the end
    EXPECT_EQ(pane.crLfSelectionStart(), 13);
    EXPECT_EQ(pane.crLfSelectionLength(), 0);
}

TEST_F(CodePaneTest, ALongTextShowsItsStartAtOnceAndIsWholeWhenAskedFor) {
    // Three megabytes of lines; the first piece ends between a CR and its LF.
    const int lines = 1'000'000;
    std::string text = "xx";
    for (int i = 0; i < lines; ++i) text += "a\r\n";
    const auto length = [](const CodePane& pane) {
        return static_cast<std::size_t>(pane.SendScintilla(CodePane::SCI_GETLENGTH));
    };
    CodePane pane;
    pane.setCrLfText(text);
    EXPECT_LT(length(pane), text.size());
    EXPECT_TRUE(pane.isReadOnly());
    EXPECT_TRUE(QTest::qWaitFor([&] { return length(pane) == text.size(); }, 10000));
    EXPECT_FALSE(pane.isReadOnly());
    EXPECT_EQ(pane.SendScintilla(CodePane::SCI_GETLINECOUNT), lines + 1);
    EXPECT_EQ(pane.crLfTextUtf8(), text);

    pane.setCrLfText(text);
    EXPECT_EQ(pane.crLfTextUtf8(), text);
    EXPECT_FALSE(pane.isReadOnly());
    EXPECT_EQ(pane.SendScintilla(CodePane::SCI_GETLINECOUNT), lines + 1);
}

TEST_F(CodePaneTest, FontAndBackgroundComeFromTheSettingsTypes) {
    CodePane pane;
    pane.setPaneFont(FontSpec{"Courier", 12.0, true});
    EXPECT_DOUBLE_EQ(pane.paneFont().size, 12.0);
    EXPECT_TRUE(pane.paneFont().bold);
    EXPECT_EQ(pane.SendScintilla(CodePane::SCI_STYLEGETSIZEFRACTIONAL, CodePane::STYLE_DEFAULT),
              1200);
    pane.setBackgroundBgr(0x00FFEE);
    EXPECT_EQ(pane.backgroundBgr(), 0x00FFEE);
    pane.setBackgroundBgr(-1);  // not a colour: the background stays
    EXPECT_EQ(pane.backgroundBgr(), 0x00FFEE);
    for (unsigned long style : {0, 1, 4}) {
        EXPECT_EQ(pane.SendScintilla(CodePane::SCI_STYLEGETBACK, style), 0x00FFEE) << style;
    }
    EXPECT_EQ(pane.SendScintilla(CodePane::SCI_GETWRAPMODE), CodePane::SC_WRAP_NONE);
    EXPECT_FALSE(pane.isReadOnly());
}

TEST_F(CodePaneTest, HighlightColoursTheExampleAndLeavesTheCaretAtTheStart) {
    const QString text = QStringLiteral("int x = 1; // note\r\nString s;\r\n");
    CodePane pane;
    pane.setCrLfText(text);
    pane.selectCrLf(5, 3);
    Highliter().HighlightJava(pane);

    const std::int32_t plain = ColorToBgr(pane.colorAt(4));
    const struct {
        int pos;
        std::int32_t color;
    } cases[] = {{0, 127},    {2, 127},    {3, plain}, {4, plain}, {8, plain}, {11, 32512},
                 {17, 32512}, {18, 32512}, {20, 127},  {25, 127},  {26, plain}};
    for (const auto& c : cases) EXPECT_EQ(ColorToBgr(pane.colorAt(c.pos)), c.color) << c.pos;
    EXPECT_EQ(plain, ColorToBgr(pane.palette().color(QPalette::Text)));
    EXPECT_EQ(pane.crLfText(), text);
    EXPECT_EQ(pane.crLfSelectionStart(), 0);
    EXPECT_EQ(pane.crLfSelectionLength(), 0);
}

TEST_F(CodePaneTest, EveryScreenColoursThePaneAsAFreshScanSays) {
    const struct {
        int screen;
        const char* text;
    } cases[] = {
        {XSD_CODE, "<?xml version=\"1.0\"?>\r\n<xsd:schema>\r\n<!-- c -->\r\n</xsd:schema>"},
        {BIZ_CODE, "<ElementType name=\"ROW\" content=\"eltOnly\"/>\r\n"},
        {DTD_CODE, "<!ELEMENT ROWS (ROW*)>\r\n<!ELEMENT ID (#PCDATA)>\r\n"},
        {XML_CODE,
         "<ROWS>\r\n\t<ROW>\r\n\t\t<ID>1</ID>\r\n\t\t<N>\xc3\xa9</N>\r\n\t</ROW>\r\n</ROWS>"},
        {SQL_CODE,
         "-- t\r\nCREATE TABLE T (\r\n ID INTEGER /* k */,\r\n N VARCHAR(9));\r\n"
         "INSERT INTO T VALUES (1, 'a''b');\r\n"},
        {VB_CODE, "' c\r\nPublic Function Get() As String\r\n  Get = Trim(\"x\")\r\nEnd Function"},
        {JAVA_CODE, "/* a\r\n b */\r\npublic class A { // c\r\n String s = \"q\"; }\r\n"},
        {VBNET_CODE, "Imports System\r\nNamespace N ' c\r\nEnd Namespace\r\n"},
        {CSHARP_CODE, "using System;\r\nnamespace N { class C { int i; } }\r\n"},
    };
    const Highliter highliter;
    for (const auto& c : cases) {
        CodePane pane;
        pane.setCrLfText(std::string_view(c.text));
        highliter.HighlightByType(pane, c.screen);
        const auto expected = FreshHighlight(c.text, c.screen);
        ASSERT_NE(expected, std::vector<unsigned char>(expected.size(), 0)) << c.screen;
        EXPECT_EQ(pane.styles(), expected) << c.screen;
        highliter.HighlightByType(pane, c.screen);
        EXPECT_EQ(pane.styles(), expected) << "second run, screen " << c.screen;
        EXPECT_EQ(pane.crLfTextUtf8(), c.text) << c.screen;
    }
}

TEST_F(CodePaneTest, PublicOperationsUseTheirScreensProfileAndOthersChangeNothing) {
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
        CodePane pane;
        pane.setCrLfText(text);
        (highliter.*c.operation)(pane);
        EXPECT_EQ(pane.styles(), FreshHighlight(text.toStdString(), c.screen)) << c.screen;
    }
    for (int scr : {9, -1}) {
        CodePane pane;
        pane.setCrLfText(text);
        pane.selectCrLf(4, 2);
        highliter.HighlightByType(pane, scr);
        EXPECT_EQ(pane.styles(), std::vector<unsigned char>(text.size(), 0)) << scr;
        EXPECT_EQ(pane.crLfSelectionStart(), 4);
    }
}

// A long text is coloured as it is shown and in steps while the pane is visible; edits are
// coloured again; new text is plain, wherever the caret was.
TEST_F(CodePaneTest, ColoursOnDemandFollowEditsAndEndWithNewText) {
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "int a; // comment " + std::to_string(i) + "\r\n";
    CodePane pane;
    pane.resize(400, 300);
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    pane.setCrLfText(text);
    Highliter().HighlightJava(pane);
    EXPECT_FALSE(pane.isFullyColoured());
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane.isFullyColoured(); }, 10000));
    EXPECT_EQ(pane.SendScintilla(CodePane::SCI_GETSTYLEAT, 0UL), CodePane::StyleOf(127));

    // A quote typed in the middle turns the rest of that line and the next ones grey.
    pane.selectCrLf(static_cast<int>(text.size() / 2), 0);
    QTest::keyClick(&pane, '"');
    text = pane.crLfTextUtf8();
    EXPECT_EQ(pane.styles(), FreshHighlight(text, JAVA_CODE));

    pane.selectCrLf(1, 0);  // inside the coloured "int"
    pane.setCrLfText(QStringLiteral("int b;"));
    EXPECT_EQ(pane.styles(), std::vector<unsigned char>(6, 0));
}

TEST_F(CodePaneTest, InsertKeyTogglesOverwriting) {
    CodePane pane;
    pane.setCrLfText(QStringLiteral("abc"));
    QSignalSpy changes(&pane, &CodePane::overwriteModeChanged);
    EXPECT_FALSE(pane.overwriteMode());
    QTest::keyClick(&pane, Qt::Key_Insert);
    EXPECT_TRUE(pane.overwriteMode());
    QTest::keyClick(&pane, 'X');
    EXPECT_EQ(pane.crLfText(), "Xbc");
    QTest::keyClick(&pane, Qt::Key_Insert);
    EXPECT_FALSE(pane.overwriteMode());
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(changes[0][0].toBool(), true);
    EXPECT_EQ(changes[1][0].toBool(), false);
}

}  // namespace
}  // namespace orvane
