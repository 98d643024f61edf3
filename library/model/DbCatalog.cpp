#include "model/DbCatalog.h"

#include <array>
#include <exception>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "core/OrvaneError.h"
#include "data/Connection.h"
#include "data/RecordSet.h"
#include "model/TreeNode.h"

namespace orvane {

namespace {
// Catalogue table types and the folders that show them, in the tree's folder order (Tables()
// knows the user's tables are second).
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

std::string TextOf(const data::DbField& field) {
    return field.IsNull() ? std::string() : field.Value();
}

// A table of the catalogue's list, before its columns are known.
struct Listed {
    std::size_t folder;
    std::string fullName;
    std::string schema;
    std::string tableName;
};

// The table's columns in the source's order. An empty list means the source reported none;
// a failed query leaves the table without columns but keeps it.
struct ColumnList {
    bool failed = false;
    std::vector<std::string> names;
};

// Schema and table name as one key.
std::string TableKeyOf(const std::string& schema, const std::string& tableName) {
    return std::to_string(schema.size()) + ':' + schema + tableName;
}

using ColumnIndex = std::unordered_map<std::string, std::vector<std::string>>;

// Every table's columns from one query; none when the source cannot answer it, so that the
// tables are asked one by one.
ColumnIndex ReadAllColumns(data::Connection& connection, const std::function<void()>& tableDone) {
    try {
        std::unique_ptr<data::RecordSet> rows = connection.OpenSchemaAllColumns();
        if (!rows) return {};
        const data::DbField& schema = rows->Field(std::string_view("TABLE_SCHEMA"));
        const data::DbField& table = rows->Field(std::string_view("TABLE_NAME"));
        const data::DbField& column = rows->Field(std::string_view("COLUMN_NAME"));
        ColumnIndex index;
        std::vector<std::string>* current = nullptr;
        std::string currentKey;
        for (; !rows->IsEOF(); rows->MoveNext()) {
            std::string key = TableKeyOf(TextOf(schema), TextOf(table));
            if (current == nullptr || key != currentKey) {
                current = &index[key];
                currentKey = std::move(key);
                if (tableDone) tableDone();
            }
            current->push_back(TextOf(column));
        }
        return index;
    } catch (const std::exception&) {
        return {};
    }
}

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
        const data::DbField& name = columns->Field(std::string_view("COLUMN_NAME"));
        for (; !columns->IsEOF(); columns->MoveNext()) list.names.push_back(TextOf(name));
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

    std::vector<Listed> listed;
    const data::DbField& nameField = tables->Field(std::string_view("TABLE_NAME"));
    const data::DbField& schemaField = tables->Field(std::string_view("TABLE_SCHEMA"));
    const data::DbField& typeField = tables->Field(std::string_view("TABLE_TYPE"));
    for (; !tables->IsEOF(); tables->MoveNext()) {
        const std::optional<std::size_t> folder = FolderOf(TextOf(typeField));
        if (!folder) continue;
        std::string tableName = TextOf(nameField);
        std::string schema = TextOf(schemaField);
        std::string fullName = FullName(tableName, schema, quoting);
        listed.push_back({*folder, std::move(fullName), std::move(schema), std::move(tableName)});
    }
    tables.reset();

    // Columns in bulk: a constant number of queries however many tables there are.
    std::size_t done = 0;
    const auto tableDone = [&] {
        if (progress) progress(++done);
    };
    ColumnIndex index = ReadAllColumns(connection, tableDone);
    // Full names already shown: the tree's keys must stay unique.
    std::unordered_set<std::string> shown;
    for (Listed& table : listed) {
        if (shown.count(table.fullName) != 0) continue;
        ColumnList columns;
        const auto found = index.find(TableKeyOf(table.schema, table.tableName));
        if (found != index.end()) {
            columns.names = std::move(found->second);
        } else {
            // Not in the bulk answer: a table without columns, or one the bulk query skips.
            columns = ReadColumns(connection, table.schema, table.tableName);
            tableDone();
        }
        if (columns.failed || !columns.names.empty()) {
            shown.insert(table.fullName);
            catalog.folders[table.folder].tables.push_back(
                Table{std::move(table.fullName), std::move(columns.names), std::move(table.schema),
                      std::move(table.tableName)});
        }
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
