#pragma once

#include <QString>
#include <QStringView>

namespace orvane {

// The texts of the system end their lines with CR LF; Linux programs, through the clipboard,
// expect LF.
class CrLfText {
  public:
    // Every CR LF and every lone CR becomes LF; a lone LF (inside a value) stays.
    static QString ToLf(QStringView crLf);
};

}  // namespace orvane
