#pragma once

#include <QString>
#include <QStringView>

namespace orvane {

// The texts of the system end their lines with CR LF; Linux programs, through the clipboard
// and drag and drop, expect LF.
class CrLfText {
  public:
    // Every CR LF and every lone CR becomes LF; a lone LF (inside a value) stays.
    static QString ToLf(QStringView crLf);
    // Every line end, whichever it is, becomes CR LF.
    static QString ToCrLf(QStringView text);
};

}  // namespace orvane
