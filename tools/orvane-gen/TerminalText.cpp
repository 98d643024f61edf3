#include "TerminalText.h"

#include <cstdio>

#include "core/Utf8.h"

namespace orvane::gen {

std::string TerminalText(const std::string& text, bool keepLineBreaks) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        unsigned cp = byte;
        std::size_t length = byte < 0x80 ? 1 : DecodeUtf8(text, i, cp);
        char buffer[16];
        if (length == 0) {
            std::snprintf(buffer, sizeof buffer, "\\x%02X", byte);
            out += buffer;
            ++i;
            continue;
        }
        if ((cp < 0x20 && !(keepLineBreaks && cp == '\n')) || cp == 0x7F) {
            std::snprintf(buffer, sizeof buffer, "\\x%02X", cp);
            out += buffer;
        } else if (cp >= 0x80 && cp <= 0x9F) {
            std::snprintf(buffer, sizeof buffer, "\\u%04X", cp);
            out += buffer;
        } else {
            out.append(text, i, length);
        }
        i += length;
    }
    return out;
}

}  // namespace orvane::gen
