// The data layer's text and type rules over their edge cases; each golden file lists every
// input with what the rule made of it.
#include <gtest/gtest.h>
#include <sql.h>
#include <sqlext.h>

#include <functional>
#include <limits>
#include <optional>
#include <sstream>
#include <vector>

#include "Golden.h"
#include "TestSupport.h"
#include "data/ConnectionText.h"
#include "data/DeclaredType.h"
#include "data/DriverQuirks.h"
#include "data/SqlNames.h"
#include "data/SqlTypeMap.h"
#include "data/ValueText.h"

namespace orvane::data {
namespace {

using Rule = std::function<std::string(const std::string&)>;
using test::Shown;

void Apply(std::ostream& out, const char* title, const Rule& rule,
           std::initializer_list<std::string> inputs) {
    out << "== " << title << "\n";
    for (const std::string& input : inputs)
        out << "[" << Shown(input) << "] => [" << Shown(rule(input)) << "]\n";
}

// A normalizer that writes into a stale buffer, as the record set reuses one.
Rule Into(std::function<void(std::string_view, std::string&)> normalize) {
    return [normalize](const std::string& text) {
        std::string out = "stale";
        normalize(text, out);
        return out;
    };
}

TEST(DataRules, ValueTexts) {
    std::ostringstream out;
    Apply(out, "date and time", Into(valuetext::NormalizeDateTime),
          {"2023-07-04", "2023-07-16 00:00:00", "2023-07-16 00:00:00.000", "2023-07-10 16:45:12",
           "2023-07-10T16:45:12.250+02", "2023-07-10 16:45", "2023-07-16 00:00", " 2024-02-29 ",
           "2460000.5", "tomorrow", "", "4713-01-01 00:00:00 BC", "0044-03-15 12:00:00+00 BC",
           "0044-03-15 BC", "-infinity", "2023-07-16 00:00:00.000001", "2023-07-16 00:00:00."});
    Apply(out, "time", Into(valuetext::NormalizeTime),
          {"09:30:00", "23:59:59.999999", "07:05", "2024-01-01 10:11:12", "noon"});
    Apply(out, "boolean", Into(valuetext::NormalizeBoolean),
          {"1", "-1", "t", "TRUE", "yes", "on", "0", "f", "False", "no", "off", "maybe"});
    Apply(out, "decimal, scale 2",
          Into([](std::string_view t, std::string& o) { valuetext::NormalizeDecimal(t, 2, o); }),
          {"1000.1", "14", "-125.75", " 12,5 ", "0.125", "1e-3", "abc", "1,234.5", "NaN",
           "Infinity", "+Infinity", "-Infinity", "-", "."});
    Apply(out, "decimal, scale 0",
          Into([](std::string_view t, std::string& o) { valuetext::NormalizeDecimal(t, 0, o); }),
          {"32.38", "7"});
    Apply(out, "base64 of hex bytes", Into([](std::string_view hex, std::string& o) {
              std::string bytes;
              for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
                  bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
              valuetext::Base64(bytes, o);
          }),
          {"", "66", "666f", "666f6f", "666f6f626172", "89504e470d0a1a0a", "00ff7f80", "e6"});
    out << "== doubles and floats\n";
    // clang-format off
    const double doubles[] = {12.5, 0.1, 266.0, -0.25, 1e20, 123456789.125, 0.0, 1.0 / 3, 0.15f, 3.4e38f,
                              std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN()};
    // clang-format on
    for (double value : doubles) {
        std::string asDouble = "stale", asFloat = "stale";
        valuetext::FormatDouble(value, asDouble);
        valuetext::FormatFloat(static_cast<float>(value), asFloat);
        out << asDouble << " " << asFloat << "\n";
    }
    test::expectGolden("value-texts.txt", out.str());
}

TEST(DataRules, ConnectionTextsAndTableNamesOfSelects) {
    std::ostringstream out;
    Apply(out, "connection text", NormalizeConnectionText,
          {"PROVIDER=MSDASQL;UID=;PWD=;DSN=OrvaneSample;",
           "PROVIDER=MSDASQL;UID=u;PWD=p; Driver=SQLite3; Server=; Database=/path/x.db;",
           "provider=msdasql;DSN=x", "Provider = MSDASQL ;DSN=x", "DSN=x;PWD= secret with blanks ",
           "PWD={a}}b;Database=c};DSN=x", "DSN=x;;;UID=y", "DSN=x;PROVIDER=MSDASQL",
           "PROVIDER=SQLOLEDB;DSN=x", "DSN=x;Flag;PWD={p}junk;", ""});
    Apply(out, "table of a simple select (catalog|schema|table)",
          [](const std::string& statement) {
              const std::optional<QualifiedName> name = TableOfSimpleSelect(statement);
              return name ? name->catalog + "|" + name->schema + "|" + name->table : "none";
          },
          // clang-format off
          {"select * from Customers", "SELECT * FROM [Order Details]", "select * from \"x y\"",
           "select * from `Price$History`", "select * from Price$History", "select * from dbo.Orders",
           "select * from archive.\"OldOrders\";", "  select  *  from  db.[my schema].[a b]  ",
           "select * from \"a]b\"", "select * from [a]]b]", "select * from a--b", "select * from a#b",
           "select * from t; drop table victim", "select * from \"x\"; DROP TABLE victim; --\"",
           "select * from \"say \"\"hi\"\"\"", "select * from a.b.c.d", "select OrderID from Orders",
           "select * from Orders where OrderID = 1", "select * from Orders o join Customers c on 1=1",
           "select * from (select 1)", "select * from [unterminated", "select * from", "delete from Orders"});
    // clang-format on
    test::expectGolden("connection-and-select-texts.txt", out.str());
}

// Every ODBC type a driver may report (and some it may not) with the ADO code it reads as, then
// every ADO code with its size/precision/scale for a few driver sizes, including none, too large
// and a scale above the precision. Each probe starts from a stale precision and scale.
TEST(DataRules, EveryOdbcTypeAndEveryShape) {
    // Every code the ODBC headers define lies in -11..12 or 91..93.
    std::vector<int> sqlTypes = {91, 92, 93, -150, 12345};
    for (int code = -11; code <= 12; ++code) sqlTypes.push_back(code);
    std::ostringstream out;
    out << "ODBC type code: ADO code signed, unsigned\n";
    for (int sqlType : sqlTypes)
        out << sqlType << ": " << AdoTypeFromSqlType(sqlType, false) << ", "
            << AdoTypeFromSqlType(sqlType, true) << "\n";
    const std::pair<std::int64_t, int> probes[] = {
        {0, 6}, {4, 9}, {10, 2}, {1000, 2}, {5000000000LL, 0}};
    out << "\nADO code: size/precision/scale for column size,digits";
    for (const auto& [size, digits] : probes) out << " | " << size << "," << digits;
    const int adoTypes[] = {
        adEmpty,     adSmallInt,     adInteger, adSingle,      adDouble,          adCurrency,
        adDate,      adBoolean,      adDecimal, adTinyInt,     adUnsignedTinyInt, adBigInt,
        adGUID,      adBinary,       adChar,    adWChar,       adNumeric,         adDBDate,
        adDBTime,    adDBTimeStamp,  adVarChar, adLongVarChar, adVarWChar,        adLongVarWChar,
        adVarBinary, adLongVarBinary};
    for (int type : adoTypes) {
        out << "\n" << type << ":";
        for (const auto& [size, digits] : probes) {
            ColumnMeta meta;
            meta.type = type;
            meta.precision = meta.numericScale = 99;
            ShapeColumn(meta, size, digits);
            out << " | " << meta.definedSize << "/" << meta.precision << "/" << meta.numericScale;
        }
    }
    out << "\n== declared types: ODBC type (length,scale)\n";
    for (const char* text :
         {"NUMERIC(10,2)", "decimal( 8 , 2 )", "CHAR(3)", "character varying(30)",
          "  Double   Precision ", "timestamp without time zone", "DATETIME", "float8", "bool",
          "money", "BLOB", "TEXT", "int2", "VARCHAR(abc)", "VARCHAR(40", "STRING", "",
          "geometry(Point,4326)"}) {
        const DeclaredType type = DeclaredType::Parse(text);
        out << "[" << text << "] " << type.sqlType << " (" << type.length << "," << type.scale
            << ")\n";
    }
    test::expectGolden("sql-type-map.txt", out.str());
}

// What the per-driver corrections make of reports no sample column produces (the real drivers'
// reports are in the sample's golden files): ADO type, size/precision/scale, nullable attribute,
// whether the catalogue is asked, and the cast that makes the server write exact text.
TEST(DataRules, DriverCorrections) {
    auto reported = [](int sqlType, std::int64_t size, int nullable, bool isUnsigned,
                       const char* typeName) {
        return DescribedColumn{"c",      sqlType, size, 0,  nullable, isUnsigned,
                               typeName, "",      "",   "", ""};
    };
    using Driver = DriverQuirks::Driver;
    struct Case {
        Driver driver;
        DescribedColumn reported;
        std::optional<CatalogColumn> catalogue;
    };
    const auto none = std::nullopt;
    // clang-format off
    const Case cases[] = {
        {Driver::SQLite, reported(SQL_DOUBLE, 10, SQL_NULLABLE, true, "NUMERIC"), none},
        {Driver::SQLite, reported(SQL_VARCHAR, 255, SQL_NULLABLE, true, ""), CatalogColumn{"c", "", SQL_NULLABLE}},
        {Driver::SQLite, reported(SQL_VARCHAR, 8, SQL_NULLABLE, true, "DECIMAL"), CatalogColumn{"c", "DECIMAL(8,2)", SQL_NO_NULLS}},
        {Driver::SQLite, reported(SQL_VARCHAR, 40, SQL_NULLABLE, true, "VARCHAR"), CatalogColumn{"c", "CHAR(8)", SQL_NO_NULLS}},
        {Driver::PostgreSQL, reported(SQL_VARCHAR, 63, SQL_NULLABLE, true, "name"), CatalogColumn{"c", "name", SQL_NULLABLE, true}},
        {Driver::PostgreSQL, reported(SQL_WVARCHAR, 255, SQL_NULLABLE, true, "varchar"), CatalogColumn{"c", "varchar", SQL_NULLABLE, true}},
        {Driver::PostgreSQL, reported(SQL_TYPE_DATE, 10, SQL_NULLABLE, false, "date"), none},
        {Driver::PostgreSQL, reported(SQL_TYPE_TIMESTAMP, 35, SQL_NULLABLE, false, "timestamptz"), none},
        {Driver::PostgreSQL, reported(SQL_FLOAT, 10, SQL_NULLABLE, false, "money"), none},
        {Driver::PostgreSQL, reported(SQL_TYPE_TIME, 8, SQL_NULLABLE, false, "time"), none},
        {Driver::Generic, reported(SQL_BINARY, 8, SQL_NO_NULLS, false, "timestamp"), none},
        {Driver::Generic, reported(SQL_INTEGER, 10, SQL_NULLABLE_UNKNOWN, false, "int"), CatalogColumn{"c", "int", SQL_NO_NULLS}},
        {Driver::Generic, reported(SQL_INTEGER, 10, SQL_NULLABLE, false, "int"), CatalogColumn{"c", "int", SQL_NO_NULLS}},
        {Driver::Generic, reported(SQL_INTEGER, 10, SQL_NULLABLE_UNKNOWN, false, "int"), none},
        {Driver::Generic, reported(SQL_TINYINT, 3, SQL_NULLABLE, true, "tinyint unsigned"), none},
    };
    // clang-format on
    std::ostringstream out;
    for (const Case& c : cases) {
        const DriverQuirks quirks(c.driver);
        const ColumnMeta meta = quirks.Describe(c.reported, c.catalogue ? &*c.catalogue : nullptr);
        out << static_cast<int>(c.driver) << " " << c.reported.typeName << "/"
            << (c.catalogue ? c.catalogue->typeName : "-") << ": " << meta.name << " " << meta.type
            << " " << meta.definedSize << "/" << meta.precision << "/" << meta.numericScale << " "
            << meta.attributes << (quirks.NeedsCatalogue(c.reported) ? " asks the catalogue" : "")
            << " cast [" << quirks.ExactTextCast(c.reported) << "]\n";
    }
    for (const char* dbms : {"SQLite", "PostgreSQL", "postgresql 15", "Microsoft SQL Server", ""}) {
        const DriverQuirks quirks = DriverQuirks::ForDbms(dbms);
        out << "[" << dbms << "]: driver " << static_cast<int>(quirks.Kind()) << ", pattern escape "
            << quirks.HonoursPatternEscape() << "\n";
    }
    test::expectGolden("driver-corrections.txt", out.str());
}

}  // namespace
}  // namespace orvane::data
