#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

// Readable test failure output for Qt's strings (found by argument-dependent lookup).
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '[' << list.join(" | ").toStdString() << ']';
}
