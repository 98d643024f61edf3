#include "generator/XMLTools.h"

#include <cstdio>

#include "generator/Utf8.h"
#include "model/ODBCField.h"
#include "templates/Templates.h"

namespace orvane {

std::string Indent(int n) { return n > 0 ? std::string(static_cast<std::size_t>(n), '\t') : ""; }

std::string CommentHeader(const std::string& kind) {
    std::string inner = kind + " " + CreatedByText();
    // "--" cannot stand inside a comment; a login name holding it would spoil the document.
    for (std::size_t at = inner.find("--"); at != std::string::npos; at = inner.find("--", at)) {
        inner.replace(at, 2, "- -");
        at += 2;
    }
    return "<!-- " + inner + " -->\r\n";
}

std::string MinOccurs(const ODBCField& field) { return field.IsNull() ? "0" : "1"; }

std::string OpenTag(const std::string& name, int n) { return Indent(n) + "<" + name + ">"; }

std::string CloseTag(const std::string& name, int n) {
    return Indent(n) + "</" + name + ">" + (n >= 0 ? "\r\n" : "");
}

std::string AddXmlDeclaration(const std::string& text) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n" + text;
}

void AppendEscapedXmlText(std::string& out, const std::string& text) {
    std::size_t from = 0;
    for (std::size_t at = text.find_first_of("&<>"); at != std::string::npos;
         at = text.find_first_of("&<>", from)) {
        out.append(text, from, at - from);
        out += text[at] == '&' ? "&amp;" : text[at] == '<' ? "&lt;" : "&gt;";
        from = at + 1;
    }
    out.append(text, from, std::string::npos);
}

std::string EscapeXmlText(const std::string& text) {
    std::string out;
    AppendEscapedXmlText(out, text);
    return out;
}

namespace {
// XML 1.0 NameStartChar, without ":" (a colon would read as an undeclared namespace prefix).
bool IsNameStart(unsigned c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
           (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
           (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) ||
           (c >= 0x200C && c <= 0x200D) || (c >= 0x2070 && c <= 0x218F) ||
           (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
           (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0xEFFFF);
}

bool IsNameChar(unsigned c) {
    return IsNameStart(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

std::string Escape(unsigned cp) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, cp > 0xFFFF ? "_x%08X_" : "_x%04X_", cp);
    return buffer;
}
}  // namespace

std::string XmlName(const std::string& name) {
    // No name at all (a case rule that blanks names) still needs a tag name.
    if (name.empty()) return "_";
    std::string out;
    bool changed = false;
    for (std::size_t i = 0; i < name.size();) {
        unsigned cp = 0;
        std::size_t len = DecodeUtf8(name, i, cp);
        const bool valid = len != 0;
        if (!valid) {
            // A byte that is no character: escape the byte itself.
            cp = static_cast<unsigned char>(name[i]);
            len = 1;
        }
        if (valid && (i == 0 ? IsNameStart(cp) : IsNameChar(cp))) {
            out.append(name, i, len);
        } else {
            out += Escape(cp);
            changed = true;
        }
        i += len;
    }
    return changed ? out : name;
}

}  // namespace orvane
