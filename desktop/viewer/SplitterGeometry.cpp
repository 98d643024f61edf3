#include "viewer/SplitterGeometry.h"

#include <cmath>

namespace orvane {

namespace {
constexpr int kSideBySide = 1;

int Share(int length, int percent) {
    return static_cast<int>(std::lround(static_cast<double>(length) * percent / 100.0));
}
}  // namespace

QRect FirstObjectRect(const QRect& self, int tileMode, int tilePercent) {
    if (tileMode == kSideBySide) {
        return {self.left(), self.top(), Share(self.width(), tilePercent), self.height()};
    }
    return {self.left(), self.top(), self.width(), Share(self.height(), tilePercent)};
}

QRect SecondObjectRect(const QRect& self, int tileMode, const QRect& first, int bar) {
    if (tileMode == kSideBySide) {
        const int left = first.left() + first.width() + bar;
        return {left, self.top(), self.left() + self.width() - left, self.height()};
    }
    const int top = first.top() + first.height() + bar;
    return {self.left(), top, self.width(), self.top() + self.height() - top};
}

SplitRects ArrangeSplit(const QRect& self, int tileMode, int tilePercent, int bar) {
    const QRect first = FirstObjectRect(self, tileMode, tilePercent);
    return {first, SecondObjectRect(self, tileMode, first, bar)};
}

int BarPosition(int tileMode, const QRect& first) {
    return tileMode == kSideBySide ? first.width() : first.height();
}

bool IsOnBar(int barPosition, int coordinate, int bar) {
    return barPosition < coordinate && coordinate < barPosition + bar;
}

std::optional<int> DraggedPercent(int coordinate, int extent, int minPercent, int maxPercent) {
    if (extent <= 0) return std::nullopt;
    const int percent = static_cast<int>(std::lround(100.0 / extent * coordinate));
    if (minPercent < percent && percent < maxPercent) return percent;
    return std::nullopt;
}

}  // namespace orvane
