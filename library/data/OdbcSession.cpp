#include "data/OdbcSession.h"

#include <algorithm>

namespace orvane::data {

namespace {

OdbcHandle MakeEnvironment() {
    OdbcHandle env(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
    env.Check(SQLSetEnvAttr(env.Get(), SQL_ATTR_ODBC_VERSION,
                            reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
              "Selecting ODBC 3 behaviour failed");
    return env;
}

}  // namespace

OdbcSession::OdbcSession() : env_(MakeEnvironment()), dbc_(SQL_HANDLE_DBC, env_.Get()) {}

OdbcSession::~OdbcSession() {
    if (connected_) SQLDisconnect(dbc_.Get());
}

void OdbcSession::Connect(const std::string& connectionString) {
    std::string text = connectionString;
    SQLSMALLINT outLength = 0;
    SQLRETURN rc = SQLDriverConnect(dbc_.Get(), nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
                                    SQL_NTS, nullptr, 0, &outLength, SQL_DRIVER_NOPROMPT);
    dbc_.Check(rc, "Opening the connection failed");
    Connected();
}

void OdbcSession::ConnectDataSource(const std::string& dsn, const std::string& uid,
                                    const std::string& pwd) {
    auto text = [](const std::string& s) {
        return reinterpret_cast<SQLCHAR*>(const_cast<char*>(s.c_str()));
    };
    auto length = [](const std::string& s) { return static_cast<SQLSMALLINT>(s.size()); };
    SQLRETURN rc = SQLConnect(dbc_.Get(), text(dsn), length(dsn), text(uid), length(uid), text(pwd),
                              length(pwd));
    dbc_.Check(rc, "Opening the connection failed");
    Connected();
}

void OdbcSession::Connected() {
    connected_ = true;
    dbmsName_ = InfoText(SQL_DBMS_NAME);
    patternEscape_ = InfoText(SQL_SEARCH_PATTERN_ESCAPE);
    identifierQuote_ = InfoText(SQL_IDENTIFIER_QUOTE_CHAR);
    quirks_ = DriverQuirks::ForDbms(dbmsName_);
    if (!quirks_.HonoursPatternEscape()) patternEscape_.clear();
}

std::string OdbcSession::InfoText(SQLUSMALLINT info) const {
    char buffer[512];
    SQLSMALLINT length = 0;
    SQLRETURN rc = SQLGetInfo(dbc_.Get(), info, buffer, sizeof buffer, &length);
    if (!SQL_SUCCEEDED(rc)) return {};
    return std::string(buffer,
                       std::min<std::size_t>(static_cast<std::size_t>(length), sizeof buffer - 1));
}

}  // namespace orvane::data
