#include "viewer/CrLfText.h"

#include <algorithm>

namespace orvane {

bool CrLfText::isDocumentLineEnd(QChar c) { return c == u'\n' || c == QChar::ParagraphSeparator; }

QString CrLfText::toDocument(QStringView crLf) {
    // Written through a pointer: these texts run to megabytes.
    QString out(crLf.size(), Qt::Uninitialized);
    QChar* to = out.data();
    for (qsizetype i = 0; i < crLf.size(); ++i) {
        const QChar c = crLf[i];
        if (c == u'\r') {
            if (i + 1 < crLf.size() && crLf[i + 1] == u'\n') ++i;
            *to++ = u'\n';
        } else if (c == u'\n') {
            // A lone LF (inside a value) stays a LF: the document keeps it as a line separator
            // within the paragraph, so saving gives back the value's own bytes.
            *to++ = QChar::LineSeparator;
        } else {
            *to++ = c;
        }
    }
    out.truncate(to - out.constData());
    return out;
}

QString CrLfText::fromDocument(QStringView document) {
    const auto lineEnds = std::count_if(document.begin(), document.end(), isDocumentLineEnd);
    QString out(document.size() + lineEnds, Qt::Uninitialized);
    QChar* to = out.data();
    for (const QChar c : document) {
        if (isDocumentLineEnd(c)) {
            *to++ = u'\r';
            *to++ = u'\n';
        } else if (c == QChar::LineSeparator) {
            *to++ = u'\n';
        } else {
            *to++ = c;
        }
    }
    return out;
}

CrLfText::CrLfText(QStringView document) {
    for (qsizetype i = 0; i < document.size(); ++i) {
        if (isDocumentLineEnd(document[i])) lineEnds_.push_back(static_cast<int>(i));
    }
}

int CrLfText::positionFromDocument(int docPos) const {
    const auto before = std::lower_bound(lineEnds_.begin(), lineEnds_.end(), docPos);
    return docPos + static_cast<int>(before - lineEnds_.begin());
}

int CrLfText::positionToDocument(int crLfPos) const {
    // Line end k (0-based) sits at document position d and has its LF at CR LF position d + k + 1;
    // every line end whose LF lies before crLfPos shortens the position by one.
    int lo = 0;
    int hi = static_cast<int>(lineEnds_.size());
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (lineEnds_[mid] + mid + 1 < crLfPos) {
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }
    return crLfPos - lo;
}

}  // namespace orvane
