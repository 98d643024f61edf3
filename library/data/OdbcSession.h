#pragma once

#include <string>

#include "data/DriverQuirks.h"
#include "data/OdbcHandle.h"

namespace orvane::data {

// One environment and one connection to a data source. Shared by a Connection and the record
// sets it made, so statements never outlive their connection; disconnects when the last goes.
class OdbcSession {
  public:
    OdbcSession();
    ~OdbcSession();
    OdbcSession(const OdbcSession&) = delete;
    OdbcSession& operator=(const OdbcSession&) = delete;

    // SQLDriverConnect without prompting; learns the DBMS name and the driver's quirks.
    void Connect(const std::string& connectionString);
    // SQLConnect: the user and password go to the driver as they are, never parsed.
    void ConnectDataSource(const std::string& dsn, const std::string& uid, const std::string& pwd);

    OdbcHandle NewStatement() const { return OdbcHandle(SQL_HANDLE_STMT, dbc_.Get()); }
    const std::string& DbmsName() const { return dbmsName_; }
    const DriverQuirks& Quirks() const { return quirks_; }
    // The escape for "_" and "%" in catalogue arguments; empty when the driver has none.
    const std::string& PatternEscape() const { return patternEscape_; }
    // The driver's quote character for names (SQL_IDENTIFIER_QUOTE_CHAR); " " when it has none.
    const std::string& IdentifierQuote() const { return identifierQuote_; }

  private:
    void Connected();
    std::string InfoText(SQLUSMALLINT info) const;

    OdbcHandle env_;
    OdbcHandle dbc_;
    bool connected_ = false;
    std::string dbmsName_;
    std::string patternEscape_;
    std::string identifierQuote_;
    DriverQuirks quirks_;
};

}  // namespace orvane::data
