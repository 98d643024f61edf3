#pragma once

#include <cstddef>
#include <string_view>

namespace orvane {

// Decodes the UTF-8 character that starts at text[i]. Returns its length in bytes and sets cp,
// or returns 0 when the bytes there are not a well-formed character (stray continuation byte,
// truncated or overlong sequence, surrogate, beyond U+10FFFF).
std::size_t DecodeUtf8(std::string_view text, std::size_t i, unsigned& cp);
// True when the whole text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

}  // namespace orvane
