#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

class QApplication;

// Readable failure output for Qt's strings (found by argument-dependent lookup).
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '[' << list.join(" | ").toStdString() << ']';
}

namespace orvane::test {

// The one QApplication of the widget tests, created on first use (offscreen unless the
// environment names another platform). It also installs Qt's event processing as the host's
// event pump, as the program does.
QApplication& QtApp();

}  // namespace orvane::test
