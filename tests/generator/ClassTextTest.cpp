// The four class generators: their whole texts and working entries as golden files, the column
// loop's events and stop.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Golden.h"
#include "SchemaFixture.h"
#include "TableBuilder.h"
#include "core/Host.h"
#include "templates/Templates.h"

namespace orvane {
namespace {

using namespace data;

struct Language {
    int screen;
    const char* golden;
};
const Language kLanguages[] = {{VB_CODE, "classes-vb.txt"},
                               {JAVA_CODE, "classes-java.txt"},
                               {VBNET_CODE, "classes-vbnet.txt"},
                               {CSHARP_CODE, "classes-csharp.txt"}};

// ID, Name, Order Date, Price, with the named columns as keys.
std::shared_ptr<ODBCTable> ShopTable(const std::vector<std::string>& keys,
                                     const std::string& alias = "Shop") {
    std::vector<test::ColumnSpec> columns = {{.name = "ID", .type = adInteger},
                                             {.name = "Name", .type = adVarChar},
                                             {.name = "Order Date", .type = adDBTimeStamp},
                                             {.name = "Price", .type = adDecimal},
                                             {.name = "Born", .type = adDate}};
    for (auto& column : columns) {
        column.key = std::find(keys.begin(), keys.end(), column.name) != keys.end();
    }
    return test::MakeTable("dbo.Shop", alias, columns, {});
}

// Names each language must mend, or must leave alone, to compile.
std::shared_ptr<ODBCTable> AwkwardTable() {
    std::vector<test::ColumnSpec> columns;
    for (const char* name : {"ID", "nid", "Order Date", "Order_Date", "unit-price", "2nd", "static",
                             "Class", "Größe", "DataRow", "da", "naïve €", "say \"hi\"", "ub",
                             "End", "GetType", "Value", "x);DROP\tTABLE\x01v;--\\u000a", "東京"}) {
        columns.push_back({.name = name, .type = adVarChar});
    }
    columns[0].type = adInteger;
    columns[2].type = adDBDate;
    columns[4].type = adInteger;
    columns[0].key = columns[4].key = columns[17].key = true;
    columns.push_back({.name = "price$", .type = adInteger});
    // Line breaks and the quotes a VB literal cannot hold.
    columns.push_back({.name = "a\nb\u201Cc\u201D\u2028d", .type = adVarChar});
    return test::MakeTable("T", "2020 Sales", columns, {});
}

class ClassText : public test::SchemaFixture {
  protected:
    void SetUp() override {
        SchemaFixture::SetUp();
        auto connection = config_->ConnectionManager();
        connection->sADOConnect = "Provider=MSDASQL; DSN=Shop";
        connection->sJavaConnect = "\"jdbc:odbc:Shop\",\"u\",\"p\"";
        connection->sCSharpConnect = "\"DSN=Shop; user_id=u; password=p;\"";
        connection->sSelectedDSN = "Shop";
    }
    void TearDown() override { Host::SetEventPump({}); }

    // Every template entry the run left, in order, after the class text if asked for.
    std::string Report(int screen, std::shared_ptr<ODBCTable> table, bool withClass) {
        const std::string code = Run(screen, std::move(table));
        std::string text = withClass ? code + "\r\n-- entries\r\n" : "";
        for (const TemplateParam& p : TemplateParams())
            text += "[" + p.Name + "] " + p.Value.Text() + "\n";
        return Portable(text);
    }
};

TEST_F(ClassText, EveryLanguageMatchesItsGoldenFile) {
    struct Case {
        const char* what;
        std::function<void()> settings;
        std::function<std::shared_ptr<ODBCTable>()> table;
        bool withClass = false;
    };
    const std::vector<Case> cases = {
        {"one key, names as they are", [] {}, [] { return ShopTable({"ID"}); }},
        {"two keys, suffixes, upper-case SQL names, a blank in the alias",
         [this] {
             Screen(SQL_CODE).IsUppercase = 1;
             Screen(XML_CODE).Suffix = "Data";
             for (const Language& l : kLanguages) Screen(l.screen).Suffix = "Cls";
         },
         [] {
             return ShopTable({"ID", "Order Date"}, "emp list");
         },
         true},
        {"upper-case class names",
         [this] {
             for (const Language& l : kLanguages) Screen(l.screen).IsUppercase = 1;
         },
         [] { return ShopTable({"Name"}); }},
        {"no key", [] {}, [] { return ShopTable({}); }},
        {"no column", [] {}, [] { return test::MakeTable("T", "String", {}, {}); }, true},
        {"awkward names", [] {}, AwkwardTable},
    };
    for (const Language& language : kLanguages) {
        std::string text;
        for (const Case& c : cases) {
            SetUp();
            c.settings();
            text += "==== " + std::string(c.what) + "\r\n" +
                    Report(language.screen, c.table(), c.withClass);
        }
        test::expectGolden(language.golden, text);
    }
}

// The entries past the first three each time the column loop lets events run; the properties
// when a stop is asked for during the first column's events (the second column still comes,
// the key loop and the class template too) and when the generator was never activated (the
// first column only).
TEST_F(ClassText, ColumnLoopLetsEventsRunPerColumnAndStopsAfterTheCurrentOne) {
    const auto properties = [] {
        for (const TemplateParam& p : TemplateParams()) {
            if (p.Name == "PROPERTIES") return p.Value.Text() + "\n";
        }
        return std::string();
    };
    std::string text;
    for (const Language& language : kLanguages) {
        text += "==== " + std::string(language.golden) + "\n";
        Host::SetEventPump([&text] {
            for (std::size_t i = 3; i < TemplateParams().size(); ++i)
                text += TemplateParams()[i].Name + " ";
            text += "\n";
        });
        generator_.Activate();
        Run(language.screen, ShopTable({"ID"}));
        Host::SetEventPump([this] { generator_.DeActivate(); });
        const std::string stopped = Run(language.screen, ShopTable({"Price"}));
        EXPECT_NE(stopped.find("Price"), std::string::npos);
        text += "-- stopped\n" + properties();
        Host::SetEventPump({});
        generator_.DeActivate();
        Run(language.screen, ShopTable({"ID"}));
        text += "-- never activated\n" + properties();
    }
    test::expectGolden("class-column-loop.txt", text);
}

}  // namespace
}  // namespace orvane
