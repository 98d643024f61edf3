#include "UrlCatcher.h"

#include <QDesktopServices>

namespace orvane::test {

UrlCatcher::UrlCatcher(QStringList schemes) : schemes_(std::move(schemes)) {
    for (const QString& scheme : schemes_) QDesktopServices::setUrlHandler(scheme, this, "Open");
}

UrlCatcher::~UrlCatcher() {
    for (const QString& scheme : schemes_) QDesktopServices::unsetUrlHandler(scheme);
}

void UrlCatcher::Open(const QUrl& url) { urls_ << url; }

}  // namespace orvane::test
