#pragma once

#include <string>
#include <string_view>

namespace orvane::data {

// The text forms of values: C locale, ISO dates, base64 binaries. Each function writes into
// `out` (replacing its content) so callers can reuse one string's capacity for every cell.
namespace valuetext {

// Shortest text that reads back as the same number: 12.5, 0.1, 1e+20, -0; the special values
// as XML Schema writes them: INF, -INF, NaN.
void FormatDouble(double value, std::string& out);
void FormatFloat(float value, std::string& out);

// A date or timestamp as "yyyy-mm-dd", plus " hh:mm:ss" and the fraction of a second without
// trailing zeros (".25") when the time is not midnight, plus " BC" for a date before the common
// era; zones are dropped. Text that is no ISO date (PostgreSQL's "infinity", "-infinity") is
// kept as it is.
void NormalizeDateTime(std::string_view text, std::string& out);
// A time of day as "hh:mm:ss", without its fraction: a time column's size is that of its
// eight characters. Text that is no time is kept as it is.
void NormalizeTime(std::string_view text, std::string& out);
// "1"/"0" for the usual spellings of true and false; other text is kept.
void NormalizeBoolean(std::string_view text, std::string& out);
// A decimal number's text without surrounding blanks, with "." as separator and at least
// `scale` fraction digits (12.5 of scale 2 is 12.50), so every driver writes it alike.
void NormalizeDecimal(std::string_view text, int scale, std::string& out);

void Base64(std::string_view bytes, std::string& out);
// The bytes of base64 text as Base64 writes it; false (out unspecified) for other text.
bool DecodeBase64(std::string_view text, std::string& out);

}  // namespace valuetext

}  // namespace orvane::data
