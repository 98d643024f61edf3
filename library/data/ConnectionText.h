#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane::data {

// An attribute value as a connection string holds it: braced by the ODBC rule ("{" + value +
// "}", every "}" doubled) when it holds ";", "{" or "}" or starts or ends with a blank, so it
// can never end its attribute or start another; else as it is.
std::string ConnectionValue(std::string_view value);

struct ConnectionAttribute {
    std::string key;
    std::string value;
};

// The attributes of a connection text: pairs split at ";" outside braces, keys trimmed, braced
// values unbraced ("}}" is one "}"), empty pairs and a leading "PROVIDER=MSDASQL" (any letter
// case) dropped.
std::vector<ConnectionAttribute> ParseConnectionText(std::string_view text);

// The ODBC connection string of a connection text: its attributes joined by ";", each value
// written by ConnectionValue, the user and password after all others. Drivers that read no
// braces take the first occurrence of a key, so a value they split cannot override the data
// source, driver or database.
std::string NormalizeConnectionText(std::string_view text);

}  // namespace orvane::data
