#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/ColumnMeta.h"

namespace orvane::data {

// What the driver reports about one result column (SQLDescribeCol and SQLColAttribute).
struct DescribedColumn {
    std::string name;
    int sqlType = 0;
    std::int64_t columnSize = 0;
    int decimalDigits = 0;
    int nullable = 2;  // SQL_NULLABLE_UNKNOWN
    bool isUnsigned = false;
    std::string typeName;
    std::string baseColumn;
    std::string baseTable;
    std::string baseSchema;
    std::string baseCatalog;
};

// What the catalogue (SQLColumns) says about the same column of its base table.
struct CatalogColumn {
    std::string name;
    std::string typeName;
    int nullable = 2;  // SQL_NULLABLE_UNKNOWN
    // PostgreSQL (its TYPMOD field): the column was declared without a length.
    bool noDeclaredLength = false;
};

// Everything the layer knows about drivers that report poor metadata, in one place.
//  - SQLite (sqlite3odbc): result types follow the type's first word only (NUMERIC(10,2) is
//    DOUBLE, DECIMAL(10,2) and CHAR(3) are VARCHAR, BLOB is BINARY of 255, TEXT is LONGVARCHAR
//    of 65536), the scale is lost, SQLDescribeCol says "nullable" for every column, and the
//    catalogue's size fields are shifted. Its catalogue TYPE_NAME is the declaration as written
//    ("NUMERIC(10,2)") and its NULLABLE is right, so both come from there. REAL is an 8-byte
//    double there. It accepts no pattern escape in catalogue calls although it names one.
//  - PostgreSQL (psqlODBC): double precision is FLOAT, boolean is VARCHAR(5) unless
//    BoolsAsChar=0, text is LONGVARCHAR of MaxLongVarcharSize, and text without a declared
//    length (varchar, json, xml, arrays) is VARCHAR of MaxVarcharSize (255): no real limit,
//    which only the catalogue's TYPMOD tells. money is FLOAT. Its text of a date drops the era
//    and turns infinities into made-up dates, and money comes formatted for the locale, so those
//    columns are read through casts on the server. Result sizes and nullability are right. Its
//    table list needs the schema pattern "%" and explicit table types to show system tables of
//    every schema.
class DriverQuirks {
  public:
    enum class Driver { Generic, SQLite, PostgreSQL };

    explicit DriverQuirks(Driver driver = Driver::Generic) : driver_(driver) {}
    // Recognises the driver from SQL_DBMS_NAME.
    static DriverQuirks ForDbms(std::string_view dbmsName);

    Driver Kind() const { return driver_; }

    // Whether Describe needs the catalogue row of the column's base table.
    bool NeedsCatalogue(const DescribedColumn& column) const;
    // The corrected metadata of a result column; `catalogue` may be null.
    ColumnMeta Describe(const DescribedColumn& column, const CatalogColumn* catalogue) const;
    // The cast ("::text") a select list puts after the column so that the server sends its
    // value as exact text the driver passes on unchanged; empty when the driver's own text is
    // exact.
    std::string_view ExactTextCast(const DescribedColumn& column) const;
    bool CastsForExactText() const { return driver_ == Driver::PostgreSQL; }

    // SQLTables arguments that list every table, view and system table; null means NULL.
    const char* TablesSchemaPattern() const;
    const char* TablesTypes() const;
    // A query of the system catalogue that lists the columns of every table and view at once
    // (TABLE_SCHEM, TABLE_NAME, COLUMN_NAME, each table's columns in order); null where
    // SQLColumns with patterns does that well enough.
    const char* AllColumnsQuery() const;
    // Whether catalogue calls honour the driver's search-pattern escape.
    bool HonoursPatternEscape() const { return driver_ != Driver::SQLite; }

  private:
    bool DeclaredTypesWin() const { return driver_ != Driver::Generic; }

    Driver driver_;
};

}  // namespace orvane::data
