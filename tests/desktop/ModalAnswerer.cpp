#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>

namespace orvane::test {

ModalAnswerer::ModalAnswerer(Handler handler) : handler_(std::move(handler)) {
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::Poll);
    timer_.start(10);
}

void ModalAnswerer::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        messages_.push_back({box->text(), box->icon()});
        box->button(QMessageBox::Ok)->click();
        return;
    }
    if (handler_) handler_(modal);
}

}  // namespace orvane::test
