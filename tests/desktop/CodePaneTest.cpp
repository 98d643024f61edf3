#include <gtest/gtest.h>

#include <QApplication>
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
    // Outside the nine screens nothing is coloured.
    CodePane other;
    other.setCrLfText(text);
    Highliter().HighlightByType(other, 9);
    EXPECT_EQ(other.styles(), std::vector<unsigned char>(text.size(), 0));
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

}  // namespace
}  // namespace orvane
