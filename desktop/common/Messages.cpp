#include "common/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <chrono>

#include "core/Host.h"

namespace orvane {

void Messages::Show(QWidget* parent, const QString& text, int style, const QString& title) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (style == MsgCritical) icon = QMessageBox::Critical;
    if (style == MsgExclamation) icon = QMessageBox::Warning;
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setObjectName("OrvaneMessage");
    box.exec();
}

void Messages::InstallHost() {
    // The library asks at every row; a turn of the event loop every few milliseconds keeps the
    // window just as responsive, where one per row made a long Generate half again as slow.
    using Clock = std::chrono::steady_clock;
    Host::SetEventPump([last = Clock::time_point()]() mutable {
        if (Clock::now() - last < std::chrono::milliseconds(10)) return;
        QCoreApplication::processEvents();
        last = Clock::now();
    });
    Host::SetMessageSink([](const std::string& text, int style, const std::string& title) {
        Show(QApplication::activeWindow(), QString::fromStdString(text), style,
             QString::fromStdString(title));
    });
}

}  // namespace orvane
