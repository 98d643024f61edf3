#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include "Golden.h"
#include "MainFormFixture.h"
#include "TestSupport.h"
#include "common/Icons.h"
#include "core/Screens.h"
#include "viewer/CodePane.h"
#include "viewer/CrLfText.h"
#include "viewer/CtlSplitterEx.h"
#include "viewer/Highliter.h"
#include "viewer/StyleConvert.h"
#include "viewer/Twips.h"

namespace orvane {
namespace {

// The text stays byte for byte, positions count characters, a long text shows at once and is
// coloured on demand.
TEST(CodePaneTest, KeepsTheTextByteForByteAndShowsAndColoursALongOneOnDemand) {
    test::QtApp();
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

    // A long text shows its start at once and is whole when asked for. Three megabytes of
    // lines; the first piece ends between a CR and its LF.
    std::string text = "xx";
    for (int i = 0; i < 1'000'000; ++i) text += "a\r\n";
    const auto length = [](const CodePane& pane) {
        return static_cast<std::size_t>(pane.SendScintilla(CodePane::SCI_GETLENGTH));
    };
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

    // A long text is coloured as it is shown and in steps while the pane is visible, the caret
    // put at the start; edits are coloured again; new text is plain, wherever the caret was.
    text.clear();
    for (int i = 0; i < 20000; ++i) text += "int a; // comment " + std::to_string(i) + "\r\n";
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
    const QColor red = ColorFromBgr(127), plain = pane.palette().color(QPalette::Text);
    for (const auto& [at, colour] : std::vector<std::pair<int, QColor>>{
             {0, red}, {3, plain}, {7, ColorFromBgr(32512)}, {middle, red}})
        EXPECT_EQ(pane.colorAt(at), colour) << at;
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

// A lone LF out of the pane is a line break inside a value.
TEST(CrLfTextTest, LineEndsBecomeLfForOtherProgramsAndCrLfFromThem) {
    std::string log;
    for (const char* text : {"a\r\nb", "", "a\nb", "a\r\r\nb\r", "\n\r", "\u00e9\t\u20ac\r\n"}) {
        const QString q = QString::fromUtf8(text);
        log += "[" + test::Shown(text) + "] to LF [" +
               test::Shown(CrLfText::ToLf(q).toStdString()) + "] to CR LF [" +
               test::Shown(CrLfText::ToCrLf(q).toStdString()) + "]\n";
    }
    test::expectGolden("crlf-texts.txt", log);
}

// Every picture is drawn from its file: a file missing from the resources, or no SVG support at
// run time, gives an empty icon.
TEST(IconsTest, EveryPictureLoads) {
    test::QtApp();
    std::vector<QIcon> icons;
    for (int image = 1; image <= 4; ++image) icons.push_back(Icons::TreeImage(image));
    for (int tool = 0; tool <= static_cast<int>(Icons::Tool::About); ++tool)
        icons.push_back(Icons::ToolIcon(static_cast<Icons::Tool>(tool)));
    for (int option = 0; option <= static_cast<int>(Icons::Option::Doc); ++option)
        icons.push_back(Icons::OptionIcon(static_cast<Icons::Option>(option)));
    for (std::size_t i = 0; i < icons.size(); ++i)
        EXPECT_FALSE(icons[i].pixmap(16, 16).isNull()) << i;
    EXPECT_EQ(Icons::Logo(64).size(), QSize(64, 64));
    EXPECT_TRUE(Icons::TreeImage(5).isNull());
}

// Side by side at 20 % with a bar of 100 twips, as the main window holds its tree and panes: the
// bar drags short of the very edges, a double-click collapses the first object and a second one
// restores 20 %.
TEST(CtlSplitterExTest, TheUserDragsAndDoubleClicksTheBar) {
    test::QtApp();
    QWidget window;  // resizing the splitter reaches it at once inside a shown window
    auto& splitter = *new CtlSplitterEx(&window);
    auto* first = new QLineEdit;
    auto* second = new QLineEdit;
    window.resize(1200, 600);
    splitter.resize(1000, 400);
    window.show();
    splitter.AttachObjects(first, second, true);
    splitter.SetTileMode(1);
    const auto send = [&](QEvent::Type type, int x, Qt::MouseButton button, Qt::MouseButtons held) {
        const QPointF at(x, 200);
        QMouseEvent event(type, at, splitter.mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&splitter, &event);
    };
    const int bar = TwipsToPixels(100, splitter.logicalDpiX());
    EXPECT_EQ(first->geometry(), QRect(0, 0, 200, 400));
    EXPECT_EQ(second->geometry(), QRect(200 + bar, 0, 800 - bar, 400));

    send(QEvent::MouseMove, 202, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(splitter.cursor().shape(), Qt::SplitHCursor);
    send(QEvent::MouseButtonPress, 202, Qt::LeftButton, Qt::LeftButton);
    const struct { int x, percent; } drags[] = {{500, 50}, {0, 50}, {995, 50}, {990, 99}};
    for (const auto& c : drags) {
        send(QEvent::MouseMove, c.x, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(splitter.TilePercent(), c.percent) << c.x;
    }
    send(QEvent::MouseButtonRelease, 990, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(first->width(), 990);
    EXPECT_FALSE(splitter.testAttribute(Qt::WA_SetCursor));

    for (const int percent : {0, 20}) {
        send(QEvent::MouseButtonDblClick, first->width() + 1, Qt::LeftButton, Qt::LeftButton);
        EXPECT_EQ(splitter.TilePercent(), percent);
        EXPECT_EQ(first->width(), percent * 10);
        EXPECT_EQ(second->x(), percent * 10 + bar);
    }
}

}  // namespace
}  // namespace orvane
