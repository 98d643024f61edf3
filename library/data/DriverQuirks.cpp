#include "data/DriverQuirks.h"

#include <sql.h>
#include <sqlext.h>

#include "core/KeyedCollection.h"
#include "data/DeclaredType.h"
#include "data/SqlTypeMap.h"

namespace orvane::data {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && KeysEqual(text.substr(0, prefix.size()), prefix);
}

bool IsDecimalType(int sqlType) { return sqlType == SQL_NUMERIC || sqlType == SQL_DECIMAL; }

bool IsCharacterType(int sqlType) {
    switch (sqlType) {
        case SQL_CHAR:
        case SQL_VARCHAR:
        case SQL_LONGVARCHAR:
        case SQL_WCHAR:
        case SQL_WVARCHAR:
        case SQL_WLONGVARCHAR:
            return true;
        default:
            return false;
    }
}

// PostgreSQL types whose length psqlODBC does not know unless one was declared; arrays
// ("_int4") are among them.
bool IsPostgresUnsizedText(std::string_view typeName) {
    for (std::string_view name : {"varchar", "bpchar", "text", "json", "jsonb", "xml"}) {
        if (KeysEqual(typeName, name)) return true;
    }
    return !typeName.empty() && typeName.front() == '_';
}

}  // namespace

DriverQuirks DriverQuirks::ForDbms(std::string_view dbmsName) {
    if (StartsWithNoCase(dbmsName, "SQLite")) return DriverQuirks(Driver::SQLite);
    if (StartsWithNoCase(dbmsName, "PostgreSQL")) return DriverQuirks(Driver::PostgreSQL);
    return DriverQuirks(Driver::Generic);
}

bool DriverQuirks::NeedsCatalogue(const DescribedColumn& column) const {
    switch (driver_) {
        case Driver::SQLite:
            return true;
        case Driver::PostgreSQL:
            return IsCharacterType(column.sqlType);
        case Driver::Generic:
            return column.nullable == SQL_NULLABLE_UNKNOWN;
    }
    return false;
}

ColumnMeta DriverQuirks::Describe(const DescribedColumn& column,
                                  const CatalogColumn* catalogue) const {
    // An alias can name another column of the base table; a catalogue row whose type is not the
    // one the result declares belongs to that other column.
    if (catalogue != nullptr && !column.typeName.empty() &&
        DeclaredType::Parse(column.typeName).sqlType !=
            DeclaredType::Parse(catalogue->typeName).sqlType) {
        catalogue = nullptr;
    }
    ColumnMeta meta;
    meta.name = column.name;
    meta.typeName = catalogue != nullptr && !catalogue->typeName.empty() ? catalogue->typeName
                                                                         : column.typeName;
    int sqlType = column.sqlType;
    std::int64_t size = column.columnSize;
    int digits = column.decimalDigits;
    if (DeclaredTypesWin()) {
        DeclaredType declared = DeclaredType::Parse(meta.typeName);
        if (declared.sqlType != 0) {
            // Arguments written in the declaration beat the driver's figures; without them the
            // driver's own figures stay (PostgreSQL reports them right).
            if (declared.length >= 0) {
                size = declared.length;
                digits = declared.scale >= 0 ? declared.scale : 0;
            } else if (IsDecimalType(declared.sqlType) && !IsDecimalType(sqlType)) {
                digits = 0;
            }
            sqlType = declared.sqlType;
        }
    }
    if (driver_ == Driver::SQLite && sqlType == SQL_REAL) sqlType = SQL_DOUBLE;
    if (driver_ == Driver::PostgreSQL && catalogue != nullptr && catalogue->noDeclaredLength &&
        IsCharacterType(sqlType) && IsPostgresUnsizedText(catalogue->typeName)) {
        const bool wide = sqlType == SQL_WCHAR || sqlType == SQL_WVARCHAR;
        sqlType = wide ? SQL_WLONGVARCHAR : SQL_LONGVARCHAR;
    }
    meta.type = AdoTypeFromSqlType(sqlType, column.isUnsigned);
    ShapeColumn(meta, size, digits);

    int nullable = column.nullable;
    bool resultNullabilityTrusted = driver_ != Driver::SQLite;
    if (catalogue != nullptr && catalogue->nullable != SQL_NULLABLE_UNKNOWN &&
        (!resultNullabilityTrusted || nullable == SQL_NULLABLE_UNKNOWN)) {
        nullable = catalogue->nullable;
    }
    meta.attributes = nullable == SQL_NO_NULLS ? 0 : adFldIsNullable;
    return meta;
}

std::string_view DriverQuirks::ExactTextCast(const DescribedColumn& column) const {
    if (driver_ != Driver::PostgreSQL) return {};
    if (KeysEqual(column.typeName, "money")) return "::numeric";
    switch (DeclaredType::Parse(column.typeName).sqlType) {
        case SQL_TYPE_DATE:
        case SQL_TYPE_TIMESTAMP:
            return "::text";
        default:
            return {};
    }
}

const char* DriverQuirks::TablesSchemaPattern() const {
    return driver_ == Driver::PostgreSQL ? "%" : nullptr;
}

// Both drivers answer SQLColumns for all tables slowly: SQLite's runs a schema scan per table
// (quadratic in the number of tables), psqlODBC's query costs seconds for 50 000 tables.
const char* DriverQuirks::AllColumnsQuery() const {
    switch (driver_) {
        case Driver::SQLite:
            return "select '' as \"TABLE_SCHEM\", m.name as \"TABLE_NAME\", p.name as "
                   "\"COLUMN_NAME\" from sqlite_master m join pragma_table_info(m.name) p "
                   "where m.type in ('table', 'view')";
        case Driver::PostgreSQL:
            return "select n.nspname as \"TABLE_SCHEM\", c.relname as \"TABLE_NAME\", "
                   "a.attname as \"COLUMN_NAME\" from pg_catalog.pg_attribute a "
                   "join pg_catalog.pg_class c on c.oid = a.attrelid "
                   "join pg_catalog.pg_namespace n on n.oid = c.relnamespace "
                   "where a.attnum > 0 and not a.attisdropped "
                   "and c.relkind in ('r', 'v', 'm', 'f', 'p') order by a.attrelid, a.attnum";
        case Driver::Generic:
            break;
    }
    return nullptr;
}

const char* DriverQuirks::TablesTypes() const {
    return driver_ == Driver::PostgreSQL ? "TABLE,VIEW,SYSTEM TABLE,MATVIEW,FOREIGN TABLE"
                                         : nullptr;
}

}  // namespace orvane::data
