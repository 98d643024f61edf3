#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestSources.h"
#include "TestSupport.h"
#include "data/Connection.h"
#include "model/ConnectionManager.h"
#include "model/ConnectionTexts.h"

namespace orvane {
namespace {

struct ComposeCase {
    const char* name;
    ConnectionInput input;
    const char* previousJava;  // what sJavaConnect held before OK
    const char* ado;
    const char* java;
    const char* csharp;
    const char* selected;
};

const std::vector<ComposeCase> kComposeCases = {
    {"data source, no database",
     {"d", "u", "p", "", "", ""},
     "",
     "PROVIDER=MSDASQL;UID=u;PWD=p;DSN=d;",
     R"("jdbc:odbc:d","u","p")",
     R"("DSN=d; user_id=u; password=p;")",
     "d"},
    {"data source with database",
     {"d", "u", "p", "b", "", ""},
     "",
     "PROVIDER=MSDASQL;UID=u;PWD=p;DSN=d; Database=b;",
     R"("jdbc:odbc:d;DB=b","u","p")",
     R"("DSN=d; Database=b; user_id=u; password=p;")",
     "d"},
    {"data source replaces an earlier Java text",
     {"d", "u", "p", "", "", ""},
     R"("jdbc:odbc:old","x","y")",
     "PROVIDER=MSDASQL;UID=u;PWD=p;DSN=d;",
     R"("jdbc:odbc:d","u","p")",
     R"("DSN=d; user_id=u; password=p;")",
     "d"},
    {"driver, server and database",
     {"(None)", "u", "p", "b", "r", "s"},
     "",
     "PROVIDER=MSDASQL;UID=u;PWD=p; Driver=r; Server=s; Database=b;",
     R"("jdbc:odbc:Driver=r;Server=s;DB=b","u","p")",
     R"("Driver=r; Server=s; Database=b; user_id=u; password=p;")",
     "b;"},
    {"driver without database replaces an earlier Java text",
     {"", "u", "p", "", "r", "s"},
     R"("jdbc:odbc:old")",
     "PROVIDER=MSDASQL;UID=u;PWD=p; Driver=r; Server=s;",
     R"("jdbc:odbc:Driver=r;Server=s","u","p")",
     R"("Driver=r; Server=s; user_id=u; password=p;")",
     ";"},
    {"empty user and password",
     {"d", "", "", "", "", ""},
     "",
     "PROVIDER=MSDASQL;UID=;PWD=;DSN=d;",
     R"("jdbc:odbc:d","","")",
     R"("DSN=d; user_id=; password=;")",
     "d"},
    {"values are braced in connection strings and escaped in literals",
     {"my dsn", "o'neil", "p;w\"d", " {b} ", "", ""},
     "",
     "PROVIDER=MSDASQL;UID=o'neil;PWD={p;w\"d};DSN=my dsn; Database={ {b}} };",
     R"("jdbc:odbc:my dsn;DB={ {b}} }","o'neil","p;w\"d")",
     R"("DSN=my dsn; Database={ {b}} }; user_id=o'neil; password={p;w\"d};")",
     "my dsn"},
};

TEST(ModelConnectionTexts, ComposeBuildsTheThreeTexts) {
    for (const ComposeCase& c : kComposeCases) {
        SCOPED_TRACE(c.name);
        ConnectionManager manager;
        manager.sJavaConnect = c.previousJava;
        manager.sCSharpConnect = "stale";
        manager.sSelectedDSN = "stale";
        ConnectionTexts::Compose(c.input, manager);
        EXPECT_EQ(manager.ADOConnect(), c.ado);
        EXPECT_EQ(manager.sJavaConnect, c.java);
        EXPECT_EQ(manager.sCSharpConnect, c.csharp);
        EXPECT_EQ(manager.SelectedDsn(), c.selected);
    }
}

TEST(ModelConnectionTexts, CancelEmptiesOnlyTheDataAccessAndJavaTexts) {
    ConnectionManager manager;
    ConnectionTexts::Compose({"d", "u", "p", "b", "", ""}, manager);
    const std::string csharp = manager.sCSharpConnect;
    ConnectionTexts::Cancel(manager);
    EXPECT_EQ(manager.ADOConnect(), "");
    EXPECT_EQ(manager.sJavaConnect, "");
    EXPECT_EQ(manager.sCSharpConnect, csharp);
    EXPECT_EQ(manager.SelectedDsn(), "d");
}

// A user name or password that reads like more attributes stays a user name or password: the
// connection opens the database that was chosen, and no other file is ever made.
TEST(ModelConnectionTexts, ValuesThatLookLikeAttributesOpenTheChosenDatabase) {
    const std::string folder = test::MakeTempDir("orvane-connect-");
    const std::string other = folder + "/other.db";
    const std::string sample = test::TestEnvDir() + "/OrvaneSample.db";
    struct Case {
        ConnectionInput input;
        const char* query;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {{"OrvaneSample", "", "x;Database=" + other, "", "", ""},
         "select count(*) from Customers",
         "6"},
        {{"OrvaneSample", "u;DSN=OrvanePgTest", "", "", "", ""},
         "select count(*) from Customers",
         "6"},
        {{"(None)", "", "x;Database=" + other + ";", sample, "SQLite3", ""},
         "select count(*) from Customers",
         "6"},
        {{"OrvanePgTest", "orvane_odd", "odd;Database=postgres;}x{ ", "", "", ""},
         "select current_database()",
         "orvane_test"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input.uid + " " + c.input.pwd);
        std::unique_ptr<data::Connection> connection;
        ASSERT_NO_THROW(connection = test::OpenSource(c.input));
        EXPECT_EQ(connection->Execute(c.query)->Field(0).Value(), c.expected);
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace orvane
