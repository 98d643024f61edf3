#include "common/Messages.h"

#include <QApplication>
#include <QMessageBox>

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
    Host::SetEventPump([] { QCoreApplication::processEvents(); });
    Host::SetMessageSink([](const std::string& text, int style, const std::string& title) {
        Show(QApplication::activeWindow(), QString::fromStdString(text), style,
             QString::fromStdString(title));
    });
}

}  // namespace orvane
