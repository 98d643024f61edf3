#include <gtest/gtest.h>
#include <sql.h>
#include <sqlext.h>

#include <sstream>

#include "Golden.h"
#include "data/SqlTypeMap.h"

namespace orvane::data {
namespace {

// Every ODBC type a driver may report (and some it may not) with the ADO code it reads as, then
// every ADO code with its size/precision/scale for a few driver sizes, including none, too large
// and a scale above the precision. Each probe starts from a stale precision and scale.
TEST(SqlTypeMap, EveryOdbcTypeAndEveryShape) {
    const int sqlTypes[] = {SQL_CHAR,
                            SQL_VARCHAR,
                            SQL_LONGVARCHAR,
                            SQL_WCHAR,
                            SQL_WVARCHAR,
                            SQL_WLONGVARCHAR,
                            SQL_DECIMAL,
                            SQL_NUMERIC,
                            SQL_SMALLINT,
                            SQL_INTEGER,
                            SQL_REAL,
                            SQL_FLOAT,
                            SQL_DOUBLE,
                            SQL_BIT,
                            SQL_TINYINT,
                            SQL_BIGINT,
                            SQL_BINARY,
                            SQL_VARBINARY,
                            SQL_LONGVARBINARY,
                            SQL_TYPE_DATE,
                            SQL_TYPE_TIME,
                            SQL_TYPE_TIMESTAMP,
                            SQL_DATE,
                            SQL_TIME,
                            SQL_TIMESTAMP,
                            SQL_GUID,
                            SQL_UNKNOWN_TYPE,
                            -150,
                            12345};
    std::ostringstream out;
    out << "ODBC type code: ADO code signed, unsigned\n";
    for (int sqlType : sqlTypes)
        out << sqlType << ": " << AdoTypeFromSqlType(sqlType, false) << ", "
            << AdoTypeFromSqlType(sqlType, true) << "\n";
    const std::pair<std::int64_t, int> probes[] = {
        {0, 6}, {4, 9}, {10, 2}, {1000, 2}, {5000000000LL, 0}};
    out << "\nADO code: size/precision/scale for column size,digits";
    for (const auto& [size, digits] : probes) out << " | " << size << "," << digits;
    const int adoTypes[] = {
        adEmpty,     adSmallInt,     adInteger, adSingle,      adDouble,          adCurrency,
        adDate,      adBoolean,      adDecimal, adTinyInt,     adUnsignedTinyInt, adBigInt,
        adGUID,      adBinary,       adChar,    adWChar,       adNumeric,         adDBDate,
        adDBTime,    adDBTimeStamp,  adVarChar, adLongVarChar, adVarWChar,        adLongVarWChar,
        adVarBinary, adLongVarBinary};
    for (int type : adoTypes) {
        out << "\n" << type << ":";
        for (const auto& [size, digits] : probes) {
            ColumnMeta meta;
            meta.type = type;
            meta.precision = meta.numericScale = 99;
            ShapeColumn(meta, size, digits);
            out << " | " << meta.definedSize << "/" << meta.precision << "/" << meta.numericScale;
        }
    }
    test::expectGolden("sql-type-map.txt", out.str() + "\n");
}

}  // namespace
}  // namespace orvane::data
