#include "generator/SqlServerDialect.h"

namespace orvane {

std::string SqlServerDialect::Prologue() const {
    return "-- Written for SQL Server: run it with sqlcmd -f 65001 (the script is UTF-8).\r\n"
           "SET NOCOUNT ON;\r\n";
}

const SqlDialect::TypeNames& SqlServerDialect::Types() const {
    // Unicode text types throughout, as the values are Unicode text.
    static const TypeNames types{.smallInt = "SMALLINT",
                                 .integer = "INT",
                                 .single = "REAL",
                                 .doubleType = "FLOAT",
                                 .boolean = "BIT",
                                 .tinyInt = "SMALLINT",
                                 .unsignedTinyInt = "TINYINT",
                                 .bigInt = "BIGINT",
                                 .guid = "UNIQUEIDENTIFIER",
                                 .date = "DATE",
                                 .time = "TIME(7)",
                                 .timestamp = "DATETIME2(7)",
                                 .decimal = "DECIMAL",
                                 .maxPrecision = 38,
                                 .maxScale = 38,
                                 .fixedText = "NCHAR",
                                 .varText = "NVARCHAR",
                                 .wideFixedText = "NCHAR",
                                 .wideVarText = "NVARCHAR",
                                 .longText = "NVARCHAR(MAX)",
                                 .wideLongText = "NVARCHAR(MAX)",
                                 .maxFixedText = 4000,
                                 .maxVarText = 4000,
                                 .fixedBinary = "BINARY",
                                 .varBinary = "VARBINARY",
                                 .longBinary = "VARBINARY(MAX)",
                                 .maxFixedBinary = 8000,
                                 .maxVarBinary = 8000};
    return types;
}

void SqlServerDialect::AppendText(std::string& out, std::string_view text) const {
    AppendJoinedText(out, text, "N", " + ", "NCHAR", "$");
}

void SqlServerDialect::AppendBinary(std::string& out, std::string_view bytes) const {
    out += "0x" + Hex(bytes);
}

void SqlServerDialect::AppendBoolean(std::string& out, bool value) const {
    out += value ? '1' : '0';
}

std::string SqlServerDialect::TextOf(const std::string& name, const ScriptColumn& column) const {
    if (IsBinary(column)) return "CONVERT(VARCHAR(MAX), " + name + ", 2)";
    return "CAST(" + name + " AS NVARCHAR(MAX))";
}

}  // namespace orvane
