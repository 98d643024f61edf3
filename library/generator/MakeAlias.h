#pragma once

#include <string>

#include "core/Export.h"

namespace orvane {

class Generator;

// The table name without its schema or owner prefix (up to the first "."), without "[", "]"
// and double quotes, blanks made "_". dbo.[Order Details] gives Order_Details.
ORVANE_API std::string StripTableName(const std::string& tableName);
// The alias proposed for a table: StripTableName under the SQL screen's name rule.
ORVANE_API std::string MakeAlias(const std::string& tableName, const Generator& generator);

}  // namespace orvane
