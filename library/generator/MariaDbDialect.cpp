#include "generator/MariaDbDialect.h"

namespace orvane {

std::string MariaDbDialect::Prologue() const {
    return "-- Written for MariaDB: run it with the mariadb client.\r\n"
           "SET NAMES utf8mb4;\r\n"
           "SET SESSION sql_mode = REPLACE(@@SESSION.sql_mode, 'NO_BACKSLASH_ESCAPES', '');\r\n";
}

const SqlDialect::TypeNames& MariaDbDialect::Types() const {
    // VARCHAR and VARBINARY share a row limit of 64 KB (VARCHAR at 4 bytes a character), so
    // longer ones become LONGTEXT and LONGBLOB.
    static const TypeNames types{.smallInt = "SMALLINT",
                                 .integer = "INT",
                                 .single = "FLOAT",
                                 .doubleType = "DOUBLE",
                                 .boolean = "BOOLEAN",
                                 .tinyInt = "TINYINT",
                                 .unsignedTinyInt = "TINYINT UNSIGNED",
                                 .bigInt = "BIGINT",
                                 .guid = "CHAR(36)",
                                 .date = "DATE",
                                 .time = "TIME(6)",
                                 .timestamp = "DATETIME(6)",
                                 .decimal = "DECIMAL",
                                 .maxPrecision = 65,
                                 .maxScale = 38,
                                 .fixedText = "CHAR",
                                 .varText = "VARCHAR",
                                 .wideFixedText = "CHAR",
                                 .wideVarText = "VARCHAR",
                                 .longText = "LONGTEXT",
                                 .wideLongText = "LONGTEXT",
                                 .maxFixedText = 255,
                                 .maxVarText = 4000,
                                 .fixedBinary = "BINARY",
                                 .varBinary = "VARBINARY",
                                 .longBinary = "LONGBLOB",
                                 .maxFixedBinary = 255,
                                 .maxVarBinary = 8000};
    return types;
}

void MariaDbDialect::AppendText(std::string& out, std::string_view text) const {
    out += '\'';
    for (char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\'':
                out += "''";
                break;
            case '\0':
                out += "\\0";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\x1a':
                out += "\\Z";
                break;
            default:
                out += c;
        }
    }
    out += '\'';
}

void MariaDbDialect::AppendBinary(std::string& out, std::string_view bytes) const {
    out += "X'" + Hex(bytes) + "'";
}

void MariaDbDialect::AppendBoolean(std::string& out, bool value) const {
    out += value ? "TRUE" : "FALSE";
}

std::string MariaDbDialect::TextOf(const std::string& name, const ScriptColumn& column) const {
    if (IsBinary(column)) return "HEX(" + name + ")";
    return "CAST(" + name + " AS CHAR)";
}

std::string MariaDbDialect::TableOptions() const {
    // Binary collation: keys compare as the source's values do, letter case and accents apart.
    return " DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin";
}

}  // namespace orvane
