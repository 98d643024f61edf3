#pragma once

#include <string>
#include <string_view>

namespace orvane::test {

// Values of the test environment that CTest hands every test.
std::string EnvOr(const char* name, const std::string& fallback);
// The folder the test environment lives in (odbc.ini, sample database, settings).
std::string TestEnvDir();
// The loopback port of a server of the test environment ("pg", "mariadb").
std::string ServerPort(const std::string& server);
// A fresh, empty folder below the system's temporary folder, removed by the caller.
std::string MakeTempDir(const std::string& prefix);
// Bytes outside printable ASCII as \xNN, so a transcript line shows every byte.
std::string Shown(std::string_view bytes);
// ASCII text as UTF-16LE bytes (no byte order mark).
std::string Utf16(std::string_view ascii);

}  // namespace orvane::test
