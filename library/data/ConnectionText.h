#pragma once

#include <string>
#include <string_view>

namespace orvane::data {

// Turns a connection text for the OLE DB provider into an ODBC connection string: a leading
// "PROVIDER=MSDASQL;" (any letter case) is dropped, blanks before each key are trimmed, empty
// pairs are dropped, and every value stays exactly as typed (braced values may hold ";").
std::string NormalizeConnectionText(std::string_view text);

}  // namespace orvane::data
