// Runs the built orvane-gen against the test environment's data sources.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Programs.h"
#include "TestSupport.h"
#include "settings/Config.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

using test::Quote;
using test::ReadFile;
using Result = test::RunResult;

class OrvaneGenRun : public ::testing::Test {
  protected:
    void SetUp() override { dir_ = test::MakeTempDir("orvgenrun"); }
    void TearDown() override { fs::remove_all(dir_); }

    // env: extra "NAME=value " assignments for this run only; out: a file standard output
    // goes to instead of the result.
    Result Run(std::vector<std::string> args, const std::string& env = "",
               const std::string& out = "") const {
        // The drivers leak a little through libodbcinst, which they load and unload again; full
        // stacks let the leak suppressions recognise the driver that asked for it.
        const std::string asan =
            "ASAN_OPTIONS=" + Quote(test::EnvOr("ASAN_OPTIONS", "") + ":fast_unwind_on_malloc=0");
        args.insert(args.begin(), test::EnvOr("ORVANE_BIN_DIR", ".") + "/orvane-gen");
        if (!out.empty())
            args.insert(args.begin(), {"sh", "-c", "exec \"$0\" \"$@\" >" + Quote(out)});
        return test::RunProgram(args, asan + " " + env, test::ErrorOutput::Apart);
    }
    static bool WellFormed(const std::string& path) {
        return test::RunProgram({"xmllint", "--noout", path}).status == 0;
    }

    std::string dir_;
};

const std::vector<std::string> kSample = {"--dsn", "OrvaneSample"};

std::vector<std::string> Sample(std::vector<std::string> more) {
    more.insert(more.begin(), kSample.begin(), kSample.end());
    return more;
}

TEST_F(OrvaneGenRun, ListShowsFoldersTablesAndColumns) {
    const Result r = Run(Sample({"--list"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("OrvaneSample (", 0), 0u) << r.out;
    for (const std::string& part :
         {std::string("\n  System Tables\n"), std::string("\n  Tables\n"),
          std::string("\n  Views\n    OrderSummary\n      OrderID\n"),
          std::string("\n    Customers\n      CustomerID\n      CompanyName\n      ContactName\n"),
          std::string("\n    [Price$History]\n      ProductID\n      ValidFrom\n      Price\n"
                      "      Changed By\n")}) {
        EXPECT_NE(r.out.find(part), std::string::npos) << part;
    }
    EXPECT_TRUE(r.err.empty()) << r.err;
}

TEST_F(OrvaneGenRun, PrintsTheXmlDocumentOfOneTable) {
    const Result r = Run(Sample({"--table", "Customers", "--keys", "CustomerID", "--screens", "xml",
                                 "--columns", "CustomerID,City", "--rows", "3"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("<Customers>\r\n\t<Customers>\r\n\t\t<CustomerID>1</CustomerID>\r\n"
                         "\t\t<City>Berlin</City>\r\n\t</Customers>\r\n"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("CompanyName"), std::string::npos);
    std::ofstream(dir_ + "/c.xml", std::ios::binary) << r.out;
    EXPECT_TRUE(WellFormed(dir_ + "/c.xml"));
}

TEST_F(OrvaneGenRun, WritesFilesWithTheUsersSettings) {
    // A settings folder of this test's own, with a class suffix and an XML case rule.
    const std::string config = dir_ + "/config";
    fs::create_directories(config);
    const char* old = std::getenv("ORVANE_CONFIG_DIR");
    const std::string oldConfig = old != nullptr ? old : "";
    setenv("ORVANE_CONFIG_DIR", config.c_str(), 1);
    {
        Config settings;
        settings.Screens().Item("3")->IsUppercase = 1;
        settings.Screens().Item("3")->Suffix = "Set";
        settings.Screens().Item("5")->Suffix = "Cls";
        settings.Save();
    }
    if (old != nullptr) {
        setenv("ORVANE_CONFIG_DIR", oldConfig.c_str(), 1);
    } else {
        unsetenv("ORVANE_CONFIG_DIR");
    }
    std::vector<std::string> before;
    for (const auto& entry : fs::recursive_directory_iterator(config)) {
        if (entry.is_regular_file()) before.push_back(ReadFile(entry.path().string()));
    }

    const std::string out = dir_ + "/out/nested";
    const Result r = Run(Sample({"--table", "[Order Details]", "--keys", "OrderID,ProductID",
                                 "--screens", "xml,sql,vb,csharp", "--out", out, "--rows", "250"}),
                         "ORVANE_CONFIG_DIR=" + Quote(config) + " ");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.empty());
    for (const char* name :
         {"Order_Details.xml", "Order_Details.sql", "Order_DetailsCls.cls", "Order_Details.cs"}) {
        EXPECT_TRUE(fs::exists(out + "/" + name)) << name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 4);
    const std::string xml = ReadFile(out + "/Order_Details.xml");
    EXPECT_NE(xml.find("<ORDER_DETAILSSet>\r\n\t<ORDER_DETAILS>\r\n\t\t<ORDERID>10248</ORDERID>"),
              std::string::npos)
        << xml.substr(0, 300);
    EXPECT_TRUE(WellFormed(out + "/Order_Details.xml"));
    // Progress of the long run reaches stderr.
    EXPECT_NE(r.err.find("Loaded 200 records."), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Generated 200 XML records."), std::string::npos) << r.err;
    // The screens were enabled for this run only.
    std::vector<std::string> after;
    for (const auto& entry : fs::recursive_directory_iterator(config)) {
        if (entry.is_regular_file()) after.push_back(ReadFile(entry.path().string()));
    }
    EXPECT_EQ(after, before);

    const Result quiet =
        Run(Sample({"--table", "[Order Details]", "--keys", "OrderID", "--screens", "xml", "--out",
                    out, "--rows", "250", "--alias", "Again", "--quiet"}));
    EXPECT_EQ(quiet.status, 0);
    EXPECT_TRUE(quiet.err.empty()) << quiet.err;
    EXPECT_TRUE(fs::exists(out + "/Again.xml"));
}

TEST_F(OrvaneGenRun, ConnectsThroughADriverWithoutDataSource) {
    const std::string db = dir_ + "/own.db";
    ASSERT_EQ(test::RunProgram({"sqlite3", db,
                                "CREATE TABLE [my table] (id INTEGER PRIMARY KEY, [1st] TEXT);"
                                " INSERT INTO [my table] VALUES (1, 'a & b');"})
                  .status,
              0);
    const std::vector<std::string> connect = {"--driver", "SQLite3", "--database", db};
    Result r = Run({connect[0], connect[1], connect[2], connect[3], "--list"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n    [my table]\n      id\n      1st\n"), std::string::npos) << r.out;

    r = Run({connect[0], connect[1], connect[2], connect[3], "--table", "[my table]", "--keys",
             "id", "--screens", "xml", "--rows", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("<my_table>\r\n\t<my_table>\r\n\t\t<id>1</id>\r\n"
                         "\t\t<_x0031_st>a &amp; b</_x0031_st>\r\n"),
              std::string::npos)
        << r.out;
}

TEST_F(OrvaneGenRun, FailuresSayWhatAndExitOne) {
    const std::string pk =
        "orvane-gen: Please Select a Primary Key for the [Customers] table.\n"
        "Doubleclick one the primary key fields to select or unselect them.\n";
    struct Case {
        std::vector<std::string> args;
        std::string err;  // the whole of stderr, or its start when it ends in "..."
    };
    const std::vector<Case> cases = {
        {{"--table", "Customers", "--keys", "CustomerID", "--screens", "xml"},
         "orvane-gen: Please Select Data source\n"},
        {Sample({"--screens", "xml"}), "orvane-gen: Please Select a table and a primary key.\n"},
        {Sample({"--table", "Customers", "--screens", "xml"}), pk},
        {Sample({"--table", "Nope", "--keys", "ID", "--screens", "xml"}),
         "orvane-gen: Unknown table \"Nope\" (orvane-gen --list shows the tables of the data "
         "source)\n"},
        {Sample({"--table", "Customers", "--keys", "CustomerID", "--columns", "City,Nope",
                 "--screens", "xml"}),
         "orvane-gen: Unknown column \"Nope\" in table Customers\n"},
        {Sample({"--table", "Customers", "--keys", "Id_", "--screens", "xml"}),
         "orvane-gen: Unknown column \"Id_\" in table Customers\n"},
        {{"--dsn", "NoSuchSource", "--list"}, "orvane-gen: Cannot connect to the data source: ..."},
        {Sample({"--table", "Customers", "--keys", "CustomerID", "--screens", "xml", "--out",
                 "/proc/orvane"}),
         "orvane-gen: Cannot create the folder /proc/orvane: ..."},
    };
    for (const Case& c : cases) {
        const Result r = Run(c.args);
        EXPECT_EQ(r.status, 1) << c.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
        if (c.err.size() > 3 && c.err.compare(c.err.size() - 3, 3, "...") == 0) {
            EXPECT_EQ(r.err.rfind(c.err.substr(0, c.err.size() - 3), 0), 0u) << r.err;
            EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
        } else {
            EXPECT_EQ(r.err, c.err);
        }
    }
}

// Names are data on the terminal and in file names: escape sequences are printed escaped (and
// name their table as printed), and a file name holds no control character.
TEST_F(OrvaneGenRun, EscapeSequencesInNamesArePrintedEscaped) {
    const std::string db = dir_ + "/hostile.db";
    ASSERT_EQ(test::RunProgram({"sqlite3", db,
                                "CREATE TABLE \"clear\x1B[2J\" (id INTEGER, \"red\x1B[31m\" TEXT);"
                                " INSERT INTO \"clear\x1B[2J\" VALUES (1, 2);"})
                  .status,
              0);
    const std::vector<std::string> connect = {"--driver", "SQLite3", "--database", db};
    auto with = [&](std::vector<std::string> args) {
        args.insert(args.begin(), connect.begin(), connect.end());
        return args;
    };
    Result r = Run(with({"--list"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n    \"clear\\x1B[2J\"\n      id\n      red\\x1B[31m\n"),
              std::string::npos)
        << r.out;

    const std::string out = dir_ + "/out";
    // The alias the desktop proposes keeps the escape character; its file name does not.
    r = Run(
        with({"--table", "\"clear\\x1B[2J\"", "--keys", "id", "--screens", "xml", "--out", out}));
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(out)) files.push_back(entry.path().filename());
    EXPECT_EQ(files, std::vector<std::string>{"clear_2J.xml"});

    r = Run(with({"--table", "\"clear\\x1B[2J\"", "--keys", "k\x1B[2J", "--screens", "xml"}));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("\"k\\x1B[2J\" in table \"clear\\x1B[2J\""), std::string::npos) << r.err;
    for (const std::string& text : {r.out, r.err}) {
        EXPECT_EQ(text.find('\x1B'), std::string::npos) << text;
    }
}

TEST_F(OrvaneGenRun, LostStandardOutputExitsOneWithAMessage) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, Sample({"--list"}),
          Sample({"--table", "Customers", "--keys", "CustomerID", "--screens", "xml"})}) {
        const Result r = Run(args, "", "/dev/full");
        EXPECT_EQ(r.status, 1) << args.back();
        EXPECT_EQ(r.err, "orvane-gen: Cannot write to standard output\n") << args.back();
    }
}

TEST_F(OrvaneGenRun, RejectedQueryFails) {
    // A view over a table that no longer exists: listed, but its query fails.
    const std::string db = dir_ + "/broken.db";
    ASSERT_EQ(test::RunProgram({"sqlite3", db,
                                "CREATE TABLE t (id INTEGER); CREATE VIEW v AS SELECT id FROM t;"
                                " CREATE TABLE k (id INTEGER); DROP TABLE t;"})
                  .status,
              0);
    const Result r = Run({"--driver", "SQLite3", "--database", db, "--table", "v", "--keys", "id",
                          "--screens", "xml"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("orvane-gen: ", 0), 0u) << r.err;
    EXPECT_TRUE(r.out.empty());
}

TEST_F(OrvaneGenRun, UsageErrorsExitTwo) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--bogus"}, Sample({"--table", "Customers"}),
          std::vector<std::string>{"--rows", "99999", "--screens", "xml"}}) {
        const Result r = Run(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_NE(r.err.find("Try 'orvane-gen --help'"), std::string::npos) << r.err;
    }
    const Result help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage:", 0), 0u);
}

}  // namespace
}  // namespace orvane
