#pragma once

#include <string>

namespace orvane::test {

// Values of the test environment that CTest hands every test.
std::string EnvOr(const char* name, const std::string& fallback);
// The folder the test environment lives in (odbc.ini, sample database, settings).
std::string TestEnvDir();
// The loopback port of a server of the test environment ("pg", "mariadb").
std::string ServerPort(const std::string& server);
// A fresh, empty folder below the system's temporary folder, removed by the caller.
std::string MakeTempDir(const std::string& prefix);

}  // namespace orvane::test
