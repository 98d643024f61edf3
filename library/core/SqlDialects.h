#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/Export.h"

namespace orvane {

// The databases the SQL screen can write its script for. Classic is the script the screen has
// always written; the others run as they are in that database's own shell.
enum class SqlDialectId { Classic, SQLite, PostgreSQL, MariaDB, SqlServer };

struct SqlDialectInfo {
    SqlDialectId id;
    std::string_view name;     // as settings files and the command line write it
    std::string_view caption;  // as the Options dialog shows it
};

// Every dialect, classic first.
inline constexpr SqlDialectInfo kSqlDialects[] = {
    {SqlDialectId::Classic, "classic", "Classic"},
    {SqlDialectId::SQLite, "sqlite", "SQLite"},
    {SqlDialectId::PostgreSQL, "postgresql", "PostgreSQL"},
    {SqlDialectId::MariaDB, "mariadb", "MariaDB"},
    {SqlDialectId::SqlServer, "sqlserver", "SQL Server"},
};

ORVANE_API const SqlDialectInfo& SqlDialectOf(SqlDialectId id);
// The dialect of a name, in any letter case; none for another text.
ORVANE_API std::optional<SqlDialectId> SqlDialectByName(std::string_view name);
// "classic, sqlite, postgresql, mariadb or sqlserver", for messages.
ORVANE_API std::string SqlDialectNames();

}  // namespace orvane
