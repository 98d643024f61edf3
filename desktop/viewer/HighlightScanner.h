#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <vector>

#include "viewer/ColorRange.h"
#include "viewer/WordList.h"

namespace orvane {

// What the scanner looks for in one kind of text. An empty marker means "none".
struct HighlightProfile {
    QString firstList;   // words coloured dark red
    QString secondList;  // words coloured dark blue (wins over the first list)
    QString quote;
    QString blockStart;
    QString blockEnd;
    QString lineMarker;
};

// The highlighting scan over a CR LF text, free of any window. It can run in slices so a caller
// may let the user interface breathe between them; the text must outlive the scanner.
class HighlightScanner {
  public:
    static constexpr std::int32_t kFirstListColor = 127;       // dark red
    static constexpr std::int32_t kSecondListColor = 8323072;  // dark blue
    static constexpr std::int32_t kCommentColor = 32512;       // dark green
    static constexpr std::int32_t kLiteralColor = 8355711;     // grey

    HighlightScanner(QStringView text, const HighlightProfile& profile);

    // Scans the positions before `end` (0-based); returns true once the whole text is done.
    bool scanTo(qsizetype end);
    bool done() const { return pos_ >= text_.size(); }
    qsizetype position() const { return pos_; }

    // Ranges in the order they are to be applied; later ones may overlap earlier ones.
    const std::vector<ColorRange>& ranges() const { return ranges_; }

  private:
    // The next occurrence of a marker at or after a position. The last answer is kept, because
    // repeated searches for a marker that is missing would otherwise rescan the rest of the text.
    class Finder {
      public:
        explicit Finder(QStringView needle) : needle_(needle) {}
        qsizetype next(QStringView text, qsizetype from);

      private:
        QStringView needle_;
        qsizetype searchedFrom_ = -1;
        qsizetype found_ = -1;
    };

    bool standsAt(const QString& marker, qsizetype i) const;
    void addRegion(qsizetype start, qsizetype length, std::int32_t color);
    // Colours a region and returns its length; the caller skips it and the character after it.
    qsizetype blockComment(qsizetype i);
    void endWord();

    QStringView text_;
    const HighlightProfile profile_;
    WordList first_;
    WordList second_;
    Finder quoteFinder_;
    Finder lineEndFinder_;
    Finder blockEndFinder_;
    qsizetype pos_ = 0;
    std::string word_;  // case-folded characters of the current word
    qsizetype wordStart_ = 0;
    std::vector<ColorRange> ranges_;
};

}  // namespace orvane
