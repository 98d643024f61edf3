#pragma once

#include <string>
#include <string_view>

namespace orvane {

class ODBCField;

// The three classes most maps sort an ADO type code into.
enum class TypeClass { Numeric, Date, Text };

// 20, 14, 3, 5, 131 are numeric; 7, 133, 135 are dates; every other code is text.
TypeClass ClassOf(int typeCode);

std::string MapJavaType(int typeCode);
std::string MapCSharpType(int typeCode);
std::string MapVbType(int typeCode);
std::string MapJavaSqlType(int typeCode);
// The XML Schema type that takes the column's values as the data document writes them: the
// integers as int (long for 64 bits), the floating and decimal types as float (double for
// 8-byte floats), dates as date, binaries as base64Binary, the rest as string.
std::string MapXsdType(int typeCode);
std::string JavaNamePrefix(int typeCode);
std::string VbNamePrefix(int typeCode);
// A column type for a CREATE TABLE statement.
std::string MapDbType(int typeCode, int precision, int numericScale, int definedSize);
// The ADO constant name the generated VB6 class passes to SqlString.
std::string MapAdoType(int typeCode);

// The name rule shared by column, table and alias names: trim blanks, "#" and blanks become
// "_", then the case rule (0 first upper rest lower, 1 upper, 2 lower, 3 as is, other: empty),
// on every letter the Unicode case mapping knows.
std::string FixName(const std::string& name, int caseRule);

// [+-] digits [. digits] [e [+-] digits] with at least one digit before the exponent: a number
// that may stand unquoted in an SQL statement.
bool IsPlainNumber(std::string_view s);

// Appends a stored value as an SQL literal, by the class of its type code. A database null is NULL
// in every class; an empty value is 0, NULL or '' by class. Numbers are written as they are only
// when they are plain decimal numbers, anything else is quoted as text, so no value can end
// the literal early. Dates are read as ISO text ("yyyy-mm-dd", optionally followed by a time);
// a date that cannot be read, or one before 1900, is NULL. The time of day is not written.
void AppendSqlValue(std::string& out, std::string_view value, bool isNull, int typeCode);

// " NOT NULL" for a column that does not accept nulls, else "".
std::string NullConstraint(const ODBCField& field);

}  // namespace orvane
