#include "core/Utf8.h"

#include <locale>
#include <stdexcept>

namespace orvane {

std::size_t DecodeUtf8(std::string_view text, std::size_t i, unsigned& cp) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    std::size_t len = 0;
    unsigned value = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
        value = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        value = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        value = b0 & 0x07;
    } else {
        return 0;
    }
    if (i + len > text.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        value = (value << 6) | (b & 0x3F);
    }
    const bool overlong = (len == 3 && value < 0x800) || (len == 4 && value < 0x10000);
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (overlong || surrogate || value > 0x10FFFF) return 0;
    cp = value;
    return len;
}

bool IsValidUtf8(std::string_view text) {
    unsigned cp = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = DecodeUtf8(text, i, cp);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

namespace {

// The case mapping of the C.UTF-8 locale, whatever the process's own locale is; without that
// locale (a system that lacks it) the classic one, which maps ASCII letters only.
const std::ctype<wchar_t>& CaseMapping() {
    static const std::locale locale = [] {
        try {
            return std::locale("C.UTF-8");
        } catch (const std::runtime_error&) {
            return std::locale::classic();
        }
    }();
    return std::use_facet<std::ctype<wchar_t>>(locale);
}

std::string ChangeCase(std::string_view text, std::size_t count, bool upper) {
    const std::ctype<wchar_t>& mapping = CaseMapping();
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    for (std::size_t changed = 0; i < text.size() && changed < count; ++changed) {
        unsigned cp = 0;
        const std::size_t length = DecodeUtf8(text, i, cp);
        if (length == 0) {
            out += text[i++];
            continue;
        }
        const auto c = static_cast<wchar_t>(cp);
        AppendUtf8(out, static_cast<unsigned>(upper ? mapping.toupper(c) : mapping.tolower(c)));
        i += length;
    }
    out.append(text.substr(i));
    return out;
}

}  // namespace

std::string ToUpperUtf8(std::string_view text, std::size_t count) {
    return ChangeCase(text, count, true);
}

std::string ToLowerUtf8(std::string_view text, std::size_t count) {
    return ChangeCase(text, count, false);
}

}  // namespace orvane
