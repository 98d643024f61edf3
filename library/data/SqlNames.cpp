#include "data/SqlNames.h"

#include <cctype>

#include "core/OrvaneError.h"

namespace orvane::data {

namespace {

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

bool IsAsciiLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
    for (std::size_t at = 0; at + part.size() <= text.size(); ++at) {
        std::size_t i = 0;
        while (i < part.size() && std::tolower(static_cast<unsigned char>(text[at + i])) ==
                                      std::tolower(static_cast<unsigned char>(part[i]))) {
            ++i;
        }
        if (i == part.size()) return true;
    }
    return false;
}

bool IsPlain(std::string_view name, const NameQuoting& quoting) {
    if (name.empty()) return true;
    if (name.front() >= '0' && name.front() <= '9') return false;
    for (char c : name) {
        const bool letter = quoting.foldsToLower ? (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')
                                                 : IsAsciiLetterOrDigit(c);
        const bool other = c == '_' || (c == '#' && quoting.hashInNames) ||
                           (!quoting.foldsToLower && static_cast<unsigned char>(c) >= 0x80);
        if (!letter && !other) return false;
    }
    return true;
}

// What may stand inside brackets. ODBC drivers scan a statement for parameter markers, escapes
// and statement ends before the database reads it, and some know no brackets (SQLite's reads
// "[a;b]" as two statements), so anything else goes in double quotes, which all of them know.
bool FitsBrackets(std::string_view name) {
    for (char c : name) {
        const bool fits = IsAsciiLetterOrDigit(c) || c == '_' || c == ' ' || c == '$' || c == '#' ||
                          static_cast<unsigned char>(c) >= 0x80;
        if (!fits) return false;
    }
    return true;
}

void SkipBlanks(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
}

// Matches a keyword (any letter case) followed by a blank at `pos`.
bool TakeKeyword(std::string_view text, std::size_t& pos, std::string_view keyword) {
    if (pos + keyword.size() > text.size()) return false;
    for (std::size_t i = 0; i < keyword.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[pos + i])) != keyword[i]) return false;
    }
    std::size_t end = pos + keyword.size();
    if (end < text.size() && !IsBlank(text[end]) && keyword != "*") return false;
    pos = end;
    SkipBlanks(text, pos);
    return true;
}

// Characters of a plain part: none of them can end a name, open a comment or a literal, or
// separate statements in any dialect.
bool IsPlainPartChar(char c) {
    return IsAsciiLetterOrDigit(c) || c == '_' || c == '$' || static_cast<unsigned char>(c) >= 0x80;
}

// One name part at `pos`: quoted (a doubled "" or `` stands for itself; a bracketed part ends
// at its first "]", as SQLite reads it) or plain.
std::optional<NamePart> TakePart(std::string_view text, std::size_t& pos) {
    if (pos >= text.size()) return std::nullopt;
    const std::size_t start = pos;
    const char open = text[pos];
    NamePart part;
    if (open == '[' || open == '"' || open == '`') {
        const char close = open == '[' ? ']' : open;
        for (std::size_t i = pos + 1; i < text.size(); ++i) {
            if (text[i] != close) {
                part.name += text[i];
            } else if (close != ']' && i + 1 < text.size() && text[i + 1] == close) {
                part.name += close;
                ++i;
            } else {
                pos = i + 1;
                part.written = std::string(text.substr(start, pos - start));
                return part;
            }
        }
        return std::nullopt;
    }
    while (pos < text.size() && IsPlainPartChar(text[pos])) ++pos;
    if (pos == start) return std::nullopt;
    part.name = std::string(text.substr(start, pos - start));
    part.written = part.name;
    return part;
}

// A full name at `pos`: parts separated by ".", nothing between them.
std::optional<std::vector<NamePart>> TakeFullName(std::string_view text, std::size_t& pos) {
    std::vector<NamePart> parts;
    while (true) {
        std::optional<NamePart> part = TakePart(text, pos);
        if (!part) return std::nullopt;
        parts.push_back(std::move(*part));
        if (pos >= text.size() || text[pos] != '.') return parts;
        ++pos;
    }
}

}  // namespace

NameQuoting NameQuoting::For(std::string_view dbmsName, std::string_view driverQuote) {
    NameQuoting quoting;
    if (ContainsNoCase(dbmsName, "orac") || ContainsNoCase(dbmsName, "postgres")) {
        quoting.open = quoting.close = '"';
        // PostgreSQL folds unquoted names; Oracle folds them to upper case, which the tree has
        // never quoted for.
        quoting.foldsToLower = ContainsNoCase(dbmsName, "postgres");
    } else if (driverQuote.size() == 1 && driverQuote[0] != '"' && driverQuote[0] != ' ') {
        quoting.open = quoting.close = driverQuote[0];
    }
    return quoting;
}

NameQuoting NameQuoting::Script() {
    NameQuoting quoting;
    quoting.hashInNames = true;
    return quoting;
}

NameQuoting NameQuoting::DoubleQuotes() {
    NameQuoting quoting;
    quoting.open = quoting.close = '"';
    return quoting;
}

std::string QuoteName(std::string_view name, const NameQuoting& quoting) {
    if (IsPlain(name, quoting)) return std::string(name);
    char open = quoting.open;
    char close = quoting.close;
    if (open == '[' && !FitsBrackets(name)) open = close = '"';
    std::string quoted(1, open);
    for (char c : name) {
        if (c == close) quoted += close;
        quoted += c;
    }
    return quoted + close;
}

std::optional<std::vector<NamePart>> SplitFullName(std::string_view fullName) {
    std::size_t pos = 0;
    std::optional<std::vector<NamePart>> parts = TakeFullName(fullName, pos);
    if (!parts || pos != fullName.size()) return std::nullopt;
    return parts;
}

std::string SelectAllFrom(std::string_view fullName) {
    const std::optional<std::vector<NamePart>> parts = SplitFullName(fullName);
    if (!parts || parts->size() > 3) {
        throw OrvaneError(
            "This is not the name of a table: a name that holds other characters than letters, "
            "digits and \"_\" is written in quotes, as the database tree shows it.");
    }
    return "select * from " + std::string(fullName);
}

std::optional<QualifiedName> TableOfSimpleSelect(std::string_view statement) {
    std::size_t pos = 0;
    SkipBlanks(statement, pos);
    if (!TakeKeyword(statement, pos, "select") || !TakeKeyword(statement, pos, "*") ||
        !TakeKeyword(statement, pos, "from")) {
        return std::nullopt;
    }
    std::optional<std::vector<NamePart>> parts = TakeFullName(statement, pos);
    if (!parts) return std::nullopt;
    SkipBlanks(statement, pos);
    if (pos < statement.size() && statement[pos] == ';') ++pos;
    SkipBlanks(statement, pos);
    if (pos != statement.size() || parts->size() > 3) return std::nullopt;
    QualifiedName name;
    name.table = parts->back().name;
    if (parts->size() >= 2) name.schema = (*parts)[parts->size() - 2].name;
    if (parts->size() == 3) name.catalog = (*parts)[0].name;
    return name;
}

}  // namespace orvane::data
