#include "data/SqlNames.h"

#include <cctype>
#include <vector>

namespace orvane::data {

namespace {

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

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

// One name part: quoted (a doubled closing quote stands for itself) or plain.
std::optional<std::string> TakePart(std::string_view text, std::size_t& pos) {
    if (pos >= text.size()) return std::nullopt;
    char open = text[pos];
    char close = open == '[' ? ']' : open;
    if (open == '[' || open == '"' || open == '`') {
        std::string part;
        for (std::size_t i = pos + 1; i < text.size(); ++i) {
            if (text[i] != close) {
                part += text[i];
            } else if (i + 1 < text.size() && text[i + 1] == close) {
                part += close;
                ++i;
            } else {
                pos = i + 1;
                return part;
            }
        }
        return std::nullopt;
    }
    std::size_t start = pos;
    while (pos < text.size() && !IsBlank(text[pos]) && text[pos] != '.' && text[pos] != ';') {
        char c = text[pos];
        if (c == '(' || c == ')' || c == ',' || c == '"' || c == '[' || c == '`') {
            return std::nullopt;
        }
        ++pos;
    }
    if (pos == start) return std::nullopt;
    return std::string(text.substr(start, pos - start));
}

}  // namespace

std::optional<QualifiedName> TableOfSimpleSelect(std::string_view statement) {
    std::size_t pos = 0;
    SkipBlanks(statement, pos);
    if (!TakeKeyword(statement, pos, "select") || !TakeKeyword(statement, pos, "*") ||
        !TakeKeyword(statement, pos, "from")) {
        return std::nullopt;
    }
    std::vector<std::string> parts;
    while (true) {
        std::optional<std::string> part = TakePart(statement, pos);
        if (!part) return std::nullopt;
        parts.push_back(std::move(*part));
        if (pos < statement.size() && statement[pos] == '.') {
            ++pos;
            continue;
        }
        break;
    }
    SkipBlanks(statement, pos);
    if (pos < statement.size() && statement[pos] == ';') ++pos;
    SkipBlanks(statement, pos);
    if (pos != statement.size() || parts.size() > 3) return std::nullopt;
    QualifiedName name;
    name.table = parts.back();
    if (parts.size() >= 2) name.schema = parts[parts.size() - 2];
    if (parts.size() == 3) name.catalog = parts[0];
    return name;
}

}  // namespace orvane::data
