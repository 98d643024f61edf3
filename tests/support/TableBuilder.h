#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/ColumnMeta.h"
#include "model/ODBCTable.h"

namespace orvane::test {

// A column for a table built in memory.
struct ColumnSpec {
    std::string name;
    int type = data::adVarChar;
    int size = 50;
    int precision = 0;
    int scale = 0;
    bool nullable = true;
    bool key = false;
};

// Builds a loaded table without a database: Fields, PKs and Values as a load would leave them.
// rows[i][j] is the value of column j in row i; std::nullopt stands for a database null.
std::shared_ptr<ODBCTable> MakeTable(
    const std::string& name, const std::string& alias, const std::vector<ColumnSpec>& columns,
    const std::vector<std::vector<std::optional<std::string>>>& rows);

std::shared_ptr<const data::ColumnMeta> MakeMeta(const ColumnSpec& column);

}  // namespace orvane::test
