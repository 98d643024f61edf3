#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Golden.h"
#include "TableBuilder.h"
#include "TestSupport.h"
#include "core/Host.h"
#include "core/OrvaneError.h"
#include "data/ValueText.h"
#include "generator/Generator.h"
#include "settings/Config.h"
#include "templates/Templates.h"

namespace orvane {
namespace {

using test::ColumnSpec;
using test::MakeTable;
using Rows = std::vector<std::vector<std::optional<std::string>>>;

const std::string kCrLf = "\r\n";

std::string ReadTemplateSource(const std::string& name) {
    // The copy beside the library, which is the one the generator reads.
    std::ifstream in(Template::TemplatePath("\\templates\\sql\\" + name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Fills $NAME$ placeholders the way a reader of the template would expect.
std::string Fill(std::string text, const std::vector<std::pair<std::string, std::string>>& params) {
    for (const auto& [name, value] : params) {
        const std::string placeholder = "$" + name + "$";
        for (std::size_t at = text.find(placeholder); at != std::string::npos;
             at = text.find(placeholder, at + value.size())) {
            text.replace(at, placeholder.size(), value);
        }
    }
    return text;
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

// The insert statements: everything from the first "insert into".
std::string Inserts(const std::string& script) {
    const std::size_t at = script.find("insert into ");
    return at == std::string::npos ? std::string() : script.substr(at);
}

class GenSqlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        config_ = std::make_shared<Config>();
        for (int scr = 0; scr <= 8; ++scr) {
            auto& record = config_->Screens().Item(std::to_string(scr));
            record->IsUppercase = 3;
            record->Enabled = 1;
        }
        config_->Screens().Item("3")->Suffix = "Data";
        generator_.SetCurrentConfig(config_);
        generator_.Activate();
        generator_.Notify = [this](const std::string& message) { messages_.push_back(message); };
    }
    void TearDown() override { Host::SetEventPump({}); }

    std::string Run(const std::shared_ptr<ODBCTable>& table) {
        generator_.SetTable(table);
        return generator_.GenSQL();
    }

    std::shared_ptr<Config> config_;
    Generator generator_;
    std::vector<std::string> messages_;
};

const std::vector<ColumnSpec> kExampleColumns = {
    {.name = "ID", .type = data::adInteger, .size = 4, .nullable = false, .key = true},
    {.name = "NAME", .type = data::adVarChar, .size = 50, .nullable = true},
};

TEST_F(GenSqlTest, TwoColumnExampleGivesTheWholeScriptInOrder) {
    const std::string script = Run(MakeTable("T", "A", kExampleColumns, {{"1", "O'Brien"}}));

    const std::string create = "create table T (\r\n\tID INTEGER NOT NULL,\r\n\tNAME VARCHAR(50)";
    const std::string select =
        "select \r\n'<A>'||\r\n\t'<ID>'||ID||'</ID>'||\r\n\t'<NAME>'||NAME||'</NAME>'"
        "\r\n||'</A>'\r\nfrom T;\r\n";
    const std::string sqlServerFields =
        "^<ID^>'+convert(varchar(4),isnull(ID,''))+'^</ID^>"
        "^<NAME^>'+convert(varchar(50),isnull(NAME,''))+'^</NAME^>";
    const std::string oracleFields =
        "  UTL_FILE.put(iFile_Handle,'<ID>'||to_char(:new.ID)||'</ID>');\r\n"
        "  UTL_FILE.put(iFile_Handle,'<NAME>'||:new.NAME||'</NAME>');\r\n";
    const std::string sqlServer =
        Fill(ReadTemplateSource("sqlservertrigger.tpl"), {{"TABLE_NAME", "T"},
                                                          {"XML_SUFFIX", "Data"},
                                                          {"XML_FIELDS", sqlServerFields},
                                                          {"PK_NAME", "ID"},
                                                          {"ALIAS", "A"},
                                                          {"TRIGGER_NAME", "trg_T_xml"}});
    const std::string oracle =
        Fill(ReadTemplateSource("oracletrigger.tpl"), {{"TABLE_NAME", "T"},
                                                       {"XML_SUFFIX", "Data"},
                                                       {"XML_FIELDS", oracleFields},
                                                       {"LONG_TABLE_NAME", "T"},
                                                       {"ALIAS", "A"},
                                                       {"TRIGGER_NAME", "trg_T_xml"}});
    const std::string insert = "insert into T(ID,NAME)  values (1,'O''Brien') \r\n;\r\n";

    EXPECT_EQ(script, create + kCrLf + ");" + kCrLf + sqlServer + kCrLf + oracle + kCrLf + select +
                          kCrLf + insert + kCrLf);
}

TEST_F(GenSqlTest, TemplatesHoldExactlyTheirPlaceholders) {
    const std::map<std::string, std::vector<std::string>> expected = {
        {"sqlservertrigger.tpl",
         {"ALIAS", "PK_NAME", "TABLE_NAME", "TRIGGER_NAME", "XML_FIELDS", "XML_SUFFIX"}},
        {"oracletrigger.tpl",
         {"ALIAS", "LONG_TABLE_NAME", "TRIGGER_NAME", "XML_FIELDS", "XML_SUFFIX"}},
    };
    for (const auto& [file, names] : expected) {
        const std::string text = ReadTemplateSource(file);
        ASSERT_FALSE(text.empty()) << file;
        std::vector<std::string> found;
        for (std::size_t at = text.find('$'); at != std::string::npos;) {
            const std::size_t end = text.find('$', at + 1);
            ASSERT_NE(end, std::string::npos) << file << ": lone $";
            const std::string name = text.substr(at + 1, end - at - 1);
            if (std::find(found.begin(), found.end(), name) == found.end()) found.push_back(name);
            at = text.find('$', end + 1);
        }
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, names) << file;
    }
}

TEST_F(GenSqlTest, ParametersTakeTheShortAndLongTableNamesAndTheBracketedKey) {
    auto table = MakeTable("main.Orders", "Ord",
                           {{.name = "Order No", .type = data::adInteger, .key = true},
                            {.name = "Qty", .type = data::adInteger}},
                           {{"1", "2"}});
    const std::string script = Run(table);

    EXPECT_NE(script.find("create table main.Orders ("), std::string::npos);
    EXPECT_NE(script.find("from main.Orders;"), std::string::npos);
    // The SQL Server trigger names the rows' files by the bracketed key column.
    EXPECT_NE(script.find("convert(varchar(100), [Order No])"), std::string::npos);
    EXPECT_NE(script.find("CREATE TRIGGER trg_Orders_xml ON Orders"), std::string::npos);

    // The table is left holding the Oracle parameters.
    const auto& params = TemplateParams();
    ASSERT_EQ(params.size(), 7u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"TABLE_NAME", "Orders"},
        {"XML_SUFFIX", "Data"},
        {"XML_FIELDS",
         "  UTL_FILE.put(iFile_Handle,'<Order_No>'||to_char(:new.\"Order No\")||'</Order_No>');\r\n"
         "  UTL_FILE.put(iFile_Handle,'<Qty>'||to_char(:new.Qty)||'</Qty>');\r\n"},
        {"LONG_TABLE_NAME", "main.Orders"},
        {"ALIAS", "Ord"},
        {"TRIGGER_NAME", "trg_Orders_xml"},
        {"", ""},
    };
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(params[k].Name, expected[k].first) << k;
        EXPECT_EQ(params[k].Value.Text(), expected[k].second) << k;
    }
}

TEST_F(GenSqlTest, MaxRowsZeroGivesEmptyColumnTextsAndNoInserts) {
    auto table = MakeTable("T", "A", kExampleColumns, {{"1", "x"}});
    table->SetMaxRows(0);
    const std::string script = Run(table);

    EXPECT_EQ(script.rfind("create table T (\r\n\t\r\n);\r\n", 0), 0u);
    EXPECT_EQ(script.find("insert into"), std::string::npos);
    EXPECT_EQ(script.find("UTL_FILE.put(iFile_Handle,'<ID>"), std::string::npos);
    EXPECT_NE(script.find("echo ^<A^>^</A^>"), std::string::npos);
    const std::string select = "select \r\n'<A>'||\r\n\t\r\n||'</A>'\r\nfrom T;\r\n";
    ASSERT_GE(script.size(), select.size() + 2);
    EXPECT_EQ(script.substr(script.size() - select.size() - 2), select + kCrLf);
}

TEST_F(GenSqlTest, StopsAfterTheCurrentRowButFinishesTheScript) {
    Rows rows;
    for (int i = 1; i <= 10; ++i) rows.push_back({std::to_string(i), "n" + std::to_string(i)});

    // Never activated: the first row is written, then the loop ends.
    generator_.DeActivate();
    const std::string once = Run(MakeTable("T", "A", kExampleColumns, rows));
    EXPECT_EQ(Count(once, "insert into T"), 1u);
    EXPECT_NE(once.find("values (1,'n1')"), std::string::npos);
    EXPECT_NE(once.find("\tNAME VARCHAR(50)\r\n);"), std::string::npos);
    EXPECT_NE(once.find("'<NAME>'||NAME||'</NAME>'\r\n||'</A>'\r\nfrom T;"), std::string::npos);
    EXPECT_NE(once.find("isnull(NAME,'')"), std::string::npos);
    EXPECT_NE(once.find("'<NAME>'||:new.NAME||'</NAME>'"), std::string::npos);

    // A cancel that arrives while the host processes events after row 3.
    generator_.Activate();
    int pumped = 0;
    Host::SetEventPump([&] {
        if (++pumped == 3) generator_.DeActivate();
    });
    const std::string cancelled = Run(MakeTable("T", "A", kExampleColumns, rows));
    EXPECT_EQ(Count(cancelled, "insert into T"), 4u);
    EXPECT_EQ(pumped, 3);
}

TEST_F(GenSqlTest, NotifiesAtEveryHundredthRowOnlyAndLetsEventsRunPerRow) {
    for (int total : {99, 300, 350}) {
        Rows rows;
        for (int i = 0; i < total; ++i) rows.push_back({std::to_string(i), "x"});
        int pumped = 0;
        Host::SetEventPump([&] { ++pumped; });
        messages_.clear();
        const std::string script = Run(MakeTable("T", "A", kExampleColumns, rows));

        std::vector<std::string> expected;
        for (int n = 100; n <= total; n += 100) {
            expected.push_back("Generated " + std::to_string(n) + " Insert statements.");
        }
        EXPECT_EQ(messages_, expected) << total;
        EXPECT_EQ(pumped, total);
        EXPECT_EQ(Count(script, "insert into T"), static_cast<std::size_t>(total));
    }
}

TEST_F(GenSqlTest, ColumnWithBlankIsQuotedInSqlAndJoinedInElementNames) {
    const std::string script =
        Run(MakeTable("T", "A",
                      {{.name = "ID", .type = data::adInteger, .nullable = false, .key = true},
                       {.name = "my col", .type = data::adVarChar, .size = 20}},
                      {{"7", "v"}}));
    const std::vector<std::string> pieces = {
        "\t[my col] VARCHAR(20)\r\n);",                                          // create statement
        "\t'<my_col>'||[my col]||'</my_col>'\r\n",                               // select statement
        "^<my_col^>'+convert(varchar(20),isnull([my col],''))+'^</my_col^>",     // SQL Server
        "UTL_FILE.put(iFile_Handle,'<my_col>'||:new.\"my col\"||'</my_col>');",  // Oracle
        "insert into T(ID,[my col])  values (7,'v') \r\n;",                      // insert
    };
    for (const std::string& piece : pieces) {
        EXPECT_NE(script.find(piece), std::string::npos) << piece;
    }
}

TEST_F(GenSqlTest, SmallIntIsQuotedInInsertsButConvertedForOracle) {
    const std::string script = Run(MakeTable("T", "A",
                                             {{.name = "ID", .type = data::adInteger, .key = true},
                                              {.name = "Qty", .type = data::adSmallInt, .size = 2}},
                                             {{"1", "12"}}));
    EXPECT_NE(script.find("values (1,'12')"), std::string::npos);
    EXPECT_NE(script.find("'<Qty>'||to_char(:new.Qty)||'</Qty>'"), std::string::npos);
    EXPECT_NE(script.find("\tQty VARCHAR(2)"), std::string::npos);
}

TEST_F(GenSqlTest, CaseRulesComeFromTheSqlAndXmlScreens) {
    config_->Screens().Item("4")->IsUppercase = 1;  // select statement
    config_->Screens().Item("3")->IsUppercase = 2;  // both trigger field lists
    const std::string script = Run(
        MakeTable("T", "A", {{.name = "Order Id", .type = data::adInteger, .key = true}}, {{"1"}}));
    EXPECT_NE(script.find("'<ORDER_ID>'||[Order Id]||'</ORDER_ID>'"), std::string::npos);
    EXPECT_NE(
        script.find("^<order_id^>'+convert(varchar(50),isnull([Order Id],''))+'^</order_id^>"),
        std::string::npos);
    EXPECT_NE(script.find("'<order_id>'||to_char(:new.\"Order Id\")||'</order_id>'"),
              std::string::npos);
}

TEST_F(GenSqlTest, ValuesOfEveryClassAndNonAsciiTextReachTheInserts) {
    const std::string script =
        Run(MakeTable("T", "A",
                      {{.name = "ID", .type = data::adInteger, .key = true},
                       {.name = "Name", .type = data::adVarWChar},
                       {.name = "Born", .type = data::adDBDate},
                       {.name = "Price", .type = data::adNumeric, .precision = 10, .scale = 2},
                       {.name = "Memo", .type = data::adLongVarChar}},
                      {{"1", "Zoë 東京 — O'Neil", "2004-01-31", "12.50", std::nullopt},
                       {"2", "", "1899-12-31", "", "x"},
                       {"3", std::nullopt, std::nullopt, std::nullopt, "1); drop table T; --"}}));
    EXPECT_EQ(Inserts(script),
              "insert into T(ID,Name,Born,Price,Memo)  values "
              "(1,'Zoë 東京 — O''Neil',{d'2004-01-31'},12.50,NULL) \r\n;\r\n"
              "insert into T(ID,Name,Born,Price,Memo)  values (2,'',NULL,0,'x') \r\n;\r\n"
              "insert into T(ID,Name,Born,Price,Memo)  values "
              "(3,NULL,NULL,NULL,'1); drop table T; --') \r\n;\r\n\r\n");
}

TEST_F(GenSqlTest, NoKeyColumnIsAnErrorNotAText) {
    auto table = MakeTable("T", "A", {{.name = "ID", .type = data::adInteger}}, {{"1"}});
    EXPECT_THROW(Run(table), OrvaneError);
}

TEST_F(GenSqlTest, FewerLoadedRowsThanMaxRowsWritesTheRowsThatExist) {
    auto table = MakeTable("T", "A", kExampleColumns, {{"1", "a"}, {"2", "b"}});
    table->SetMaxRows(5);
    EXPECT_EQ(Count(Run(table), "insert into T"), 2u);
}

TEST_F(GenSqlTest, ToOraCharConvertsNumbersAndDatesByItsOwnCodes) {
    const std::map<int, std::string> cases = {
        {2, "to_char(:new.X_Y)"},
        {3, "to_char(:new.X_Y)"},
        {5, "to_char(:new.X_Y)"},
        {14, "to_char(:new.X_Y)"},
        {16, "to_char(:new.X_Y)"},
        {20, "to_char(:new.X_Y)"},
        {131, "to_char(:new.X_Y)"},
        {7, "to_char(:new.X_Y,'mm/dd/yyyy')"},
        {133, "to_char(:new.X_Y,'mm/dd/yyyy')"},
        {135, "to_char(:new.X_Y,'mm/dd/yyyy')"},
        {4, ":new.X_Y"},
        {6, ":new.X_Y"},
        {11, ":new.X_Y"},
        {17, ":new.X_Y"},
        {134, ":new.X_Y"},
        {200, ":new.X_Y"},
    };
    for (const auto& [code, expected] : cases) {
        const ODBCField field(test::MakeMeta({.name = "X_Y", .type = code}), "");
        EXPECT_EQ(generator_.ToOraChar(field), expected) << code;
    }
}

// A column of every type kind under a name that needs quoting in every dialect, and values that
// try each literal: extremes, special numbers, text that is no number, boolean or base64, dates
// before 1900, a timestamp's fraction, and text of quotes, backslashes, line ends, controls,
// sqlcmd variables and characters beyond ASCII.
std::shared_ptr<ODBCTable> DialectTable() {
    using namespace data;
    const std::vector<ColumnSpec> columns = {
        {.name = "id", .type = adInteger, .size = 4, .nullable = false, .key = true},
        {.name = "small", .type = adSmallInt, .size = 2},
        {.name = "tiny", .type = adTinyInt, .size = 1},
        {.name = "big", .type = adBigInt, .size = 8},
        {.name = "amount", .type = adNumeric, .precision = 12, .scale = 3},
        {.name = "ratio", .type = adDouble, .size = 8},
        {.name = "score", .type = adSingle, .size = 4},
        {.name = "flag", .type = adBoolean, .size = 1},
        {.name = "day", .type = adDBDate, .size = 10},
        {.name = "clock", .type = adDBTime, .size = 8},
        {.name = "stamp", .type = adDBTimeStamp, .size = 19},
        {.name = "code", .type = adChar, .size = 3, .nullable = false, .key = true},
        {.name = "note", .type = adVarWChar, .size = 200},
        {.name = "memo", .type = adLongVarChar, .size = 2147483647},
        {.name = "blob", .type = adLongVarBinary, .size = 2147483647},
        {.name = "guid", .type = adGUID, .size = 36},
        {.name = "odd \"name\" ]`x", .type = adVarChar, .size = 20},
    };
    std::string bytes;
    valuetext::Base64(std::string("\x00\xff\x10", 3), bytes);
    const std::string hostile = std::string("O'Reilly \\ back\\\\slash\r\nline\ttab $(var) -- ; ") +
                                "/* */ \x01\x1a" + std::string(1, '\0') + " é 東京 🙂";
    const Rows rows = {
        {"1", "12", "3", "9223372036854775807", "12345.678", "0.1", "4.5", "1", "2024-02-29",
         "23:59:59.5", "2024-05-06 07:08:09.123456", "ABC", "Hello", "multi", bytes,
         "6F9619FF-8B86-D011-B42D-00C04FC964FF", "plain"},
        {"2", std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
         std::nullopt, std::nullopt, std::nullopt, std::nullopt, "NUL", std::nullopt, std::nullopt,
         std::nullopt, std::nullopt, std::nullopt},
        {"3", "-32768", "0", "-1", "-0.001", "INF", "-INF", "0", "1850-01-02", "00:00:00",
         "1899-12-31", "a'b", hostile, "", "", "", "\"quoted\""},
        {"4", "+7", "1e3", "0", "1,5", "NaN", "1e-45", "maybe", "0001-01-01", "12:00:00",
         "2023-07-10 16:45:12", "x", "", "", "not base64!", "", ""},
    };
    return MakeTable("Order \"Lines\" [v2]`", "Lines", columns, rows);
}

// Each dialect's whole script for the table above, against the file that holds the script as
// it was last read and judged right.
TEST_F(GenSqlTest, DialectsWriteTheirWholeScript) {
    for (const SqlDialectInfo& dialect : kSqlDialects) {
        if (dialect.id == SqlDialectId::Classic) continue;
        SCOPED_TRACE(dialect.name);
        config_->Screens().Item("4")->Dialect = dialect.id;
        test::expectGolden("sql-" + std::string(dialect.name) + ".sql", Run(DialectTable()));
    }
}

TEST_F(GenSqlTest, DialectsRefuseNamesTheirShellCannotCarry) {
    const std::vector<std::pair<std::string, std::vector<SqlDialectId>>> cases = {
        {"line\nbreak",
         {SqlDialectId::SQLite, SqlDialectId::PostgreSQL, SqlDialectId::MariaDB,
          SqlDialectId::SqlServer}},
        {"bell\a",
         {SqlDialectId::SQLite, SqlDialectId::PostgreSQL, SqlDialectId::MariaDB,
          SqlDialectId::SqlServer}},
        {"cost$(x)", {SqlDialectId::SqlServer}},
    };
    for (const auto& [name, refusing] : cases) {
        for (const SqlDialectInfo& dialect : kSqlDialects) {
            config_->Screens().Item("4")->Dialect = dialect.id;
            auto table = MakeTable("T", "A",
                                   {{.name = "ID", .type = data::adInteger, .key = true},
                                    {.name = name, .type = data::adVarChar}},
                                   {{"1", "x"}});
            const bool refused =
                std::find(refusing.begin(), refusing.end(), dialect.id) != refusing.end();
            if (refused) {
                EXPECT_THROW(Run(table), OrvaneError) << dialect.name << " " << name;
            } else {
                EXPECT_NO_THROW(Run(table)) << dialect.name << " " << name;
            }
        }
    }
}

}  // namespace
}  // namespace orvane
