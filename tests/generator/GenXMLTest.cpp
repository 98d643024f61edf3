#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "SampleSource.h"
#include "TableBuilder.h"
#include "TestSupport.h"
#include "core/Host.h"
#include "core/OrvaneError.h"
#include "generator/Generator.h"
#include "generator/XMLTools.h"
#include "settings/Config.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

const std::string kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n" + CommentHeader("XML");

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

// The generator over the sample data source, with the XML screen's suffix and case rule set
// in memory (the settings on disk are not touched).
class GenXMLSample : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { source_ = new test::SampleSource(); }
    static void TearDownTestSuite() {
        delete source_;
        source_ = nullptr;
    }
    void SetUp() override {
        generator_.SetCurrentConfig(config_);
        generator_.Notify = [this](const std::string& m) { messages_.push_back(m); };
        SetXml("List", 3);
    }
    void TearDown() override { Host::SetEventPump({}); }

    void SetXml(const std::string& suffix, std::int16_t rule) {
        ConfigRecord& xml = *config_->Screens().Item(std::to_string(XML_CODE));
        xml.Suffix = suffix;
        xml.IsUppercase = rule;
    }
    std::string Generate(const std::string& table, const std::vector<std::string>& columns,
                         std::int16_t rows, const std::string& alias, bool all = false) {
        auto loaded = source_->Load(table, columns, rows, all);
        loaded->SetAlias(alias);
        generator_.SetTable(loaded);
        generator_.Activate();
        return generator_.GenXML();
    }

    static test::SampleSource* source_;
    std::shared_ptr<Config> config_ = std::make_shared<Config>();
    Generator generator_;
    std::vector<std::string> messages_;
};

test::SampleSource* GenXMLSample::source_ = nullptr;

TEST_F(GenXMLSample, SmallTableExactText) {
    const std::string text =
        Generate("Customers", {"CustomerID", "CompanyName", "CountryCode"}, 2, "Customers");
    EXPECT_EQ(text,
              kHead +
                  "<CustomersList>\r\n"
                  "\t<Customers>\r\n"
                  "\t\t<CustomerID>1</CustomerID>\r\n"
                  "\t\t<CompanyName>Alfreds Futterkiste</CompanyName>\r\n"
                  "\t\t<CountryCode>DE</CountryCode>\r\n"
                  "\t</Customers>\r\n"
                  "\t<Customers>\r\n"
                  "\t\t<CustomerID>2</CustomerID>\r\n"
                  "\t\t<CompanyName>O'Reilly &amp; S\xC3\xB6hne &lt;GmbH&gt;</CompanyName>\r\n"
                  "\t\t<CountryCode>AT</CountryCode>\r\n"
                  "\t</Customers>\r\n"
                  "</CustomersList>\r\n"
                  "\r\n");
    EXPECT_TRUE(messages_.empty());
}

TEST_F(GenXMLSample, NameRulesShapeTheElementNames) {
    SetXml("Set", 1);
    const std::string text = Generate("Orders", {"OrderID", "Comment"}, 2, "my orders");
    EXPECT_NE(text.find("<MY_ORDERSSet>\r\n\t<MY_ORDERS>\r\n\t\t<ORDERID>10248</ORDERID>\r\n"
                        "\t\t<COMMENT></COMMENT>\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("<COMMENT>Leave at the &lt;back&gt; door &amp; ring</COMMENT>"),
              std::string::npos);
}

TEST_F(GenXMLSample, NoRows) {
    EXPECT_EQ(Generate("Customers", {"CustomerID"}, 0, "Customers"),
              kHead + "<CustomersList>\r\n</CustomersList>\r\n\r\n");
}

TEST_F(GenXMLSample, EmptySuffixMakesRootTheRowName) {
    SetXml("", 3);
    EXPECT_EQ(Generate("Customers", {"CountryCode"}, 1, "Customers"),
              kHead +
                  "<Customers>\r\n\t<Customers>\r\n\t\t<CountryCode>DE</CountryCode>\r\n"
                  "\t</Customers>\r\n</Customers>\r\n\r\n");
}

TEST_F(GenXMLSample, NoSelectedColumns) {
    EXPECT_EQ(Generate("Customers", {}, 2, "C"),
              kHead + "<CList>\r\n\t<C>\r\n\t</C>\r\n\t<C>\r\n\t</C>\r\n</CList>\r\n\r\n");
}

TEST_F(GenXMLSample, NonAsciiIsKeptAndSampleRowsFollowTheData) {
    const std::string text = Generate("Customers", {"CustomerID", "City"}, 8, "C");
    EXPECT_NE(text.find("<City>\xE6\x9D\xB1\xE4\xBA\xAC</City>"), std::string::npos);
    EXPECT_NE(text.find("<City>Besan\xC3\xA7on</City>"), std::string::npos);
    EXPECT_NE(text.find("<CustomerID>7</CustomerID>"), std::string::npos);
    EXPECT_EQ(Count(text, "\t<C>\r\n"), 8u);
}

TEST_F(GenXMLSample, ProgressEveryHundredRows) {
    const std::string text = Generate("EventLog", {"EventID", "Message"}, 250, "E");
    EXPECT_EQ(messages_, (std::vector<std::string>{"Generated 100 XML records.",
                                                   "Generated 200 XML records."}));
    EXPECT_EQ(Count(text, "\t<E>\r\n"), 250u);
    EXPECT_NE(text.find("<Message>Event 50 &lt;warn&gt; &amp; 'quoted'</Message>"),
              std::string::npos);
}

TEST_F(GenXMLSample, StopWhileRowFiveIsBuiltKeepsRowsOneToFive) {
    auto loaded = source_->Load("EventLog", {"EventID"}, 50);
    loaded->SetAlias("E");
    generator_.SetTable(loaded);
    generator_.Activate();
    int pumped = 0;
    // The pump runs after each row is built; clearing the flag in the fourth lets row 5 be
    // built and then end the document.
    Host::SetEventPump([&] {
        if (++pumped == 4) generator_.DeActivate();
    });
    const std::string text = generator_.GenXML();
    EXPECT_EQ(pumped, 4);
    EXPECT_EQ(Count(text, "\t<E>\r\n"), 5u);
    EXPECT_NE(text.find("<EventID>5</EventID>\r\n\t</E>\r\n</EList>\r\n\r\n"), std::string::npos);
    EXPECT_EQ(text.find("<EventID>6</EventID>"), std::string::npos);
}

TEST_F(GenXMLSample, NeverActivatedWritesOneRow) {
    auto loaded = source_->Load("EventLog", {"EventID"}, 10);
    loaded->SetAlias("E");
    generator_.SetTable(loaded);
    generator_.DeActivate();
    const std::string text = generator_.GenXML();
    EXPECT_EQ(Count(text, "\t<E>\r\n"), 1u);
    EXPECT_NE(text.find("</E>\r\n</EList>\r\n"), std::string::npos);
}

// Tables built in memory, for what the sample does not hold.
struct MemoryRun {
    std::shared_ptr<Config> config = std::make_shared<Config>();
    Generator generator;
    MemoryRun() {
        generator.SetCurrentConfig(config);
        ConfigRecord& xml = *config->Screens().Item(std::to_string(XML_CODE));
        xml.Suffix = "List";
        xml.IsUppercase = 3;
        generator.Activate();
    }
};

TEST(GenXMLMemory, InvalidNamesAreEscaped) {
    MemoryRun run;
    run.generator.SetTable(test::MakeTable("t", "2 Orders", {{.name = "1st"}, {.name = "ok"}},
                                           {{"a\x01", "\xC3\xA9"}}));
    EXPECT_EQ(run.generator.GenXML(),
              kHead +
                  "<_x0032__OrdersList>\r\n\t<_x0032__Orders>\r\n"
                  "\t\t<_x0031_st>a?</_x0031_st>\r\n\t\t<ok>\xC3\xA9</ok>\r\n"
                  "\t</_x0032__Orders>\r\n</_x0032__OrdersList>\r\n\r\n");
}

TEST(GenXMLMemory, ShortTableFailsAndLeavesNoTemporaryFile) {
    const std::string dir = test::MakeTempDir("orvgen");
    const char* old = std::getenv("TMPDIR");
    const std::string oldTmp = old != nullptr ? old : "";
    setenv("TMPDIR", dir.c_str(), 1);
    MemoryRun run;
    auto table = test::MakeTable("t", "T", {{.name = "ID"}}, {{"1"}, {"2"}});
    table->SetMaxRows(3);
    run.generator.SetTable(table);
    EXPECT_THROW(run.generator.GenXML(), OrvaneError);
    EXPECT_TRUE(fs::is_empty(dir));
    if (old != nullptr) {
        setenv("TMPDIR", oldTmp.c_str(), 1);
    } else {
        unsetenv("TMPDIR");
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace orvane
