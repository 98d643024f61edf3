#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/Connection.h"
#include "model/DbCatalog.h"
#include "model/ODBCTable.h"

namespace orvane::test {

// The SQLite sample data source of the test environment, loaded the way the desktop loads a
// table: through the catalogue's tree, with columns ticked and keys marked.
class SampleSource {
  public:
    SampleSource();

    const DbCatalog& Catalog() const { return catalog_; }
    data::Connection& Connection() { return *connection_; }

    // Loads a table by its full name with the given columns ticked (all when `all` is true)
    // and MaxRows rows, the columns named in keys marked as keys. The table is active during
    // the load.
    std::shared_ptr<ODBCTable> Load(const std::string& fullName,
                                    const std::vector<std::string>& columns, std::int16_t rows,
                                    bool all = false, const std::vector<std::string>& keys = {});

  private:
    std::shared_ptr<data::Connection> connection_;
    DbCatalog catalog_;
};

}  // namespace orvane::test
