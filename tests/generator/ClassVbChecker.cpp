#include "ClassVbChecker.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace orvane::test {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsWordChar(unsigned char c) { return std::isalnum(c) || c == '_' || c >= 0x80; }

// One physical line without its comment, every string literal reduced to "".
std::string StripLine(const std::string& line) {
    std::string out;
    bool inString = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (inString) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                ++i;
            } else if (c == '"') {
                inString = false;
                out += "\"\"";
            }
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '\'') {
            break;
        } else if (c != '\r') {
            out += c;
        }
    }
    return out;
}

std::string Trim(const std::string& text) {
    const std::size_t b = text.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    return text.substr(b, text.find_last_not_of(" \t") - b + 1);
}

struct Token {
    std::string text;  // identifiers lower-cased; other tokens as they are
    bool word = false;
    bool member = false;  // an identifier right after "." or "!"
};

std::vector<Token> Tokenize(const std::string& line) {
    std::vector<Token> tokens;
    char previous = ' ';
    for (std::size_t i = 0; i < line.size();) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c == ' ' || c == '\t') {
            ++i;
            continue;
        }
        if (c == '[') {  // a bracketed name is a name, whatever it holds
            const std::size_t close = line.find(']', i);
            const std::size_t end = close == std::string::npos ? line.size() : close;
            tokens.push_back(
                {Lower(line.substr(i + 1, end - i - 1)), true, previous == '.' || previous == '!'});
            i = end + 1;
            previous = ']';
            continue;
        }
        if (IsWordChar(c)) {
            std::size_t end = i;
            while (end < line.size() && IsWordChar(static_cast<unsigned char>(line[end]))) ++end;
            const std::string word = line.substr(i, end - i);
            const bool number = std::isdigit(c) != 0;
            tokens.push_back(
                {number ? word : Lower(word), !number, previous == '.' || previous == '!'});
            i = end;
            previous = 'a';
            continue;
        }
        tokens.push_back({std::string(1, static_cast<char>(c)), false, false});
        previous = static_cast<char>(c);
        ++i;
    }
    return tokens;
}

struct Line {
    int number;
    std::vector<Token> tokens;
};

// The logical lines of the class body: continuations joined, the file header before the first
// Option statement and disabled #If regions left out.
std::vector<Line> LogicalLines(const std::string& code) {
    std::vector<Line> lines;
    std::string pending;
    int pendingNumber = 0;
    bool started = false;
    bool disabled = false;
    int number = 0;
    std::size_t from = 0;
    while (from <= code.size()) {
        std::size_t end = code.find('\n', from);
        if (end == std::string::npos) end = code.size();
        const std::string stripped = Trim(StripLine(code.substr(from, end - from)));
        from = end + 1;
        ++number;
        const std::string lower = Lower(stripped);
        if (!started) {
            started = lower.rfind("option ", 0) == 0;
            if (!started) continue;
        }
        if (lower.rfind("#if ", 0) == 0) {
            disabled = true;
            continue;
        }
        if (lower.rfind("#end if", 0) == 0) {
            disabled = false;
            continue;
        }
        if (disabled) continue;
        if (pending.empty()) pendingNumber = number;
        if (stripped.size() >= 2 && stripped.ends_with(" _")) {
            pending += stripped.substr(0, stripped.size() - 1) + " ";
            continue;
        }
        pending += stripped;
        if (!pending.empty()) lines.push_back({pendingNumber, Tokenize(pending)});
        pending.clear();
    }
    return lines;
}

bool IsModifier(const std::string& word) {
    static const std::set<std::string> modifiers = {"public",    "private",   "friend",
                                                    "shared",    "readonly",  "static",
                                                    "overrides", "overloads", "shadows"};
    return modifiers.count(word) != 0;
}

// The names of the parameters between the parentheses that start at tokens[open].
void DeclareParameters(const std::vector<Token>& tokens, std::size_t open,
                       std::set<std::string>& declared) {
    if (open >= tokens.size() || tokens[open].text != "(") return;
    bool expectName = true;
    int depth = 0;
    for (std::size_t i = open; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.text == "(") {
            ++depth;
        } else if (t.text == ")") {
            if (--depth == 0) return;
        } else if (t.text == "," && depth == 1) {
            expectName = true;
        } else if (expectName && t.word && depth == 1) {
            if (t.text == "byval" || t.text == "byref" || t.text == "optional" ||
                t.text == "paramarray") {
                continue;
            }
            declared.insert(t.text);
            expectName = false;
        }
    }
}

}  // namespace

ClassVbChecker::ClassVbChecker(std::set<std::string> knownNames) {
    for (const std::string& name : knownNames) known_.insert(Lower(name));
}

std::vector<std::string> ClassVbChecker::Check(const std::string& code) const {
    std::vector<std::string> problems;
    const std::vector<Line> lines = LogicalLines(code);
    if (lines.empty()) problems.push_back("no Option statement: not a class");

    std::set<std::string> declared;
    std::vector<std::pair<std::string, int>> open;  // block kind, line
    auto close = [&](const std::string& kind, int number) {
        if (open.empty() || open.back().first != kind) {
            problems.push_back("line " + std::to_string(number) + ": End " + kind +
                               (open.empty() ? " without an open block"
                                             : " closes " + open.back().first + " of line " +
                                                   std::to_string(open.back().second)));
            return;
        }
        open.pop_back();
    };
    for (const Line& line : lines) {
        const auto& t = line.tokens;
        std::size_t i = 0;
        bool modified = false;
        while (i < t.size() && t[i].word && IsModifier(t[i].text)) {
            ++i;
            modified = true;
        }
        if (i >= t.size()) continue;
        const std::string& w = t[i].text;
        const auto next = [&](std::size_t k) { return i + k < t.size() ? t[i + k].text : ""; };
        if (w == "end" && i + 1 < t.size()) {
            close(next(1), line.number);
        } else if (w == "sub" || w == "function" || w == "class") {
            open.emplace_back(w, line.number);
            declared.insert(next(1));
            DeclareParameters(t, i + 2, declared);
        } else if (w == "property") {
            const bool vb6 = next(1) == "get" || next(1) == "let" || next(1) == "set";
            const std::size_t name = vb6 ? 2 : 1;
            open.emplace_back(w, line.number);
            declared.insert(next(name));
            DeclareParameters(t, i + name + 1, declared);
        } else if (w == "get" && t.size() == i + 1) {
            open.emplace_back(w, line.number);
        } else if (w == "set" && next(1) == "(") {
            open.emplace_back(w, line.number);
            DeclareParameters(t, i + 1, declared);
        } else if (w == "if" && t.back().text == "then") {
            open.emplace_back(w, line.number);
        } else if (w == "for") {
            open.emplace_back(w, line.number);
            declared.insert(next(1) == "each" ? next(2) : next(1));
        } else if (w == "next") {
            close("for", line.number);
        } else if (w == "using") {
            open.emplace_back(w, line.number);
            declared.insert(next(1));
        } else if (w == "dim" || w == "const" || (modified && t[i].word)) {
            const std::size_t name = (w == "dim" || w == "const") ? 1 : 0;
            declared.insert(next(name) == "const" ? next(name + 1) : next(name));
        }
    }
    for (const auto& [kind, number] : open) {
        problems.push_back("line " + std::to_string(number) + ": " + kind + " is never closed");
    }
    for (const Line& line : lines) {
        for (const Token& token : line.tokens) {
            if (!token.word || token.member) continue;
            if (declared.count(token.text) != 0 || known_.count(token.text) != 0) continue;
            problems.push_back("line " + std::to_string(line.number) + ": " + token.text +
                               " is used but never declared");
        }
    }
    return problems;
}

std::set<std::string> ClassVbChecker::Vb6Names() {
    return {"Option",
            "Explicit",
            "Private",
            "Public",
            "As",
            "Function",
            "Sub",
            "End",
            "If",
            "Then",
            "Else",
            "ElseIf",
            "Not",
            "Is",
            "Nothing",
            "Set",
            "New",
            "Property",
            "Get",
            "Let",
            "ByVal",
            "ByRef",
            "Variant",
            "String",
            "Date",
            "Boolean",
            "Empty",
            "True",
            "False",
            "Or",
            "And",
            "Exit",
            "Call",
            "Me",
            "Null",
            "Dim",
            "Const",
            "ADODB",
            "MSXML2",
            "adStateOpen",
            "adOpenForwardOnly",
            "adLockReadOnly",
            "adDecimal",
            "adDate",
            "adVarChar",
            "IsNumeric",
            "IsDate",
            "IsNull",
            "IsEmpty",
            "Trim",
            "Str",
            "Format",
            "Replace",
            "CStr",
            "Chr",
            "ChrW",
            "Err",
            "vbObjectError"};
}

std::set<std::string> ClassVbChecker::VbNetNames() {
    return {"Chr",
            "ChrW",
            "Option",
            "Strict",
            "Off",
            "On",
            "Explicit",
            "Imports",
            "Public",
            "Private",
            "Shared",
            "ReadOnly",
            "Class",
            "As",
            "String",
            "Sub",
            "New",
            "Function",
            "Boolean",
            "If",
            "Then",
            "Else",
            "Return",
            "False",
            "True",
            "End",
            "Dim",
            "ByVal",
            "Property",
            "Get",
            "Set",
            "Object",
            "Double",
            "Is",
            "Nothing",
            "OrElse",
            "Throw",
            "For",
            "Each",
            "In",
            "Next",
            "To",
            "Step",
            "Integer",
            "Mod",
            "Using",
            "CType",
            "Me",
            "System",
            "OdbcConnection",
            "OdbcDataAdapter",
            "OdbcCommandBuilder",
            "DataSet",
            "DataTable",
            "DataRow",
            "IDataParameter",
            "IDbDataParameter",
            "IDbCommand",
            "DbType",
            "DBNull",
            "Convert",
            "DateTime",
            "SchemaType",
            "XmlReadMode",
            "InvalidOperationException",
            "ArgumentException"};
}

}  // namespace orvane::test
