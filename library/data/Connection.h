#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Export.h"
#include "data/RecordSet.h"
#include "data/SqlNames.h"

namespace orvane::data {

// A data source as SQLDataSources reports it.
struct DataSourceInfo {
    std::string name;
    std::string driver;
};

// Lists the user and system data sources of the driver manager (empty when there is no
// ODBC environment).
ORVANE_API std::vector<DataSourceInfo> ListDataSources();

// An open ODBC connection. Every handle is owned by an RAII object; failures throw OdbcError
// carrying the driver's diagnostic text.
class ORVANE_API Connection {
  public:
    class Impl;
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens with a connection text. A leading "PROVIDER=MSDASQL;" is dropped; the blanks the
    // connection dialog puts before keys are trimmed; values are passed as typed.
    void Open(const std::string& connectionText);
    bool IsOpen() const;
    void Close();

    // The "DBMS Name" of the data source.
    std::string DbmsName() const;
    // How the data source encloses names in queries.
    NameQuoting Quoting() const;
    // The connection text as it was given to Open.
    const std::string& ConnectionString() const;

    // Runs a statement and returns its forward-only record set, positioned on the first record.
    std::unique_ptr<RecordSet> Execute(const std::string& statement);

    // One row per table: TABLE_NAME, TABLE_SCHEMA, TABLE_TYPE ("SYSTEM TABLE", "TABLE", "VIEW",
    // ...), across every schema the user can see.
    std::unique_ptr<RecordSet> OpenSchemaTables();
    // One row per column of one table, with COLUMN_NAME, in the data source's column order.
    std::unique_ptr<RecordSet> OpenSchemaColumns(const std::string& catalog,
                                                 const std::string& schema,
                                                 const std::string& table);
    // One row per column of every table and view, with TABLE_SCHEMA, TABLE_NAME and
    // COLUMN_NAME, each table's columns together and in order: the whole catalogue in one query.
    std::unique_ptr<RecordSet> OpenSchemaAllColumns();
    // The primary-key columns of one table (exact names, not patterns), in key order; empty
    // for a table the catalogue reports no key for.
    std::vector<std::string> PrimaryKeyColumns(const std::string& schema, const std::string& table);

  private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace orvane::data
