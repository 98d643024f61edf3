#include "TableBuilder.h"

namespace orvane::test {

std::shared_ptr<const data::ColumnMeta> MakeMeta(const ColumnSpec& column) {
    auto meta = std::make_shared<data::ColumnMeta>();
    meta->name = column.name;
    meta->type = column.type;
    meta->definedSize = column.size;
    meta->precision = column.precision;
    meta->numericScale = column.scale;
    meta->attributes = column.nullable ? data::adFldIsNullable : 0;
    return meta;
}

std::shared_ptr<ODBCTable> MakeTable(
    const std::string& name, const std::string& alias, const std::vector<ColumnSpec>& columns,
    const std::vector<std::vector<std::optional<std::string>>>& rows) {
    auto table = std::make_shared<ODBCTable>();
    table->SetAlias(alias);
    table->SetName(name);
    std::vector<std::shared_ptr<const data::ColumnMeta>> metas;
    for (const ColumnSpec& column : columns) metas.push_back(MakeMeta(column));
    for (std::size_t j = 0; j < columns.size(); ++j) {
        const bool firstIsNull = !rows.empty() && !rows[0][j];
        ODBCField field(metas[j], rows.empty() ? "" : rows[0][j].value_or(""), firstIsNull);
        table->Fields().Add(columns[j].name, field);
        if (columns[j].key) table->PKs().Add(columns[j].name, field);
    }
    table->Values().Reset(metas);
    for (const auto& row : rows) {
        for (const auto& cell : row) table->Values().AppendCell(cell.value_or(""), !cell);
        table->Values().EndRow();
    }
    table->SetMaxRows(static_cast<std::int16_t>(rows.size()));
    return table;
}

}  // namespace orvane::test
