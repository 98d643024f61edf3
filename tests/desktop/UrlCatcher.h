#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace orvane::test {

// Takes the place of the user's browser: while it lives, URLs of the given schemes that the
// program asks the desktop to open are collected here instead.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    explicit UrlCatcher(QStringList schemes);
    ~UrlCatcher() override;

    const QList<QUrl>& Urls() const { return urls_; }

  public slots:
    void Open(const QUrl& url);

  private:
    QStringList schemes_;
    QList<QUrl> urls_;
};

}  // namespace orvane::test
