#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/Export.h"

namespace orvane {

// Decodes the UTF-8 character that starts at text[i]. Returns its length in bytes and sets cp,
// or returns 0 when the bytes there are not a well-formed character (stray continuation byte,
// truncated or overlong sequence, surrogate, beyond U+10FFFF).
ORVANE_API std::size_t DecodeUtf8(std::string_view text, std::size_t i, unsigned& cp);
// True when the whole text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);
// Appends the UTF-8 bytes of a code point.
void AppendUtf8(std::string& out, unsigned cp);

// Letter case changed character by character by the Unicode case mapping of the C.UTF-8 locale
// (one character for one: "ß" stays); bytes that are no UTF-8 character stay as they are.
// `count` limits how many characters are changed; the rest is copied.
std::string ToUpperUtf8(std::string_view text, std::size_t count = std::string_view::npos);
std::string ToLowerUtf8(std::string_view text, std::size_t count = std::string_view::npos);

}  // namespace orvane
