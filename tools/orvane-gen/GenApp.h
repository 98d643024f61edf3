#pragma once

#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "GenOptions.h"
#include "model/DbCatalog.h"

namespace orvane {
class Config;
class PlainTreeNode;
namespace data {
class Connection;
}
}  // namespace orvane

namespace orvane::gen {

// orvane-gen: lists a data source or generates the outputs of its tables, with the checks
// and messages of the desktop's Generate. Texts go to out, messages and progress to err.
class GenApp {
  public:
    // A failure reported as one message and exit status 1.
    class Failure : public std::runtime_error {
      public:
        using std::runtime_error::runtime_error;
    };

    GenApp(std::ostream& out, std::ostream& err);

    // Returns the exit status: 0 done, 1 failure, 2 usage error.
    int Run(const std::vector<std::string>& args);

    // A table by its full name, exact or as --list prints it, else the one name that differs
    // only in letter case.
    static const DbCatalog::Table* FindTable(const DbCatalog& catalog, const std::string& name);
    // The table's node as the tree would hold it: chosen columns ticked, keys marked. A name
    // means the column of exactly that name, else the one that differs only in letter case.
    // Throws Failure naming a column the table does not have, and GenOptions::UsageError for
    // a name that differs only in letter case from several columns.
    static std::unique_ptr<PlainTreeNode> TableNode(const DbCatalog::Table& table,
                                                    const std::vector<std::string>& columns,
                                                    const std::vector<std::string>& keys);

  private:
    int Execute(const GenOptions& options);
    std::shared_ptr<data::Connection> Connect(const GenOptions& options, Config& config);
    void List(const DbCatalog& catalog, Config& config);
    void Generate(const GenOptions& options, const DbCatalog& catalog,
                  const std::shared_ptr<Config>& config);
    // Each table into a folder of its own, one line a table on err; 1 when any table failed.
    int GenerateEach(const GenOptions& options, const DbCatalog& catalog,
                     data::Connection& connection, const std::shared_ptr<Config>& config);
    // The screens of one table: into files in dir (returning their paths), or the one text to
    // out when dir is empty.
    std::vector<std::string> GenerateTable(const GenOptions& options, const DbCatalog::Table& table,
                                           const std::vector<std::string>& keys,
                                           const std::string& dir,
                                           const std::shared_ptr<Config>& config);
    void Progress(const std::string& message) const;

    std::ostream& out_;
    std::ostream& err_;
    bool quiet_ = false;
};

}  // namespace orvane::gen
