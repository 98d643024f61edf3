#include "data/ValueText.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

#include "core/KeyedCollection.h"

namespace orvane::data::valuetext {

namespace {

template <class T>
void FormatShortest(T value, std::string& out) {
    // The spellings XML Schema gives the special values (to_chars writes "inf" and "nan").
    if (std::isnan(value)) {
        out.assign("NaN");
        return;
    }
    if (std::isinf(value)) {
        out.assign(value < 0 ? "-INF" : "INF");
        return;
    }
    std::array<char, 64> buffer;
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.assign(buffer.data(), ec == std::errc() ? end : buffer.data());
}

bool IsDigits(std::string_view text, std::size_t pos, std::size_t count) {
    if (pos + count > text.size()) return false;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    }
    return true;
}

// "hh:mm:ss" (or "hh:mm") at `pos`; returns the length matched, 0 when there is none.
std::size_t MatchTime(std::string_view text, std::size_t pos) {
    if (!IsDigits(text, pos, 2) || pos + 2 >= text.size() || text[pos + 2] != ':' ||
        !IsDigits(text, pos + 3, 2)) {
        return 0;
    }
    if (pos + 5 < text.size() && text[pos + 5] == ':' && IsDigits(text, pos + 6, 2)) return 8;
    return 5;
}

// The fraction of a second after "hh:mm:ss" at `pos` (".250" of ".250000"): trailing zeros
// dropped, empty when there is none or it is zero.
std::string_view Fraction(std::string_view text, std::size_t pos) {
    if (pos >= text.size() || text[pos] != '.') return {};
    std::size_t end = pos + 1;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    while (end > pos + 1 && text[end - 1] == '0') --end;
    return end > pos + 1 ? text.substr(pos, end - pos) : std::string_view();
}

// "hh:mm:ss", and its fraction when `fraction`, from a match of MatchTime at `pos`.
void AppendTime(std::string_view text, std::size_t pos, std::size_t length, bool fraction,
                std::string& out) {
    out.append(text.substr(pos, length));
    if (length == 5) {
        out += ":00";
    } else if (fraction) {
        out.append(Fraction(text, pos + length));
    }
}

std::string_view Trim(std::string_view text) {
    std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

}  // namespace

void FormatDouble(double value, std::string& out) { FormatShortest(value, out); }
void FormatFloat(float value, std::string& out) { FormatShortest(value, out); }

void NormalizeDateTime(std::string_view text, std::string& out) {
    std::string_view trimmed = Trim(text);
    bool isDate = IsDigits(trimmed, 0, 4) && trimmed.size() >= 10 && trimmed[4] == '-' &&
                  IsDigits(trimmed, 5, 2) && trimmed[7] == '-' && IsDigits(trimmed, 8, 2);
    if (!isDate) {
        out.assign(text);
        return;
    }
    out.assign(trimmed.substr(0, 10));
    if (trimmed.size() > 11 && (trimmed[10] == ' ' || trimmed[10] == 'T')) {
        std::size_t length = MatchTime(trimmed, 11);
        if (length != 0) {
            std::string_view time = trimmed.substr(11, length);
            if ((time != "00:00:00" && time != "00:00") ||
                !Fraction(trimmed, 11 + length).empty()) {
                out += ' ';
                AppendTime(trimmed, 11, length, true, out);
            }
        }
    }
    // A date before the common era keeps its era (as PostgreSQL writes it), never turning into
    // the same day AD.
    if (trimmed.size() >= 13 && KeysEqual(trimmed.substr(trimmed.size() - 3), " BC")) {
        out += " BC";
    }
}

void NormalizeTime(std::string_view text, std::string& out) {
    std::string_view trimmed = Trim(text);
    std::size_t start = 0;
    // A full timestamp read as a time keeps its time part.
    if (trimmed.size() > 11 && trimmed[4] == '-' && (trimmed[10] == ' ' || trimmed[10] == 'T')) {
        start = 11;
    }
    std::size_t length = MatchTime(trimmed, start);
    if (length == 0) {
        out.assign(text);
        return;
    }
    out.clear();
    AppendTime(trimmed, start, length, false, out);
}

void NormalizeBoolean(std::string_view text, std::string& out) {
    std::string_view trimmed = Trim(text);
    static constexpr std::string_view kTrue[] = {"1", "-1", "t", "true", "y", "yes", "on"};
    static constexpr std::string_view kFalse[] = {"0", "f", "false", "n", "no", "off"};
    for (std::string_view spelling : kTrue) {
        if (KeysEqual(trimmed, spelling)) {
            out.assign(1, '1');
            return;
        }
    }
    for (std::string_view spelling : kFalse) {
        if (KeysEqual(trimmed, spelling)) {
            out.assign(1, '0');
            return;
        }
    }
    out.assign(text);
}

void NormalizeDecimal(std::string_view text, int scale, std::string& out) {
    out.assign(Trim(text));
    // PostgreSQL's numeric infinities, spelled as XML Schema spells them.
    if (KeysEqual(out, "Infinity") || KeysEqual(out, "+Infinity")) {
        out.assign("INF");
        return;
    }
    if (KeysEqual(out, "-Infinity")) {
        out.assign("-INF");
        return;
    }
    // A driver that formats with the process locale may write a decimal comma.
    std::size_t comma = out.find(',');
    if (comma != std::string::npos && out.find(',', comma + 1) == std::string::npos &&
        out.find('.') == std::string::npos) {
        out[comma] = '.';
    }
    std::size_t digits = out.size() > 0 && (out[0] == '-' || out[0] == '+') ? 1 : 0;
    std::size_t point = out.find('.');
    std::size_t integerEnd = point == std::string::npos ? out.size() : point;
    if (!IsDigits(out, digits, integerEnd - digits) || integerEnd == digits) return;
    std::size_t fraction = point == std::string::npos ? 0 : out.size() - point - 1;
    if (point != std::string::npos && !IsDigits(out, point + 1, fraction)) return;
    if (scale <= 0 || fraction >= static_cast<std::size_t>(scale)) return;
    if (point == std::string::npos) out += '.';
    out.append(static_cast<std::size_t>(scale) - fraction, '0');
}

void Base64(std::string_view bytes, std::string& out) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    out.clear();
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    for (; i + 3 <= bytes.size(); i += 3) {
        unsigned triple = (byte(i) << 16) | (byte(i + 1) << 8) | byte(i + 2);
        out += kAlphabet[(triple >> 18) & 63];
        out += kAlphabet[(triple >> 12) & 63];
        out += kAlphabet[(triple >> 6) & 63];
        out += kAlphabet[triple & 63];
    }
    std::size_t rest = bytes.size() - i;
    if (rest == 0) return;
    unsigned triple = byte(i) << 16;
    if (rest == 2) triple |= byte(i + 1) << 8;
    out += kAlphabet[(triple >> 18) & 63];
    out += kAlphabet[(triple >> 12) & 63];
    out += rest == 2 ? kAlphabet[(triple >> 6) & 63] : '=';
    out += '=';
}

bool DecodeBase64(std::string_view text, std::string& out) {
    auto sextet = [](char c) -> int {
        if (c >= 'A' && c <= 'Z') return c - 'A';
        if (c >= 'a' && c <= 'z') return c - 'a' + 26;
        if (c >= '0' && c <= '9') return c - '0' + 52;
        if (c == '+') return 62;
        return c == '/' ? 63 : -1;
    };
    out.clear();
    if (text.size() % 4 != 0) return false;
    out.reserve(text.size() / 4 * 3);
    for (std::size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        const int pad = last ? (text[i + 3] == '=') + (text[i + 2] == '=') : 0;
        unsigned quad = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const int value = k >= 4 - static_cast<std::size_t>(pad) ? 0 : sextet(text[i + k]);
            if (value < 0) return false;
            quad = (quad << 6) | static_cast<unsigned>(value);
        }
        out += static_cast<char>(quad >> 16);
        if (pad < 2) out += static_cast<char>((quad >> 8) & 0xFF);
        if (pad < 1) out += static_cast<char>(quad & 0xFF);
    }
    return true;
}

}  // namespace orvane::data::valuetext
