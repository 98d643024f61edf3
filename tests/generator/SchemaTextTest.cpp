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
    const std::vector<TextCase> cases = {
        {"one column, no suffix",
         "Orders",
         "Orders",
         {{.name = "ID", .type = adInteger, .precision = 10, .nullable = false}},
         {{"1"}},
         {},
         {XSD_CODE, BIZ_CODE, DTD_CODE, XML_CODE}},
        {"twelve columns, the document's suffix on the schema's root",
         "Mixed",
         "Mixed",
         mixed,
         {},
         {{XML_CODE, 3, "Set"}, {XSD_CODE, 3, "Ignored"}, {DTD_CODE, 3, "List"}},
         {XSD_CODE, BIZ_CODE, DTD_CODE}},
        {"no columns",
         "dbo.Orders",
         "Orders",
         {},
         {{}, {}},
         {{XML_CODE, 3, "List"}, {BIZ_CODE, 3, "Set"}},
         {XSD_CODE, BIZ_CODE, DTD_CODE, XML_CODE}},
        {"each screen's rule and suffix",
         "order items",
         "Order Items",
         {{.name = "Unit Price"}},
         {},
         {{XSD_CODE, 1, "X0"}, {BIZ_CODE, 2, "B1"}, {DTD_CODE, 0, "D2"}, {XML_CODE, 3, "M3"}},
         {XSD_CODE, BIZ_CODE, DTD_CODE}},
        {"names and values to escape",
         "t",
         "2 Orders",
         {{.name = "1st"}, {.name = "ok"}},
         {{"O'Reilly & S\xC3\xB6hne <GmbH> ]]>", "\xE6\x9D\xB1\xE4\xBA\xAC"},
          {"a\x01", std::nullopt}},
         {{XML_CODE, 3, "List"}},
         {XML_CODE, DTD_CODE}},
    };
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
    const std::vector<ColumnSpec> columns = {
        {.name = "c", .type = 131, .size = 19, .precision = 10, .scale = 2},
        {.name = "c", .type = 14, .size = 10, .precision = 8, .scale = 2},
        {.name = "c", .type = 5, .size = 8, .precision = 15},
        {.name = "c", .type = 4, .size = 4, .precision = 7, .nullable = false},
        {.name = "c", .type = 3, .size = 4, .precision = 10},
        {.name = "c", .type = 20, .size = 8, .precision = 19, .nullable = false},
        {.name = "c", .type = 2, .size = 2, .precision = 5},
        {.name = "c", .type = 16, .size = 1, .precision = 3},
        {.name = "c", .type = 3, .size = 4},
        {.name = "c", .type = 3, .size = 4, .precision = 10, .scale = 2},
        {.name = "c", .type = 7, .size = 8},
        {.name = "c", .type = 133, .size = 10, .nullable = false},
        {.name = "c", .type = 135, .size = 19},
        {.name = "c", .type = 134, .size = 8},
        {.name = "c", .type = 128, .size = 16},
        {.name = "c", .type = 204, .size = 255},
        {.name = "c", .type = 205, .size = kLong},
        {.name = "c", .type = 200, .size = 40},
        {.name = "c", .type = 129, .size = 2},
        {.name = "c", .type = 202, .size = kLong},
        {.name = "c", .type = 11, .size = 1, .precision = 1},
        {.name = "c", .type = 6, .size = 8, .precision = 19, .scale = 4},
        {.name = "c", .type = 201, .size = -1},
    };
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
    for (const std::string name : {"Order_items",
                                   "a-b.c9",
                                   "_x",
                                   "\xC3\x86r\xC3\xB8",
                                   "\xE6\x9D\xB1\xE4\xBA\xAC",
                                   "1st",
                                   "-x",
                                   ".x",
                                   "Price$History",
                                   "Changed By",
                                   "a:b",
                                   "a/b(c)",
                                   "\xC2\xB7x",
                                   "x\xEF\xBF\xBF",
                                   "na\xC3\xAFve\xE2\x82\xAC",
                                   "\xC3\x9F\xC8\x98",
                                   "a\xFF",
                                   "\xF3\xB0\x80\x80",
                                   "a_x0041_b",
                                   "_x00000041_",
                                   "_x004_",
                                   "",
                                   "&&",
                                   "a]]>b",
                                   "O'Reilly & S\xC3\xB6hne <GmbH> \"q\""})
        text += "[" + name + "] " + XmlName(name) + " " + EscapeXmlText(name) + "\n";
    expectGolden("xml-names.txt", Portable(text));
}

}  // namespace
}  // namespace orvane::test
