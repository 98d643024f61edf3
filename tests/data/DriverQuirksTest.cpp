#include <gtest/gtest.h>
#include <sql.h>
#include <sqlext.h>

#include <optional>

#include "data/DeclaredType.h"
#include "data/DriverQuirks.h"
#include "data/SqlTypeMap.h"

namespace orvane::data {
namespace {

using Driver = DriverQuirks::Driver;
constexpr int kNullable = adFldIsNullable;

// The figures SQLDescribeCol and SQLColAttribute give for a column.
struct Report {
    const char* name;
    int sqlType;
    std::int64_t columnSize;
    int decimalDigits;
    int nullable;
    bool isUnsigned;
    const char* typeName;

    DescribedColumn Column() const {
        DescribedColumn column;
        column.name = name;
        column.sqlType = sqlType;
        column.columnSize = columnSize;
        column.decimalDigits = decimalDigits;
        column.nullable = nullable;
        column.isUnsigned = isUnsigned;
        column.typeName = typeName;
        return column;
    }
};

TEST(DeclaredType, ParsesNamesAndArguments) {
    struct Case {
        const char* text;
        int sqlType, length, scale;
    };
    const Case cases[] = {
        {"NUMERIC(10,2)", SQL_NUMERIC, 10, 2},
        {"decimal( 8 , 2 )", SQL_DECIMAL, 8, 2},
        {"CHAR(3)", SQL_CHAR, 3, -1},
        {"character varying(30)", SQL_VARCHAR, 30, -1},
        {"  Double   Precision ", SQL_DOUBLE, -1, -1},
        {"timestamp without time zone", SQL_TYPE_TIMESTAMP, -1, -1},
        {"DATETIME", SQL_TYPE_TIMESTAMP, -1, -1},
        {"float8", SQL_DOUBLE, -1, -1},
        {"bool", SQL_BIT, -1, -1},
        {"money", SQL_DECIMAL, 19, 2},
        {"BLOB", SQL_LONGVARBINARY, -1, -1},
        {"TEXT", SQL_LONGVARCHAR, -1, -1},
        {"int2", SQL_SMALLINT, -1, -1},
        {"VARCHAR(abc)", SQL_VARCHAR, -1, -1},
        {"VARCHAR(40", SQL_VARCHAR, -1, -1},
        {"STRING", 0, -1, -1},
        {"", 0, -1, -1},
        {"geometry(Point,4326)", 0, -1, -1},
    };
    for (const Case& c : cases) {
        DeclaredType type = DeclaredType::Parse(c.text);
        EXPECT_EQ(type.sqlType, c.sqlType) << c.text;
        EXPECT_EQ(type.length, c.length) << c.text;
        EXPECT_EQ(type.scale, c.scale) << c.text;
    }
}

TEST(DriverQuirks, RecognisesDriversByDbmsName) {
    EXPECT_EQ(DriverQuirks::ForDbms("SQLite").Kind(), Driver::SQLite);
    EXPECT_EQ(DriverQuirks::ForDbms("PostgreSQL").Kind(), Driver::PostgreSQL);
    EXPECT_EQ(DriverQuirks::ForDbms("postgresql 15").Kind(), Driver::PostgreSQL);
    EXPECT_EQ(DriverQuirks::ForDbms("Microsoft SQL Server").Kind(), Driver::Generic);
    EXPECT_EQ(DriverQuirks::ForDbms("").Kind(), Driver::Generic);
}

// Reports as measured from sqlite3odbc 0.9998 and psqlODBC 13.02, and what they must become.
TEST(DriverQuirks, CorrectsMeasuredReports) {
    struct Shape {
        int type, size, precision, scale, attributes;
    };
    struct Case {
        const char* label;
        Driver driver;
        Report reported;
        std::optional<CatalogColumn> catalogue;
        Shape expected;
    };
    const auto none = std::nullopt;
    const int kLong = kLongColumnSize;
    // clang-format off
    const Case cases[] = {
        {"SQLite NUMERIC(10,2) NOT NULL", Driver::SQLite,
         {"UnitPrice", SQL_DOUBLE, 10, 0, SQL_NULLABLE, true, "NUMERIC"},
         CatalogColumn{"UnitPrice", "NUMERIC(10,2)", SQL_NO_NULLS}, {131, 10, 10, 2, 0}},
        {"SQLite DECIMAL(8,2)", Driver::SQLite,
         {"Freight", SQL_VARCHAR, 8, 0, SQL_NULLABLE, true, "DECIMAL"},
         CatalogColumn{"Freight", "DECIMAL(8,2)", SQL_NO_NULLS}, {131, 8, 8, 2, 0}},
        {"SQLite CHAR(2)", Driver::SQLite,
         {"CountryCode", SQL_VARCHAR, 2, 0, SQL_NULLABLE, true, "CHAR"},
         CatalogColumn{"CountryCode", "CHAR(2)", SQL_NO_NULLS}, {129, 2, 0, 0, 0}},
        {"SQLite VARCHAR(30) nullable", Driver::SQLite,
         {"ContactName", SQL_VARCHAR, 30, 0, SQL_NULLABLE, true, "VARCHAR"},
         CatalogColumn{"ContactName", "VARCHAR(30)", SQL_NULLABLE}, {200, 30, 0, 0, kNullable}},
        {"SQLite BLOB", Driver::SQLite,
         {"Picture", SQL_BINARY, 255, 0, SQL_NULLABLE, true, "BLOB"},
         CatalogColumn{"Picture", "BLOB", SQL_NULLABLE}, {205, kLong, 0, 0, kNullable}},
        {"SQLite TEXT", Driver::SQLite,
         {"Notes", SQL_LONGVARCHAR, 65536, 0, SQL_NULLABLE, true, "TEXT"},
         CatalogColumn{"Notes", "TEXT", SQL_NULLABLE}, {201, kLong, 0, 0, kNullable}},
        {"SQLite REAL", Driver::SQLite,
         {"Rating", SQL_DOUBLE, 54, 0, SQL_NULLABLE, true, "REAL"},
         CatalogColumn{"Rating", "REAL", SQL_NULLABLE}, {5, 8, 15, 0, kNullable}},
        {"SQLite SMALLINT NOT NULL", Driver::SQLite,
         {"Quantity", SQL_SMALLINT, 6, 0, SQL_NULLABLE, false, "SMALLINT"},
         CatalogColumn{"Quantity", "SMALLINT", SQL_NO_NULLS}, {2, 2, 5, 0, 0}},
        {"SQLite TIMESTAMP", Driver::SQLite,
         {"CreatedAt", SQL_TYPE_TIMESTAMP, 32, 0, SQL_NULLABLE, true, "TIMESTAMP"},
         CatalogColumn{"CreatedAt", "TIMESTAMP", SQL_NO_NULLS}, {135, 19, 19, 0, 0}},
        {"SQLite BOOLEAN", Driver::SQLite,
         {"IsActive", SQL_BIT, 1, 0, SQL_NULLABLE, true, "BOOLEAN"},
         CatalogColumn{"IsActive", "BOOLEAN", SQL_NO_NULLS}, {11, 1, 1, 0, 0}},
        {"SQLite NUMERIC without catalogue", Driver::SQLite,
         {"Price", SQL_DOUBLE, 10, 0, SQL_NULLABLE, true, "NUMERIC"},
         none, {131, 10, 10, 0, kNullable}},
        {"SQLite alias named like another column", Driver::SQLite,
         {"Sku", SQL_VARCHAR, 40, 0, SQL_NULLABLE, true, "VARCHAR"},
         CatalogColumn{"Sku", "CHAR(8)", SQL_NO_NULLS}, {200, 40, 0, 0, kNullable}},
        {"SQLite computed column", Driver::SQLite,
         {"Total", SQL_DOUBLE, 54, 0, SQL_NULLABLE, true, "double"},
         none, {5, 8, 15, 0, kNullable}},
        {"SQLite undeclared type keeps the driver's", Driver::SQLite,
         {"Thing", SQL_VARCHAR, 255, 0, SQL_NULLABLE, true, ""},
         CatalogColumn{"Thing", "", SQL_NULLABLE}, {200, 255, 0, 0, kNullable}},
        {"PostgreSQL double precision", Driver::PostgreSQL,
         {"WeightKg", SQL_FLOAT, 17, 0, SQL_NULLABLE, false, "float8"},
         none, {5, 8, 15, 0, kNullable}},
        {"PostgreSQL boolean as char", Driver::PostgreSQL,
         {"IsActive", SQL_VARCHAR, 5, 0, SQL_NO_NULLS, true, "bool"},
         none, {11, 1, 1, 0, 0}},
        {"PostgreSQL numeric(10,2)", Driver::PostgreSQL,
         {"UnitPrice", SQL_NUMERIC, 10, 2, SQL_NO_NULLS, false, "numeric"},
         none, {131, 10, 10, 2, 0}},
        {"PostgreSQL text", Driver::PostgreSQL,
         {"Notes", SQL_LONGVARCHAR, 8190, 0, SQL_NULLABLE, true, "text"},
         none, {201, kLong, 0, 0, kNullable}},
        {"PostgreSQL varchar without length", Driver::PostgreSQL,
         {"Note", SQL_VARCHAR, 255, 0, SQL_NULLABLE, true, "varchar"},
         CatalogColumn{"Note", "varchar", SQL_NULLABLE, true}, {201, kLong, 0, 0, kNullable}},
        {"PostgreSQL json", Driver::PostgreSQL,
         {"Doc", SQL_VARCHAR, 255, 0, SQL_NULLABLE, true, "unknown"},
         CatalogColumn{"Doc", "json", SQL_NULLABLE, true}, {201, kLong, 0, 0, kNullable}},
        {"PostgreSQL varchar(255)", Driver::PostgreSQL,
         {"Name", SQL_VARCHAR, 255, 0, SQL_NULLABLE, true, "varchar"},
         CatalogColumn{"Name", "varchar", SQL_NULLABLE}, {200, 255, 0, 0, kNullable}},
        {"PostgreSQL name keeps its size", Driver::PostgreSQL,
         {"Owner", SQL_VARCHAR, 63, 0, SQL_NULLABLE, true, "name"},
         CatalogColumn{"Owner", "name", SQL_NULLABLE, true}, {200, 63, 0, 0, kNullable}},
        {"PostgreSQL money", Driver::PostgreSQL,
         {"Cost", SQL_FLOAT, 10, 0, SQL_NULLABLE, false, "money"},
         none, {131, 19, 19, 2, kNullable}},
        {"PostgreSQL char(8)", Driver::PostgreSQL,
         {"Sku", SQL_CHAR, 8, 0, SQL_NO_NULLS, true, "char"},
         none, {129, 8, 0, 0, 0}},
        {"PostgreSQL timestamp", Driver::PostgreSQL,
         {"ShippedAt", SQL_TYPE_TIMESTAMP, 26, 6, SQL_NULLABLE, true, "timestamp without time zone"},
         none, {135, 19, 19, 0, kNullable}},
        {"Generic trusts the driver's type", Driver::Generic,
         {"RowVer", SQL_BINARY, 8, 0, SQL_NO_NULLS, false, "timestamp"},
         none, {128, 8, 0, 0, 0}},
        {"Generic unknown nullability from the catalogue", Driver::Generic,
         {"Id", SQL_INTEGER, 10, 0, SQL_NULLABLE_UNKNOWN, false, "int"},
         CatalogColumn{"Id", "int", SQL_NO_NULLS}, {3, 4, 10, 0, 0}},
        {"Generic known nullability stays", Driver::Generic,
         {"Id", SQL_INTEGER, 10, 0, SQL_NULLABLE, false, "int"},
         CatalogColumn{"Id", "int", SQL_NO_NULLS}, {3, 4, 10, 0, kNullable}},
        {"Generic unknown nullability without catalogue", Driver::Generic,
         {"Id", SQL_INTEGER, 10, 0, SQL_NULLABLE_UNKNOWN, false, "int"},
         none, {3, 4, 10, 0, kNullable}},
        {"Unsigned tinyint", Driver::Generic,
         {"Flags", SQL_TINYINT, 3, 0, SQL_NULLABLE, true, "tinyint unsigned"},
         none, {17, 1, 3, 0, kNullable}},
    };
    // clang-format on
    for (const Case& c : cases) {
        DriverQuirks quirks(c.driver);
        ColumnMeta meta =
            quirks.Describe(c.reported.Column(), c.catalogue ? &*c.catalogue : nullptr);
        EXPECT_EQ(meta.name, c.reported.name) << c.label;
        EXPECT_EQ(meta.type, c.expected.type) << c.label;
        EXPECT_EQ(meta.definedSize, c.expected.size) << c.label;
        EXPECT_EQ(meta.precision, c.expected.precision) << c.label;
        EXPECT_EQ(meta.numericScale, c.expected.scale) << c.label;
        EXPECT_EQ(meta.attributes, c.expected.attributes) << c.label;
    }
}

TEST(DriverQuirks, AsksForTheCatalogueOnlyWhereItHelps) {
    DescribedColumn known = Report{"Id", SQL_INTEGER, 10, 0, SQL_NO_NULLS, false, "int"}.Column();
    DescribedColumn unknown =
        Report{"Id", SQL_INTEGER, 10, 0, SQL_NULLABLE_UNKNOWN, false, "int"}.Column();
    EXPECT_TRUE(DriverQuirks(Driver::SQLite).NeedsCatalogue(known));
    EXPECT_FALSE(DriverQuirks(Driver::PostgreSQL).NeedsCatalogue(unknown));
    // Only its catalogue tells a text column without a declared length.
    EXPECT_TRUE(DriverQuirks(Driver::PostgreSQL)
                    .NeedsCatalogue(Report{"s", SQL_VARCHAR, 255, 0, 1, true, "varchar"}.Column()));
    EXPECT_FALSE(DriverQuirks(Driver::Generic).NeedsCatalogue(known));
    EXPECT_TRUE(DriverQuirks(Driver::Generic).NeedsCatalogue(unknown));
    EXPECT_FALSE(DriverQuirks(Driver::SQLite).HonoursPatternEscape());
    EXPECT_TRUE(DriverQuirks(Driver::PostgreSQL).HonoursPatternEscape());
}

// Casts only where psqlODBC's own text of a value is not exact.
TEST(DriverQuirks, CastsDatesAndMoneyOnPostgresOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"date", "::text"},
        {"timestamp without time zone", "::text"},
        {"timestamptz", "::text"},
        {"money", "::numeric"},
        {"time", ""},
        {"numeric", ""},
        {"text", ""},
    };
    for (const auto& [typeName, cast] : cases) {
        DescribedColumn column = Report{"c", SQL_VARCHAR, 10, 0, 1, false, typeName}.Column();
        EXPECT_EQ(DriverQuirks(Driver::PostgreSQL).ExactTextCast(column), cast) << typeName;
        EXPECT_EQ(DriverQuirks(Driver::SQLite).ExactTextCast(column), "") << typeName;
    }
}

}  // namespace
}  // namespace orvane::data
