#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

namespace orvane::test {

// Answers the modal windows a command opens, as a user would, from the event loop they run:
// message boxes are recorded and confirmed (OK, or Yes to a question); any other modal window
// goes to the handler, which types and clicks in it and closes it.
class ModalAnswerer : public QObject {
  public:
    struct Message {
        QString text;
        QMessageBox::Icon icon;
    };
    using Handler = std::function<void(QWidget* modal)>;

    explicit ModalAnswerer(Handler handler = {});
    // A handler for the windows of type T only.
    template <class T>
    static Handler For(std::function<void(T&)> answer) {
        return [answer](QWidget* modal) {
            if (auto* window = qobject_cast<T*>(modal)) answer(*window);
        };
    }

    const std::vector<Message>& Messages() const { return messages_; }
    // How many windows the handler was given.
    int Handled() const { return handled_; }

  private:
    void Poll();

    Handler handler_;
    QTimer timer_;
    std::vector<Message> messages_;
    int handled_ = 0;
    QPointer<QWidget> answering_;
};

}  // namespace orvane::test
