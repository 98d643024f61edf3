#pragma once

#include <QString>

class QWidget;

namespace orvane {

// Modal message boxes with the classic styles (0 none, 16 critical, 48 exclamation), and the
// hooks through which the library shows its messages and lets window events run.
class Messages {
  public:
    static void Show(QWidget* parent, const QString& text, int style,
                     const QString& title = "Orvane");
    // Installs Qt's event processing and these message boxes as the library's host callbacks.
    static void InstallHost();
};

}  // namespace orvane
