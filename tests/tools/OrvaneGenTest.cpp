// orvane-gen as its user meets it: exit status, messages, the text it prints, the files it
// writes. Most runs go through GenApp in this process, as main does; the program itself runs
// where only a process shows the behaviour.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "GenApp.h"
#include "Golden.h"
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
    const std::vector<std::string> xml = {"--keys", "CustomerID", "--screens", "xml"};
    // Usage errors (status 2, nothing read), help winning over everything, failures (status 1
    // and one line saying what), names reaching the terminal escaped, and runs that are done.
    // Names differing only in letter case find their one table and column.
    const std::vector<std::vector<std::string>> cases = {
        {"--bogus"},
        {"Customers"},
        {"--table"},
        {"--list=yes"},
        {"--rows", "1", "--rows", "2"},
        {"--table", "A", "--table", "B"},
        {"--rows", "32768", "--screens", "xml"},
        {"--rows", "-1", "--screens", "xml"},
        {"--rows", "", "--screens", "xml"},
        {"--screens", "xml,c#"},
        {"--screens", "xml,,sql", "--out", "d"},
        {"--keys", "A,", "--screens", "xml"},
        {"--dsn", "D", "--driver", "X", "--screens", "xml"},
        {"--server", "S", "--screens", "xml"},
        {"--dsn", "D", "--table", "T"},
        {"--out", "", "--screens", "xml"},
        {"--alias", "a/b", "--out", "d"},
        {"--bogus", "-h"},
        {"--table", "Customers", "--keys", "CustomerID", "--screens", "xml"},
        Sample({"--screens", "xml"}),
        Sample({"--table", "Customers", "--screens", "xml"}),
        Sample(With({"--table", "Nope"}, xml)),
        Sample(With({"--table", "Customers", "--columns", "City,Nope"}, xml)),
        Sample({"--table", "Customers", "--keys", "Id_", "--screens", "xml"}),
        {"--dsn", "NoSuchSource", "--list"},
        Sample(With({"--table", "Customers", "--out", "/proc/orvane"}, xml)),
        With(broken, {"--table", "v", "--keys", "id", "--screens", "xml"}),
        With(keyed,
             {"--all-tables", "--screens", "sql", "--dialect", "sqlite", "--out", dir_ + "/keyed"}),
        // Dots alone name no file: nothing is written.
        Sample(With({"--table", "Customers", "--alias", "..", "--out", dir_ + "/dots"}, xml)),
        With(hostile, {"--table", "\"clear\\x1B[2J\"", "--keys", "k\x1B[2J", "--screens", "xml"}),
        With(hostile, {"--list"}),
        With(hostile, {"--table", "\"clear\\x1B[2J\"", "--keys", "id", "--screens", "xml", "--out",
                       dir_ + "/hostile"}),
        Sample({"--list"}),
        Sample({"--table=customers", "--keys", "customerid", "--columns", "CUSTOMERID,city",
                "--rows=1", "--screens", "xml", "--alias", "C"}),
        With(own, {"--list"}),
        With(own, {"--table", "[my table]", "--keys", "id", "--screens", "xml"}),
    };
    std::string transcript;
    for (const std::vector<std::string>& args : cases) {
        const RunResult r = RunApp(args);
        transcript += "$";
        for (const std::string& arg : args) transcript += " [" + arg + "]";
        transcript += "\n" + std::to_string(r.status) + "\n" + r.err + "--\n" + r.out + "\n";
    }
    // Read the same anywhere: the folder and the login name are placeholders; an escape
    // character (only an argument holds one) shows as \e.
    for (const auto& [text, name] :
         {std::pair(dir_, "$DIR"), std::pair(std::string("\x1B"), "\\e"),
          std::pair(std::string("by ") + getpwuid(geteuid())->pw_name, "by {LOGIN}")})
        for (std::size_t at; (at = transcript.find(text)) != std::string::npos;)
            transcript.replace(at, text.size(), name);
    test::expectGolden("orvane-gen-runs.txt", transcript);
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
    const std::vector<std::string> settingsFiles = folder.FilesStartingWith("");
    const std::string stored = folder.ReadFile("machine.reg");

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
    EXPECT_EQ(folder.FilesStartingWith(""), settingsFiles);
    EXPECT_EQ(folder.ReadFile("machine.reg"), stored);

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
