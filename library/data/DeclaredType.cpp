#include "data/DeclaredType.h"

#include <sql.h>
#include <sqlext.h>

#include <cctype>
#include <charconv>
#include <string>

namespace orvane::data {

namespace {

struct TypeName {
    std::string_view name;
    int sqlType;
    int length = -1;  // what the type implies when it is written without arguments
    int scale = -1;
};

// Standard SQL names, SQLite's usual spellings and PostgreSQL's internal names.
constexpr TypeName kTypeNames[] = {
    {"int", SQL_INTEGER},
    {"integer", SQL_INTEGER},
    {"int4", SQL_INTEGER},
    {"mediumint", SQL_INTEGER},
    {"smallint", SQL_SMALLINT},
    {"int2", SQL_SMALLINT},
    {"tinyint", SQL_TINYINT},
    {"bigint", SQL_BIGINT},
    {"int8", SQL_BIGINT},
    {"unsigned big int", SQL_BIGINT},
    {"real", SQL_REAL},
    {"float4", SQL_REAL},
    {"float", SQL_DOUBLE},
    {"float8", SQL_DOUBLE},
    {"double", SQL_DOUBLE},
    {"double precision", SQL_DOUBLE},
    {"numeric", SQL_NUMERIC},
    {"decimal", SQL_DECIMAL},
    {"char", SQL_CHAR},
    {"character", SQL_CHAR},
    {"bpchar", SQL_CHAR},
    {"nchar", SQL_WCHAR},
    {"varchar", SQL_VARCHAR},
    {"character varying", SQL_VARCHAR},
    {"varchar2", SQL_VARCHAR},
    {"nvarchar", SQL_WVARCHAR},
    {"text", SQL_LONGVARCHAR},
    {"clob", SQL_LONGVARCHAR},
    {"longvarchar", SQL_LONGVARCHAR},
    {"ntext", SQL_WLONGVARCHAR},
    {"blob", SQL_LONGVARBINARY},
    {"bytea", SQL_LONGVARBINARY},
    {"longvarbinary", SQL_LONGVARBINARY},
    {"binary", SQL_BINARY},
    {"varbinary", SQL_VARBINARY},
    {"date", SQL_TYPE_DATE},
    {"time", SQL_TYPE_TIME},
    {"time without time zone", SQL_TYPE_TIME},
    {"timestamp", SQL_TYPE_TIMESTAMP},
    {"timestamp without time zone", SQL_TYPE_TIMESTAMP},
    {"timestamptz", SQL_TYPE_TIMESTAMP},
    {"timestamp with time zone", SQL_TYPE_TIMESTAMP},
    {"datetime", SQL_TYPE_TIMESTAMP},
    {"boolean", SQL_BIT},
    {"bool", SQL_BIT},
    {"bit", SQL_BIT},
    {"uuid", SQL_GUID},
    // PostgreSQL's money: 64-bit cents.
    {"money", SQL_DECIMAL, 19, 2},
};

// Lower case, blanks collapsed to one and trimmed.
std::string NormalizeName(std::string_view text) {
    std::string name;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            if (!name.empty() && name.back() != ' ') name += ' ';
        } else {
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    if (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

// One argument of "(a, b)": digits with optional blanks around them; -1 when it is not a number.
int ParseArgument(std::string_view text) {
    std::size_t first = text.find_first_not_of(" \t");
    std::size_t last = text.find_last_not_of(" \t");
    if (first == std::string_view::npos) return -1;
    text = text.substr(first, last - first + 1);
    int value = -1;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0) return -1;
    return value;
}

}  // namespace

DeclaredType DeclaredType::Parse(std::string_view text) {
    DeclaredType result;
    std::size_t open = text.find('(');
    std::string name = NormalizeName(text.substr(0, open));
    for (const TypeName& entry : kTypeNames) {
        if (entry.name == name) {
            result.sqlType = entry.sqlType;
            result.length = entry.length;
            result.scale = entry.scale;
            break;
        }
    }
    if (result.sqlType == 0 || open == std::string_view::npos) return result;
    std::size_t close = text.find(')', open);
    if (close == std::string_view::npos) return result;
    std::string_view args = text.substr(open + 1, close - open - 1);
    std::size_t comma = args.find(',');
    result.length = ParseArgument(args.substr(0, comma));
    if (comma != std::string_view::npos) result.scale = ParseArgument(args.substr(comma + 1));
    return result;
}

}  // namespace orvane::data
