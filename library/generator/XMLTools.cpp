#include "generator/XMLTools.h"

#include <cstdio>
#include <vector>

#include "core/Utf8.h"
#include "model/ODBCField.h"
#include "templates/Templates.h"

namespace orvane {

std::string Indent(int n) { return n > 0 ? std::string(static_cast<std::size_t>(n), '\t') : ""; }

std::string CommentHeader(const std::string& kind) {
    return "<!-- " + XmlCommentText(kind + " " + CreatedByText()) + " -->\r\n";
}

std::string XmlCommentText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        unsigned cp = 0;
        const std::size_t length = DecodeUtf8(text, i, cp);
        const bool allowed = length != 0 &&
                             (cp >= 0x20 || cp == '\t' || cp == '\n' || cp == '\r') &&
                             cp != 0xFFFE && cp != 0xFFFF;
        if (!allowed) {
            out += '?';
            i += length == 0 ? 1 : length;
            continue;
        }
        if (cp == '-' && !out.empty() && out.back() == '-') out += ' ';
        out.append(text, i, length);
        i += length;
    }
    if (!out.empty() && out.back() == '-') out += ' ';
    return out;
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

namespace {
// One facet line: ten tabs, then the facet element.
std::string Facet(const std::string& name, std::int32_t value) {
    return Indent(10) + "<xs:" + name + " value=\"" + std::to_string(value) + "\"/>";
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}
}  // namespace

// Only facets the column's schema type accepts are written, so the schema stays valid:
// xs:float takes no digit facets, xs:int fixes fractionDigits at 0 and needs totalDigits >= 1,
// and a length is never negative.
std::string XsdRestrictions(const ODBCField& field) {
    std::vector<std::string> lines;
    switch (field.ODBCType()) {
        case 5:
        case 14:
        case 131:
            break;
        case 20:
        case 2:
        case 3:
            if (field.Precision() >= 1) lines.push_back(Facet("totalDigits", field.Precision()));
            if (field.NumericScale() == 0) lines.push_back(Facet("fractionDigits", 0));
            break;
        case 7:
        case 133:
        case 135:
            lines.push_back(Indent(10) + "<xs:whiteSpace value=\"collapse\"/>");
            break;
        default:
            lines.push_back(Facet("minLength", 0));
            if (field.FieldSize() >= 0) lines.push_back(Facet("maxLength", field.FieldSize()));
    }
    return JoinLines(lines);
}

std::string BizRestrictions(const ODBCField& field) {
    switch (field.ODBCType()) {
        case 5:
        case 14:
        case 131:
        case 20:
        case 2:
        case 3:
        case 7:
        case 133:
        case 135:
            return {};
        default:
            return "dt:minLength=\"0\" dt:maxLength=\"" + std::to_string(field.FieldSize()) + "\"";
    }
}

}  // namespace orvane
