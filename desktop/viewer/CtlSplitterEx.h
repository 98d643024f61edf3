#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

class QLabel;

namespace orvane {

// Divides its own rectangle between two widgets with a draggable bar 100 twips wide between
// them. The widgets become children of the splitter and cover all of it but the bar, so the
// splitter only sees the mouse on the bar (and while the bar is dragged).
class CtlSplitterEx : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int TileMode READ TileMode WRITE SetTileMode)
    Q_PROPERTY(int MinTilePercent READ MinTilePercent WRITE SetMinTilePercent)
    Q_PROPERTY(int MaxTilePercent READ MaxTilePercent WRITE SetMaxTilePercent)

  public:
    static constexpr int kBarTwips = 100;
    static constexpr int kInitialTilePercent = 20;

    explicit CtlSplitterEx(QWidget* parent = nullptr);

    // first: left (side by side) or top object; second: right or bottom. Resets the bounds to
    // 0 and 100 and the tile percent to 20. With initZOrder the first, then the second object
    // are raised.
    void AttachObjects(QWidget* first, QWidget* second, bool initZOrder = false);

    // 1: side by side with a vertical bar; any other value: stacked with a horizontal bar.
    int TileMode() const { return tileMode_; }
    void SetTileMode(int tileMode);
    // Accepted only if 0 < value < 100 and above the lower bound; otherwise ignored.
    int MaxTilePercent() const { return maxTilePercent_; }
    void SetMaxTilePercent(int value);
    // Accepted only if 0 < value < 100 and below the upper bound; otherwise ignored.
    int MinTilePercent() const { return minTilePercent_; }
    void SetMinTilePercent(int value);
    int TilePercent() const { return tilePercent_; }

    QWidget* FirstObject() const { return first_; }
    QWidget* SecondObject() const { return second_; }
    // The bar's width in pixels at this screen's resolution.
    int BarPixels() const;

    // Rearranges the objects and emits Resize.
    void Refresh();

  signals:
    // After every rearrangement of the objects.
    void Resize();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    bool sideBySide() const;
    int mouseCoordinate(const QMouseEvent* event) const;
    bool onBar(int coordinate) const;
    void focusFirst();

    QPointer<QWidget> first_;
    QPointer<QWidget> second_;
    // The texts shown until objects are attached.
    std::array<QLabel*, 2> faceLabels_{};
    bool initialised_ = false;
    bool dragging_ = false;
    int tilePercent_ = kInitialTilePercent;
    int tileMode_ = 0;
    int minTilePercent_ = 0;
    int maxTilePercent_ = 100;
};

}  // namespace orvane
