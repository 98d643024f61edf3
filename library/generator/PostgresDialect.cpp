#include "generator/PostgresDialect.h"

namespace orvane {

namespace {
// The longest length PostgreSQL takes for char and varchar.
constexpr int kMaxLength = 10485760;
}  // namespace

std::string PostgresDialect::Prologue() const {
    return "-- Written for PostgreSQL: run it with psql.\r\n"
           "SET client_encoding = 'UTF8';\r\n"
           "SET standard_conforming_strings = on;\r\n";
}

const SqlDialect::TypeNames& PostgresDialect::Types() const {
    static const TypeNames types{.smallInt = "SMALLINT",
                                 .integer = "INTEGER",
                                 .single = "REAL",
                                 .doubleType = "DOUBLE PRECISION",
                                 .boolean = "BOOLEAN",
                                 .tinyInt = "SMALLINT",
                                 .unsignedTinyInt = "SMALLINT",
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
                                 .wideFixedText = "CHAR",
                                 .wideVarText = "VARCHAR",
                                 .longText = "TEXT",
                                 .wideLongText = "TEXT",
                                 .maxFixedText = kMaxLength,
                                 .maxVarText = kMaxLength,
                                 .fixedBinary = {},
                                 .varBinary = {},
                                 .longBinary = "BYTEA",
                                 .maxFixedBinary = 0,
                                 .maxVarBinary = 0};
    return types;
}

void PostgresDialect::AppendText(std::string& out, std::string_view text) const {
    AppendJoinedText(out, text, "", " || ", "chr");
}

void PostgresDialect::AppendBinary(std::string& out, std::string_view bytes) const {
    out += "'\\x" + Hex(bytes, false) + "'";
}

void PostgresDialect::AppendBoolean(std::string& out, bool value) const {
    out += value ? "TRUE" : "FALSE";
}

std::string PostgresDialect::TextOf(const std::string& name, const ScriptColumn& column) const {
    if (IsBinary(column)) return "encode(" + name + ", 'hex')";
    return "CAST(" + name + " AS TEXT)";
}

}  // namespace orvane
