#include "QtTestApp.h"

#include <QApplication>

#include "core/Host.h"

namespace orvane::test {

QApplication& QtApp() {
    static int argc = 1;
    static char name[] = "test_desktop";
    static char* argv[] = {name, nullptr};
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *existing;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept for the whole run: widgets of later tests need it.
    static QApplication* app = new QApplication(argc, argv);
    Host::SetEventPump([] { QCoreApplication::processEvents(); });
    return *app;
}

}  // namespace orvane::test
