#include "generator/MakeAlias.h"

#include <algorithm>

#include "generator/Generator.h"
#include "settings/Config.h"

namespace orvane {

std::string StripTableName(const std::string& tableName) {
    const std::size_t dot = tableName.find('.');
    std::string name = dot == std::string::npos ? tableName : tableName.substr(dot + 1);
    std::erase_if(name, [](char c) { return c == '[' || c == ']' || c == '"' || c == '`'; });
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

std::string MakeAlias(const std::string& tableName, const Generator& generator) {
    return generator.FixFieldName(StripTableName(tableName), SQL_CODE);
}

}  // namespace orvane
