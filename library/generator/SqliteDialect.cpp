#include "generator/SqliteDialect.h"

namespace orvane {

namespace {
// The sizes SQLite keeps of a declared type: it enforces none.
constexpr int kUnlimited = 2147483646;
}  // namespace

std::string SqliteDialect::Prologue() const {
    return "-- Written for SQLite: run it with sqlite3.\r\n";
}

const SqlDialect::TypeNames& SqliteDialect::Types() const {
    // Names its ODBC driver reads back as the types they came from. Lengths are not enforced.
    static const TypeNames types{.smallInt = "SMALLINT",
                                 .integer = "INTEGER",
                                 .single = "REAL",
                                 .doubleType = "DOUBLE",
                                 .boolean = "BOOLEAN",
                                 .tinyInt = "TINYINT",
                                 .unsignedTinyInt = "TINYINT",
                                 .bigInt = "BIGINT",
                                 .guid = "UUID",
                                 .date = "DATE",
                                 .time = "TIME",
                                 .timestamp = "TIMESTAMP",
                                 .decimal = "NUMERIC",
                                 .maxPrecision = 1000,
                                 .maxScale = 1000,
                                 .fixedText = "CHAR",
                                 .varText = "VARCHAR",
                                 .wideFixedText = "NCHAR",
                                 .wideVarText = "NVARCHAR",
                                 .longText = "TEXT",
                                 .wideLongText = "NTEXT",
                                 .maxFixedText = kUnlimited,
                                 .maxVarText = kUnlimited,
                                 .fixedBinary = "BINARY",
                                 .varBinary = "VARBINARY",
                                 .longBinary = "BLOB",
                                 .maxFixedBinary = kUnlimited,
                                 .maxVarBinary = kUnlimited};
    return types;
}

void SqliteDialect::AppendText(std::string& out, std::string_view text) const {
    AppendJoinedText(out, text, "", " || ", "char");
}

void SqliteDialect::AppendBinary(std::string& out, std::string_view bytes) const {
    out += "X'" + Hex(bytes) + "'";
}

void SqliteDialect::AppendBoolean(std::string& out, bool value) const { out += value ? '1' : '0'; }

std::string SqliteDialect::TextOf(const std::string& name, const ScriptColumn& column) const {
    if (IsBinary(column)) return "hex(" + name + ")";
    return "CAST(" + name + " AS TEXT)";
}

}  // namespace orvane
