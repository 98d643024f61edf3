#pragma once

#include <memory>
#include <string>

#include "data/Connection.h"

namespace orvane {

// Holds the open connection and the connection texts the connection dialog composes.
class ConnectionManager {
  public:
    std::string sADOConnect;     // for the VB6 and VB.NET classes (and our own data access)
    std::string sJavaConnect;    // for the Java bean
    std::string sCSharpConnect;  // for the C# class
    std::string sSelectedDSN;    // the data source the user connected to
    std::shared_ptr<data::Connection> dbconn;

    const std::string& SelectedDsn() const { return sSelectedDSN; }
    void SetSelectedDsn(std::string dsn) { sSelectedDSN = std::move(dsn); }
    const std::string& ADOConnect() const { return sADOConnect; }
    void SetADOConnect(std::string text) { sADOConnect = std::move(text); }
};

}  // namespace orvane
