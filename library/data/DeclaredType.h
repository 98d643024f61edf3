#pragma once

#include <string_view>

namespace orvane::data {

// A column type as written in a table's declaration ("NUMERIC(10,2)", "character varying(30)",
// "float8"), reduced to the ODBC SQL type it stands for and its arguments.
struct DeclaredType {
    int sqlType = 0;  // SQL_UNKNOWN_TYPE when the name is not recognised
    int length = -1;  // first argument (length or precision), -1 when absent
    int scale = -1;   // second argument, -1 when absent

    static DeclaredType Parse(std::string_view text);
};

}  // namespace orvane::data
