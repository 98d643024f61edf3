#pragma once

#include <string>

namespace orvane::data {

// ADO DataTypeEnum codes that the layer reports.
enum AdoType : int {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBoolean = 11,
    adDecimal = 14,
    adTinyInt = 16,
    adUnsignedTinyInt = 17,
    adBigInt = 20,
    adGUID = 72,
    adBinary = 128,
    adChar = 129,
    adWChar = 130,
    adNumeric = 131,
    adDBDate = 133,
    adDBTime = 134,
    adDBTimeStamp = 135,
    adVarChar = 200,
    adLongVarChar = 201,
    adVarWChar = 202,
    adLongVarWChar = 203,
    adVarBinary = 204,
    adLongVarBinary = 205,
};

// The nullable bit of a field's attributes (adFldIsNullable).
constexpr int adFldIsNullable = 0x20;

// What the layer knows of one result column, after the per-driver corrections.
// Shared (by shared_ptr) between the column's field object and every loaded cell of it.
struct ColumnMeta {
    std::string name;
    int type = adEmpty;    // ADO type code
    int definedSize = 0;   // characters for text, bytes for binary
    int precision = 0;     // 0..255
    int numericScale = 0;  // 0..255
    int attributes = 0;    // adFldIsNullable when the column accepts nulls
    std::string typeName;  // the driver's declared type name, for diagnostics
};

}  // namespace orvane::data
