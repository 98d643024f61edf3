#include "data/DriverQuirks.h"

#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <cctype>

#include "data/DeclaredType.h"
#include "data/SqlTypeMap.h"

namespace orvane::data {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

bool IsDecimalType(int sqlType) { return sqlType == SQL_NUMERIC || sqlType == SQL_DECIMAL; }

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
            return false;
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

const char* DriverQuirks::TablesSchemaPattern() const {
    return driver_ == Driver::PostgreSQL ? "%" : nullptr;
}

const char* DriverQuirks::TablesTypes() const {
    return driver_ == Driver::PostgreSQL ? "TABLE,VIEW,SYSTEM TABLE,MATVIEW,FOREIGN TABLE"
                                         : nullptr;
}

}  // namespace orvane::data
