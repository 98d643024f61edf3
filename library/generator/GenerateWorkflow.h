#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/Export.h"
#include "generator/Generator.h"

namespace orvane {

class Config;
class ODBCTable;
class TreeNode;

// Why a Generate ends before any text: the message for the user and its message-box style
// (MessageStyle). An empty message: the library has already said why, or there is nothing to say.
struct GenerateStop {
    std::string message;
    int style = 0;
};

// The Generate command as both front ends run it: the connection check, the load of the chosen
// table (its tree node, its row count and its alias), the checks on what was loaded, and each
// screen's text.
//
// Threading: the template parameters and the host callbacks are process-wide, so one generation
// runs at a time in a process, on the thread that installed the host callbacks.
class ORVANE_API GenerateWorkflow {
  public:
    GenerateWorkflow();

    void SetConfig(std::shared_ptr<Config> config);
    // Progress for the status line: the load's row counts and the routines' messages.
    void SetNotify(const std::function<void(const std::string&)>& notify);

    bool IsActive() const;
    // Start lets the load and the routines run; Stop makes their loops end at their next test,
    // also when it is called from the event pump while they run.
    void Start();
    void Stop();

    std::int16_t MaxRows() const;
    void SetMaxRows(std::int16_t rows);

    // NoDataSource() unless a connection is open.
    std::optional<GenerateStop> CheckConnection() const;
    // Loads the node's table and first MaxRows rows through the open connection, then checks
    // that a table and a key were chosen. A node that is not there or a failed load stop with
    // no message (a failing data source has shown its own). alias: the table's alias; none
    // gives the one MakeAlias proposes.
    std::optional<GenerateStop> Load(const TreeNode* node, const std::optional<std::string>& alias);
    // The text of a screen of the loaded table; "" for a disabled screen. Throws what the
    // screen's routine throws.
    std::string Generate(int screen);

    // The stops, for a front end that finds their cause before it asks the library.
    static GenerateStop NoDataSource();
    static GenerateStop NoTable();
    static GenerateStop NoKey(const std::string& tableName);

    Generator& TheGenerator() { return generator_; }
    const Generator& TheGenerator() const { return generator_; }
    const ODBCTable& Table() const { return *table_; }

  private:
    Generator generator_;
    std::shared_ptr<ODBCTable> table_;
};

}  // namespace orvane
