// The model over the real drivers: the catalogue tree and table loads of the SQLite sample and
// the PostgreSQL test database, and connection texts typed into the dialog.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "Golden.h"
#include "Programs.h"
#include "TestSupport.h"
#include "core/Host.h"
#include "core/OrvaneError.h"
#include "data/Connection.h"
#include "model/ConnectionManager.h"
#include "model/ConnectionTexts.h"
#include "model/DbCatalog.h"
#include "model/ODBCTable.h"

namespace orvane {
namespace {

using Names = std::vector<std::string>;

const ConnectionInput kSqlite{"OrvaneSample", "", "", "", "", ""};
const ConnectionInput kPostgres{"OrvanePgTest", "orvane", "orvane_pw", "", "", ""};

// Opens a data source with the data-access text the connection dialog composes.
std::unique_ptr<data::Connection> Open(const ConnectionInput& input) {
    ConnectionManager manager;
    ConnectionTexts::Compose(input, manager);
    auto connection = std::make_unique<data::Connection>();
    connection->Open(manager.ADOConnect());
    return connection;
}

// Messages and event processing the library asks the host for, captured for one test.
struct HostCapture {
    std::string messages;
    int pumps = 0;
    std::function<void(int)> onPump;
    HostCapture() {
        Host::SetMessageSink([this](const std::string& text, int style, const std::string& title) {
            messages += "  message (" + std::to_string(style) + ", " + title + "): " + text + "\n";
        });
        Host::SetEventPump([this] {
            if (onPump) onPump(pumps + 1);
            ++pumps;
        });
    }
    ~HostCapture() {
        Host::SetMessageSink({});
        Host::SetEventPump({});
    }
};

// Every table of the catalogue as the tree shows it (the system tables only counted).
std::string Shown(const DbCatalog& catalog) {
    std::ostringstream out;
    out << catalog.dbmsName << "\n";
    for (const DbCatalog::Folder& folder : catalog.folders) {
        const bool system = folder.name == "System Tables";
        out << folder.name << ": "
            << (system && !folder.tables.empty() ? "some" : std::to_string(folder.tables.size()))
            << " tables\n";
        for (const DbCatalog::Table& table : folder.tables) {
            if (system) continue;
            out << "  " << table.fullName << ":";
            for (const std::string& column : table.columns) out << " [" << column << "]";
            out << "\n";
        }
    }
    return out.str();
}

// The trees of both databases, and the progress the reading reports: one call per catalogue row.
TEST(ModelSources, CatalogueTreesOfSqliteAndPostgres) {
    for (const ConnectionInput& input : {kSqlite, kPostgres}) {
        auto connection = Open(input);
        std::vector<std::size_t> progress;
        const DbCatalog catalog =
            DbCatalog::Read(*connection, [&](std::size_t n) { progress.push_back(n); });
        ASSERT_FALSE(progress.empty());
        for (std::size_t i = 0; i < progress.size(); ++i) EXPECT_EQ(progress[i], i + 1);
        std::size_t shown = 0;
        for (const DbCatalog::Folder& folder : catalog.folders) shown += folder.tables.size();
        EXPECT_GE(progress.back(), shown);
        test::expectGolden("catalogue-" + input.dsn + ".txt", Shown(catalog));
    }
}

// A view whose table was dropped: the driver cannot list its columns, so it stays without them.
TEST(ModelSources, TableWhoseColumnsCannotBeReadStaysWithoutColumns) {
    const std::string folder = test::MakeTempDir("orvane-catalog-");
    const std::string file = folder + "/broken.db";
    const std::string script =
        "create table gone(a); create view broken as select a from gone; "
        "create table \"kept here\"(x, y); drop table gone;";
    ASSERT_EQ(test::RunProgram({"sqlite3", file, script}).status, 0);
    // Opened without a data source name, the way the connection dialog's driver fields compose it.
    const DbCatalog catalog = DbCatalog::Read(*Open({"(None)", "", "", file, "SQLite3", ""}));
    std::filesystem::remove_all(folder);
    test::expectGolden("catalogue-broken-view.txt", Shown(catalog));
    data::Connection closed;
    EXPECT_THROW(DbCatalog::Read(closed), OrvaneError);
}

// A user name or password that reads like more attributes stays a user name or password: the
// connection opens the database that was chosen, and no other file is ever made.
TEST(ModelSources, ValuesThatLookLikeAttributesOpenTheChosenDatabase) {
    const std::string folder = test::MakeTempDir("orvane-connect-");
    const std::string other = folder + "/other.db";
    const std::string sample = test::TestEnvDir() + "/OrvaneSample.db";
    const std::string count = "select count(*) from Customers";
    const std::tuple<ConnectionInput, std::string, const char*> cases[] = {
        {{"OrvaneSample", "", "x;Database=" + other, "", "", ""}, count, "6"},
        {{"OrvaneSample", "u;DSN=OrvanePgTest", "", "", "", ""}, count, "6"},
        {{"(None)", "", "x;Database=" + other + ";", sample, "SQLite3", ""}, count, "6"},
        {{"OrvanePgTest", "orvane_odd", "odd;Database=postgres;}x{ ", "", "", ""},
         "select current_database()",
         "orvane_test"}};
    for (const auto& [input, query, expected] : cases) {
        SCOPED_TRACE(input.uid + " " + input.pwd);
        std::unique_ptr<data::Connection> connection;
        ASSERT_NO_THROW(connection = Open(input));
        EXPECT_EQ(connection->Execute(query)->Field(std::size_t{0}).Value(), expected);
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    std::filesystem::remove_all(folder);
}

// A column node under a table node: its text, its tick and whether it shows the key image.
struct Mark {
    std::string column;
    bool ticked = true;
    bool key = false;
};

std::vector<Mark> Ticked(const Names& columns, const std::string& key = "") {
    std::vector<Mark> marks;
    for (const std::string& c : columns) marks.push_back({c, true, c == key});
    return marks;
}

const Names kOrderColumns = {"OrderID",     "CustomerID",     "OrderDate", "RequiredDate",
                             "ShippedAt",   "DeliveryWindow", "Freight",   "ShipName",
                             "ShipAddress", "Comment"};

// Columns, keys and rows (the first eight and the last) a load leaves, and what it told the user.
std::string Loaded(const ODBCTable& table, bool loaded) {
    std::ostringstream out;
    out << (loaded ? "loaded " : "failed ") << table.Name() << " as " << table.TableName()
        << "\n  columns:";
    for (const auto& [name, field] : table.Fields()) {
        EXPECT_EQ(name, field.FieldName());
        out << " " << name << "=" << field.Value();
    }
    out << "\n  keys:";
    for (const auto& [name, field] : table.PKs()) out << " " << name << "=" << field.Value();
    const std::size_t count = table.Values().Count();
    for (std::size_t position = 1; position <= count; ++position) {
        if (position > 8 && position < count) continue;
        out << "\n  row " << table.Values().KeyAt(position) << ":";
        const ODBCTable::Row row = table.Values().Item(position);
        for (std::size_t j = 1; j <= row.Count(); ++j)
            out << " " << row.KeyAt(j) << "=" << (row.ValueIsNull(j) ? "<null>" : row.Value(j));
    }
    out << "\n  " << count << " rows\n";
    return out.str();
}

class ModelTableLoad : public testing::Test {
  protected:
    bool Load(data::Connection& connection, const PlainTreeNode& node, int maxRows,
              bool active = true) {
        table_.SetMaxRows(static_cast<std::int16_t>(maxRows));
        active ? table_.Activate() : table_.DeActivate();
        auto view = node.View();
        return table_.Load(&connection, view.get());
    }
    HostCapture host_;
    ODBCTable table_;
};

// One load per case, in order on one table object (a failed load drops the earlier one):
// ticks and key images select, rows past the data are made up, names that differ only in case
// collide, and a failing query tells the driver's words.
TEST_F(ModelTableLoad, LoadsAsTheGoldenFileShows) {
    auto sqlite = Open(kSqlite);
    auto postgres = Open(kPostgres);
    // Of these sessions only: the sample stays as it is.
    sqlite->Execute("create temp view NoCustomers as select * from Customers where 1=0");
    postgres->Execute("create temp table collide (id integer, name text, \"ID\" integer)");
    postgres->Execute("insert into collide values (1, 'x', 2)");
    struct Case {
        data::Connection& connection;
        std::string key, text;
        std::vector<Mark> marks;
        int maxRows;
        bool active;
    };
    const std::vector<Mark> customers = {
        {"Phone"}, {"CustomerID", false, true}, {"CompanyName"},        {"city"}, {"Notes", false},
        {"Notes"}, {"CountryCode", true, true}, {"Nothing", true, true}};
    const std::vector<Mark> oldOrders = {{"OrderID", true, true}, {"Note"}};
    const std::vector<Case> cases = {
        {*sqlite, "TABLE#Orders", "Orders", Ticked(kOrderColumns, "OrderID"), 0, true},
        {*sqlite, "TABLE#Orders", "Orders", Ticked(kOrderColumns), 8, true},
        {*sqlite, "TABLE#NoCustomers", "NoCustomers",
         Ticked({"CustomerID", "CompanyName", "CountryCode", "City", "CreatedAt"}), 3, true},
        {*sqlite, "TABLE#Customers", "Customers", customers, 2, true},
        {*sqlite, "Tables", "Customers", Ticked({"CustomerID"}), 2, true},
        {*sqlite, "Tables", "NoSuchTable", Ticked({"CustomerID"}), 2, true},
        {*sqlite, "TABLE#Orders", "Orders", Ticked({"OrderID"}), 3, true},
        {*sqlite, "TABLE#NoSuchTable", "NoSuchTable", Ticked({"Id"}), 3, true},
        {*sqlite, "TABLE#EventLog", "EventLog", Ticked({"EventID"}), 5, false},
        {*sqlite, "TABLE#EventLog", "EventLog", Ticked({"EventID", "Severity"}), 32767, true},
        {*postgres, "TABLE#archive.\"OldOrders\"", "archive.\"OldOrders\"", oldOrders, 4, true},
        {*postgres, "TABLE#collide", "collide", {{"id"}, {"ID"}}, 2, true},
        {*postgres, "TABLE#collide", "collide", {{"name"}, {"ID"}}, 2, true},
        {*postgres, "TABLE#collide", "collide", {{"id"}, {"ID", false}}, 2, true},
    };
    std::string out;
    for (const Case& c : cases) {
        PlainTreeNode node(c.key, c.text, ImageTable, true);
        for (const Mark& m : c.marks)
            node.AddChild(c.text + ".FIELD#" + m.column, m.column, m.key ? ImagePk : ImageField,
                          m.ticked);
        const bool loaded = Load(c.connection, node, c.maxRows, c.active);
        out += Loaded(table_, loaded) + host_.messages;
        host_.messages.clear();
    }
    // The node the catalogue makes of a table, with its key columns.
    const DbCatalog catalog = DbCatalog::Read(*sqlite);
    for (const DbCatalog::Table& table : catalog.folders.at(1).tables) {
        if (table.fullName != "[Order Details]") continue;
        const auto node = DbCatalog::TableNode(
            table, [](const std::string&) { return true; },
            [](const std::string& column) { return column == "OrderID" || column == "ProductID"; });
        out += Loaded(table_, Load(*sqlite, *node, 7));
    }

    // Row 0 and the column list read the same record, and share the column's description.
    for (const auto& [name, field] : table_.Fields())
        EXPECT_EQ(field.Meta(), table_.Values().Item(1).Item(name).Meta()) << name;
    test::expectGolden("table-loads.txt", out);
}

TEST_F(ModelTableLoad, ProgressEveryHundredRowsAndStopAfterTheRowJustAdded) {
    auto connection = Open(kSqlite);
    Names notified;
    table_.Notify = [&](const std::string& message) { notified.push_back(message); };
    PlainTreeNode node("TABLE#EventLog", "EventLog", ImageTable, true);
    node.AddChild("EventLog.FIELD#EventID", "EventID", ImageField, true);
    ASSERT_TRUE(Load(*connection, node, 250));
    EXPECT_EQ(notified, (Names{"Loaded 0 records.", "Loaded 100 records.", "Loaded 200 records."}));
    EXPECT_EQ(host_.pumps, 3);
    EXPECT_EQ(table_.Values().Count(), 250u);
    // The user stops the run while the window processes its events after row 100.
    notified.clear();
    host_.onPump = [this](int pump) {
        if (pump == 5) table_.DeActivate();
    };
    ASSERT_TRUE(Load(*connection, node, 1000));
    EXPECT_EQ(table_.Values().Count(), 102u);
    EXPECT_EQ(notified, (Names{"Loaded 0 records.", "Loaded 100 records."}));
    // Without a connection or a node nothing changes.
    PlainTreeNode other("TABLE#Customers", "Customers", ImageTable);
    auto otherView = other.View();
    EXPECT_FALSE(table_.Load(nullptr, otherView.get()));
    EXPECT_FALSE(table_.Load(connection.get(), nullptr));
    EXPECT_EQ(table_.Name() + " " + std::to_string(table_.Values().Count()), "EventLog 102");
    EXPECT_EQ(host_.messages, "");
}

}  // namespace
}  // namespace orvane
