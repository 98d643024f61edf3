// The SQL script as golden files: whole scripts for tables of every kind, the value texts of
// each type class and the Oracle trigger's conversions.
#include <string>
#include <vector>

#include "Golden.h"
#include "SchemaFixture.h"
#include "TableBuilder.h"
#include "core/OrvaneError.h"
#include "model/ODBCField.h"
#include "model/ODBCTools.h"

namespace orvane::test {
namespace {

using namespace data;

using GenSqlTest = SchemaFixture;

TEST_F(GenSqlTest, ScriptsOfTablesOfEveryKind) {
    struct ScriptCase {
        std::string label;
        std::shared_ptr<ODBCTable> table;
        std::int16_t maxRows;
    };
    const std::vector<ColumnSpec> example = {
        {.name = "ID", .type = adInteger, .size = 4, .nullable = false, .key = true},
        {.name = "NAME", .type = adVarChar, .size = 50}};
    const std::vector<ScriptCase> cases = {
        {"two columns", MakeTable("T", "A", example, {{"1", "O'Brien"}}), 1},
        {"no rows to write", MakeTable("T", "A", example, {{"1", "x"}}), 0},
        {"fewer rows than asked", MakeTable("T", "A", example, {{"1", "a"}, {"2", "b"}}), 5},
        {"long name, blank in a key",
         MakeTable("main.Orders", "Ord",
                   {{.name = "Order No", .type = adInteger, .key = true},
                    {.name = "my col", .type = adVarChar, .size = 20},
                    {.name = "Qty", .type = adSmallInt, .size = 2}},
                   {{"1", "v", "12"}}),
         1},
        {"values of every class",
         MakeTable("T", "A",
                   {{.name = "ID", .type = adInteger, .key = true},
                    {.name = "Name", .type = adVarWChar},
                    {.name = "Born", .type = adDBDate},
                    {.name = "Price", .type = adNumeric, .precision = 10, .scale = 2},
                    {.name = "Memo", .type = adLongVarChar}},
                   {{"1", "Zo\xC3\xAB \xE6\x9D\xB1 O'Neil", "2004-01-31", "12.50", std::nullopt},
                    {"2", "", "1899-12-31", "", "x"},
                    {"3", std::nullopt, std::nullopt, std::nullopt, "1); drop table T; --"}}),
         3},
    };
    std::string text;
    Screen(XML_CODE).Suffix = "Data";
    for (const ScriptCase& c : cases) {
        c.table->SetMaxRows(c.maxRows);
        text += "==== " + c.label + "\r\n" + Run(SQL_CODE, c.table);
    }
    // The select statement follows the SQL screen's rule, both triggers the XML screen's.
    Screen(SQL_CODE).IsUppercase = 1;
    Screen(XML_CODE).IsUppercase = 2;
    text +=
        "==== case rules\r\n" +
        Run(SQL_CODE,
            MakeTable("T", "A", {{.name = "Order Id", .type = adInteger, .key = true}}, {{"1"}}));
    expectGolden("sql-scripts.txt", text);
    // The trigger needs a key: no text without one.
    EXPECT_THROW(Run(SQL_CODE, MakeTable("T", "A", {{.name = "ID"}}, {{"1"}})), OrvaneError);
}

TEST(SqlValues, EachTypeClassWritesItsValuesAndTheOracleConversion) {
    const std::vector<std::vector<int>> classes = {
        {20, 14, 3, 5, 131},
        {7, 133, 135},
        {0, 2, 4, 6, 11, 16, 72, 128, 129, 134, 200, 201, 202, 205}};
    // The values, split at "|".
    const std::string values =
        "|42|-3.25|+7|.5|5.|1e+20|-2.5E-3|9223372036854775807|1; drop table x|1) , (2|O'1|"
        "1.2.3|.|-|1e| 5|5 |0x1F|1,5|inf|NULL|''|Zo\xC3\xAB|line\r\nnext\tcol|2004-01-31|"
        "2004-01-31 13:45:10|2004-01-31T13:45|2004-01-31 13:45:10.125|1900-01-01|1899-12-31|"
        "0001-01-01|2024-02-29|2000-02-29|2023-02-29|1900-02-29|2004-02-30|2004-13-01|"
        "2004-00-10|2004-01-00|2004-1-31|31/01/2004|2004-01-31 25:00:00|2004-01-31 10:60|"
        "2004-01-31 10:00:00.|2004-01-31 |2004-01-31 BC|2004-01-31 10:00:00 BC|-infinity|"
        "2004-01-31x|2004-01-31'); drop table x; --";
    const auto literalOf = [](const std::string& value, bool isNull, int code) {
        std::string literal;
        AppendSqlValue(literal, value, isNull, code);
        return literal;
    };
    std::string text;
    for (const std::vector<int>& codes : classes) {
        text += "== type " + std::to_string(codes.front()) + "\n[] null => [" +
                literalOf("", true, codes.front()) + "]\n";
        for (std::size_t at = 0, end = 0; end != std::string::npos; at = end + 1) {
            end = values.find('|', at);
            const std::string value = values.substr(at, end - at);
            const std::string written = literalOf(value, false, codes.front());
            text += "[" + value + "] => [" + written + "]\n";
            for (int code : codes)
                EXPECT_EQ(literalOf(value, false, code), written) << code << " " << value;
        }
    }
    orvane::Generator generator;
    for (int code : {2, 3, 4, 5, 6, 7, 11, 14, 16, 17, 20, 131, 133, 134, 135, 200}) {
        const ODBCField field(MakeMeta({.name = "X Y", .type = code}), "");
        text += "Oracle " + std::to_string(code) + ": " + generator.ToOraChar(field) + "\n";
    }
    expectGolden("sql-values.txt", text);
}

}  // namespace
}  // namespace orvane::test
