#include "viewer/CtlSplitterEx.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "viewer/SplitterGeometry.h"
#include "viewer/Twips.h"

namespace orvane {

CtlSplitterEx::CtlSplitterEx(QWidget* parent) : QWidget(parent) {
    // Moves without a button pressed are needed to show the sizing pointer over the bar.
    setMouseTracking(true);
    auto* layout = new QVBoxLayout(this);
    const QString texts[] = {tr("SplitterEx"), tr("(must be behind its attached objects)")};
    for (std::size_t i = 0; i < faceLabels_.size(); ++i) {
        faceLabels_[i] = new QLabel(texts[i], this);
        faceLabels_[i]->setObjectName(QStringLiteral("lblInfo%1").arg(i));
        faceLabels_[i]->setAlignment(Qt::AlignCenter);
        layout->addWidget(faceLabels_[i]);
    }
}

void CtlSplitterEx::AttachObjects(QWidget* first, QWidget* second, bool initZOrder) {
    first_ = first;
    second_ = second;
    minTilePercent_ = 0;
    maxTilePercent_ = 100;
    tilePercent_ = kInitialTilePercent;
    for (QLabel* label : faceLabels_) label->hide();
    for (QWidget* object : {first, second}) {
        if (object == nullptr) continue;
        if (object->parentWidget() != this) object->setParent(this);
        object->show();
    }
    initialised_ = true;
    if (initZOrder) {
        if (first != nullptr) first->raise();
        if (second != nullptr) second->raise();
    }
    Refresh();
}

void CtlSplitterEx::SetTileMode(int tileMode) {
    tileMode_ = tileMode;
    Refresh();
}

void CtlSplitterEx::SetMaxTilePercent(int value) {
    if (value > 0 && value < 100 && value > minTilePercent_) maxTilePercent_ = value;
}

void CtlSplitterEx::SetMinTilePercent(int value) {
    if (value > 0 && value < 100 && value < maxTilePercent_) minTilePercent_ = value;
}

bool CtlSplitterEx::sideBySide() const { return tileMode_ == 1; }

int CtlSplitterEx::BarPixels() const {
    return TwipsToPixels(kBarTwips, sideBySide() ? logicalDpiX() : logicalDpiY());
}

void CtlSplitterEx::Refresh() {
    // The objects may refuse a size (their minimum or maximum), so the second one is placed
    // after the first as it really ended up.
    const QRect self = rect();
    if (first_) {
        const QRect wanted = FirstObjectRect(self, tileMode_, tilePercent_);
        first_->setGeometry(wanted.x(), wanted.y(), std::max(0, wanted.width()),
                            std::max(0, wanted.height()));
    }
    if (second_) {
        const QRect placedFirst =
            first_ ? first_->geometry() : FirstObjectRect(self, tileMode_, tilePercent_);
        const QRect wanted = SecondObjectRect(self, tileMode_, placedFirst, BarPixels());
        second_->setGeometry(wanted.x(), wanted.y(), std::max(0, wanted.width()),
                             std::max(0, wanted.height()));
    }
    for (QWidget* object : {first_.data(), second_.data()}) {
        if (auto* nested = qobject_cast<CtlSplitterEx*>(object)) nested->Refresh();
    }
    update();
    emit Resize();
}

void CtlSplitterEx::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (initialised_) Refresh();
}

void CtlSplitterEx::paintEvent(QPaintEvent* /*event*/) {
    if (!initialised_ || !first_) return;
    // Two lines mark the edges of the bar.
    QPainter painter(this);
    const int bar = BarPixels();
    const int at = BarPosition(tileMode_, first_->geometry());
    painter.setPen(palette().color(QPalette::Light));
    if (sideBySide()) {
        painter.drawLine(at, 0, at, height());
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(at + bar - 1, 0, at + bar - 1, height());
    } else {
        painter.drawLine(0, at, width(), at);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(0, at + bar - 1, width(), at + bar - 1);
    }
}

int CtlSplitterEx::mouseCoordinate(const QMouseEvent* event) const {
    const QPointF at = event->position();
    return static_cast<int>(sideBySide() ? at.x() : at.y());
}

bool CtlSplitterEx::onBar(int coordinate) const {
    if (!first_) return false;
    return IsOnBar(BarPosition(tileMode_, first_->geometry()), coordinate, BarPixels());
}

void CtlSplitterEx::focusFirst() {
    if (first_) first_->setFocus();
}

void CtlSplitterEx::mousePressEvent(QMouseEvent* event) {
    dragging_ = onBar(mouseCoordinate(event)) || dragging_;
}

void CtlSplitterEx::mouseMoveEvent(QMouseEvent* event) {
    if (!initialised_) return;
    const int coordinate = mouseCoordinate(event);
    if (!onBar(coordinate) && !dragging_) {
        unsetCursor();
    } else {
        setCursor(sideBySide() ? Qt::SplitHCursor : Qt::SplitVCursor);
    }
    if ((event->buttons() & Qt::LeftButton) && dragging_) {
        const int extent = sideBySide() ? width() : height();
        if (const auto percent =
                DraggedPercent(coordinate, extent, minTilePercent_, maxTilePercent_)) {
            tilePercent_ = *percent;
            Refresh();
        }
    }
}

void CtlSplitterEx::mouseReleaseEvent(QMouseEvent* /*event*/) {
    dragging_ = false;
    unsetCursor();
    focusFirst();
}

void CtlSplitterEx::mouseDoubleClickEvent(QMouseEvent* /*event*/) {
    tilePercent_ = tilePercent_ > 0 ? 0 : kInitialTilePercent;
    focusFirst();
    Refresh();
}

}  // namespace orvane
