// The data layer against the real drivers: the SQLite sample through sqlite3odbc and the
// throwaway PostgreSQL server through psqlODBC. One body runs against both.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <tuple>

#include "TestSupport.h"
#include "data/Connection.h"
#include "data/OdbcError.h"
#include "data/SqlTypeMap.h"
#include "data/ValueText.h"

namespace orvane::data {
namespace {

struct Backend {
    std::string name;
    std::string connectText;
    std::string dbmsName;
    std::string schema;             // the schema of the sample tables ("" when none)
    std::string missingTableWords;  // what the driver says of an unknown table
    std::string longTextQuery;      // one column: "é€" repeated 9000 times
    bool isPostgres;
};

// Test names show the backend's name rather than its bytes.
void PrintTo(const Backend& backend, std::ostream* out) { *out << backend.name; }

std::string ReadPort() {
    std::ifstream in(test::TestEnvDir() + "/pg.port");
    std::string port;
    std::getline(in, port);
    return port;
}

const Backend kSQLite{"SQLite",
                      "PROVIDER=MSDASQL;UID=;PWD=;DSN=OrvaneSample;",
                      "SQLite",
                      "",
                      "no such table",
                      "select replace(printf('%.*c', 9000, '_'), '_', 'é€') as Big",
                      false};
const Backend kPostgres{"PostgreSQL",
                        "PROVIDER=MSDASQL;UID=orvane;PWD=orvane_pw;DSN=OrvanePgTest;",
                        "PostgreSQL",
                        "public",
                        "does not exist",
                        "select repeat('é€', 9000) as \"Big\"",
                        true};

std::string Quote(const std::string& name) { return "\"" + name + "\""; }

class DataSourceTest : public ::testing::TestWithParam<Backend> {
  protected:
    void SetUp() override {
        const Backend& backend = GetParam();
        try {
            connection_.Open(backend.connectText);
        } catch (const OrvaneError& error) {
            if (backend.isPostgres && test::EnvOr("ORVANE_REQUIRE_PG", "1") == "0") {
                GTEST_SKIP() << "PostgreSQL test server not available: " << error.what();
            }
            FAIL() << "Cannot open " << backend.name << ": " << error.what();
        }
    }

    std::unique_ptr<RecordSet> SelectAll(const std::string& table, const std::string& where = "") {
        return connection_.Execute("select * from " + Quote(table) +
                                   (where.empty() ? "" : " where " + where));
    }

    Connection connection_;
};

TEST_P(DataSourceTest, ReportsItsDbmsAndConnectionText) {
    EXPECT_EQ(connection_.DbmsName(), GetParam().dbmsName);
    EXPECT_EQ(connection_.ConnectionString(), GetParam().connectText);
    EXPECT_TRUE(connection_.IsOpen());
    connection_.Close();
    EXPECT_FALSE(connection_.IsOpen());
    EXPECT_THROW(connection_.Execute("select 1"), OrvaneError);
}

TEST_P(DataSourceTest, ListsTablesViewsAndSystemTablesOfEverySchema) {
    std::unique_ptr<RecordSet> tables = connection_.OpenSchemaTables();
    std::set<std::tuple<std::string, std::string, std::string>> seen;  // schema, name, type
    std::set<std::string> systemSchemas;
    for (; !tables->IsEOF(); tables->MoveNext()) {
        const DbField& schema = tables->Field("TABLE_SCHEMA");
        if (!GetParam().isPostgres) {
            EXPECT_TRUE(schema.IsNull());
        }
        std::string type = tables->Field("TABLE_TYPE").Value();
        seen.emplace(schema.Value(), tables->Field("TABLE_NAME").Value(), type);
        if (type == "SYSTEM TABLE") systemSchemas.insert(schema.Value());
    }
    const std::string& s = GetParam().schema;
    const std::tuple<std::string, std::string, std::string> expected[] = {
        {s, "Customers", "TABLE"},     {s, "Products", "TABLE"},      {s, "Orders", "TABLE"},
        {s, "Order Details", "TABLE"}, {s, "Price$History", "TABLE"}, {s, "EventLog", "TABLE"},
        {s, "OrderSummary", "VIEW"},
    };
    for (const auto& row : expected) {
        EXPECT_TRUE(seen.count(row)) << std::get<1>(row) << " " << std::get<2>(row);
    }
    if (GetParam().isPostgres) {
        EXPECT_TRUE(seen.count({"archive", "OldOrders", "TABLE"}));
        EXPECT_TRUE(seen.count({"pg_catalog", "pg_class", "SYSTEM TABLE"}));
        EXPECT_TRUE(systemSchemas.count("information_schema"));
    }
}

TEST_P(DataSourceTest, ListsColumnsInTableOrderWithExactNames) {
    struct Case {
        std::string schema;
        std::string table;
        std::vector<std::string> columns;
    };
    std::vector<Case> cases = {
        {GetParam().schema,
         "Order Details",
         {"OrderID", "ProductID", "UnitPrice", "Quantity", "Discount"}},
        {"", "Price$History", {"ProductID", "ValidFrom", "Price", "Changed By"}},
        {"", "OrderSummary", {"OrderID", "CompanyName", "OrderDate", "Lines", "Total"}},
        {"", "Order_Details", {}},  // "_" is no wildcard here
        {"", "Order%", {}},
        {"", "NoSuchTable", {}},
    };
    if (GetParam().isPostgres) {
        cases.push_back({"archive", "OldOrders", {"OrderID", "OrderDate", "Total", "Note"}});
        cases.push_back({"public", "OldOrders", {}});
    }
    for (const Case& c : cases) {
        std::unique_ptr<RecordSet> rows = connection_.OpenSchemaColumns("", c.schema, c.table);
        std::vector<std::string> names;
        for (; !rows->IsEOF(); rows->MoveNext()) {
            EXPECT_EQ(rows->Field("TABLE_NAME").Value(), c.table);
            names.push_back(rows->Field("COLUMN_NAME").Value());
        }
        EXPECT_EQ(names, c.columns) << c.schema << "." << c.table;
    }
}

// Every column of the sample's tables: ADO code, defined size, precision, scale, nullable.
TEST_P(DataSourceTest, MapsEveryColumnTypeOfTheSample) {
    struct Column {
        const char* name;
        int type, size, precision, scale;
        bool nullable;
    };
    constexpr int kLong = kLongColumnSize;
    // SQLite's REAL is a double; PostgreSQL's is single precision.
    const bool pg = GetParam().isPostgres;
    const Column rating =
        pg ? Column{"Rating", 4, 4, 7, 0, true} : Column{"Rating", 5, 8, 15, 0, true};
    const Column discount =
        pg ? Column{"Discount", 4, 4, 7, 0, false} : Column{"Discount", 5, 8, 15, 0, false};
    const std::map<std::string, std::vector<Column>> tables = {
        {"Customers",
         {{"CustomerID", 3, 4, 10, 0, false},
          {"CompanyName", 200, 40, 0, 0, false},
          {"ContactName", 200, 30, 0, 0, true},
          {"CountryCode", 129, 2, 0, 0, false},
          {"City", 200, 15, 0, 0, true},
          {"Phone", 200, 24, 0, 0, true},
          {"CreditLimit", 131, 10, 10, 2, true},
          {"IsActive", 11, 1, 1, 0, false},
          {"Notes", 201, kLong, 0, 0, true},
          {"CreatedAt", 135, 19, 19, 0, false}}},
        {"Products",
         {{"ProductID", 3, 4, 10, 0, false},
          {"ProductName", 200, 40, 0, 0, false},
          {"Sku", 129, 8, 0, 0, false},
          {"UnitPrice", 131, 10, 10, 2, false},
          {"UnitsInStock", 2, 2, 5, 0, false},
          {"WeightKg", 5, 8, 15, 0, true},
          rating,
          {"Discontinued", 11, 1, 1, 0, false},
          {"Picture", 205, kLong, 0, 0, true},
          {"Barcode", 20, 8, 19, 0, true}}},
        {"Orders",
         {{"OrderID", 3, 4, 10, 0, false},
          {"CustomerID", 3, 4, 10, 0, false},
          {"OrderDate", 133, 10, 10, 0, false},
          {"RequiredDate", 133, 10, 10, 0, true},
          {"ShippedAt", 135, 19, 19, 0, true},
          {"DeliveryWindow", 134, 8, 8, 0, true},
          {"Freight", 131, 8, 8, 2, false},
          {"ShipName", 200, 40, 0, 0, true},
          {"ShipAddress", 200, 60, 0, 0, true},
          {"Comment", 201, kLong, 0, 0, true}}},
        {"Order Details",
         {{"OrderID", 3, 4, 10, 0, false},
          {"ProductID", 3, 4, 10, 0, false},
          {"UnitPrice", 131, 10, 10, 2, false},
          {"Quantity", 2, 2, 5, 0, false},
          discount}},
        {"Price$History",
         {{"ProductID", 3, 4, 10, 0, false},
          {"ValidFrom", 133, 10, 10, 0, false},
          {"Price", 131, 10, 10, 2, false},
          {"Changed By", 200, 30, 0, 0, true}}},
        {"EventLog", {{"EventID", 3, 4, 10, 0, false},      {"EventTime", 135, 19, 19, 0, false},
                      {"EventDate", 133, 10, 10, 0, false}, {"EventClock", 134, 8, 8, 0, false},
                      {"Severity", 2, 2, 5, 0, false},      {"Source", 200, 30, 0, 0, false},
                      {"Category", 129, 4, 0, 0, false},    {"Message", 200, 200, 0, 0, false},
                      {"UserName", 200, 30, 0, 0, true},    {"HostName", 200, 40, 0, 0, false},
                      {"ProcessID", 3, 4, 10, 0, false},    {"ThreadID", 3, 4, 10, 0, true},
                      {"DurationMs", 5, 8, 15, 0, false},   {"BytesIn", 20, 8, 19, 0, false},
                      {"BytesOut", 20, 8, 19, 0, true},     {"Amount", 131, 12, 12, 2, true},
                      {"Success", 11, 1, 1, 0, false},      {"RetryCount", 2, 2, 5, 0, false},
                      {"Tag", 200, 10, 0, 0, true},         {"Details", 201, kLong, 0, 0, true}}},
    };
    for (const auto& [table, columns] : tables) {
        std::unique_ptr<RecordSet> rows = SelectAll(table);
        ASSERT_EQ(rows->FieldCount(), columns.size()) << table;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const DbField& field = rows->Field(i);
            const Column& want = columns[i];
            std::string where = table + "." + want.name + " (" + field.Meta()->typeName + ")";
            EXPECT_EQ(field.Name(), want.name) << where;
            EXPECT_EQ(field.Type(), want.type) << where;
            EXPECT_EQ(field.DefinedSize(), want.size) << where;
            EXPECT_EQ(field.Precision(), want.precision) << where;
            EXPECT_EQ(field.NumericScale(), want.scale) << where;
            EXPECT_EQ((field.Attributes() & adFldIsNullable) != 0, want.nullable) << where;
        }
    }
}

TEST_P(DataSourceTest, ViewsAndAliasesKeepTheirTypes) {
    std::unique_ptr<RecordSet> rows = SelectAll("OrderSummary");
    EXPECT_EQ(rows->Field("OrderID").Type(), adInteger);
    EXPECT_EQ(rows->Field("CompanyName").Type(), adVarChar);
    EXPECT_EQ(rows->Field("OrderDate").Type(), adDBDate);
    EXPECT_FALSE(rows->IsEOF());

    // An alias that names another column of the table keeps its own column's type.
    rows = connection_.Execute(
        "select \"ProductName\" as \"Sku\", \"Sku\" as \"Code\" "
        "from \"Products\"");
    EXPECT_EQ(rows->Field("Sku").Type(), adVarChar);
    EXPECT_EQ(rows->Field("Sku").DefinedSize(), 40);
    EXPECT_EQ(rows->Field("Code").DefinedSize(), 8);
}

TEST_P(DataSourceTest, WritesValuesAsText) {
    struct Case {
        const char* table;
        const char* where;
        const char* column;
        const char* expected;  // nullptr: a database null
    };
    const Case cases[] = {
        {"Orders", "\"OrderID\" = 10248", "OrderDate", "2023-07-04"},
        {"Orders", "\"OrderID\" = 10248", "ShippedAt", "2023-07-16"},
        {"Orders", "\"OrderID\" = 10248", "DeliveryWindow", "09:30:00"},
        {"Orders", "\"OrderID\" = 10248", "Freight", "32.38"},
        {"Orders", "\"OrderID\" = 10248", "Comment", nullptr},
        {"Orders", "\"OrderID\" = 10249", "ShippedAt", "2023-07-10 16:45:12"},
        {"Orders", "\"OrderID\" = 10249", "RequiredDate", nullptr},
        {"Orders", "\"OrderID\" = 10249", "Comment", "Leave at the <back> door & ring"},
        {"Orders", "\"OrderID\" = 10250", "ShipAddress", "千代田区 1-1"},
        {"Orders", "\"OrderID\" = 10251", "Comment", ""},
        {"Orders", "\"OrderID\" = 10251", "Freight", "0.00"},
        {"Orders", "\"OrderID\" = 10252", "DeliveryWindow", "00:00:00"},
        {"Orders", "\"OrderID\" = 10252", "Freight", "1000.10"},
        {"Customers", "\"CustomerID\" = 2", "CompanyName", "O'Reilly & Söhne <GmbH>"},
        {"Customers", "\"CustomerID\" = 2", "Phone", nullptr},
        {"Customers", "\"CustomerID\" = 2", "CreditLimit", "2500.50"},
        {"Customers", "\"CustomerID\" = 2", "IsActive", "1"},
        {"Customers", "\"CustomerID\" = 2", "CreatedAt", "2019-07-15 14:30:05"},
        {"Customers", "\"CustomerID\" = 2", "Notes", "Quote: \"5 < 6 & 7 > 3\""},
        {"Customers", "\"CustomerID\" = 3", "IsActive", "0"},
        {"Customers", "\"CustomerID\" = 3", "CreditLimit", nullptr},
        {"Customers", "\"CustomerID\" = 4", "CompanyName", "東京商事株式会社"},
        {"Customers", "\"CustomerID\" = 5", "Notes", "Line one\nLine two\twith a tab"},
        {"Customers", "\"CustomerID\" = 5", "CreatedAt", "2022-02-28"},
        {"Customers", "\"CustomerID\" = 6", "ContactName", "Ζωή Παπαδοπούλου"},
        {"Customers", "\"CustomerID\" = 6", "Notes", ""},
        {"Customers", "\"CustomerID\" = 6", "CreditLimit", "-125.75"},
        {"Products", "\"ProductID\" = 1", "Picture", "iVBORw0KGgo="},
        {"Products", "\"ProductID\" = 1", "UnitPrice", "18.00"},
        {"Products", "\"ProductID\" = 1", "WeightKg", "0.5"},
        {"Products", "\"ProductID\" = 1", "Rating", "4.5"},
        {"Products", "\"ProductID\" = 1", "Discontinued", "0"},
        {"Products", "\"ProductID\" = 1", "Barcode", "4006381333931"},
        {"Products", "\"ProductID\" = 2", "Picture", nullptr},
        {"Products", "\"ProductID\" = 3", "Picture", "AP9/gA=="},
        {"Products", "\"ProductID\" = 3", "Rating", nullptr},
        {"Products", "\"ProductID\" = 3", "WeightKg", "1.125"},
        {"Products", "\"ProductID\" = 3", "ProductName", "Crème brûlée <deluxe> & co"},
        {"Products", "\"ProductID\" = 4", "Picture", "5g=="},
        {"Products", "\"ProductID\" = 4", "WeightKg", "0.1"},
        {"Products", "\"ProductID\" = 4", "Rating", "5"},
        {"Products", "\"ProductID\" = 4", "Barcode", "9223372036854775807"},
        {"Products", "\"ProductID\" = 4", "UnitPrice", "1234.56"},
        {"Products", "\"ProductID\" = 5", "Picture", ""},
        {"Products", "\"ProductID\" = 5", "UnitsInStock", "-3"},
        {"Products", "\"ProductID\" = 5", "Barcode", "-42"},
        {"Order Details", "\"OrderID\" = 10249", "Discount", "0.15"},
        {"Order Details", "\"OrderID\" = 10249", "UnitPrice", "34.80"},
        {"Price$History", "\"Price\" = 18", "Changed By", "Zoë"},
        {"EventLog", "\"EventID\" = 1", "EventTime", "2024-01-01 00:00:37"},
        {"EventLog", "\"EventID\" = 1", "EventClock", "00:00:37"},
        {"EventLog", "\"EventID\" = 1", "Success", "1"},
        {"EventLog", "\"EventID\" = 1", "DurationMs", "0.25"},
        {"EventLog", "\"EventID\" = 1", "Amount", "0.01"},
        {"EventLog", "\"EventID\" = 1", "Details", nullptr},
        {"EventLog", "\"EventID\" = 9", "Success", "0"},
        {"EventLog", "\"EventID\" = 1000", "Details", "Détails — 1000"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<RecordSet> rows = SelectAll(c.table, c.where);
        std::string where = std::string(c.table) + " " + c.where + " " + c.column;
        ASSERT_FALSE(rows->IsEOF()) << where;
        const DbField& field = rows->Field(c.column);
        EXPECT_EQ(field.IsNull(), c.expected == nullptr) << where;
        EXPECT_EQ(field.Value(), c.expected ? c.expected : "") << where;
    }
}

TEST_P(DataSourceTest, ReadsLongValuesInChunks) {
    std::string text;
    for (int i = 0; i < 9000; ++i) text += "é€";
    std::unique_ptr<RecordSet> rows = connection_.Execute(GetParam().longTextQuery);
    ASSERT_FALSE(rows->IsEOF());
    EXPECT_EQ(rows->Field(std::size_t{0}).Value(), text);

    std::string bytes;
    for (int i = 0; i < 6000; ++i) bytes += "xy";
    std::string base64;
    valuetext::Base64(bytes, base64);
    rows = SelectAll("Products", "\"ProductID\" = 6");
    ASSERT_FALSE(rows->IsEOF());
    EXPECT_EQ(rows->Field("Picture").Value(), base64);
}

TEST_P(DataSourceTest, ReadsForwardToTheEnd) {
    std::unique_ptr<RecordSet> rows = SelectAll("EventLog");
    ASSERT_EQ(rows->FieldCount(), 20u);
    int count = 0;
    std::int64_t idSum = 0;
    for (; !rows->IsEOF(); rows->MoveNext()) {
        ++count;
        idSum += std::stoll(rows->Field(std::size_t{0}).Value());
    }
    EXPECT_EQ(count, 45000);
    EXPECT_EQ(idSum, 45000LL * 45001 / 2);
    EXPECT_TRUE(rows->Field("EventID").IsNull());
    rows->MoveNext();  // moving past the end stays at the end
    EXPECT_TRUE(rows->IsEOF());
}

TEST_P(DataSourceTest, AnEmptyResultIsAtItsEndButDescribed) {
    std::unique_ptr<RecordSet> rows = SelectAll("Customers", "1 = 0");
    EXPECT_TRUE(rows->IsEOF());
    ASSERT_EQ(rows->FieldCount(), 10u);
    EXPECT_EQ(rows->Field("creditlimit").Type(), adNumeric);
    EXPECT_EQ(rows->Field("CREDITLIMIT").NumericScale(), 2);
    EXPECT_THROW(rows->Field("NoSuchField"), OrvaneError);
    EXPECT_THROW(rows->Field(std::size_t{10}), OrvaneError);
}

TEST_P(DataSourceTest, ARejectedQueryCarriesTheDriversWords) {
    try {
        connection_.Execute("select * from \"NoSuchTable\"");
        FAIL() << "the query was accepted";
    } catch (const OdbcError& error) {
        std::string message = error.what();
        EXPECT_NE(message.find(GetParam().missingTableWords), std::string::npos) << message;
        EXPECT_NE(message.find("NoSuchTable"), std::string::npos) << message;
        EXPECT_EQ(message.rfind("Query failed: ", 0), 0u) << message;
        EXPECT_EQ(error.SqlState().size(), 5u);
    }
    // The connection stays usable.
    EXPECT_FALSE(SelectAll("Customers")->IsEOF());
}

TEST_P(DataSourceTest, OpensTheConnectionTextsTheDialogComposes) {
    std::vector<std::string> texts;
    if (GetParam().isPostgres) {
        texts = {"PROVIDER=MSDASQL;UID=orvane;PWD=orvane_pw;DSN=OrvanePgTest;",
                 "provider=msdasql;DSN=OrvanePgTest",
                 "PROVIDER=MSDASQL;UID=orvane;PWD=orvane_pw; Driver=PostgreSQL Unicode; "
                 "Server=127.0.0.1; Database=orvane_test; Port=" +
                     ReadPort() + ";"};
    } else {
        texts = {"PROVIDER=MSDASQL;UID=;PWD=;DSN=OrvaneSample;",
                 "PROVIDER=MSDASQL;UID=u;PWD=p; Driver=SQLite3; Server=; Database=" +
                     test::TestEnvDir() + "/OrvaneSample.db;",
                 "DSN=OrvaneSample"};
    }
    for (const std::string& text : texts) {
        Connection connection;
        ASSERT_NO_THROW(connection.Open(text)) << text;
        EXPECT_EQ(connection.DbmsName(), GetParam().dbmsName) << text;
        EXPECT_EQ(connection.ConnectionString(), text);
        std::unique_ptr<RecordSet> rows = connection.Execute("select * from \"Customers\"");
        int count = 0;
        for (; !rows->IsEOF(); rows->MoveNext()) ++count;
        EXPECT_EQ(count, 6) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Drivers, DataSourceTest, ::testing::Values(kSQLite, kPostgres),
                         [](const ::testing::TestParamInfo<Backend>& info) {
                             return info.param.name;
                         });

TEST(DataSources, AFailedOpenKeepsTheTextAndSaysWhy) {
    Connection connection;
    const std::string text = "PROVIDER=MSDASQL;DSN=NoSuchSource;";
    try {
        connection.Open(text);
        FAIL() << "opened a data source that does not exist";
    } catch (const OdbcError& error) {
        std::string message = error.what();
        EXPECT_EQ(message.rfind("Opening the connection failed: ", 0), 0u) << message;
        EXPECT_NE(message.find("not found"), std::string::npos) << message;
        EXPECT_EQ(error.SqlState(), "IM002");
    }
    EXPECT_FALSE(connection.IsOpen());
    EXPECT_EQ(connection.ConnectionString(), text);
    EXPECT_THROW(connection.DbmsName(), OrvaneError);
}

TEST(DataSources, ListsTheTestDataSourcesWithTheirDrivers) {
    std::vector<DataSourceInfo> sources = ListDataSources();
    auto driverOf = [&](const std::string& name) {
        auto found = std::find_if(sources.begin(), sources.end(),
                                  [&](const DataSourceInfo& s) { return s.name == name; });
        return found == sources.end() ? std::string("<missing>") : found->driver;
    };
    EXPECT_EQ(driverOf("OrvaneSample"), "SQLite3");
    EXPECT_EQ(driverOf("OrvanePgTest"), "PostgreSQL Unicode");
}

}  // namespace
}  // namespace orvane::data
