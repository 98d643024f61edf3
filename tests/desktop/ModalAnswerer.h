#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;

namespace orvane::test {

// Answers the modal windows a command opens, as a user would: each modal window that shows
// up is handed to the handler (which types and clicks in it); message boxes are recorded and
// answered with OK.
class ModalAnswerer : public QObject {
public:
    struct Message {
        QString text;
        QMessageBox::Icon icon;
    };
    using Handler = std::function<void(QWidget* modal)>;

    explicit ModalAnswerer(Handler handler = {});

    const std::vector<Message>& Messages() const { return messages_; }

private:
    void Poll();

    Handler handler_;
    QTimer timer_;
    std::vector<Message> messages_;
};

}  // namespace orvane::test
