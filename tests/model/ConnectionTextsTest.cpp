#include <gtest/gtest.h>

#include <string>
#include <vector>

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
     R"(;DB=b","u","p")",
     R"("Driver=r; Server=s; Database=b; user_id=u; password=p;")",
     "b;"},
    {"driver without database keeps the earlier Java text",
     {"", "u", "p", "", "r", "s"},
     R"("jdbc:odbc:old)",
     "PROVIDER=MSDASQL;UID=u;PWD=p; Driver=r; Server=s;",
     R"("jdbc:odbc:old","u","p")",
     R"("Driver=r; Server=s; user_id=u; password=p;")",
     ";"},
    {"empty user and password",
     {"d", "", "", "", "", ""},
     "",
     "PROVIDER=MSDASQL;UID=;PWD=;DSN=d;",
     R"("jdbc:odbc:d","","")",
     R"("DSN=d; user_id=; password=;")",
     "d"},
    {"pieces go in as typed, without quoting",
     {"my dsn", "o'neil", "p;w\"d", "", "", ""},
     "",
     "PROVIDER=MSDASQL;UID=o'neil;PWD=p;w\"d;DSN=my dsn;",
     R"("jdbc:odbc:my dsn","o'neil","p;w"d")",
     R"("DSN=my dsn; user_id=o'neil; password=p;w"d;")",
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

}  // namespace
}  // namespace orvane
