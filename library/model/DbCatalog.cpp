#include "model/DbCatalog.h"

#include <array>
#include <exception>
#include <optional>
#include <set>
#include <utility>

#include "core/OrvaneError.h"
#include "data/Connection.h"
#include "data/RecordSet.h"
#include "model/TreeNode.h"

namespace orvane {

namespace {
// Catalogue table types and the folders that show them, in the tree's folder order.
constexpr std::array<std::pair<const char*, const char*>, 3> kFolders{{
    {"SYSTEM TABLE", "System Tables"},
    {"TABLE", "Tables"},
    {"VIEW", "Views"},
}};

// The folder position of a catalogue table type; none for types the tree does not show.
std::optional<std::size_t> FolderOf(const std::string& tableType) {
    for (std::size_t f = 0; f < kFolders.size(); ++f) {
        if (tableType == kFolders[f].first) return f;
    }
    return std::nullopt;
}

std::string TextOf(const data::RecordSet& records, const char* column) {
    const data::DbField& field = records.Field(std::string_view(column));
    return field.IsNull() ? std::string() : field.Value();
}

// The table's columns in the source's order. An empty list means the source reported none;
// a failed query leaves the table without columns but keeps it.
struct ColumnList {
    bool failed = false;
    std::vector<std::string> names;
};

ColumnList ReadColumns(data::Connection& connection, const std::string& schema,
                       const std::string& tableName) {
    ColumnList list;
    try {
        std::unique_ptr<data::RecordSet> columns =
            connection.OpenSchemaColumns("", schema, tableName);
        if (!columns) {
            list.failed = true;
            return list;
        }
        for (; !columns->IsEOF(); columns->MoveNext()) {
            list.names.push_back(TextOf(*columns, "COLUMN_NAME"));
        }
    } catch (const std::exception&) {
        list.failed = true;
        list.names.clear();
    }
    return list;
}
}  // namespace

std::string DbCatalog::FullName(const std::string& tableName, const std::string& schema,
                                const data::NameQuoting& quoting) {
    const std::string name = data::QuoteName(tableName, quoting);
    return schema.empty() ? name : data::QuoteName(schema, quoting) + "." + name;
}

DbCatalog DbCatalog::Read(data::Connection& connection,
                          const std::function<void(std::size_t)>& progress) {
    DbCatalog catalog;
    catalog.dbmsName = connection.DbmsName();
    const data::NameQuoting quoting = connection.Quoting();
    std::unique_ptr<data::RecordSet> tables = connection.OpenSchemaTables();
    if (!tables) throw OrvaneError("The data source returned no table list.");
    for (const auto& folder : kFolders) catalog.folders.push_back(Folder{folder.second, {}});

    // Full names already shown: the tree's keys must stay unique.
    std::set<std::string> shown;
    std::size_t count = 0;
    for (; !tables->IsEOF(); tables->MoveNext()) {
        const std::string tableName = TextOf(*tables, "TABLE_NAME");
        const std::string schema = TextOf(*tables, "TABLE_SCHEMA");
        const std::string fullName = FullName(tableName, schema, quoting);
        const std::optional<std::size_t> folder = FolderOf(TextOf(*tables, "TABLE_TYPE"));
        if (folder && shown.count(fullName) == 0) {
            ColumnList columns = ReadColumns(connection, schema, tableName);
            if (columns.failed || !columns.names.empty()) {
                catalog.folders[*folder].tables.push_back(
                    Table{fullName, std::move(columns.names)});
                shown.insert(fullName);
            }
        }
        if (progress) progress(++count);
    }
    return catalog;
}

std::string DbCatalog::TableKey(const std::string& fullName) { return "TABLE#" + fullName; }

std::string DbCatalog::ColumnKey(const std::string& fullName, const std::string& column) {
    return fullName + ".FIELD#" + column;
}

std::string DbCatalog::RootText(const std::string& selectedDsn, const std::string& dbmsName) {
    return selectedDsn + " (" + dbmsName + ")";
}

std::unique_ptr<PlainTreeNode> DbCatalog::TableNode(const Table& table, const ColumnTest& selected,
                                                    const ColumnTest& key) {
    auto node =
        std::make_unique<PlainTreeNode>(TableKey(table.fullName), table.fullName, ImageTable, true);
    for (const std::string& column : table.columns) {
        node->AddChild(ColumnKey(table.fullName, column), column,
                       key(column) ? ImagePk : ImageField, selected(column));
    }
    return node;
}

}  // namespace orvane
