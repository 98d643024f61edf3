#include "generator/SqlDialect.h"

#include <algorithm>

#include "core/KeyedCollection.h"
#include "core/OrvaneError.h"
#include "data/ColumnMeta.h"
#include "data/ValueText.h"
#include "generator/MariaDbDialect.h"
#include "generator/PostgresDialect.h"
#include "generator/SqlServerDialect.h"
#include "generator/SqliteDialect.h"
#include "model/ODBCTools.h"

namespace orvane {

namespace {

constexpr const char* kCrLf = "\r\n";

// How a value of a column type is written.
enum class ValueKind { Number, Boolean, Binary, Timestamp, Text };

ValueKind KindOf(int type) {
    switch (type) {
        case data::adSmallInt:
        case data::adInteger:
        case data::adSingle:
        case data::adDouble:
        case data::adCurrency:
        case data::adDecimal:
        case data::adTinyInt:
        case data::adUnsignedTinyInt:
        case data::adBigInt:
        case data::adNumeric:
            return ValueKind::Number;
        case data::adBoolean:
            return ValueKind::Boolean;
        case data::adBinary:
        case data::adVarBinary:
        case data::adLongVarBinary:
            return ValueKind::Binary;
        case data::adDate:
        case data::adDBTimeStamp:
            return ValueKind::Timestamp;
        default:
            return ValueKind::Text;
    }
}

// The spellings the drivers and the value reader give infinities and NaN.
bool ReadSpecial(std::string_view value, SqlDialect::Special& special) {
    for (std::string_view inf : {"inf", "+inf", "infinity", "+infinity"}) {
        if (KeysEqual(value, inf)) {
            special = SqlDialect::Special::Infinity;
            return true;
        }
    }
    if (KeysEqual(value, "-inf") || KeysEqual(value, "-infinity")) {
        special = SqlDialect::Special::MinusInfinity;
        return true;
    }
    if (KeysEqual(value, "nan")) {
        special = SqlDialect::Special::NaN;
        return true;
    }
    return false;
}

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; }

// A join operator without its trailing blank, for the end of a line.
std::string_view LineEnd(std::string_view join) {
    while (!join.empty() && join.back() == ' ') join.remove_suffix(1);
    return join;
}

}  // namespace

const SqlDialect& SqlDialect::For(SqlDialectId id) {
    static const SqliteDialect sqlite;
    static const PostgresDialect postgres;
    static const MariaDbDialect mariadb;
    static const SqlServerDialect sqlServer;
    switch (id) {
        case SqlDialectId::PostgreSQL:
            return postgres;
        case SqlDialectId::MariaDB:
            return mariadb;
        case SqlDialectId::SqlServer:
            return sqlServer;
        case SqlDialectId::Classic:
        case SqlDialectId::SQLite:
            break;
    }
    return sqlite;
}

std::string SqlDialect::Name(std::string_view name) const {
    const std::string_view forbidden = ForbiddenInNames();
    if (std::any_of(name.begin(), name.end(), IsControl) ||
        (!forbidden.empty() && name.find(forbidden) != std::string_view::npos)) {
        throw OrvaneError("A table or column name holds a line break or another character the " +
                          std::string(SqlDialectOf(Id()).caption) +
                          " script cannot carry; write the classic script or rename it.");
    }
    std::string quoted(1, OpenQuote());
    for (char c : name) {
        if (c == CloseQuote()) quoted += c;
        quoted += c;
    }
    quoted += CloseQuote();
    return quoted;
}

std::string SqlDialect::CreateTable(const ScriptTable& table) const {
    std::string text = "CREATE TABLE " + Name(table.name) + " (" + kCrLf;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        const ScriptColumn& column = table.columns[i];
        const bool key =
            std::find(table.keys.begin(), table.keys.end(), column.name) != table.keys.end();
        text += "\t" + Name(column.name) + " " + ColumnType(column);
        if (key || !column.nullable) text += " NOT NULL";
        if (i + 1 < table.columns.size() || !table.keys.empty()) text += ",";
        text += kCrLf;
    }
    if (!table.keys.empty()) {
        text += "\tPRIMARY KEY (";
        for (std::size_t k = 0; k < table.keys.size(); ++k) {
            text += (k == 0 ? "" : ", ") + Name(table.keys[k]);
        }
        text += std::string(")") + kCrLf;
    }
    return text + ")" + TableOptions() + ";" + kCrLf;
}

std::string SqlDialect::ColumnType(const ScriptColumn& column) const {
    const TypeNames& t = Types();
    const int n = column.size;
    auto sized = [](std::string_view name, int size) {
        return std::string(name) + "(" + std::to_string(size) + ")";
    };
    auto text = [&](std::string_view fixed, std::string_view var, std::string_view longType) {
        if (!fixed.empty() && n > 0 && n <= t.maxFixedText) return sized(fixed, n);
        if (n > 0 && n <= t.maxVarText) return sized(var, n);
        return std::string(longType);
    };
    auto binary = [&](std::string_view fixed) {
        if (!fixed.empty() && n > 0 && n <= t.maxFixedBinary) return sized(fixed, n);
        if (!t.varBinary.empty() && n > 0 && n <= t.maxVarBinary) return sized(t.varBinary, n);
        return std::string(t.longBinary);
    };
    auto decimal = [&](int precision, int scale) {
        precision = std::clamp(precision, 1, t.maxPrecision);
        scale = std::clamp(scale, 0, std::min(precision, t.maxScale));
        return std::string(t.decimal) + "(" + std::to_string(precision) + "," +
               std::to_string(scale) + ")";
    };
    switch (column.type) {
        case data::adSmallInt:
            return std::string(t.smallInt);
        case data::adInteger:
            return std::string(t.integer);
        case data::adSingle:
            return std::string(t.single);
        case data::adDouble:
            return std::string(t.doubleType);
        case data::adCurrency:
            return decimal(19, 4);
        case data::adBoolean:
            return std::string(t.boolean);
        case data::adDecimal:
        case data::adNumeric:
            return decimal(column.precision, column.scale);
        case data::adTinyInt:
            return std::string(t.tinyInt);
        case data::adUnsignedTinyInt:
            return std::string(t.unsignedTinyInt);
        case data::adBigInt:
            return std::string(t.bigInt);
        case data::adGUID:
            return std::string(t.guid);
        case data::adDBDate:
            return std::string(t.date);
        case data::adDBTime:
            return std::string(t.time);
        case data::adDate:
        case data::adDBTimeStamp:
            return std::string(t.timestamp);
        case data::adBinary:
            return binary(t.fixedBinary);
        case data::adVarBinary:
            return binary({});
        case data::adLongVarBinary:
            return std::string(t.longBinary);
        case data::adChar:
            return text(t.fixedText, t.varText, t.longText);
        case data::adWChar:
            return text(t.wideFixedText, t.wideVarText, t.wideLongText);
        case data::adVarWChar:
            return text({}, t.wideVarText, t.wideLongText);
        case data::adLongVarChar:
            return std::string(t.longText);
        case data::adLongVarWChar:
            return std::string(t.wideLongText);
        default:
            return text({}, t.varText, t.longText);
    }
}

std::string SqlDialect::XmlSelect(const ScriptTable& table) const {
    const std::string_view join = ConcatJoin();
    auto literal = [this](const std::string& text) {
        std::string out;
        AppendText(out, text);
        return out;
    };
    std::string text =
        "SELECT" + std::string(ConcatOpen().empty() ? "" : " ") + std::string(ConcatOpen()) + kCrLf;
    text += literal("<" + table.alias + ">") + std::string(LineEnd(join)) + kCrLf;
    for (const ScriptColumn& column : table.columns) {
        std::string value = TextOf(Name(column.name), column);
        for (const auto& [from, to] : {std::pair{"&", "&amp;"}, {"<", "&lt;"}, {">", "&gt;"}}) {
            value = "REPLACE(" + value + ", " + literal(from) + ", " + literal(to) + ")";
        }
        text += "\t" + literal("<" + column.element + ">");
        text += std::string(join) + "COALESCE(" + value + ", " + literal("") + ")";
        text += std::string(join) + literal("</" + column.element + ">");
        text += std::string(LineEnd(join)) + kCrLf;
    }
    text += literal("</" + table.alias + ">") + std::string(ConcatClose()) + kCrLf;
    return text + "FROM " + Name(table.name) + ";" + kCrLf;
}

std::string SqlDialect::InsertStart(const ScriptTable& table) const {
    std::string text = "INSERT INTO " + Name(table.name) + " (";
    for (std::size_t j = 0; j < table.columns.size(); ++j) {
        if (j != 0) text += ",";
        text += Name(table.columns[j].name);
    }
    return text + ") VALUES (";
}

void SqlDialect::AppendValue(std::string& out, std::string_view value, bool isNull,
                             int type) const {
    if (isNull) {
        out += "NULL";
        return;
    }
    Special special{};
    std::string bytes;
    switch (KindOf(type)) {
        case ValueKind::Number:
            if (IsPlainNumber(value)) {
                out += value;
            } else if (ReadSpecial(value, special)) {
                const std::string_view literal =
                    SpecialLiterals()[static_cast<std::size_t>(special)];
                if (literal.empty()) {
                    AppendText(out, value);
                } else {
                    out += literal;
                }
            } else {
                AppendText(out, value);
            }
            return;
        case ValueKind::Boolean:
            if (value == "1" || value == "0") {
                AppendBoolean(out, value == "1");
            } else {
                AppendText(out, value);
            }
            return;
        case ValueKind::Binary:
            // Text that is not the reader's base64 is written as the bytes it holds.
            AppendBinary(out, data::valuetext::DecodeBase64(value, bytes) ? bytes : value);
            return;
        case ValueKind::Timestamp:
            // A timestamp at midnight is read as its date alone.
            if (value.size() == 10) {
                AppendText(out, std::string(value) + " 00:00:00");
                return;
            }
            break;
        case ValueKind::Text:
            break;
    }
    AppendText(out, value);
}

bool SqlDialect::IsBinary(const ScriptColumn& column) {
    return KindOf(column.type) == ValueKind::Binary;
}

std::string SqlDialect::Hex(std::string_view bytes, bool upper) {
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex;
}

void SqlDialect::AppendJoinedText(std::string& out, std::string_view text, std::string_view prefix,
                                  std::string_view join, std::string_view charFunction,
                                  std::string_view spelled) {
    auto spell = [&](char c) { return IsControl(c) || spelled.find(c) != std::string_view::npos; };
    bool inRun = false;  // inside a quoted run
    bool first = true;   // nothing written yet
    for (char c : text) {
        if (spell(c)) {
            if (inRun) out += '\'';
            inRun = false;
            if (!first) out += join;
            out += charFunction;
            out += '(';
            out += std::to_string(static_cast<unsigned char>(c));
            out += ')';
        } else {
            if (!inRun) {
                if (!first) out += join;
                out += prefix;
                out += '\'';
            }
            inRun = true;
            if (c == '\'') out += '\'';
            out += c;
        }
        first = false;
    }
    if (first) {
        out += prefix;
        out += "''";
    } else if (inRun) {
        out += '\'';
    }
}

}  // namespace orvane
