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
        QAbstractButton* yes = box->button(QMessageBox::Yes);
        (yes != nullptr ? yes : box->button(QMessageBox::Ok))->click();
        return;
    }
    if (!handler_ || modal == answering_) return;
    ++handled_;
    answering_ = modal;
    // Answered from a call of its own: a window the handler opens (a question) is answered by
    // this poll, which Qt would not run again inside its own call.
    QTimer::singleShot(0, this, [this] {
        if (answering_) handler_(answering_);
        answering_ = nullptr;
    });
}

}  // namespace orvane::test
