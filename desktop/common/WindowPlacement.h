#pragma once

class QWidget;

namespace orvane {

// Where the program's windows open.
class WindowPlacement {
  public:
    // Moves the window to the middle of the primary screen's available area.
    static void CentreOnScreen(QWidget& window);
};

}  // namespace orvane
