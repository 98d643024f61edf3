#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include "QtTestApp.h"
#include "viewer/CtlSplitterEx.h"
#include "viewer/SplitterGeometry.h"
#include "viewer/Twips.h"

namespace orvane {
namespace {

TEST(SplitterGeometryTest, ArrangesTheTwoObjects) {
    const struct {
        const char* what;
        QRect self;
        int mode, percent;
        QRect first, second;
    } cases[] = {
        {"20 %", {0, 0, 10000, 5000}, 1, 20, {0, 0, 2000, 5000}, {2100, 0, 7900, 5000}},
        {"collapsed", {0, 0, 10000, 5000}, 1, 0, {0, 0, 0, 5000}, {100, 0, 9900, 5000}},
        {"stacked", {0, 0, 3000, 10000}, 0, 20, {0, 0, 3000, 2000}, {0, 2100, 3000, 7900}},
        {"mode 2 stacks", {0, 0, 3000, 10000}, 2, 50, {0, 0, 3000, 5000}, {0, 5100, 3000, 4900}},
        {"offset", {500, 300, 10000, 4000}, 1, 25, {500, 300, 2500, 4000}, {3100, 300, 7400, 4000}},
        {"rounded", {0, 0, 333, 50}, 1, 20, {0, 0, 67, 50}, {167, 0, 166, 50}},
    };
    for (const auto& c : cases) {
        const SplitRects rects = ArrangeSplit(c.self, c.mode, c.percent, 100);
        EXPECT_EQ(rects.first, c.first) << c.what;
        EXPECT_EQ(rects.second, c.second) << c.what;
    }
}

TEST(SplitterGeometryTest, MouseOnBarAndDraggedPercent) {
    const struct {
        int coordinate;
        bool onBar;
    } bar[] = {{2000, false}, {2001, true}, {2099, true}, {2100, false}, {0, false}};
    for (const auto& c : bar) EXPECT_EQ(IsOnBar(2000, c.coordinate, 100), c.onBar) << c.coordinate;

    const struct {
        int coordinate, extent, min, max;
        std::optional<int> percent;
    } drags[] = {
        {5000, 10000, 0, 100, 50}, {100, 10000, 0, 100, 1},    {9900, 10000, 0, 100, 99},
        {0, 10000, 0, 100, {}},    {10000, 10000, 0, 100, {}}, {12000, 10000, 0, 100, {}},
        {2000, 10000, 10, 30, 20}, {1000, 10000, 10, 30, {}},  {3000, 10000, 10, 30, {}},
        {40, 10000, 0, 100, {}},   {50, 10000, 0, 100, 1},     {10, 0, 0, 100, {}},
    };
    for (const auto& c : drags) {
        EXPECT_EQ(DraggedPercent(c.coordinate, c.extent, c.min, c.max), c.percent)
            << c.coordinate << " of " << c.extent;
    }
}

class CtlSplitterExTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::QtApp(); }

    void SetUp() override {
        // Inside a window, so resizing the splitter reaches it at once.
        window.resize(1200, 600);
        splitter.resize(1000, 400);
        window.show();
        splitter.AttachObjects(first, second, true);
        splitter.SetTileMode(1);
    }

    void send(QEvent::Type type, int x, Qt::MouseButton button, Qt::MouseButtons held) {
        const QPointF at(x, 200);
        QMouseEvent event(type, at, splitter.mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&splitter, &event);
    }
    void press(int x) { send(QEvent::MouseButtonPress, x, Qt::LeftButton, Qt::LeftButton); }
    void drag(int x) { send(QEvent::MouseMove, x, Qt::NoButton, Qt::LeftButton); }
    void hover(int x) { send(QEvent::MouseMove, x, Qt::NoButton, Qt::NoButton); }
    void release(int x) { send(QEvent::MouseButtonRelease, x, Qt::LeftButton, Qt::NoButton); }
    void doubleClick() {
        send(QEvent::MouseButtonDblClick, first->width() + 1, Qt::LeftButton, Qt::LeftButton);
    }
    int barStart() const { return first->geometry().right() + 1; }

    QWidget window;
    CtlSplitterEx& splitter = *new CtlSplitterEx(&window);
    QLineEdit* first = new QLineEdit;
    QLineEdit* second = new QLineEdit;
};

// Attached side by side at 20 % with a bar of 100 twips; the bar drags within the bounds, a
// double-click collapses the first object and a second one restores 20 %.
TEST_F(CtlSplitterExTest, TheUserDragsAndDoubleClicksTheBar) {
    const int bar = TwipsToPixels(100, splitter.logicalDpiX());
    EXPECT_EQ(first->parentWidget(), &splitter);
    EXPECT_EQ(first->geometry(), QRect(0, 0, 200, 400));
    EXPECT_EQ(second->geometry(), QRect(200 + bar, 0, 800 - bar, 400));
    EXPECT_TRUE(splitter.findChild<QLabel*>(QStringLiteral("lblInfo0"))->isHidden());

    hover(barStart() + 1);
    EXPECT_EQ(splitter.cursor().shape(), Qt::SplitHCursor);
    press(barStart() + 1);
    const struct {
        int x, percent;
    } drags[] = {{500, 50}, {0, 50}, {995, 50}, {990, 99}};  // the very edges are refused
    for (const auto& c : drags) {
        drag(c.x);
        EXPECT_EQ(splitter.TilePercent(), c.percent) << c.x;
    }
    release(990);
    EXPECT_EQ(first->width(), 990);
    EXPECT_FALSE(splitter.testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(splitter.focusWidget(), first);

    doubleClick();
    EXPECT_EQ(splitter.TilePercent(), 0);
    EXPECT_EQ(first->width(), 0);
    EXPECT_EQ(second->x(), bar);
    doubleClick();
    EXPECT_EQ(splitter.TilePercent(), 20);
    EXPECT_EQ(first->width(), 200);

    splitter.SetMinTilePercent(30);
    splitter.SetMaxTilePercent(70);
    press(barStart() + 1);
    drag(200);
    EXPECT_EQ(splitter.TilePercent(), 20);
    drag(600);
    release(600);
    EXPECT_EQ(splitter.TilePercent(), 60);

    splitter.SetTileMode(0);  // stacked
    const int stackedBar = TwipsToPixels(100, splitter.logicalDpiY());
    EXPECT_EQ(first->geometry(), QRect(0, 0, 1000, 240));
    EXPECT_EQ(second->geometry(), QRect(0, 240 + stackedBar, 1000, 160 - stackedBar));
}

}  // namespace
}  // namespace orvane
