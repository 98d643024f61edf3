#include <gtest/gtest.h>

#include "data/ConnectionText.h"
#include "data/SqlNames.h"

namespace orvane::data {
namespace {

TEST(ConnectionText, DropsTheProviderTrimsKeysAndBracesValuesCredentialsLast) {
    const std::pair<const char*, const char*> cases[] = {
        {"PROVIDER=MSDASQL;UID=;PWD=;DSN=OrvaneSample;", "DSN=OrvaneSample;UID=;PWD="},
        {"PROVIDER=MSDASQL;UID=u;PWD=p; Driver=SQLite3; Server=; Database=/path/x.db;",
         "Driver=SQLite3;Server=;Database=/path/x.db;UID=u;PWD=p"},
        {"provider=msdasql;DSN=x", "DSN=x"},
        {"Provider = MSDASQL ;DSN=x", "DSN=x"},
        {"DSN=x;PWD= secret with blanks ", "DSN=x;PWD={ secret with blanks }"},
        {"PWD={a}}b;Database=c};DSN=x", "DSN=x;PWD={a}}b;Database=c}"},
        {"DSN=x;;;UID=y", "DSN=x;UID=y"},
        {"DSN=x;PROVIDER=MSDASQL", "DSN=x;PROVIDER=MSDASQL"},
        {"PROVIDER=SQLOLEDB;DSN=x", "PROVIDER=SQLOLEDB;DSN=x"},
        {"", ""},
    };
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(NormalizeConnectionText(input), expected) << input;
    }
}

TEST(SqlNames, FindsTheTableOfASimpleSelect) {
    struct Case {
        const char* statement;
        bool found;
        const char* catalog;
        const char* schema;
        const char* table;
    };
    const Case cases[] = {
        {"select * from Customers", true, "", "", "Customers"},
        {"SELECT * FROM [Order Details]", true, "", "", "Order Details"},
        {"select * from \"x y\"", true, "", "", "x y"},
        {"select * from `Price$History`", true, "", "", "Price$History"},
        {"select * from Price$History", true, "", "", "Price$History"},
        {"select * from dbo.Orders", true, "", "dbo", "Orders"},
        {"select * from archive.\"OldOrders\";", true, "", "archive", "OldOrders"},
        {"  select  *  from  db.[my schema].[a b]  ", true, "db", "my schema", "a b"},
        {"select * from \"a]b\"", true, "", "", "a]b"},
        // SQLite ends a bracketed name at its first "]": what follows is no name.
        {"select * from [a]]b]", false, "", "", ""},
        {"select * from a--b", false, "", "", ""},
        {"select * from a#b", false, "", "", ""},
        {"select * from t; drop table victim", false, "", "", ""},
        {"select * from \"x\"; DROP TABLE victim; --\"", false, "", "", ""},
        {"select * from \"say \"\"hi\"\"\"", true, "", "", "say \"hi\""},
        {"select * from a.b.c.d", false, "", "", ""},
        {"select * from Orders where OrderID = 1", false, "", "", ""},
        {"select * from Orders o join Customers c on 1=1", false, "", "", ""},
        {"select OrderID from Orders", false, "", "", ""},
        {"select * from (select 1)", false, "", "", ""},
        {"select * from [unterminated", false, "", "", ""},
        {"select * from", false, "", "", ""},
        {"delete from Orders", false, "", "", ""},
    };
    for (const Case& c : cases) {
        std::optional<QualifiedName> name = TableOfSimpleSelect(c.statement);
        ASSERT_EQ(name.has_value(), c.found) << c.statement;
        if (!name) continue;
        EXPECT_EQ(name->catalog, c.catalog) << c.statement;
        EXPECT_EQ(name->schema, c.schema) << c.statement;
        EXPECT_EQ(name->table, c.table) << c.statement;
    }
}

}  // namespace
}  // namespace orvane::data
