#include "model/CodeLiterals.h"

#include <cstdio>

#include "core/Utf8.h"

namespace orvane {

namespace {

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool IsLineSeparator(unsigned cp) { return cp == 0x85 || cp == 0x2028 || cp == 0x2029; }

// The code point of a well-formed character at text[i] that needs more than the byte rules;
// 0 for anything else.
unsigned SpecialCodePoint(const std::string& text, std::size_t i, std::size_t& length,
                          bool (*special)(unsigned)) {
    unsigned cp = 0;
    length = DecodeUtf8(text, i, cp);
    if (length == 0) length = 1;
    return length > 1 && special(cp) ? cp : 0;
}

// Java and C# share their escapes but for the characters without a short one.
std::string CStyleLiteral(const std::string& text, const char* otherFormat, bool lineSeparators) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (c >= 0x80 && lineSeparators) {
            if (const unsigned cp = SpecialCodePoint(text, i, length, &IsLineSeparator)) {
                char buffer[16];
                std::snprintf(buffer, sizeof buffer, "\\u%04X", cp);
                out += buffer;
            } else {
                out.append(text, i, length);
            }
            i += length;
            continue;
        }
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (IsControl(c)) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, otherFormat, c);
                    out += buffer;
                } else {
                    out += text[i];
                }
        }
        ++i;
    }
    return out;
}

bool IsVbSpecial(unsigned cp) { return IsLineSeparator(cp) || cp == 0x201C || cp == 0x201D; }

}  // namespace

std::string JavaLiteral(const std::string& text) { return CStyleLiteral(text, "\\%03o", false); }

std::string CSharpLiteral(const std::string& text) { return CStyleLiteral(text, "\\u%04X", true); }

std::string VbLiteral(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        unsigned code = IsControl(c) ? c : 0;
        if (c >= 0x80) code = SpecialCodePoint(text, i, length, &IsVbSpecial);
        if (code != 0) {
            // A VB literal cannot hold these: close it and concatenate the character.
            out += (code < 0x80 ? "\" & Chr(" : "\" & ChrW(") + std::to_string(code) + ") & \"";
        } else if (c == '"') {
            out += "\"\"";
        } else {
            out.append(text, i, length);
        }
        i += length;
    }
    return out;
}

}  // namespace orvane
