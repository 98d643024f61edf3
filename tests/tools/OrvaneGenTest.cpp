// orvane-gen as its user meets it: exit status, messages, the text it prints, the files it
// writes. Most runs go through GenApp in this process, as main does; the program itself runs
// where only a process shows the behaviour.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "GenApp.h"
#include "Programs.h"
#include "TempSettingsFolder.h"
#include "TestSupport.h"
#include "data/Connection.h"
#include "model/PlainTreeNode.h"
#include "settings/Config.h"

namespace orvane::gen {
namespace {

namespace fs = std::filesystem;
using test::RunResult;

RunResult RunApp(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = GenApp(out, err).Run(args);
    return {status, out.str(), err.str()};
}

RunResult RunTool(std::vector<std::string> args) {
    // The drivers leak a little through libodbcinst, which they load and unload again; full
    // stacks let the leak suppressions recognise the driver that asked for it.
    const std::string asan =
        "ASAN_OPTIONS=" + test::Quote(test::EnvOr("ASAN_OPTIONS", "") + ":fast_unwind_on_malloc=0");
    args.insert(args.begin(), test::EnvOr("ORVANE_BIN_DIR", ".") + "/orvane-gen");
    return test::RunProgram(args, asan + " ", test::ErrorOutput::Apart);
}

std::vector<std::string> Sample(std::vector<std::string> more) {
    more.insert(more.begin(), {"--dsn", "OrvaneSample"});
    return more;
}

class OrvaneGen : public ::testing::Test {
  protected:
    void SetUp() override { dir_ = test::MakeTempDir("orvane-gen"); }
    void TearDown() override { fs::remove_all(dir_); }

    // A SQLite database of its own, reached through the driver without a data source.
    std::vector<std::string> OwnDatabase(const std::string& name, const std::string& sql) const {
        const std::string db = dir_ + "/" + name;
        EXPECT_EQ(test::RunProgram({"sqlite3", db, sql}).status, 0) << sql;
        return {"--driver", "SQLite3", "--database", db};
    }

    std::string dir_;
};

struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;       // how standard error starts; all of it when it ends in a line break
    std::string out = {};  // a part of standard output
};

std::vector<std::string> With(std::vector<std::string> connect,
                              const std::vector<std::string>& more) {
    connect.insert(connect.end(), more.begin(), more.end());
    return connect;
}

TEST_F(OrvaneGen, EachRunEndsWithItsStatusAndMessage) {
    const auto own = OwnDatabase("own.db",
                                 "CREATE TABLE [my table] (id INTEGER PRIMARY KEY, [1st] TEXT);"
                                 " INSERT INTO [my table] VALUES (1, 'a & b');");
    // A view over a table that no longer exists: listed, but its query fails.
    const auto broken = OwnDatabase("broken.db",
                                    "CREATE TABLE t (id INTEGER); CREATE VIEW v AS SELECT id FROM"
                                    " t; CREATE TABLE k (id INTEGER); DROP TABLE t;");
    const auto hostile = OwnDatabase("hostile.db",
                                     "CREATE TABLE \"clear\x1B[2J\" (id INTEGER, \"red\x1B[31m\" "
                                     "TEXT); INSERT INTO \"clear\x1B[2J\" VALUES (1, 2);");
    // Keys from the catalogue; a table without one is skipped, the others written.
    const auto keyed =
        OwnDatabase("keyed.db",
                    "CREATE TABLE \"a/b\" (x INTEGER, y INTEGER, PRIMARY KEY (x, y));"
                    " CREATE TABLE nokey (v TEXT); INSERT INTO nokey VALUES ('v');");
    const std::string rows = "orvane-gen: --rows needs a whole number from 0 to 32767, not ";
    const std::vector<std::string> xml = {"--keys", "CustomerID", "--screens", "xml"};
    const std::vector<Case> cases = {
        // Usage errors: status 2, nothing read.
        {{"--bogus"}, 2, "orvane-gen: unknown option --bogus\n"},
        {{"Customers"}, 2, "orvane-gen: unexpected argument \"Customers\"\n"},
        {{"--table"}, 2, "orvane-gen: --table needs a value\n"},
        {{"--list=yes"}, 2, "orvane-gen: --list takes no value\n"},
        {{"--rows", "1", "--rows", "2"}, 2, "orvane-gen: --rows is given more than once\n"},
        {{"--table", "A", "--table", "B"},
         2,
         "orvane-gen: several tables are written one folder each: give --out DIR\n"},
        {{"--rows", "32768", "--screens", "xml"}, 2, rows + "\"32768\"\n"},
        {{"--rows", "-1", "--screens", "xml"}, 2, rows + "\"-1\"\n"},
        {{"--rows", "", "--screens", "xml"}, 2, rows + "\"\"\n"},
        {{"--screens", "xml,c#"}, 2, "orvane-gen: unknown screen \"c#\""},
        {{"--screens", "xml,,sql", "--out", "d"}, 2, "orvane-gen: --screens has an empty name"},
        {{"--keys", "A,", "--screens", "xml"}, 2, "orvane-gen: --keys has an empty name"},
        {{"--dsn", "D", "--driver", "X", "--screens", "xml"}, 2, "orvane-gen: --dsn cannot be"},
        {{"--server", "S", "--screens", "xml"}, 2, "orvane-gen: --server needs --driver"},
        {{"--dsn", "D", "--table", "T"},
         2,
         "orvane-gen: more than one screen: name one with --screens, or write files with --out "
         "DIR\n"},
        {{"--out", "", "--screens", "xml"}, 2, "orvane-gen: --out needs a folder"},
        {{"--alias", "a/b", "--out", "d"},
         2,
         "orvane-gen: --alias names the output files and cannot contain \"/\"\n"},
        // Help wins over everything.
        {{"--bogus", "-h"}, 0, "", GenOptions::Usage()},
        // Failures: status 1 and one line saying what.
        {{"--table", "Customers", "--keys", "CustomerID", "--screens", "xml"},
         1,
         "orvane-gen: Please Select Data source\n"},
        {Sample({"--screens", "xml"}), 1, "orvane-gen: Please Select a table and a primary key.\n"},
        {Sample({"--table", "Customers", "--screens", "xml"}), 1,
         "orvane-gen: Please Select a Primary Key for the [Customers] table.\n"
         "Doubleclick one the primary key fields to select or unselect them.\n"},
        {Sample(With({"--table", "Nope"}, xml)), 1,
         "orvane-gen: Unknown table \"Nope\" (orvane-gen --list shows the tables of the data "
         "source)\n"},
        {Sample(With({"--table", "Customers", "--columns", "City,Nope"}, xml)), 1,
         "orvane-gen: Unknown column \"Nope\" in table Customers\n"},
        {Sample({"--table", "Customers", "--keys", "Id_", "--screens", "xml"}), 1,
         "orvane-gen: Unknown column \"Id_\" in table Customers\n"},
        {{"--dsn", "NoSuchSource", "--list"}, 1, "orvane-gen: Cannot connect to the data source: "},
        {Sample(With({"--table", "Customers", "--out", "/proc/orvane"}, xml)), 1,
         "orvane-gen: Cannot create the folder /proc/orvane: "},
        {With(broken, {"--table", "v", "--keys", "id", "--screens", "xml"}), 1, "orvane-gen: "},
        {With(keyed, {"--all-tables", "--screens", "sql", "--dialect", "sqlite", "--out",
                      dir_ + "/keyed"}),
         1,
         "\"a/b\": written into " + dir_ +
             "/keyed/a_b\nnokey: skipped: the data source reports no "
             "primary key (name one with --keys)\n"},
        // Dots alone name no file: nothing is written.
        {Sample(With({"--table", "Customers", "--alias", "..", "--out", dir_ + "/dots"}, xml)), 1,
         "orvane-gen: \"..\" gives no file name: an alias or suffix needs a character other "
         "than \".\"\n"},
        // Names reach the terminal escaped, and are given back as printed.
        {With(hostile, {"--table", "\"clear\\x1B[2J\"", "--keys", "k\x1B[2J", "--screens", "xml"}),
         1, "orvane-gen: Unknown column \"k\\x1B[2J\" in table \"clear\\x1B[2J\"\n"},
        {With(hostile, {"--list"}), 0, "",
         "\n    \"clear\\x1B[2J\"\n      id\n      red\\x1B[31m\n"},
        {With(hostile, {"--table", "\"clear\\x1B[2J\"", "--keys", "id", "--screens", "xml", "--out",
                        dir_ + "/hostile"}),
         0, ""},
        // Done: status 0, the text on standard output. Names differing only in letter case
        // find their one table and column.
        {Sample({"--list"}), 0, "",
         "\n    Customers\n      CustomerID\n      CompanyName\n      ContactName\n"},
        {Sample({"--list"}), 0, "", "\n  Views\n    OrderSummary\n      OrderID\n"},
        {Sample({"--table=customers", "--keys", "customerid", "--columns", "CUSTOMERID,city",
                 "--rows=1", "--screens", "xml", "--alias", "C"}),
         0, "", "\t<C>\r\n\t\t<CustomerID>1</CustomerID>\r\n\t\t<City>Berlin</City>\r\n\t</C>\r\n"},
        {With(own, {"--list"}), 0, "", "\n    [my table]\n      id\n      1st\n"},
        {With(own, {"--table", "[my table]", "--keys", "id", "--screens", "xml"}), 0, "",
         "<my_table>\r\n\t<my_table>\r\n\t\t<id>1</id>\r\n\t\t<_x0031_st>a &amp; b</_x0031_st>"},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& arg : c.args) line += arg + " ";
        SCOPED_TRACE(line);
        const RunResult r = RunApp(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        const std::string hint =
            c.status == 2 ? "Try 'orvane-gen --help' for more information.\n" : "";
        if (c.err.ends_with('\n')) {
            EXPECT_EQ(r.err, c.err + hint);
        } else if (!c.err.empty()) {
            EXPECT_TRUE(r.err.starts_with(c.err) && r.err.ends_with(hint)) << r.err;
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), hint.empty() ? 1 : 2) << r.err;
        }
        EXPECT_EQ(r.out.empty(), c.out.empty()) << r.out;
        if (!c.out.empty()) {
            EXPECT_NE(r.out.find(c.out), std::string::npos) << r.out;
        }
    }
    EXPECT_FALSE(fs::exists(dir_ + "/dots"));
    EXPECT_NE(test::ReadFile(dir_ + "/keyed/a_b/a_b.sql").find("PRIMARY KEY (\"x\", \"y\")"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(dir_ + "/keyed/nokey"));

    // The whole sample in one run: a line and a folder holding its text for every table.
    const RunResult all =
        RunApp(Sample({"--all-tables", "--screens", "xml", "--out", dir_ + "/all"}));
    EXPECT_EQ(all.status, 0) << all.err;
    data::Connection sample;
    sample.Open("DSN=OrvaneSample");
    const auto tables = static_cast<long>(DbCatalog::Read(sample).Tables().tables.size());
    EXPECT_EQ(std::count(all.err.begin(), all.err.end(), '\n'), tables) << all.err;
    EXPECT_EQ(
        std::count_if(fs::recursive_directory_iterator(dir_ + "/all"), {},
                      [](const fs::directory_entry& e) { return e.path().extension() == ".xml"; }),
        tables);

    // The file name keeps no control character of the alias.
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(dir_ + "/hostile")) {
        files.push_back(entry.path().filename());
    }
    EXPECT_EQ(files, std::vector<std::string>{"clear_2J.xml"});

    // Standard output lost: status 1 and a message, whatever was being printed.
    for (const auto& args : {std::vector<std::string>{"--help"}, Sample({"--list"}),
                             Sample(With({"--table", "Customers"}, xml))}) {
        std::ostream lost(nullptr);
        std::ostringstream err;
        EXPECT_EQ(GenApp(lost, err).Run(args), 1) << args.back();
        EXPECT_EQ(err.str(), "orvane-gen: Cannot write to standard output\n") << args.back();
    }
}

// The program reads the user's settings, writes one file a screen and leaves the settings as
// they were; progress of a long run goes to standard error unless --quiet.
TEST_F(OrvaneGen, TheProgramWritesOneFileAScreenWithTheUsersSettings) {
    // The child inherits the folder's ORVANE_CONFIG_DIR.
    const test::TempSettingsFolder folder;
    Config settings;
    settings.Screens().Item("3")->IsUppercase = 1;
    settings.Screens().Item("3")->Suffix = "Set";
    settings.Screens().Item("5")->Suffix = "Cls";
    settings.Save();
    const auto settingsFiles = [&folder] {
        std::vector<std::string> texts;
        for (const std::string& name : folder.FilesStartingWith("")) {
            texts.push_back(name + "\n" + folder.ReadFile(name));
        }
        return texts;
    };
    const std::vector<std::string> before = settingsFiles();

    const std::string out = dir_ + "/out/nested";
    const RunResult r = RunTool(
        Sample({"--table", "[Order Details]", "--keys", "OrderID,ProductID", "--screens",
                "xsd,biz,dtd,XML,sql,vb,java,vbnet,CSharp", "--out", out, "--rows", "250"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(out)) {
        files.push_back(entry.path().filename().string());
        EXPECT_GT(entry.file_size(), 100u) << files.back();
    }
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{
                         "Order_Details.biz", "Order_Details.cs", "Order_Details.dtd",
                         "Order_Details.java", "Order_Details.sql", "Order_Details.vb",
                         "Order_Details.xml", "Order_Details.xsd", "Order_DetailsCls.cls"}));
    const std::string xml = test::ReadFile(out + "/Order_Details.xml");
    EXPECT_TRUE(xml.starts_with("<?xml") &&
                xml.find("<ORDER_DETAILSSet>\r\n\t<ORDER_DETAILS>\r\n"
                         "\t\t<ORDERID>10248</ORDERID>") != std::string::npos &&
                xml.find("\t\t<DISCOUNT>") != std::string::npos)
        << xml.substr(0, 300);
    EXPECT_NE(r.err.find("Loaded 200 records."), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Generated 200 XML records."), std::string::npos) << r.err;
    EXPECT_EQ(settingsFiles(), before);

    const RunResult quiet =
        RunTool(Sample({"--table", "[Order Details]", "--keys", "OrderID", "--screens", "xml",
                        "--out", out, "--rows", "250", "--alias", "Again", "--quiet"}));
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.err, "");
    EXPECT_TRUE(fs::exists(out + "/Again.xml"));
}

// "Name" and "name" are two columns: an exact name picks one, a third spelling is refused; two
// tables that differ only in letter case are found by exact name only.
TEST(OrvaneGenNames, ExactNamesWinOverLetterCase) {
    const DbCatalog::Table table{"T", {"ID", "Name", "name"}};
    const auto node = GenApp::TableNode(table, {"id", "name"}, {"ID"});
    std::vector<bool> checked;
    for (const auto& child : node->Children()) checked.push_back(child->Checked());
    EXPECT_EQ(checked, (std::vector<bool>{true, false, true}));
    EXPECT_THROW(GenApp::TableNode(table, {"NAME"}, {"ID"}), GenOptions::UsageError);

    DbCatalog catalog;
    catalog.folders = {{"Tables", {{"main.Orders", {"ID"}}, {"Main.orders", {"ID"}}}}};
    for (const auto& [name, found] : std::vector<std::pair<std::string, std::string>>{
             {"main.Orders", "main.Orders"}, {"Main.orders", "Main.orders"}, {"MAIN.ORDERS", ""}}) {
        const DbCatalog::Table* table = GenApp::FindTable(catalog, name);
        EXPECT_EQ(table == nullptr ? "" : table->fullName, found) << name;
    }
}

}  // namespace
}  // namespace orvane::gen
