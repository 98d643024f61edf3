#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/SqlDialects.h"

namespace orvane::gen {

// The command line of orvane-gen, parsed without touching anything outside.
class GenOptions {
  public:
    // A command line that cannot be understood; what() says why, for one line on stderr.
    class UsageError : public std::runtime_error {
      public:
        using std::runtime_error::runtime_error;
    };

    bool help = false;
    bool list = false;
    bool quiet = false;
    bool allTables = false;

    // Connection, as the connection dialog takes it.
    std::string dsn;
    std::string driver;
    std::string server;
    std::string database;
    std::string user;
    std::string password;

    std::vector<std::string> tables;   // in the order given
    std::vector<std::string> columns;  // empty: all
    std::vector<std::string> keys;
    std::int16_t rows = 10;
    bool aliasGiven = false;
    std::string alias;
    std::vector<int> screens;             // screen numbers in screen order, each once
    std::string outDir;                   // empty: standard output
    std::optional<SqlDialectId> dialect;  // none: the SQL screen's setting

    // True when a data source or a driver was named.
    bool HasConnection() const { return !dsn.empty() || !driver.empty(); }
    // True when each table is written into a folder of its own below outDir.
    bool Batch() const { return allTables || tables.size() > 1; }

    // Parses the arguments after the program name. Throws UsageError.
    static GenOptions Parse(const std::vector<std::string>& args);
    // The --help text.
    static std::string Usage();
};

}  // namespace orvane::gen
