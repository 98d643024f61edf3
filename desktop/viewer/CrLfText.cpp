#include "viewer/CrLfText.h"

namespace orvane {

namespace {
QString WithLineEnds(QStringView text, QStringView lineEnd, bool loneLfIsLineEnd) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            out += lineEnd;
        } else if (text[i] == u'\n' && loneLfIsLineEnd) {
            out += lineEnd;
        } else {
            out += text[i];
        }
    }
    return out;
}
}  // namespace

QString CrLfText::ToLf(QStringView crLf) { return WithLineEnds(crLf, u"\n", false); }

QString CrLfText::ToCrLf(QStringView text) { return WithLineEnds(text, u"\r\n", true); }

}  // namespace orvane
