#include <gtest/gtest.h>
#include <sql.h>
#include <sqlext.h>

#include "data/SqlTypeMap.h"

namespace orvane::data {
namespace {

TEST(SqlTypeMap, MapsEveryOdbcTypeLikeTheOdbcProvider) {
    struct Case {
        int sqlType;
        bool isUnsigned;
        int expected;
    };
    const Case cases[] = {
        {SQL_CHAR, false, 129},
        {SQL_VARCHAR, false, 200},
        {SQL_LONGVARCHAR, false, 201},
        {SQL_WCHAR, false, 130},
        {SQL_WVARCHAR, false, 202},
        {SQL_WLONGVARCHAR, false, 203},
        {SQL_DECIMAL, false, 131},
        {SQL_NUMERIC, false, 131},
        {SQL_SMALLINT, false, 2},
        {SQL_INTEGER, false, 3},
        {SQL_REAL, false, 4},
        {SQL_FLOAT, false, 5},
        {SQL_DOUBLE, false, 5},
        {SQL_BIT, false, 11},
        {SQL_TINYINT, false, 16},
        {SQL_TINYINT, true, 17},
        {SQL_BIGINT, false, 20},
        {SQL_BIGINT, true, 20},
        {SQL_BINARY, false, 128},
        {SQL_VARBINARY, false, 204},
        {SQL_LONGVARBINARY, false, 205},
        {SQL_TYPE_DATE, false, 133},
        {SQL_TYPE_TIME, false, 134},
        {SQL_TYPE_TIMESTAMP, false, 135},
        {SQL_DATE, false, 133},
        {SQL_TIME, false, 134},
        {SQL_TIMESTAMP, false, 135},
        {SQL_GUID, false, 72},
        {SQL_UNKNOWN_TYPE, false, 200},
        {-150, false, 200},
        {12345, false, 200},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AdoTypeFromSqlType(c.sqlType, c.isUnsigned), c.expected)
            << "SQL type " << c.sqlType << (c.isUnsigned ? " unsigned" : "");
    }
}

TEST(SqlTypeMap, ShapesSizePrecisionAndScaleByTypeClass) {
    struct Case {
        int type;
        std::int64_t columnSize;
        int digits;
        int size, precision, scale;
    };
    const Case cases[] = {
        {adInteger, 10, 0, 4, 10, 0},
        {adSmallInt, 6, 0, 2, 5, 0},
        {adBigInt, 20, 0, 8, 19, 0},
        {adTinyInt, 3, 0, 1, 3, 0},
        {adSingle, 54, 0, 4, 7, 0},
        {adDouble, 17, 3, 8, 15, 0},
        {adBoolean, 5, 0, 1, 1, 0},
        {adNumeric, 10, 2, 10, 10, 2},
        {adNumeric, 12, 0, 12, 12, 0},
        {adNumeric, 0, 6, 28, 28, 6},       // unconstrained numeric
        {adNumeric, 1000, 2, 255, 255, 2},  // precision is a byte
        {adNumeric, 4, 9, 4, 4, 4},         // scale never exceeds precision
        {adDBDate, 10, 0, 10, 10, 0},
        {adDBTime, 8, 6, 8, 8, 0},
        {adDBTimeStamp, 26, 6, 19, 19, 0},
        {adChar, 3, 0, 3, 0, 0},
        {adVarChar, 40, 0, 40, 0, 0},
        {adVarChar, 0, 0, 255, 0, 0},
        {adVarChar, 5000000000LL, 0, kLongColumnSize, 0, 0},
        {adLongVarChar, 65536, 0, kLongColumnSize, 0, 0},
        {adLongVarBinary, 255, 0, kLongColumnSize, 0, 0},
        {adVarBinary, 16, 0, 16, 0, 0},
        {adGUID, 36, 0, 36, 0, 0},
    };
    for (const Case& c : cases) {
        ColumnMeta meta;
        meta.type = c.type;
        meta.precision = 99;
        meta.numericScale = 99;
        ShapeColumn(meta, c.columnSize, c.digits);
        EXPECT_EQ(meta.definedSize, c.size) << "type " << c.type << " size " << c.columnSize;
        EXPECT_EQ(meta.precision, c.precision) << "type " << c.type << " size " << c.columnSize;
        EXPECT_EQ(meta.numericScale, c.scale) << "type " << c.type << " size " << c.columnSize;
    }
}

}  // namespace
}  // namespace orvane::data
