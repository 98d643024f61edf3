#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SchemaFixture.h"
#include "TableBuilder.h"
#include "core/Host.h"
#include "core/OrvaneError.h"
#include "generator/MakeAlias.h"

namespace orvane::test {
namespace {

// A long run of the XML data or the SQL inserts: progress every hundred rows, events let run
// after every row, and a stop (or a run never started) ends it after the row in hand with the
// text closed. A disabled screen still runs and reports, and shows nothing.
struct RunCase {
    int screen;
    int rows;
    int stopAtPump;  // 0: never stopped; -1: never activated
    int written;
    int pumps;
    std::vector<int> progress;
    bool enabled = true;
};

void PrintTo(const RunCase& c, std::ostream* out) {
    *out << "screen " << c.screen << ", " << c.rows << " rows, stop " << c.stopAtPump
         << (c.enabled ? "" : ", disabled");
}

class Progress : public SchemaFixture, public ::testing::WithParamInterface<RunCase> {};

TEST_P(Progress, ReportsEveryHundredRowsAndStopsAfterTheRowInHand) {
    const RunCase& c = GetParam();
    std::vector<std::string> messages;
    generator_.Notify = [&](const std::string& m) { messages.push_back(m); };
    Screen(XML_CODE).Suffix = "List";
    Screen(c.screen).Enabled = c.enabled ? 1 : -1;
    std::vector<std::vector<std::optional<std::string>>> rows;
    for (int i = 0; i < c.rows; ++i) rows.push_back({std::to_string(i)});
    if (c.stopAtPump < 0) generator_.DeActivate();
    int pumps = 0;
    Host::SetEventPump([&] {
        if (++pumps == c.stopAtPump) generator_.DeActivate();
    });
    const std::string text =
        Run(c.screen, MakeTable("T", "T", {{.name = "ID", .key = true}}, rows));
    Host::SetEventPump({});

    EXPECT_EQ(pumps, c.pumps);
    const bool xml = c.screen == XML_CODE;
    std::vector<std::string> expected;
    for (int n : c.progress)
        expected.push_back("Generated " + std::to_string(n) +
                           (xml ? " XML records." : " Insert statements."));
    EXPECT_EQ(messages, expected);
    EXPECT_EQ(text.empty(), !c.enabled);
    if (!c.enabled) return;
    const std::string last = std::to_string(c.written - 1);
    const std::string row = xml ? "\t<T>\r\n" : "insert into T";
    std::size_t count = 0;
    for (std::size_t at = text.find(row); at != std::string::npos; at = text.find(row, at + 1))
        ++count;
    EXPECT_EQ(count, static_cast<std::size_t>(c.written));
    EXPECT_NE(text.find(xml ? "<ID>" + last + "</ID>\r\n\t</T>\r\n</TList>\r\n"
                            : "values ('" + last + "') \r\n;\r\n\r\n"),
              std::string::npos)
        << text.substr(text.size() - std::min<std::size_t>(text.size(), 200));
}

INSTANTIATE_TEST_SUITE_P(XmlAndSql, Progress,
                         ::testing::Values(RunCase{XML_CODE, 250, 0, 250, 250, {100, 200}},
                                           RunCase{XML_CODE, 50, 4, 5, 4, {}},
                                           RunCase{XML_CODE, 10, -1, 1, 0, {}},
                                           RunCase{XML_CODE, 250, 0, 250, 250, {100, 200}, false},
                                           RunCase{SQL_CODE, 350, 0, 350, 350, {100, 200, 300}},
                                           RunCase{SQL_CODE, 99, 0, 99, 99, {}},
                                           RunCase{SQL_CODE, 10, 3, 4, 3, {}},
                                           RunCase{SQL_CODE, 10, -1, 1, 0, {}}));

using Generator = SchemaFixture;

TEST_F(Generator, OnlyTheNineScreensRunAndEnabledMeansExactlyOne) {
    orvane::Generator bare;  // no configuration, no table: running anything would throw
    EXPECT_EQ(bare.Generate(9), "");
    EXPECT_EQ(bare.Generate(-1), "");
    EXPECT_THROW(bare.Generate(XML_CODE), OrvaneError);
    for (const auto& [value, enabled] : std::vector<std::pair<std::int16_t, bool>>{
             {1, true}, {0, false}, {-1, false}, {2, false}}) {
        Screen(XML_CODE).Enabled = value;
        EXPECT_EQ(generator_.Enabled(XML_CODE), enabled) << value;
    }
    EXPECT_THROW(generator_.Enabled(9), OrvaneError);
}

TEST_F(Generator, NamesFollowTheSqlScreensCaseRule) {
    const std::vector<std::tuple<std::string, std::int16_t, std::string>> cases = {
        {"order items", 0, "Order_items"},
        {"order items", 1, "ORDER_ITEMS"},
        {"Order Items", 2, "order_items"},
        {"  Order #Items ", 3, "Order__Items"},
        {"order items", 4, ""},
        {"order items", -1, ""},
    };
    for (const auto& [name, rule, expected] : cases) {
        Screen(SQL_CODE).IsUppercase = rule;
        EXPECT_EQ(generator_.FixFieldName(name, SQL_CODE), expected) << name << " rule " << rule;
    }
    const std::vector<std::pair<std::string, std::string>> stripped = {
        {"dbo.[Order Details]", "Order_Details"},
        {"main.\"Price$History\"", "Price$History"},
        {"a.b.c", "b.c"},
        {".x", "x"},
        {"`Order Details`", "Order_Details"},
    };
    for (const auto& [name, expected] : stripped) EXPECT_EQ(StripTableName(name), expected) << name;
    Screen(XML_CODE).IsUppercase = 2;  // only the SQL screen's rule counts
    Screen(SQL_CODE).IsUppercase = 1;
    EXPECT_EQ(MakeAlias("dbo.[Order Details]", generator_), "ORDER_DETAILS");
    Screen(SQL_CODE).IsUppercase = 0;
    EXPECT_EQ(MakeAlias("sales.ORDERS", generator_), "Orders");
}

}  // namespace
}  // namespace orvane::test
