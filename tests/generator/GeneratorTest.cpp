#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TableBuilder.h"
#include "core/OrvaneError.h"
#include "generator/Generator.h"
#include "generator/MakeAlias.h"
#include "settings/Config.h"

namespace orvane {
namespace {

// A generator on the test settings with an in-memory table of n rows.
struct Fixture {
    std::shared_ptr<Config> config = std::make_shared<Config>();
    Generator generator;
    std::vector<std::string> messages;

    explicit Fixture(int rows = 0) {
        generator.SetCurrentConfig(config);
        generator.Notify = [this](const std::string& m) { messages.push_back(m); };
        std::vector<std::vector<std::optional<std::string>>> values;
        for (int i = 0; i < rows; ++i) values.push_back({std::to_string(i)});
        generator.SetTable(test::MakeTable("T", "T", {{.name = "ID", .key = true}}, values));
    }
    ConfigRecord& Screen(int scr) { return *config->Screens().Item(std::to_string(scr)); }
};

TEST(Generator, ScreensOutsideTheTableRunNothing) {
    Generator bare;  // no configuration, no table: running anything would throw
    EXPECT_EQ(bare.Generate(9), "");
    EXPECT_EQ(bare.Generate(-1), "");
    EXPECT_THROW(bare.Generate(XML_CODE), OrvaneError);
}

TEST(Generator, EnabledOnlyForExactlyOne) {
    Fixture f;
    for (const auto& [value, enabled] : std::vector<std::pair<std::int16_t, bool>>{
             {1, true}, {0, false}, {-1, false}, {2, false}}) {
        f.Screen(XML_CODE).Enabled = value;
        EXPECT_EQ(f.generator.Enabled(XML_CODE), enabled) << value;
    }
    EXPECT_THROW(f.generator.Enabled(9), OrvaneError);
}

TEST(Generator, DisabledScreenStillRunsAndNotifies) {
    Fixture f(250);
    f.generator.Activate();
    f.Screen(XML_CODE).Enabled = -1;
    EXPECT_EQ(f.generator.Generate(XML_CODE), "");
    EXPECT_EQ(f.messages, (std::vector<std::string>{"Generated 100 XML records.",
                                                    "Generated 200 XML records."}));
    f.Screen(XML_CODE).Enabled = 1;
    EXPECT_NE(f.generator.Generate(XML_CODE).find("<ID>249</ID>"), std::string::npos);
}

TEST(Generator, FixFieldNameUnderEveryRule) {
    Fixture f;
    struct Case {
        std::string name;
        std::int16_t rule;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"order items", 0, "Order_items"},
        {"order items", 1, "ORDER_ITEMS"},
        {"Order Items", 2, "order_items"},
        {"  Order #Items ", 3, "Order__Items"},
        {"order items", 4, ""},
        {"order items", 7, ""},
        {"order items", -1, ""},
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        f.Screen(SQL_CODE).IsUppercase = c.rule;
        EXPECT_EQ(f.generator.FixFieldName(c.name, SQL_CODE), c.expected)
            << c.name << " rule " << c.rule;
    }
}

TEST(Generator, MakeAliasDropsPrefixAndQuotes) {
    Fixture f;
    const std::vector<std::pair<std::string, std::string>> stripped = {
        {"dbo.[Order Details]", "Order_Details"},    {"Customers", "Customers"},
        {"main.\"Price$History\"", "Price$History"}, {"a.b.c", "b.c"},
        {"[Order Details]", "Order_Details"},        {".x", "x"},
        {"`Order Details`", "Order_Details"},
    };
    for (const auto& [name, expected] : stripped) EXPECT_EQ(StripTableName(name), expected) << name;

    f.Screen(SQL_CODE).IsUppercase = 3;
    EXPECT_EQ(MakeAlias("dbo.[Order Details]", f.generator), "Order_Details");
    f.Screen(SQL_CODE).IsUppercase = 1;
    EXPECT_EQ(MakeAlias("dbo.[Order Details]", f.generator), "ORDER_DETAILS");
    f.Screen(XML_CODE).IsUppercase = 2;  // only the SQL screen's rule counts
    f.Screen(SQL_CODE).IsUppercase = 0;
    EXPECT_EQ(MakeAlias("sales.ORDERS", f.generator), "Orders");
}

}  // namespace
}  // namespace orvane
