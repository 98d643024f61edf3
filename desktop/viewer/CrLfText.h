#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace orvane {

// The texts of the system end their lines with CR LF and count a line end as two characters;
// a Qt text document stores a line end as one character. This is the only place that maps
// between the two forms.
//
// An object indexes the line ends of one document text so positions can be mapped both ways.
class CrLfText {
  public:
    // CR LF text → document text: CR LF and a lone CR each become one line end; a lone LF
    // (a line break inside a value) becomes a line separator, so it survives the round trip.
    static QString toDocument(QStringView crLf);
    // Document text → CR LF text: every line end of the document becomes CR LF, every line
    // separator LF again.
    static QString fromDocument(QStringView document);
    // True for the characters a document uses for a line end (one that stands for CR LF).
    static bool isDocumentLineEnd(QChar c);

    explicit CrLfText(QStringView document);

    // Both positions are 0-based. A CR LF position that falls between the CR and the LF maps to
    // the document position after the line end, so a range that ends with the CR covers it.
    int positionToDocument(int crLfPos) const;
    int positionFromDocument(int docPos) const;

  private:
    std::vector<int> lineEnds_;  // document positions of the line ends, ascending
};

}  // namespace orvane
