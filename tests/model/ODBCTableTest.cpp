#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TestSources.h"
#include "core/Host.h"
#include "model/DbCatalog.h"
#include "model/ODBCTable.h"
#include "model/PlainTreeNode.h"

namespace orvane {
namespace {

using Names = std::vector<std::string>;

TEST(ModelODBCTable, TableNameIsThePartAfterTheLastPoint) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"dbo.Orders", "Orders"},
        {"Orders", "Orders"},
        {"a.b.c", "c"},
        {"", ""},
        {"trailing.", ""},
        {".lead", "lead"},
        {"dbo.[Order Details]", "[Order Details]"},
        {"main.[a.b]", "[a.b]"},
        {"\"x.\"\"y\"", "\"x.\"\"y\""},
    };
    ODBCTable table;
    for (const auto& [name, expected] : cases) {
        table.SetName(name);
        EXPECT_EQ(table.TableName(), expected) << name;
    }
}

// Messages and event processing the library asks the host for, captured for one test.
struct HostCapture {
    struct Message {
        std::string text;
        int style;
        std::string title;
    };
    std::vector<Message> messages;
    int pumps = 0;
    std::function<void(int)> onPump;

    HostCapture() {
        Host::SetMessageSink([this](const std::string& text, int style, const std::string& title) {
            messages.push_back({text, style, title});
        });
        Host::SetEventPump([this] {
            ++pumps;
            if (onPump) onPump(pumps);
        });
    }
    ~HostCapture() {
        Host::SetMessageSink({});
        Host::SetEventPump({});
    }
};

// A column node under a table node: its text, its tick and whether it shows the key image.
struct Mark {
    std::string column;
    bool ticked = true;
    bool key = false;
};

std::unique_ptr<PlainTreeNode> Node(const std::string& key, const std::string& text,
                                    const std::vector<Mark>& marks) {
    auto node = std::make_unique<PlainTreeNode>(key, text, ImageTable, true);
    for (const Mark& m : marks) {
        node->AddChild(text + ".FIELD#" + m.column, m.column, m.key ? ImagePk : ImageField,
                       m.ticked);
    }
    return node;
}

std::unique_ptr<PlainTreeNode> TableNode(const std::string& text, const std::vector<Mark>& marks) {
    return Node("TABLE#" + text, text, marks);
}

std::vector<Mark> Ticked(const Names& columns) {
    std::vector<Mark> marks;
    for (const std::string& c : columns) marks.push_back({c});
    return marks;
}

Names KeysOf(const KeyedCollection<ODBCField>& fields) {
    Names names;
    for (const auto& [key, field] : fields) {
        EXPECT_EQ(key, field.FieldName());
        names.push_back(key);
    }
    return names;
}

const Names kOrderColumns = {"OrderID",     "CustomerID",     "OrderDate", "RequiredDate",
                             "ShippedAt",   "DeliveryWindow", "Freight",   "ShipName",
                             "ShipAddress", "Comment"};

class ModelODBCTableLoad : public testing::Test {
  protected:
    void SetUp() override { connection_ = test::OpenSource(test::SqliteSample()); }

    bool Load(const PlainTreeNode& node, int maxRows, bool active = true) {
        table_.SetMaxRows(static_cast<std::int16_t>(maxRows));
        if (active) {
            table_.Activate();
        } else {
            table_.DeActivate();
        }
        auto view = node.View();
        return table_.Load(connection_.get(), view.get());
    }
    const std::string& Cell(std::size_t position, const std::string& column) {
        return table_.Values().Item(position).Item(column).Value();
    }

    HostCapture host_;
    std::unique_ptr<data::Connection> connection_;
    ODBCTable table_;
    Names notified_;
};

TEST_F(ModelODBCTableLoad, MaxRowsZeroFillsColumnsAndKeysButNoRows) {
    auto node = TableNode("Orders", Ticked(kOrderColumns));
    node->Children()[0]->SetImage(ImagePk);
    ASSERT_TRUE(Load(*node, 0));
    EXPECT_EQ(table_.Name(), "Orders");
    EXPECT_EQ(KeysOf(table_.Fields()), kOrderColumns);
    EXPECT_EQ(KeysOf(table_.PKs()), Names{"OrderID"});
    EXPECT_EQ(table_.Values().Count(), 0u);
    // The column pass reads the first record.
    EXPECT_EQ(table_.Fields().Item("orderid").Value(), "10248");
    EXPECT_EQ(table_.Fields().Item("ShipName").Value(), "Alfreds Futterkiste");
    EXPECT_TRUE(host_.messages.empty());
}

TEST_F(ModelODBCTableLoad, RowsPastTheEndOfTheDataGetSampleValues) {
    ASSERT_TRUE(Load(*TableNode("Orders", Ticked(kOrderColumns)), 8));
    ASSERT_EQ(table_.Values().Count(), 8u);
    for (std::size_t position = 1; position <= 8; ++position) {
        SCOPED_TRACE("row position " + std::to_string(position));
        const int row = static_cast<int>(position) - 1;
        EXPECT_EQ(table_.Values().KeyAt(position), std::to_string(row));
        EXPECT_EQ(KeysOf(table_.Values().Item(position)), kOrderColumns);
        if (row < 5) {
            EXPECT_EQ(Cell(position, "OrderID"), std::to_string(10248 + row));
        } else {
            EXPECT_EQ(Cell(position, "OrderID"), std::to_string(row));
            EXPECT_EQ(Cell(position, "OrderDate"), "NULL");
            EXPECT_EQ(Cell(position, "ShipName"), "ShipName" + std::to_string(row));
            EXPECT_FALSE(table_.Values().Item(position).Item("Comment").ValueIsNull());
        }
    }
    EXPECT_EQ(Cell(2, "ShipName"), "O'Reilly & Söhne");
    EXPECT_EQ(Cell(3, "ShipName"), "東京商事");
    // A database null is the empty text, not "NULL".
    EXPECT_EQ(Cell(5, "ShipName"), "");
    EXPECT_TRUE(table_.Values().Item(5).Item("ShipName").ValueIsNull());
    // Row 0 and the column list read the same record.
    for (const auto& [name, field] : table_.Fields()) {
        EXPECT_EQ(field.Value(), Cell(1, name)) << name;
        EXPECT_EQ(field.Meta(), table_.Values().Item(1).Item(name).Meta()) << name;
    }
}

TEST_F(ModelODBCTableLoad, EmptyResultMakesUpEveryRow) {
    // A view of this connection only: the sample stays as it is.
    connection_->Execute("create temp view NoCustomers as select * from Customers where 1=0");
    const Names columns = {"CustomerID", "CompanyName", "CountryCode", "City", "CreatedAt"};
    ASSERT_TRUE(Load(*TableNode("NoCustomers", Ticked(columns)), 3));
    EXPECT_EQ(table_.Name(), "NoCustomers");
    const std::vector<Names> expected = {
        {"0", "CompanyName0", "e0", "City0", "NULL"},
        {"1", "CompanyName1", "e1", "City1", "NULL"},
        {"2", "CompanyName2", "e2", "City2", "NULL"},
    };
    ASSERT_EQ(table_.Values().Count(), expected.size());
    for (std::size_t c = 0; c < columns.size(); ++c) {
        EXPECT_EQ(table_.Fields().Item(columns[c]).Value(), expected[0][c]) << columns[c];
        for (std::size_t r = 0; r < expected.size(); ++r) {
            EXPECT_EQ(Cell(r + 1, columns[c]), expected[r][c]) << columns[c] << " row " << r;
        }
    }
}

TEST_F(ModelODBCTableLoad, TicksAndKeyImagesOfTheChildrenSelect) {
    const std::vector<Mark> marks = {
        {"Phone", true, false},      {"CustomerID", false, true}, {"CompanyName", true, false},
        {"city", true, false},       {"Notes", false, false},     {"Notes", true, false},
        {"CountryCode", true, true}, {"Nothing", true, true},
    };
    ASSERT_TRUE(Load(*TableNode("Customers", marks), 2));
    // Query order, not tree order; a case-different child and a later duplicate select nothing.
    EXPECT_EQ(KeysOf(table_.Fields()), (Names{"CompanyName", "CountryCode", "Phone"}));
    EXPECT_EQ(KeysOf(table_.PKs()), (Names{"CustomerID", "CountryCode"}));
    for (std::size_t r = 1; r <= 2; ++r) {
        EXPECT_EQ(KeysOf(table_.Values().Item(r)), KeysOf(table_.Fields()));
        EXPECT_FALSE(table_.Values().Item(r).Contains("CustomerID"));
    }
    const ODBCField& key = table_.PKs().Item("CountryCode");
    const ODBCField& field = table_.Fields().Item("CountryCode");
    EXPECT_EQ(key.Value(), "DE");
    EXPECT_EQ(key.Value(), field.Value());
    EXPECT_EQ(key.Meta(), field.Meta());
    EXPECT_EQ(table_.PKs().Item("CustomerID").Value(), "1");
}

TEST_F(ModelODBCTableLoad, NodeThatIsNoTableSelectsNothingButStillQueries) {
    ASSERT_TRUE(Load(*Node("Tables", "Customers", Ticked({"CustomerID"})), 2));
    EXPECT_EQ(table_.Fields().Count(), 0u);
    EXPECT_EQ(table_.PKs().Count(), 0u);
    ASSERT_EQ(table_.Values().Count(), 2u);
    EXPECT_EQ(table_.Values().Item(1).Count(), 0u);

    EXPECT_FALSE(Load(*Node("Tables", "NoSuchTable", Ticked({"CustomerID"})), 2));
    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0].text.rfind("Unable to load information from table NoSuchTable", 0),
              0u);
}

TEST_F(ModelODBCTableLoad, RejectedQueryShowsTheDriversWords) {
    ASSERT_TRUE(Load(*TableNode("Orders", Ticked(kOrderColumns)), 3));
    EXPECT_FALSE(Load(*TableNode("NoSuchTable", Ticked({"Id"})), 3));
    ASSERT_EQ(host_.messages.size(), 1u);
    const HostCapture::Message& message = host_.messages[0];
    const std::string prefix = "Unable to load information from table NoSuchTable Error: ";
    EXPECT_EQ(message.text.rfind(prefix, 0), 0u) << message.text;
    EXPECT_NE(message.text.find("no such table"), std::string::npos) << message.text;
    EXPECT_EQ(message.style, MsgNone);
    EXPECT_EQ(message.title, "OrvaneLib");
    // The earlier load is gone.
    EXPECT_EQ(table_.Name(), "NoSuchTable");
    EXPECT_EQ(table_.Fields().Count(), 0u);
    EXPECT_EQ(table_.Values().Count(), 0u);
}

TEST_F(ModelODBCTableLoad, ColumnsDifferingOnlyInCaseCollide) {
    // PostgreSQL keeps quoted names apart; a table of this session only.
    connection_ = test::OpenSource(test::PostgresTest());
    connection_->Execute("create temp table collide (id integer, name text, \"ID\" integer)");
    connection_->Execute("insert into collide values (1, 'x', 2)");
    const std::string both = "collide";
    struct Case {
        std::vector<Mark> marks;
        bool loads;
        Names fields;
    };
    const std::vector<Case> cases = {
        {{{"id"}, {"ID"}}, false, {"id"}},
        {{{"name"}, {"ID"}}, true, {"name", "ID"}},
        {{{"id"}, {"ID", false}}, true, {"id"}},
    };
    for (const Case& c : cases) {
        host_.messages.clear();
        EXPECT_EQ(Load(*TableNode(both, c.marks), 2), c.loads);
        EXPECT_EQ(KeysOf(table_.Fields()), c.fields);
        EXPECT_EQ(host_.messages.size(), c.loads ? 0u : 1u);
        if (!c.loads) {
            EXPECT_EQ(host_.messages[0].text.rfind(
                          "Unable to load information from table " + both + " Error: ", 0),
                      0u);
            EXPECT_EQ(table_.Values().Count(), 0u);
        }
    }
}

TEST_F(ModelODBCTableLoad, ProgressEveryHundredRows) {
    table_.Notify = [this](const std::string& message) { notified_.push_back(message); };
    ASSERT_TRUE(Load(*TableNode("EventLog", Ticked({"EventID", "Message"})), 250));
    EXPECT_EQ(notified_,
              (Names{"Loaded 0 records.", "Loaded 100 records.", "Loaded 200 records."}));
    EXPECT_EQ(host_.pumps, 3);
    ASSERT_EQ(table_.Values().Count(), 250u);
    EXPECT_EQ(Cell(250, "EventID"), "250");
}

TEST_F(ModelODBCTableLoad, DeActivateStopsAfterTheRowJustAdded) {
    table_.Notify = [this](const std::string& message) { notified_.push_back(message); };
    // The user stops the run while the window processes its events after row 100.
    host_.onPump = [this](int pump) {
        if (pump == 2) table_.DeActivate();
    };
    ASSERT_TRUE(Load(*TableNode("EventLog", Ticked({"EventID"})), 1000));
    EXPECT_EQ(table_.Values().Count(), 102u);
    EXPECT_EQ(notified_, (Names{"Loaded 0 records.", "Loaded 100 records."}));

    notified_.clear();
    host_.onPump = nullptr;
    ASSERT_TRUE(Load(*TableNode("EventLog", Ticked({"EventID"})), 5, false));
    EXPECT_EQ(table_.Values().Count(), 1u);
    EXPECT_TRUE(notified_.empty());
}

TEST_F(ModelODBCTableLoad, MissingArgumentsChangeNothing) {
    auto node = TableNode("Orders", Ticked({"OrderID"}));
    ASSERT_TRUE(Load(*node, 1));
    auto view = node->View();
    PlainTreeNode other("TABLE#Customers", "Customers", ImageTable);
    auto otherView = other.View();
    EXPECT_FALSE(table_.Load(nullptr, otherView.get()));
    EXPECT_FALSE(table_.Load(connection_.get(), nullptr));
    EXPECT_EQ(table_.Name(), "Orders");
    EXPECT_EQ(KeysOf(table_.Fields()), Names{"OrderID"});
    EXPECT_EQ(table_.Values().Count(), 1u);
    EXPECT_TRUE(host_.messages.empty());
}

TEST_F(ModelODBCTableLoad, NodesOfTheCatalogueTreeLoad) {
    const DbCatalog catalog = DbCatalog::Read(*connection_);
    const DbCatalog::Table* found = nullptr;
    for (const auto& table : catalog.folders[1].tables) {
        if (table.fullName == "[Order Details]") found = &table;
    }
    ASSERT_NE(found, nullptr);
    const auto details = DbCatalog::TableNode(
        *found, [](const std::string&) { return true; },
        [](const std::string& column) { return column == "OrderID" || column == "ProductID"; });
    ASSERT_TRUE(Load(*details, 7));
    EXPECT_EQ(table_.TableName(), "[Order Details]");
    EXPECT_EQ(KeysOf(table_.Fields()),
              (Names{"OrderID", "ProductID", "UnitPrice", "Quantity", "Discount"}));
    EXPECT_EQ(KeysOf(table_.PKs()), (Names{"OrderID", "ProductID"}));
    EXPECT_EQ(Cell(7, "OrderID"), "10252");
}

TEST_F(ModelODBCTableLoad, LargestRowCount) {
    ASSERT_TRUE(Load(*TableNode("EventLog", Ticked({"EventID", "Severity"})), 32767));
    ASSERT_EQ(table_.Values().Count(), 32767u);
    EXPECT_EQ(table_.Values().Item("32766").Item("EventID").Value(), "32767");
    EXPECT_EQ(table_.Values().KeyAt(32767), "32766");
}

TEST(ModelODBCTablePostgres, SchemaQualifiedTableLoads) {
    HostCapture host;
    auto connection = test::OpenSource(test::PostgresTest());
    ODBCTable table;
    table.Activate();
    table.SetMaxRows(4);
    PlainTreeNode node("TABLE#archive.\"OldOrders\"", "archive.\"OldOrders\"", ImageTable, true);
    node.AddChild("k1", "OrderID", ImagePk, true);
    node.AddChild("k2", "Note", ImageField, true);
    auto view = node.View();
    ASSERT_TRUE(table.Load(connection.get(), view.get())) << host.messages.size();
    EXPECT_EQ(table.TableName(), "\"OldOrders\"");
    EXPECT_EQ(KeysOf(table.Fields()), (Names{"OrderID", "Note"}));
    ASSERT_EQ(table.Values().Count(), 4u);
    const Names ids = {"9001", "9002", "2", "3"};
    const Names notes = {"first", "", "Note2", "Note3"};
    for (std::size_t r = 0; r < ids.size(); ++r) {
        EXPECT_EQ(table.Values().Item(r + 1).Item("OrderID").Value(), ids[r]);
        EXPECT_EQ(table.Values().Item(r + 1).Item("Note").Value(), notes[r]);
    }
}

}  // namespace
}  // namespace orvane
