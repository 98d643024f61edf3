#pragma once

#include <cstdint>

#include "data/ColumnMeta.h"

namespace orvane::data {

// The ADO type code the OLE DB provider for ODBC reports for an ODBC SQL type.
// Unknown types read as adVarChar.
int AdoTypeFromSqlType(int sqlType, bool isUnsigned);

// Size, precision and scale of a column of `meta.type`, from the driver's column size and
// decimal digits: integers and floating types get their byte size and digit count with
// scale 0, decimals keep precision and scale, dates get the length of their text, long
// columns the largest size, other text and binary columns the size reported.
void ShapeColumn(ColumnMeta& meta, std::int64_t columnSize, int decimalDigits);

// The size reported for long text and binary columns (no declared limit).
constexpr int kLongColumnSize = 2147483647;

}  // namespace orvane::data
