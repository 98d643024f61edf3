#include <QApplication>

#include "common/Messages.h"
#include "main/MainForm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvane");
    QApplication::setApplicationVersion("1.6");
    orvane::Messages::InstallHost();
    orvane::MainForm window;
    window.show();
    return QApplication::exec();
}
