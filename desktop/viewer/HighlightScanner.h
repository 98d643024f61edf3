#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/ColorRange.h"
#include "viewer/WordList.h"

namespace orvane {

// What the scanner looks for in one kind of text. An empty marker means "none".
struct HighlightProfile {
    std::string firstList;   // words coloured dark red
    std::string secondList;  // words coloured dark blue (wins over the first list)
    std::string quote;
    std::string blockStart;
    std::string blockEnd;
    std::string lineMarker;
};

// The highlighting scan over a UTF-8 text whose lines end with CR LF, free of any window.
// Positions are byte offsets; the rules count characters, so a non-ASCII character is one.
// It runs in slices and may start again at any position where the scan of the whole text
// stood with no word begun, so a caller can colour a long text piece by piece.
class HighlightScanner {
  public:
    static constexpr std::int32_t kFirstListColor = 127;       // dark red
    static constexpr std::int32_t kSecondListColor = 8323072;  // dark blue
    static constexpr std::int32_t kCommentColor = 32512;       // dark green
    static constexpr std::int32_t kLiteralColor = 8355711;     // grey
    static constexpr std::array<std::int32_t, 4> kColors = {kFirstListColor, kSecondListColor,
                                                            kCommentColor, kLiteralColor};

    // The profile must outlive the scanner.
    HighlightScanner(std::string_view text, const HighlightProfile& profile, std::size_t start = 0);

    // The same text, perhaps moved in memory (an editor's buffer); it must not have changed.
    void setText(std::string_view text) { text_ = text; }

    // Scans the positions before `end`; returns true once the whole text is done.
    bool scanTo(std::size_t end);
    bool done() const { return pos_ >= text_.size(); }
    std::size_t position() const { return pos_; }
    // No range found from now on starts before this position.
    std::size_t settled() const { return word_.empty() ? pos_ : wordStart_; }

    // Ranges in the order they are to be applied; later ones may overlap earlier ones.
    const std::vector<ColorRange>& ranges() const { return ranges_; }
    void forgetRangesBefore(std::size_t pos);

  private:
    // The next occurrence of a marker at or after a position. The last answer is kept, because
    // repeated searches for a marker that is missing would otherwise rescan the rest of the text.
    class Finder {
      public:
        explicit Finder(std::string_view needle) : needle_(needle) {}
        std::size_t next(std::string_view text, std::size_t from);

      private:
        std::string_view needle_;
        std::size_t searchedFrom_ = std::string_view::npos;
        std::size_t found_ = std::string_view::npos;
    };

    bool standsAt(const std::string& marker, std::size_t i) const;
    // The length in bytes of the character at a position.
    std::size_t charLength(std::size_t i) const;
    // Colours a region; returns where scanning goes on: the character after it is passed over.
    std::size_t region(std::size_t start, std::size_t length, std::int32_t color);
    std::size_t blockComment(std::size_t i);
    void endWord();

    std::string_view text_;
    const HighlightProfile& profile_;
    WordList first_;
    WordList second_;
    Finder quoteFinder_;
    Finder lineEndFinder_;
    Finder blockEndFinder_;
    std::size_t pos_ = 0;
    std::string word_;  // case-folded characters of the current word
    std::size_t wordStart_ = 0;
    std::vector<ColorRange> ranges_;
};

}  // namespace orvane
