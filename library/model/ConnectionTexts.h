#pragma once

#include <string>

#include "core/Export.h"

namespace orvane {

class ConnectionManager;

// What the user typed in the connection dialog (or on orvane-gen's command line).
struct ConnectionInput {
    std::string dsn;  // empty or "(None)": no data source, use driver/server
    std::string uid;
    std::string pwd;
    std::string database;
    std::string driver;
    std::string server;
};

// Composes the data-access, Java and C# connection texts and the selected data source name,
// exactly as the connection dialog's OK does, into the manager. Without a data source name the
// Java address is "jdbc:odbc:Driver=...;Server=...", so the Java class always compiles.
class ORVANE_API ConnectionTexts {
  public:
    static void Compose(const ConnectionInput& input, ConnectionManager& manager);
    // The dialog's Cancel: the data-access and Java texts become empty.
    static void Cancel(ConnectionManager& manager);
};

}  // namespace orvane
