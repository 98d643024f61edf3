#include <gtest/gtest.h>

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
    std::string text = "xx";
    for (int i = 0; i < 1'000'000; ++i) text += "a\r\n";
    const auto length = [](const CodePane& pane) {
        return static_cast<std::size_t>(pane.SendScintilla(CodePane::SCI_GETLENGTH));
    };
    CodePane pane;
    for (int round = 0; round < 2; ++round) {
        pane.setCrLfText(text);
        if (round == 0) {
            EXPECT_LT(length(pane), text.size());
            EXPECT_TRUE(pane.isReadOnly());
            EXPECT_TRUE(QTest::qWaitFor([&] { return length(pane) == text.size(); }, 10000));
        }
        EXPECT_EQ(pane.crLfTextUtf8(), text);
        EXPECT_FALSE(pane.isReadOnly());
        EXPECT_EQ(pane.SendScintilla(CodePane::SCI_GETLINECOUNT), 1'000'001);
    }
}

// A long text is coloured as it is shown and in steps while the pane is visible, the caret put
// at the start; edits are coloured again; new text is plain, wherever the caret was.
TEST_F(CodePaneTest, ColoursOnDemandFollowEditsAndEndWithNewText) {
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "int a; // comment " + std::to_string(i) + "\r\n";
    CodePane pane;
    pane.resize(400, 300);
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    pane.setCrLfText(text);
    pane.selectCrLf(5, 3);
    Highliter().HighlightJava(pane);
    EXPECT_EQ(pane.crLfSelectionStart(), 0);
    EXPECT_EQ(pane.crLfSelectionLength(), 0);
    EXPECT_FALSE(pane.isFullyColoured());
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane.isFullyColoured(); }, 10000));
    const int middle = static_cast<int>(text.find("\r\n", text.size() / 2) + 2);
    const int nextInt = static_cast<int>(text.find("int", middle + 1));
    const struct {
        int at;
        std::int32_t color;
    } before[] = {{0, 127}, {3, -1}, {7, 32512}, {middle, 127}};
    for (const auto& c : before) {
        const QColor plain = pane.palette().color(QPalette::Text);
        EXPECT_EQ(pane.colorAt(c.at), c.color < 0 ? plain : ColorFromBgr(c.color)) << c.at;
    }
    // Quotes typed around a keyword in the middle turn it grey.
    for (int at : {middle, middle + 4}) {
        pane.selectCrLf(at, 0);
        QTest::keyClick(&pane, '"');
    }
    EXPECT_EQ(pane.colorAt(middle + 1), ColorFromBgr(8355711));
    EXPECT_EQ(pane.colorAt(nextInt + 2), ColorFromBgr(127));

    pane.selectCrLf(1, 0);  // inside the coloured "int"
    pane.setCrLfText(QStringLiteral("int b;"));
    EXPECT_EQ(pane.styles(), std::vector<unsigned char>(6, 0));
    // Outside the nine screens nothing is coloured.
    Highliter().HighlightByType(pane, 9);
    EXPECT_EQ(pane.styles(), std::vector<unsigned char>(6, 0));
}

}  // namespace
}  // namespace orvane
