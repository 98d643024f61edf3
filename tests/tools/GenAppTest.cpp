#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "GenApp.h"
#include "core/OrvaneError.h"
#include "core/Screens.h"
#include "model/PlainTreeNode.h"

namespace orvane::gen {
namespace {

DbCatalog SmallCatalog() {
    DbCatalog catalog;
    catalog.folders = {{"System Tables", {}},
                       {"Tables",
                        {{"[Order Details]", {"OrderID", "Unit Price", "Qty"}},
                         {"main.Orders", {"ID"}},
                         {"Main.orders", {"ID"}},
                         {"Customers", {"ID"}}}},
                       {"Views", {{"OrderSummary", {"ID"}}}}};
    return catalog;
}

TEST(GenApp, FindTableByFullName) {
    const DbCatalog catalog = SmallCatalog();
    struct Case {
        std::string name;
        std::string found;  // empty: not found
    };
    const std::vector<Case> cases = {
        {"[Order Details]", "[Order Details]"},
        {"[order details]", "[Order Details]"},
        {"customers", "Customers"},
        {"main.Orders", "main.Orders"},
        {"Main.orders", "Main.orders"},
        {"MAIN.ORDERS", ""},  // two names differ only in case: no guessing
        {"Order Details", ""},
        {"OrderSummary", "OrderSummary"},
        {"Orders", ""},
    };
    for (const Case& c : cases) {
        const DbCatalog::Table* table = GenApp::FindTable(catalog, c.name);
        EXPECT_EQ(table == nullptr ? "" : table->fullName, c.found) << c.name;
    }
}

TEST(GenApp, TableNodeTicksColumnsAndMarksKeys) {
    const DbCatalog catalog = SmallCatalog();
    const DbCatalog::Table& table = catalog.folders[1].tables[0];
    const auto node = GenApp::TableNode(table, {"unit price", "Qty"}, {"OrderID"});
    EXPECT_EQ(node->Key(), "TABLE#[Order Details]");
    EXPECT_EQ(node->Text(), "[Order Details]");
    ASSERT_EQ(node->Children().size(), 3u);
    struct Expect {
        std::string text;
        bool checked;
        int image;
    };
    const std::vector<Expect> expected = {
        {"OrderID", false, ImagePk}, {"Unit Price", true, ImageField}, {"Qty", true, ImageField}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const PlainTreeNode& child = *node->Children()[i];
        EXPECT_EQ(child.Key(), "[Order Details].FIELD#" + expected[i].text);
        EXPECT_EQ(child.Text(), expected[i].text);
        EXPECT_EQ(child.Checked(), expected[i].checked) << expected[i].text;
        EXPECT_EQ(child.Image(), expected[i].image) << expected[i].text;
    }
    // No --columns: every column is ticked.
    const auto all = GenApp::TableNode(table, {}, {});
    for (const auto& child : all->Children()) {
        EXPECT_TRUE(child->Checked());
    }
}

// "Name" and "name" are two columns: an exact name picks one, a third spelling is ambiguous.
TEST(GenApp, ExactColumnNamesWinOverLetterCase) {
    DbCatalog::Table table{"T", {"ID", "Name", "name"}};
    const auto node = GenApp::TableNode(table, {"id", "name"}, {"ID"});
    std::vector<bool> checked;
    for (const auto& child : node->Children()) checked.push_back(child->Checked());
    EXPECT_EQ(checked, (std::vector<bool>{true, false, true}));
    try {
        GenApp::TableNode(table, {"NAME"}, {"ID"});
        ADD_FAILURE() << "no usage error";
    } catch (const GenOptions::UsageError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Column \"NAME\" of T differs only in letter case from \"Name\", \"name\"; "
                  "give the exact name");
    }
}

TEST(GenApp, UnknownColumnOrKeyFails) {
    const DbCatalog catalog = SmallCatalog();
    const DbCatalog::Table& table = catalog.folders[1].tables[0];
    for (const auto& [columns, keys] :
         std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>>{
             {{"Nope"}, {}}, {{}, {"Unit_Price"}}}) {
        try {
            GenApp::TableNode(table, columns, keys);
            ADD_FAILURE() << "no failure";
        } catch (const GenApp::Failure& e) {
            EXPECT_NE(std::string(e.what()).find("in table [Order Details]"), std::string::npos);
        }
    }
}

TEST(GenApp, OutputFileNamesFollowSaveAll) {
    const std::vector<std::string> expected = {"A.xsd",   "A.biz",    "A.dtd",  "A.xml", "A.sql",
                                               "AS5.cls", "AS6.java", "AS7.vb", "AS8.cs"};
    for (int screen = 0; screen < 9; ++screen) {
        EXPECT_EQ(ScreenFileName("A", screen, "S" + std::to_string(screen)), expected[screen]);
    }
    // An alias or suffix that gives no file name is refused, not saved as a hidden file.
    for (const auto& [alias, suffix] :
         {std::pair<std::string, std::string>{"", ""}, {"..", ""}, {".", "."}}) {
        EXPECT_THROW(ScreenFileName(alias, JAVA_CODE, suffix), OrvaneError) << alias << suffix;
    }
}

TEST(GenApp, UsageErrorAndHelpNeedNoDatabase) {
    std::ostringstream out;
    std::ostringstream err;
    GenApp app(out, err);
    EXPECT_EQ(app.Run({"--rows", "many"}), 2);
    EXPECT_EQ(err.str(),
              "orvane-gen: --rows needs a whole number from 0 to 32767, not \"many\"\n"
              "Try 'orvane-gen --help' for more information.\n");
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(app.Run({"--help"}), 0);
    EXPECT_EQ(out.str(), GenOptions::Usage());
}

}  // namespace
}  // namespace orvane::gen

namespace orvane::gen {
namespace {

TEST(GenApp, ListsAndGeneratesInProcess) {
    std::ostringstream out;
    std::ostringstream err;
    GenApp app(out, err);
    EXPECT_EQ(app.Run({"--dsn", "OrvaneSample", "--list"}), 0) << err.str();
    EXPECT_NE(out.str().find("\n    Customers\n      CustomerID\n"), std::string::npos);
    out.str("");
    EXPECT_EQ(
        app.Run({"--dsn", "OrvaneSample", "--table", "customers", "--keys", "customerid",
                 "--columns", "CUSTOMERID", "--rows", "1", "--screens", "xml", "--alias", "C"}),
        0)
        << err.str();
    EXPECT_NE(out.str().find("\t<C>\r\n\t\t<CustomerID>1</CustomerID>\r\n\t</C>\r\n"),
              std::string::npos)
        << out.str();
}

}  // namespace
}  // namespace orvane::gen
