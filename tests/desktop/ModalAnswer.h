#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace orvane::test {

// Answers the next modal dialog of type T. The code under test sits in the dialog's exec(), so a
// timer polls for the dialog from that event loop and hands it to the answer. The timer stops
// when the object goes out of scope, so an unanswered poll cannot reach a later test.
template <class T>
class ModalAnswer {
  public:
    explicit ModalAnswer(std::function<void(T&)> answer, int timeoutMs = 20000)
        : answer_(std::move(answer)), timeoutMs_(timeoutMs) {
        started_.start();
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(10);
    }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    bool Answered() const { return answered_; }

  private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (T* dialog = qobject_cast<T*>(modal); dialog != nullptr && dialog->isVisible()) {
            timer_.stop();
            answered_ = true;
            answer_(*dialog);
        } else if (started_.elapsed() > timeoutMs_) {
            timer_.stop();
            ADD_FAILURE() << "No " << T::staticMetaObject.className() << " came up";
            if (modal != nullptr) modal->close();
        }
    }

    std::function<void(T&)> answer_;
    int timeoutMs_;
    QElapsedTimer started_;
    QTimer timer_;
    bool answered_ = false;
};

}  // namespace orvane::test
