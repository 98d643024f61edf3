// The texts of the schema screens and the XML data for tables built in memory, kept as golden
// files: every type's facets, names that are no XML names, each screen's case rule and suffix.
#include <string>
#include <vector>

#include "Golden.h"
#include "SchemaFixture.h"
#include "TableBuilder.h"
#include "generator/XMLTools.h"
#include "model/ODBCField.h"
#include "templates/Templates.h"

namespace orvane::test {
namespace {

using namespace data;

struct Setting {
    int screen;
    std::int16_t rule;
    std::string suffix;
};

struct TextCase {
    std::string label;
    std::string name;
    std::string alias;
    std::vector<ColumnSpec> columns;
    std::vector<std::vector<std::optional<std::string>>> rows;
    std::vector<Setting> settings;
    std::vector<int> screens;
};

using SchemaTextTest = SchemaFixture;

TEST_F(SchemaTextTest, SchemasAndDataOfTablesOfEveryKind) {
    const std::vector<ColumnSpec> mixed = {
        {.name = "Id", .type = adInteger, .precision = 10, .nullable = false},
        {.name = "Big", .type = adBigInt, .precision = 19},
        {.name = "Small", .type = adSmallInt, .precision = 5, .nullable = false},
        {.name = "Price", .type = adNumeric, .precision = 10, .scale = 2},
        {.name = "Ratio", .type = adDouble, .precision = 15},
        {.name = "Amount", .type = adDecimal, .precision = 8, .scale = 2},
        {.name = "Day", .type = adDBDate, .size = 10},
        {.name = "Stamp", .type = adDBTimeStamp, .size = 19, .nullable = false},
        {.name = "Clock", .type = adDBTime, .size = 8},
        {.name = "Blob", .type = adVarBinary, .size = 16},
        {.name = "Unit Name#", .type = adVarChar, .size = 40, .nullable = false},
        {.name = "1st", .type = adChar, .size = 2},
    };
    // One case a row: label, table name, alias, columns, rows, settings, screens.
    // clang-format off
    const std::vector<TextCase> cases = {
        {"one column, no suffix", "Orders", "Orders",
         {{.name = "ID", .type = adInteger, .precision = 10, .nullable = false}}, {{"1"}}, {},
         {XSD_CODE, BIZ_CODE, DTD_CODE, XML_CODE}},
        {"twelve columns, the document's suffix on the schema's root", "Mixed", "Mixed", mixed, {},
         {{XML_CODE, 3, "Set"}, {XSD_CODE, 3, "Ignored"}, {DTD_CODE, 3, "List"}},
         {XSD_CODE, BIZ_CODE, DTD_CODE}},
        {"no columns", "dbo.Orders", "Orders", {}, {{}, {}},
         {{XML_CODE, 3, "List"}, {BIZ_CODE, 3, "Set"}}, {XSD_CODE, BIZ_CODE, DTD_CODE, XML_CODE}},
        {"each screen's rule and suffix", "order items", "Order Items", {{.name = "Unit Price"}},
         {}, {{XSD_CODE, 1, "X0"}, {BIZ_CODE, 2, "B1"}, {DTD_CODE, 0, "D2"}, {XML_CODE, 3, "M3"}},
         {XSD_CODE, BIZ_CODE, DTD_CODE}},
        {"names and values to escape", "t", "2 Orders", {{.name = "1st"}, {.name = "ok"}},
         {{"O'Reilly & S\xC3\xB6hne <GmbH> ]]>", "\xE6\x9D\xB1\xE4\xBA\xAC"},
          {"a\x01", std::nullopt}}, {{XML_CODE, 3, "List"}}, {XML_CODE, DTD_CODE}},
    };
    // clang-format on
    std::string text;
    for (const TextCase& c : cases) {
        SetUp();
        for (const Setting& s : c.settings) {
            Screen(s.screen).IsUppercase = s.rule;
            Screen(s.screen).Suffix = s.suffix;
        }
        for (int screen : c.screens) {
            text += "==== " + c.label + ", screen " + std::to_string(screen) + "\r\n" +
                    Run(screen, MakeTable(c.name, c.alias, c.columns, c.rows));
        }
    }
    // Aliases that are no XML names as typed: the root and row names every schema gives them.
    for (const std::string alias : {"Ord#1", " Padded ", "Price$History", "2024 Sales"}) {
        SetUp();
        Screen(DTD_CODE).Suffix = "List";
        const std::string dtd = Run(DTD_CODE, MakeTable("T", alias, {{.name = "a"}}, {}));
        text += "==== alias [" + alias + "]\r\n" + dtd.substr(dtd.find("<![%"));
    }
    expectGolden("schema-texts.txt", Portable(text));
}

// Each type code's schema type, facets and the patterns of the texts the type does not take.
TEST(SchemaFacetTest, EveryTypeCodeGetsFacetsItsSchemaTypeAccepts) {
    constexpr int kLong = 2147483647;
    // name, type code, size, precision, scale, nullable
    const std::vector<ColumnSpec> columns = {
        {"c", 131, 19, 10, 2, true}, {"c", 14, 10, 8, 2, true},     {"c", 5, 8, 15, 0, true},
        {"c", 4, 4, 7, 0, false},    {"c", 3, 4, 10, 0, true},      {"c", 20, 8, 19, 0, false},
        {"c", 2, 2, 5, 0, true},     {"c", 16, 1, 3, 0, true},      {"c", 3, 4, 0, 0, true},
        {"c", 3, 4, 10, 2, true},    {"c", 7, 8, 0, 0, true},       {"c", 133, 10, 0, 0, false},
        {"c", 135, 19, 0, 0, true},  {"c", 134, 8, 0, 0, true},     {"c", 128, 16, 0, 0, true},
        {"c", 204, 255, 0, 0, true}, {"c", 205, kLong, 0, 0, true}, {"c", 200, 40, 0, 0, true},
        {"c", 129, 2, 0, 0, true},   {"c", 202, kLong, 0, 0, true}, {"c", 11, 1, 1, 0, true},
        {"c", 6, 8, 19, 4, true},    {"c", 201, -1, 0, 0, true}};
    std::string text;
    for (const ColumnSpec& column : columns) {
        const ODBCField field(MakeMeta(column), "");
        text += "type " + std::to_string(column.type) + " size " + std::to_string(column.size) +
                " precision " + std::to_string(column.precision) + " scale " +
                std::to_string(column.scale) + (column.nullable ? " null" : "") + ": " +
                field.XsdType() + "\n" + XsdRestrictions(field, 1) + "\n" +
                XsdOtherTexts(field, 1) + "\n\t" + BizRestrictions(field) + "\n";
    }
    expectGolden("schema-facets.txt", text);
}

// Names and texts as XML takes them: valid names left as they are, only the offending
// characters escaped (also letters only later XML editions take, which libxml2 rejects), text
// that reads as an escape has its "_" escaped, a blanked name still a tag name; "--" never
// inside a comment.
TEST_F(SchemaTextTest, NamesAndTextsAsXmlTakesThem) {
    std::string text = CommentHeader("XML") + CommentHeader("a--b");
    // The names, split at "|".
    const std::string names =
        "Order_items|a-b.c9|_x|\xC3\x86r\xC3\xB8|\xE6\x9D\xB1\xE4\xBA\xAC|1st|-x|.x|"
        "Price$History|Changed By|a:b|a/b(c)|\xC2\xB7x|x\xEF\xBF\xBF|na\xC3\xAFve\xE2\x82\xAC|"
        "\xC3\x9F\xC8\x98|a\xFF|\xF3\xB0\x80\x80|a_x0041_b|_x00000041_|_x004_||&&|a]]>b|"
        "O'Reilly & S\xC3\xB6hne <GmbH> \"q\"";
    for (std::size_t at = 0, end = 0; end != std::string::npos; at = end + 1) {
        end = names.find('|', at);
        const std::string name = names.substr(at, end - at);
        text += "[" + name + "] " + XmlName(name) + " " + EscapeXmlText(name) + "\n";
    }
    expectGolden("xml-names.txt", Portable(text));
}

}  // namespace
}  // namespace orvane::test
