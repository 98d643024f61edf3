#pragma once

class QApplication;

namespace orvane::test {

// The one QApplication of the widget tests, created on first use (offscreen unless the
// environment names another platform). It also installs Qt's event processing as the host's
// event pump, as the program does.
QApplication& QtApp();

}  // namespace orvane::test
