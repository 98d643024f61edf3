#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "Programs.h"
#include "TestSources.h"
#include "TestSupport.h"
#include "core/OrvaneError.h"
#include "data/Connection.h"
#include "model/DbCatalog.h"

namespace orvane {
namespace {

using Columns = std::vector<std::string>;

TEST(ModelDbCatalog, FullNamesQuoteEveryPartThatIsNotPlain) {
    struct Case {
        const char* table;
        const char* schema;
        const char* dbms;
        const char* driverQuote;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"Order Details", "dbo", "Microsoft SQL Server", "\"", "dbo.[Order Details]"},
        {"Order Details", "dbo", "Oracle", "\"", "dbo.\"Order Details\""},
        {"Order Details", "", "ORACLE", "\"", "\"Order Details\""},
        {"Sheet1$", "", "EXCEL", "\"", "[Sheet1$]"},
        {"Orders", "", "SQLite", "\"", "Orders"},
        {"Orders", "my schema", "SQLite", "\"", "[my schema].Orders"},
        {"Price$History", "a$b", "SQLite", "\"", "[a$b].[Price$History]"},
        // PostgreSQL folds unquoted names to lower case and rejects brackets.
        {"Price$History", "public", "PostgreSQL 15.1", "\"", "public.\"Price$History\""},
        {"Customers", "public", "PostgreSQL", "\"", "public.\"Customers\""},
        {"customers", "public", "PostgreSQL", "\"", "public.customers"},
        {"order_2", "My Schema", "PostgreSQL", "\"", "\"My Schema\".order_2"},
        {"2nd", "", "PostgreSQL", "\"", "\"2nd\""},
        {"Order#1", "", "SQLite", "\"", "[Order#1]"},
        {"Order Details", "", "MariaDB", "`", "`Order Details`"},
        {"", "", "SQLite", "\"", ""},
        // Hostile names stay one quoted name: the quote is doubled, brackets take no "]", ";"...
        {"a--b", "", "SQLite", "\"", "\"a--b\""},
        {"t] union select id, secret from secrets --", "", "SQLite", "\"",
         "\"t] union select id, secret from secrets --\""},
        {"x\"; DROP TABLE victim; --", "public", "PostgreSQL", "\"",
         "public.\"x\"\"; DROP TABLE victim; --\""},
        {"a`b", "", "MySQL", "`", "`a``b`"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            DbCatalog::FullName(c.table, c.schema, data::NameQuoting::For(c.dbms, c.driverQuote)),
            c.expected)
            << c.table;
    }
}

TEST(ModelDbCatalog, NodeKeysAndRootText) {
    EXPECT_EQ(DbCatalog::TableKey("dbo.[Order Details]"), "TABLE#dbo.[Order Details]");
    EXPECT_EQ(DbCatalog::TableKey("Orders"), "TABLE#Orders");
    EXPECT_EQ(DbCatalog::ColumnKey("dbo.[Order Details]", "Unit Price"),
              "dbo.[Order Details].FIELD#Unit Price");
    EXPECT_EQ(DbCatalog::RootText("d", "s"), "d (s)");
    EXPECT_EQ(DbCatalog::RootText("", ""), " ()");
}

// Every node of a tree, depth first: key, text, image, tick, child count.
struct NodeLine {
    std::string key;
    std::string text;
    int image;
    bool checked;
    std::size_t children;
    bool operator==(const NodeLine&) const = default;
};

void Flatten(const PlainTreeNode& node, std::vector<NodeLine>& lines) {
    lines.push_back(
        {node.Key(), node.Text(), node.Image(), node.Checked(), node.Children().size()});
    for (const auto& child : node.Children()) Flatten(*child, lines);
}

TEST(ModelDbCatalog, TableNodeFollowsTheNodeFormat) {
    const DbCatalog::Table table{"[Order Details]", {"OrderID", "Unit Price", "Qty"}};
    std::vector<NodeLine> lines;
    Flatten(*DbCatalog::TableNode(
                table, [](const std::string& column) { return column != "Qty"; },
                [](const std::string& column) { return column == "OrderID"; }),
            lines);
    const std::vector<NodeLine> expected = {
        {"TABLE#[Order Details]", "[Order Details]", 2, true, 3},
        {"[Order Details].FIELD#OrderID", "OrderID", 4, true, 0},
        {"[Order Details].FIELD#Unit Price", "Unit Price", 3, true, 0},
        {"[Order Details].FIELD#Qty", "Qty", 3, false, 0},
    };
    EXPECT_EQ(lines, expected);
}

const DbCatalog::Table* FindTable(const DbCatalog::Folder& folder, const std::string& fullName) {
    for (const auto& table : folder.tables) {
        if (table.fullName == fullName) return &table;
    }
    return nullptr;
}

struct CatalogSource {
    const char* label;
    ConnectionInput (*input)();
    const char* schema;  // the source's default schema ("" where it has none)
    std::vector<std::pair<std::pair<std::string, std::string>, Columns>> extraTables;
};

void PrintTo(const CatalogSource& source, std::ostream* out) { *out << source.label; }

class ModelDbCatalogSource : public testing::TestWithParam<CatalogSource> {};

TEST_P(ModelDbCatalogSource, ReadsFoldersTablesAndColumnsAsTheTreeShowsThem) {
    const CatalogSource& source = GetParam();
    auto connection = test::OpenSource(source.input());
    std::vector<std::size_t> progress;
    const DbCatalog catalog =
        DbCatalog::Read(*connection, [&](std::size_t n) { progress.push_back(n); });

    EXPECT_EQ(catalog.dbmsName, connection->DbmsName());
    EXPECT_FALSE(catalog.dbmsName.empty());
    ASSERT_EQ(catalog.folders.size(), 3u);
    EXPECT_EQ(catalog.folders[0].name, "System Tables");
    EXPECT_EQ(catalog.folders[1].name, "Tables");
    EXPECT_EQ(catalog.folders[2].name, "Views");

    // Full names as this source quotes them (the quoting rules are checked on their own above).
    auto name = [&](const std::string& table, const std::string& schema = "") {
        return DbCatalog::FullName(table, schema.empty() ? source.schema : schema,
                                   connection->Quoting());
    };
    std::vector<std::pair<std::string, Columns>> tables = {
        {name("Customers"),
         {"CustomerID", "CompanyName", "ContactName", "CountryCode", "City", "Phone", "CreditLimit",
          "IsActive", "Notes", "CreatedAt"}},
        {name("Order Details"), {"OrderID", "ProductID", "UnitPrice", "Quantity", "Discount"}},
        {name("Price$History"), {"ProductID", "ValidFrom", "Price", "Changed By"}},
        {name("Orders"),
         {"OrderID", "CustomerID", "OrderDate", "RequiredDate", "ShippedAt", "DeliveryWindow",
          "Freight", "ShipName", "ShipAddress", "Comment"}},
    };
    for (const auto& [schemaAndTable, columns] : source.extraTables) {
        tables.emplace_back(name(schemaAndTable.second, schemaAndTable.first), columns);
    }
    for (const auto& [name, columns] : tables) {
        const DbCatalog::Table* table = FindTable(catalog.folders[1], name);
        ASSERT_NE(table, nullptr) << name;
        EXPECT_EQ(table->columns, columns) << name;
        EXPECT_EQ(FindTable(catalog.folders[2], name), nullptr) << name;
    }
    const DbCatalog::Table* view = FindTable(catalog.folders[2], name("OrderSummary"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->columns, (Columns{"OrderID", "CompanyName", "OrderDate", "Lines", "Total"}));
    EXPECT_EQ(FindTable(catalog.folders[1], name("OrderSummary")), nullptr);
    const DbCatalog::Table* events = FindTable(catalog.folders[1], name("EventLog"));
    ASSERT_NE(events, nullptr);
    EXPECT_EQ(events->columns.size(), 20u);

    // Every shown table has columns and a name of its own; progress counts every catalogue row.
    std::set<std::string> names;
    std::size_t shown = 0;
    for (const auto& folder : catalog.folders) {
        for (const auto& table : folder.tables) {
            EXPECT_FALSE(table.columns.empty()) << table.fullName;
            EXPECT_TRUE(names.insert(table.fullName).second) << table.fullName;
            ++shown;
        }
    }
    ASSERT_FALSE(progress.empty());
    for (std::size_t i = 0; i < progress.size(); ++i) EXPECT_EQ(progress[i], i + 1);
    EXPECT_GE(progress.back(), shown);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, ModelDbCatalogSource,
    testing::Values(CatalogSource{"Sqlite", test::SqliteSample, "", {}},
                    CatalogSource{
                        "Postgres",
                        test::PostgresTest,
                        "public",
                        {{{"archive", "OldOrders"}, {"OrderID", "OrderDate", "Total", "Note"}}}}),
    [](const testing::TestParamInfo<CatalogSource>& info) { return info.param.label; });

// A view whose table was dropped: the driver cannot list its columns, so it stays without them.
TEST(ModelDbCatalog, TableWhoseColumnsCannotBeReadStaysWithoutColumns) {
    const std::string folder = test::MakeTempDir("orvane-catalog-");
    const std::string file = folder + "/broken.db";
    const std::string script =
        "create table gone(a); create view broken as select a from gone; "
        "create table \"kept here\"(x, y); drop table gone;";
    ASSERT_EQ(test::RunProgram({"sqlite3", file, script}).status, 0);
    // Opened without a data source name, the way the connection dialog's driver fields compose it.
    auto connection = test::OpenSource({"(None)", "", "", file, "SQLite3", ""});
    const DbCatalog catalog = DbCatalog::Read(*connection);
    std::filesystem::remove_all(folder);
    ASSERT_EQ(catalog.folders[1].tables.size(), 1u);
    EXPECT_EQ(catalog.folders[1].tables[0].fullName, "[kept here]");
    EXPECT_EQ(catalog.folders[1].tables[0].columns, (Columns{"x", "y"}));
    ASSERT_EQ(catalog.folders[2].tables.size(), 1u);
    EXPECT_EQ(catalog.folders[2].tables[0].fullName, "broken");
    EXPECT_TRUE(catalog.folders[2].tables[0].columns.empty());
}

TEST(ModelDbCatalog, UnreadableTableListThrows) {
    data::Connection closed;
    EXPECT_THROW(DbCatalog::Read(closed), OrvaneError);
}

}  // namespace
}  // namespace orvane
