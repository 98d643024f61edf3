#include "generator/XMLTools.h"

#include <cctype>
#include <cstdio>
#include <vector>

#include "core/Utf8.h"
#include "data/SqlTypeMap.h"
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

void AppendEscapedXmlText(std::string& out, std::string_view text) {
    std::size_t from = 0;
    for (std::size_t at = text.find_first_of("&<>"); at != std::string::npos;
         at = text.find_first_of("&<>", from)) {
        out.append(text.substr(from, at - from));
        out += text[at] == '&' ? "&amp;" : text[at] == '<' ? "&lt;" : "&gt;";
        from = at + 1;
    }
    out.append(text.substr(from));
}

std::string EscapeXmlText(const std::string& text) {
    std::string out;
    AppendEscapedXmlText(out, text);
    return out;
}

namespace {
// Letters beyond ASCII that every XML 1.0 edition takes in a name: the first editions' letters
// of the Latin, Greek, Cyrillic, Japanese, Korean and CJK ideograph blocks. Validators that
// follow the first editions (libxml2's schema types) reject the rest, so it is escaped.
bool IsWideLetter(unsigned c) {
    struct Range {
        unsigned first, last;
    };
    static constexpr Range kLetters[] = {
        {0xC0, 0xD6},     {0xD8, 0xF6},     {0xF8, 0x131},    {0x134, 0x13E},   {0x141, 0x148},
        {0x14A, 0x17E},   {0x180, 0x1C3},   {0x1CD, 0x1F0},   {0x1F4, 0x1F5},   {0x1FA, 0x217},
        {0x386, 0x386},   {0x388, 0x38A},   {0x38C, 0x38C},   {0x38E, 0x3A1},   {0x3A3, 0x3CE},
        {0x3D0, 0x3D6},   {0x401, 0x40C},   {0x40E, 0x44F},   {0x451, 0x45C},   {0x45E, 0x481},
        {0x3041, 0x3094}, {0x30A1, 0x30FA}, {0x4E00, 0x9FA5}, {0xAC00, 0xD7A3},
    };
    for (const Range& range : kLetters) {
        if (c >= range.first && c <= range.last) return true;
    }
    return false;
}

// XML NameStartChar, without ":" (a colon would read as an undeclared namespace prefix).
bool IsNameStart(unsigned c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || IsWideLetter(c);
}

bool IsNameChar(unsigned c) {
    return IsNameStart(c) || c == '-' || c == '.' || (c >= '0' && c <= '9');
}

std::string Escape(unsigned cp) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, cp > 0xFFFF ? "_x%08X_" : "_x%04X_", cp);
    return buffer;
}

// "_xHHHH_" or "_xHHHHHHHH_" at `i`: text that reads as an escape, so its "_" is escaped itself.
bool LooksLikeEscape(const std::string& name, std::size_t i) {
    auto hexRun = [&](std::size_t digits) {
        if (i + digits + 3 > name.size() || name[i + digits + 2] != '_') return false;
        for (std::size_t k = i + 2; k < i + 2 + digits; ++k) {
            if (!std::isxdigit(static_cast<unsigned char>(name[k]))) return false;
        }
        return true;
    };
    return name.compare(i, 2, "_x") == 0 && (hexRun(4) || hexRun(8));
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
        if (valid && (i == 0 ? IsNameStart(cp) : IsNameChar(cp)) && !LooksLikeEscape(name, i)) {
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
// One facet line: the indent, then the facet element.
std::string Facet(const std::string& name, std::int32_t value, int indent) {
    return Indent(indent) + "<xs:" + name + " value=\"" + std::to_string(value) + "\"/>";
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

enum class XsdFamily { Integer, Floating, Date, Text };

XsdFamily FamilyOf(const ODBCField& field) {
    const std::string type = field.XsdType();
    if (type == "int" || type == "long") return XsdFamily::Integer;
    if (type == "float" || type == "double") return XsdFamily::Floating;
    if (type == "date") return XsdFamily::Date;
    return XsdFamily::Text;
}

// A text or binary column's length limit; none where the driver knows of none.
bool HasLengthLimit(const ODBCField& field) {
    return field.FieldSize() >= 0 && field.FieldSize() < data::kLongColumnSize;
}

std::string Pattern(const std::string& regex, int indent) {
    return Indent(indent) + "<xs:pattern value=\"" + regex + "\"/>";
}
}  // namespace

// Only facets the column's schema type accepts are written, so the schema stays valid:
// xs:float and xs:double take no digit facets, xs:int and xs:long fix fractionDigits at 0 and
// need totalDigits >= 1, and a length is never negative.
std::string XsdRestrictions(const ODBCField& field, int indent) {
    std::vector<std::string> lines;
    auto facet = [&](const std::string& name, std::int32_t value) {
        lines.push_back(Facet(name, value, indent));
    };
    switch (FamilyOf(field)) {
        case XsdFamily::Floating:
            break;
        case XsdFamily::Integer:
            if (field.Precision() >= 1) facet("totalDigits", field.Precision());
            if (field.NumericScale() == 0) facet("fractionDigits", 0);
            break;
        case XsdFamily::Date:
            lines.push_back(Indent(indent) + "<xs:whiteSpace value=\"collapse\"/>");
            break;
        case XsdFamily::Text:
            facet("minLength", 0);
            if (HasLengthLimit(field)) facet("maxLength", field.FieldSize());
    }
    return JoinLines(lines);
}

// The data document writes a date's time of day (with its fraction of a second), era and
// infinity as PostgreSQL does, and a NULL as the empty element; xs:date, the number types and
// the integer types take none of these, so a union adds them as patterns of text.
std::string XsdOtherTexts(const ODBCField& field, int indent) {
    std::vector<std::string> lines;
    const XsdFamily family = FamilyOf(field);
    if (family == XsdFamily::Date) {
        const std::string date = "\\d{4}-(0[1-9]|1[0-2])-(0[1-9]|[12]\\d|3[01])";
        const std::string time = "([01]\\d|2[0-3]):[0-5]\\d:[0-5]\\d(\\.\\d+)?";
        lines.push_back(Pattern(date + " " + time, indent));
        lines.push_back(Pattern(date + "( " + time + ")? BC", indent));
        lines.push_back(Pattern("-?infinity", indent));
    }
    if (family != XsdFamily::Text && field.IsNull()) lines.push_back(Pattern("", indent));
    return JoinLines(lines);
}

std::string BizRestrictions(const ODBCField& field) {
    if (FamilyOf(field) != XsdFamily::Text) return {};
    std::string attributes = "dt:minLength=\"0\"";
    if (HasLengthLimit(field)) {
        attributes += " dt:maxLength=\"" + std::to_string(field.FieldSize()) + "\"";
    }
    return attributes;
}

}  // namespace orvane
