#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Export.h"
#include "data/SqlNames.h"
#include "model/PlainTreeNode.h"

namespace orvane {

namespace data {
class Connection;
}

// The data source's tables and columns as the database tree shows them: three folders,
// tables under their full (quoted where needed) names, columns in the source's order.
// Both the desktop tree and orvane-gen --list are built from this one reading.
class ORVANE_API DbCatalog {
  public:
    struct Table {
        std::string fullName;  // schema + "." + name, each quoted where a query needs it
        std::vector<std::string> columns;
        std::string schema = {};  // as the catalogue reports them, unquoted
        std::string name = {};
    };
    struct Folder {
        std::string name;  // "System Tables", "Tables", "Views"
        std::vector<Table> tables;
    };

    // Reads the catalogue: the table list, then the columns of all tables in one query (one
    // query per table only where the source cannot answer that one). Throws when the table
    // list cannot be read. progress(n) is called after the columns of each table are read, n
    // counting them (the desktop lets window events run there).
    static DbCatalog Read(data::Connection& connection,
                          const std::function<void(std::size_t)>& progress = {});

    std::string dbmsName;
    std::vector<Folder> folders;
    // The folder of the user's own tables.
    const Folder& Tables() const { return folders.at(1); }

    // A table's name as the tree shows it and the load query sends it: the name, prefixed by
    // its schema and "." when it has one, each enclosed in the data source's quotes where it
    // is not plain.
    static std::string FullName(const std::string& tableName, const std::string& schema,
                                const data::NameQuoting& quoting);
    // Node keys of the tree format.
    static std::string TableKey(const std::string& fullName);
    static std::string ColumnKey(const std::string& fullName, const std::string& column);
    // "dsn (dbms)"
    static std::string RootText(const std::string& selectedDsn, const std::string& dbmsName);

    // A table's node as the tree holds it, ticked, without its folder: the columns selected()
    // accepts ticked, those key() accepts marked as keys.
    using ColumnTest = std::function<bool(const std::string& column)>;
    static std::unique_ptr<PlainTreeNode> TableNode(const Table& table, const ColumnTest& selected,
                                                    const ColumnTest& key);
};

}  // namespace orvane
