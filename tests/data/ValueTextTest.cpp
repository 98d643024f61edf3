#include <gtest/gtest.h>

#include <limits>

#include "data/ValueText.h"

namespace orvane::data {
namespace {

using namespace valuetext;

TEST(ValueText, DoublesAreShortestCLocaleText) {
    const std::pair<double, const char*> cases[] = {
        {12.5, "12.5"},  {0.1, "0.1"},
        {266.0, "266"},  {-0.25, "-0.25"},
        {1e20, "1e+20"}, {123456789.125, "123456789.125"},
        {0.0, "0"},      {1.0 / 3, "0.3333333333333333"},
    };
    std::string out = "stale";
    for (const auto& [value, expected] : cases) {
        FormatDouble(value, out);
        EXPECT_EQ(out, expected);
    }
    FormatFloat(0.15f, out);
    EXPECT_EQ(out, "0.15");
    FormatFloat(4.5f, out);
    EXPECT_EQ(out, "4.5");
    // XML Schema's spellings of the special values.
    const std::pair<double, const char*> special[] = {
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
        {std::numeric_limits<double>::quiet_NaN(), "NaN"},
    };
    for (const auto& [value, expected] : special) {
        FormatDouble(value, out);
        EXPECT_EQ(out, expected);
        FormatFloat(static_cast<float>(value), out);
        EXPECT_EQ(out, expected);
    }
    FormatFloat(3.4e38f, out);
    EXPECT_EQ(out, "3.4e+38");
}

TEST(ValueText, NormalizesDatesTimesBooleansAndDecimals) {
    using Normalizer = void (*)(std::string_view, std::string&);
    auto decimal2 = [](std::string_view t, std::string& o) { NormalizeDecimal(t, 2, o); };
    auto decimal0 = [](std::string_view t, std::string& o) { NormalizeDecimal(t, 0, o); };
    struct Case {
        Normalizer normalize;
        const char* input;
        const char* expected;
    };
    const Case cases[] = {
        {NormalizeDateTime, "2023-07-04", "2023-07-04"},
        {NormalizeDateTime, "2023-07-16 00:00:00", "2023-07-16"},
        {NormalizeDateTime, "2023-07-16 00:00:00.000", "2023-07-16"},
        {NormalizeDateTime, "2023-07-10 16:45:12", "2023-07-10 16:45:12"},
        {NormalizeDateTime, "2023-07-10T16:45:12.250+02", "2023-07-10 16:45:12"},
        {NormalizeDateTime, "2023-07-10 16:45", "2023-07-10 16:45:00"},
        {NormalizeDateTime, " 2024-02-29 ", "2024-02-29"},
        {NormalizeDateTime, "2460000.5", "2460000.5"},
        {NormalizeDateTime, "tomorrow", "tomorrow"},
        {NormalizeDateTime, "", ""},
        {NormalizeDateTime, "4713-01-01 00:00:00 BC", "4713-01-01 BC"},
        {NormalizeDateTime, "0044-03-15 12:00:00+00 BC", "0044-03-15 12:00:00 BC"},
        {NormalizeDateTime, "0044-03-15 BC", "0044-03-15 BC"},
        {NormalizeDateTime, "-infinity", "-infinity"},
        {NormalizeTime, "09:30:00", "09:30:00"},
        {NormalizeTime, "23:59:59.999999", "23:59:59"},
        {NormalizeTime, "07:05", "07:05:00"},
        {NormalizeTime, "2024-01-01 10:11:12", "10:11:12"},
        {NormalizeTime, "noon", "noon"},
        {NormalizeBoolean, "1", "1"},
        {NormalizeBoolean, "-1", "1"},
        {NormalizeBoolean, "t", "1"},
        {NormalizeBoolean, "TRUE", "1"},
        {NormalizeBoolean, "0", "0"},
        {NormalizeBoolean, "f", "0"},
        {NormalizeBoolean, "False", "0"},
        {NormalizeBoolean, "maybe", "maybe"},
        {decimal2, "1000.1", "1000.10"},
        {decimal2, "14", "14.00"},
        {decimal2, "-125.75", "-125.75"},
        {decimal2, " 12,5 ", "12.50"},
        {decimal2, "0.125", "0.125"},
        {decimal2, "1e-3", "1e-3"},
        {decimal2, "abc", "abc"},
        {decimal2, "1,234.5", "1,234.5"},
        {decimal2, "NaN", "NaN"},
        {decimal2, "Infinity", "INF"},
        {decimal2, "-Infinity", "-INF"},
        {decimal0, "32.38", "32.38"},
        {decimal0, "7", "7"},
    };
    std::string out = "stale";
    for (const Case& c : cases) {
        c.normalize(c.input, out);
        EXPECT_EQ(out, c.expected) << "input '" << c.input << "'";
    }
}

TEST(ValueText, Base64MatchesTheStandardVectors) {
    const std::pair<std::string, const char*> cases[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foobar", "Zm9vYmFy"},
        {std::string("\x89PNG\r\n\x1a\n", 8), "iVBORw0KGgo="},
        {std::string("\x00\xff\x7f\x80", 4), "AP9/gA=="},
        {"\xe6", "5g=="},
    };
    std::string out = "stale";
    for (const auto& [bytes, expected] : cases) {
        Base64(bytes, out);
        EXPECT_EQ(out, expected);
    }
}

}  // namespace
}  // namespace orvane::data
