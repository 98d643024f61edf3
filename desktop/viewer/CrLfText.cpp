#include "viewer/CrLfText.h"

namespace orvane {

QString CrLfText::ToLf(QStringView crLf) {
    QString out;
    out.reserve(crLf.size());
    for (qsizetype i = 0; i < crLf.size(); ++i) {
        if (crLf[i] == u'\r') {
            if (i + 1 < crLf.size() && crLf[i + 1] == u'\n') ++i;
            out += u'\n';
        } else {
            out += crLf[i];
        }
    }
    return out;
}

}  // namespace orvane
