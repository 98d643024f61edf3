// The per-column type texts of both schemas: facet lines and XDR length attributes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TableBuilder.h"
#include "generator/XMLTools.h"
#include "model/ODBCField.h"

namespace orvane::test {
namespace {

struct FacetCase {
    int code;
    int precision;
    int scale;
    int size;
    std::string xsdType;
    std::vector<std::string> facets;  // without the leading tabs
    std::string biz;
    std::vector<std::string> others;  // the patterns of the texts the type does not take
    bool nullable = true;
};

std::string Lines(const std::vector<std::string>& facets) {
    std::string text;
    for (const std::string& facet : facets) {
        if (!text.empty()) text += "\r\n";
        text += std::string(10, '\t') + facet;
    }
    return text;
}

std::vector<std::string> Patterns(const std::vector<std::string>& values) {
    std::vector<std::string> lines;
    for (const std::string& value : values)
        lines.push_back("<xs:pattern value=\"" + value + "\"/>");
    return lines;
}

const char* const kCollapse = R"(<xs:whiteSpace value="collapse"/>)";

std::string Length(int size) { return "<xs:maxLength value=\"" + std::to_string(size) + "\"/>"; }
const char* const kMinLength = R"(<xs:minLength value="0"/>)";
std::string Digits(int n) { return "<xs:totalDigits value=\"" + std::to_string(n) + "\"/>"; }
const char* const kNoFraction = R"(<xs:fractionDigits value="0"/>)";
std::string BizLength(int size) {
    return "dt:minLength=\"0\" dt:maxLength=\"" + std::to_string(size) + "\"";
}
const char* const kBizNoLimit = R"(dt:minLength="0")";
constexpr int kLong = 2147483647;

// What the XML data document writes for dates besides a plain day: the time of day, the era
// before the common one, and PostgreSQL's infinities.
const std::string kDay = R"(\d{4}-(0[1-9]|1[0-2])-(0[1-9]|[12]\d|3[01]))";
const std::string kTime = R"(([01]\d|2[0-3]):[0-5]\d:[0-5]\d)";
const std::vector<std::string> kDateTexts = {kDay + " " + kTime, kDay + "( " + kTime + ")? BC",
                                             "-?infinity"};

TEST(SchemaFacetTest, EveryTypeCodeGetsFacetsItsSchemaTypeAccepts) {
    std::vector<std::string> nullableDates = kDateTexts;
    nullableDates.push_back("");
    const std::vector<FacetCase> cases = {
        // xs:float and xs:double accept no digit facets at all, but INF and NaN; a NULL needs
        // the empty text besides.
        {131, 10, 2, 19, "float", {}, "", {""}},
        {14, 8, 2, 10, "float", {}, "", {""}},
        {5, 15, 0, 8, "double", {}, "", {""}},
        {4, 7, 0, 4, "float", {}, "", {}, false},
        // xs:int and xs:long: totalDigits of at least 1, fractionDigits only as the fixed 0.
        {3, 10, 0, 4, "int", {Digits(10), kNoFraction}, "", {""}},
        {20, 19, 0, 8, "long", {Digits(19), kNoFraction}, "", {}, false},
        {2, 5, 0, 2, "int", {Digits(5), kNoFraction}, "", {""}},
        {16, 3, 0, 1, "int", {Digits(3), kNoFraction}, "", {""}},
        {3, 0, 0, 4, "int", {kNoFraction}, "", {""}},
        {3, 10, 2, 4, "int", {Digits(10)}, "", {""}},
        {7, 0, 0, 8, "date", {kCollapse}, "", nullableDates},
        {133, 0, 0, 10, "date", {kCollapse}, "", kDateTexts, false},
        {135, 0, 0, 19, "date", {kCollapse}, "", nullableDates},
        // Time is neither a date nor a number here: it is measured like text. Text and binary
        // columns take the empty element of a NULL as they are.
        {134, 0, 0, 8, "string", {kMinLength, Length(8)}, BizLength(8), {}},
        {128, 0, 0, 16, "base64Binary", {kMinLength, Length(16)}, BizLength(16), {}},
        {204, 0, 0, 255, "base64Binary", {kMinLength, Length(255)}, BizLength(255), {}},
        {205, 0, 0, kLong, "base64Binary", {kMinLength}, kBizNoLimit, {}},
        {200, 0, 0, 40, "string", {kMinLength, Length(40)}, BizLength(40), {}},
        {129, 0, 0, 2, "string", {kMinLength, Length(2)}, BizLength(2), {}},
        {202, 0, 0, kLong, "string", {kMinLength}, kBizNoLimit, {}},
        {11, 1, 0, 1, "string", {kMinLength, Length(1)}, BizLength(1), {}},
        {6, 19, 4, 8, "string", {kMinLength, Length(8)}, BizLength(8), {}},
        // A length that is unknown (negative) is not a valid maxLength.
        {201, 0, 0, -1, "string", {kMinLength}, kBizNoLimit, {}},
    };
    for (const FacetCase& c : cases) {
        const ODBCField field(MakeMeta({.name = "c",
                                        .type = c.code,
                                        .size = c.size,
                                        .precision = c.precision,
                                        .scale = c.scale,
                                        .nullable = c.nullable}),
                              "");
        const std::string label = "type code " + std::to_string(c.code) + " precision " +
                                  std::to_string(c.precision) + " scale " + std::to_string(c.scale);
        EXPECT_EQ(field.XsdType(), c.xsdType) << label;
        EXPECT_EQ(XsdRestrictions(field), Lines(c.facets)) << label;
        EXPECT_EQ(BizRestrictions(field), c.biz) << label;
        EXPECT_EQ(XsdOtherTexts(field, 10), Lines(Patterns(c.others))) << label;
    }
}

}  // namespace
}  // namespace orvane::test
