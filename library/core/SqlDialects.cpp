#include "core/SqlDialects.h"

#include <iterator>

#include "core/KeyedCollection.h"

namespace orvane {

const SqlDialectInfo& SqlDialectOf(SqlDialectId id) {
    for (const SqlDialectInfo& info : kSqlDialects) {
        if (info.id == id) return info;
    }
    return kSqlDialects[0];
}

std::optional<SqlDialectId> SqlDialectByName(std::string_view name) {
    for (const SqlDialectInfo& info : kSqlDialects) {
        if (KeysEqual(name, info.name)) return info.id;
    }
    return std::nullopt;
}

std::string SqlDialectNames() {
    std::string names;
    const std::size_t count = std::size(kSqlDialects);
    for (std::size_t i = 0; i < count; ++i) {
        if (i != 0) names += i + 1 == count ? " or " : ", ";
        names += kSqlDialects[i].name;
    }
    return names;
}

}  // namespace orvane
