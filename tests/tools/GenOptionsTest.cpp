#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GenOptions.h"

namespace orvane::gen {
namespace {

using Args = std::vector<std::string>;

TEST(GenOptions, ParsesWhatTheCommandLineSays) {
    const GenOptions o = GenOptions::Parse({"--dsn",
                                            "OrvaneSample",
                                            "--table=[Order Details]",
                                            "--columns",
                                            "OrderID,Unit Price",
                                            "--keys",
                                            "OrderID,ProductID",
                                            "--rows",
                                            "250",
                                            "--alias",
                                            "OD",
                                            "--screens",
                                            "xml,XSD,xml",
                                            "--out",
                                            "out",
                                            "--user",
                                            "u",
                                            "--password=p=q",
                                            "--database",
                                            "db",
                                            "--quiet"});
    EXPECT_EQ(o.dsn, "OrvaneSample");
    EXPECT_EQ(o.table, "[Order Details]");
    EXPECT_EQ(o.columns, (Args{"OrderID", "Unit Price"}));
    EXPECT_EQ(o.keys, (Args{"OrderID", "ProductID"}));
    EXPECT_EQ(o.rows, 250);
    EXPECT_TRUE(o.aliasGiven);
    EXPECT_EQ(o.alias, "OD");
    EXPECT_EQ(o.screens, (std::vector<int>{0, 3}));
    EXPECT_EQ(o.outDir, "out");
    EXPECT_EQ(o.user, "u");
    EXPECT_EQ(o.password, "p=q");
    EXPECT_EQ(o.database, "db");
    EXPECT_TRUE(o.quiet);
    EXPECT_FALSE(o.list);
    EXPECT_TRUE(o.HasConnection());
}

TEST(GenOptions, Defaults) {
    const GenOptions o = GenOptions::Parse(
        {"--driver", "SQLite3", "--database", "x.db", "--table", "T", "--keys", "K", "--out", "d"});
    EXPECT_EQ(o.rows, 10);
    EXPECT_TRUE(o.columns.empty());
    EXPECT_FALSE(o.aliasGiven);
    EXPECT_EQ(o.screens, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(o.HasConnection());
    EXPECT_FALSE(GenOptions::Parse({"--list"}).HasConnection());
}

TEST(GenOptions, ScreenNames) {
    const Args names = {"xsd", "biz", "dtd", "xml", "sql", "vb", "java", "vbnet", "csharp"};
    const auto screens = [](const std::string& list) {
        return GenOptions::Parse({"--screens", list, "--out", "d"}).screens;
    };
    for (int i = 0; i < 9; ++i) EXPECT_EQ(screens(names[i]), std::vector<int>{i}) << names[i];
    EXPECT_EQ(screens("CSharp"), std::vector<int>{8});
    EXPECT_THROW(screens("c#"), GenOptions::UsageError);
    EXPECT_EQ(GenOptions::Parse({"--screens", "ALL", "--out", "d"}).screens.size(), 9u);
}

TEST(GenOptions, HelpWinsOverEverything) {
    EXPECT_TRUE(GenOptions::Parse({"--bogus", "--help"}).help);
    EXPECT_TRUE(GenOptions::Parse({"-h"}).help);
    EXPECT_NE(GenOptions::Usage().find("--screens"), std::string::npos);
}

TEST(GenOptions, UsageErrors) {
    struct Case {
        Args args;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"--bogus"}, "unknown option --bogus"},
        {{"Customers"}, "unexpected argument \"Customers\""},
        {{"--table"}, "--table needs a value"},
        {{"--list=yes"}, "--list takes no value"},
        {{"--table", "A", "--table", "B"}, "--table is given more than once"},
        {{"--rows", "x", "--screens", "xml"}, "--rows needs a whole number from 0 to 32767"},
        {{"--rows", "32768", "--screens", "xml"}, "--rows needs a whole number from 0 to 32767"},
        {{"--rows", "-1", "--screens", "xml"}, "--rows needs a whole number from 0 to 32767"},
        {{"--rows", "", "--screens", "xml"}, "--rows needs a whole number from 0 to 32767"},
        {{"--screens", "xml,c#"}, "unknown screen \"c#\""},
        {{"--screens", "xml,,sql", "--out", "d"}, "--screens has an empty name"},
        {{"--columns", "A,", "--screens", "xml"}, "--columns has an empty name"},
        {{"--keys", "", "--screens", "xml"}, "--keys has an empty name"},
        {{"--dsn", "D", "--driver", "X", "--screens", "xml"}, "--dsn cannot be combined"},
        {{"--dsn", "D", "--server", "S", "--screens", "xml"}, "--dsn cannot be combined"},
        {{"--server", "S", "--screens", "xml"}, "--server needs --driver"},
        {{"--dsn", "D", "--table", "T"}, "more than one screen"},
        {{"--out", "", "--screens", "xml"}, "--out needs a folder"},
        {{"--alias", "a/b", "--out", "d"}, "cannot contain \"/\""},
    };
    for (const Case& c : cases) {
        std::string what;
        try {
            GenOptions::Parse(c.args);
        } catch (const GenOptions::UsageError& e) {
            what = e.what();
        }
        EXPECT_NE(what.find(c.message), std::string::npos)
            << "expected \"" << c.message << "\", got \"" << what << "\"";
    }
}

TEST(GenOptions, RowsBounds) {
    EXPECT_EQ(GenOptions::Parse({"--rows", "0", "--screens", "xml"}).rows, 0);
    EXPECT_EQ(GenOptions::Parse({"--rows=32767", "--screens", "xml"}).rows, 32767);
    EXPECT_EQ(GenOptions::Parse({"--rows", "007", "--screens", "xml"}).rows, 7);
}

TEST(GenOptions, AliasWithSlashIsFineOnStandardOutput) {
    const GenOptions o = GenOptions::Parse({"--alias", "a/b", "--screens", "xml"});
    EXPECT_EQ(o.alias, "a/b");
    EXPECT_TRUE(GenOptions::Parse({"--alias", "", "--screens", "xml"}).aliasGiven);
}

}  // namespace
}  // namespace orvane::gen
