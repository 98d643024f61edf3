#include "data/SqlTypeMap.h"

#include <sql.h>
#include <sqlext.h>

#include <algorithm>

namespace orvane::data {

int AdoTypeFromSqlType(int sqlType, bool isUnsigned) {
    switch (sqlType) {
        case SQL_CHAR:
            return adChar;
        case SQL_VARCHAR:
            return adVarChar;
        case SQL_LONGVARCHAR:
            return adLongVarChar;
        case SQL_WCHAR:
            return adWChar;
        case SQL_WVARCHAR:
            return adVarWChar;
        case SQL_WLONGVARCHAR:
            return adLongVarWChar;
        case SQL_DECIMAL:
        case SQL_NUMERIC:
            return adNumeric;
        case SQL_SMALLINT:
            return adSmallInt;
        case SQL_INTEGER:
            return adInteger;
        case SQL_REAL:
            return adSingle;
        case SQL_FLOAT:
        case SQL_DOUBLE:
            return adDouble;
        case SQL_BIT:
            return adBoolean;
        case SQL_TINYINT:
            return isUnsigned ? adUnsignedTinyInt : adTinyInt;
        case SQL_BIGINT:
            return adBigInt;
        case SQL_BINARY:
            return adBinary;
        case SQL_VARBINARY:
            return adVarBinary;
        case SQL_LONGVARBINARY:
            return adLongVarBinary;
        case SQL_TYPE_DATE:
        case SQL_DATE:
            return adDBDate;
        case SQL_TYPE_TIME:
        case SQL_TIME:
            return adDBTime;
        case SQL_TYPE_TIMESTAMP:
        case SQL_TIMESTAMP:
            return adDBTimeStamp;
        case SQL_GUID:
            return adGUID;
        default:
            return adVarChar;
    }
}

namespace {

struct FixedShape {
    int type;
    int size;
    int precision;
};

// Byte size and decimal digits of the fixed-size types; dates and times measure their text.
constexpr FixedShape kFixedShapes[] = {
    {adTinyInt, 1, 3},  {adUnsignedTinyInt, 1, 3}, {adSmallInt, 2, 5},      {adInteger, 4, 10},
    {adBigInt, 8, 19},  {adSingle, 4, 7},          {adDouble, 8, 15},       {adBoolean, 1, 1},
    {adDBDate, 10, 10}, {adDBTime, 8, 8},          {adDBTimeStamp, 19, 19}, {adGUID, 36, 0},
};

int ClampSize(std::int64_t size, int fallback) {
    if (size <= 0) return fallback;
    return static_cast<int>(std::min<std::int64_t>(size, kLongColumnSize));
}

}  // namespace

void ShapeColumn(ColumnMeta& meta, std::int64_t columnSize, int decimalDigits) {
    meta.precision = 0;
    meta.numericScale = 0;
    for (const FixedShape& shape : kFixedShapes) {
        if (shape.type == meta.type) {
            meta.definedSize = shape.size;
            meta.precision = shape.precision;
            return;
        }
    }
    switch (meta.type) {
        case adNumeric:
        case adDecimal:
            // Unconstrained numerics report no precision; 28 digits is what such columns hold.
            meta.precision = static_cast<int>(
                std::clamp<std::int64_t>(columnSize > 0 ? columnSize : 28, 1, 255));
            meta.numericScale = std::clamp(decimalDigits, 0, meta.precision);
            meta.definedSize = meta.precision;
            return;
        case adLongVarChar:
        case adLongVarWChar:
        case adLongVarBinary:
            meta.definedSize = kLongColumnSize;
            return;
        default:
            meta.definedSize = ClampSize(columnSize, 255);
            return;
    }
}

}  // namespace orvane::data
