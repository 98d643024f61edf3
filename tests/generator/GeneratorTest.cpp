#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Golden.h"
#include "SchemaFixture.h"
#include "TableBuilder.h"
#include "TestSupport.h"
#include "core/Host.h"
#include "core/OrvaneError.h"
#include "generator/MakeAlias.h"

namespace orvane::test {
namespace {

using Generator = SchemaFixture;

// A long run of the XML data or the SQL inserts: progress every hundred rows, events let run
// after every row, and a stop (or a run never started) ends it after the row in hand with the
// text closed. A disabled screen still runs and reports, and shows nothing.
TEST_F(Generator, ReportsEveryHundredRowsAndStopsAfterTheRowInHand) {
    // Screen, rows, the event pump that stops the run (0: none; -1: never activated), enabled.
    const std::tuple<int, int, int, bool> cases[] = {
        {XML_CODE, 250, 0, true},  {XML_CODE, 50, 4, true},  {XML_CODE, 10, -1, true},
        {XML_CODE, 250, 0, false}, {SQL_CODE, 350, 0, true}, {SQL_CODE, 99, 0, true},
        {SQL_CODE, 10, 3, true},   {SQL_CODE, 10, -1, true}};
    std::string log;
    generator_.Notify = [&log](const std::string& m) { log += "  " + m + "\n"; };
    for (const auto& [screen, count, stopAt, enabled] : cases) {
        SetUp();
        Screen(XML_CODE).Suffix = "List";
        Screen(screen).Enabled = enabled ? 1 : -1;
        if (stopAt < 0) generator_.DeActivate();
        std::vector<std::vector<std::optional<std::string>>> rows;
        for (int i = 0; i < count; ++i) rows.push_back({std::to_string(i)});
        int pumps = 0;
        Host::SetEventPump([&, stopAt = stopAt] {
            if (++pumps == stopAt) generator_.DeActivate();
        });
        log += "screen " + std::to_string(screen) + ", " + std::to_string(count) + " rows, stop " +
               std::to_string(stopAt) + (enabled ? "" : ", disabled") + "\n";
        const std::string text =
            Run(screen, MakeTable("T", "T", {{.name = "ID", .key = true}}, rows));
        Host::SetEventPump({});
        const std::string row = screen == XML_CODE ? "\t<T>\r\n" : "insert into T";
        std::size_t written = 0;
        for (std::size_t at = text.find(row); at != std::string::npos; at = text.find(row, at + 1))
            ++written;
        log += "  " + std::to_string(pumps) + " events, " + std::to_string(written) +
               " rows, ending [" +
               Shown(text.substr(text.size() - std::min<std::size_t>(text.size(), 50))) + "]\n";
    }
    expectGolden("generator-progress.txt", log);
}

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

// Names under each of the SQL screen's case rules (-1 and 4 are none), and the aliases it
// proposes for tables named with an owner and quotes; only the SQL screen's rule counts.
TEST_F(Generator, NamesFollowTheSqlScreensCaseRule) {
    std::string log;
    Screen(XML_CODE).IsUppercase = 2;
    for (const std::int16_t rule : {0, 1, 2, 3, 4, -1}) {
        Screen(SQL_CODE).IsUppercase = rule;
        log += "rule " + std::to_string(rule) + ":";
        for (const char* name : {"order items", "  Order #Items "})
            log += " [" + generator_.FixFieldName(name, SQL_CODE) + "]";
        for (const char* table : {"dbo.[Order Details]", "main.\"Price$History\"", "a.b.c", ".x",
                                  "`Order Details`", "sales.ORDERS"})
            log += (rule == 0 ? " [" + StripTableName(table) + "]" : "") + " [" +
                   MakeAlias(table, generator_) + "]";
        log += "\n";
    }
    expectGolden("generator-names.txt", log);
}

}  // namespace
}  // namespace orvane::test
