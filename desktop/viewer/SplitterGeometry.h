#pragma once

#include <QRect>
#include <optional>

namespace orvane {

// The arithmetic of the splitter, in any one unit (twips or pixels): the splitter's rectangle is
// shared by two objects with a bar between them. Tile mode 1 puts them side by side, any other
// value stacks them.
struct SplitRects {
    QRect first;
    QRect second;
};

// The first object: the tile percent of the splitter's width (side by side) or height.
QRect FirstObjectRect(const QRect& self, int tileMode, int tilePercent);
// The second object: the rest after the first object as it was really placed, and the bar.
QRect SecondObjectRect(const QRect& self, int tileMode, const QRect& first, int bar);
SplitRects ArrangeSplit(const QRect& self, int tileMode, int tilePercent, int bar);

// Where the bar starts, measured from the splitter's left (side by side) or top edge.
int BarPosition(int tileMode, const QRect& first);
// Whether a mouse coordinate (x side by side, y stacked) lies inside the bar, edges excluded.
bool IsOnBar(int barPosition, int coordinate, int bar);
// The tile percent for a mouse coordinate over the splitter's extent (its width side by side,
// else its height), if it lies strictly between the bounds.
std::optional<int> DraggedPercent(int coordinate, int extent, int minPercent, int maxPercent);

}  // namespace orvane
