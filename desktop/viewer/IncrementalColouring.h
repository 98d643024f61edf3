#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "viewer/HighlightScanner.h"

namespace orvane {

// Colours a text front to back, as far as it is asked to, by the highlighter's scan, so a
// viewer can colour what it shows first and the rest in small steps. Styles are one byte per
// byte of text: 0 for plain, 1 to 4 for the scanner's four colours.
// After the text changes the colouring goes back to a position before the change where the
// scan stood with no word begun, and goes on from there.
class IncrementalColouring {
  public:
    // Makes the profile from the text; called once, when colouring first starts.
    using ProfileMaker = std::function<HighlightProfile(std::string_view text)>;

    explicit IncrementalColouring(ProfileMaker profileOf);
    ~IncrementalColouring();

    static unsigned char StyleOf(std::int32_t color);

    // Makes the profile; colour() does it too when it has not been done.
    void prepare(std::string_view text);
    bool prepared() const { return profile_.has_value(); }

    // Every byte before this position has its final style.
    std::size_t colouredTo() const { return coloured_; }

    // Colours on until colouredTo() reaches `upTo` (a little further where a word or a literal
    // runs past it) or the end of the text. Returns the position from which `styles` holds the
    // newly found styles, up to colouredTo().
    std::size_t colour(std::string_view text, std::size_t upTo, std::vector<unsigned char>& styles);

    // The text changed at this position (something inserted or removed there).
    void textChangedAt(std::size_t pos);

  private:
    ProfileMaker profileOf_;
    std::optional<HighlightProfile> profile_;
    std::unique_ptr<HighlightScanner> scanner_;
    std::size_t coloured_ = 0;
    std::vector<std::size_t> restartPoints_;  // ascending; the first is 0
};

}  // namespace orvane
