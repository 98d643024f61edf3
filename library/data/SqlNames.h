#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane::data {

// A table name split into its parts, quotes removed.
struct QualifiedName {
    std::string catalog;
    std::string schema;
    std::string table;
};

// The table of a simple "select * from NAME" statement: NAME may be written plain or quoted
// with [], "" or ``, and may carry a schema (and catalogue) before it, separated by ".".
// Anything else (joins, where clauses, sub-queries) gives no name.
std::optional<QualifiedName> TableOfSimpleSelect(std::string_view statement);

}  // namespace orvane::data
