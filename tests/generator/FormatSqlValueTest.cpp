#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TableBuilder.h"
#include "model/ODBCField.h"
#include "model/ODBCTools.h"

namespace orvane {
namespace {

struct ValueCase {
    std::string value;
    bool isNull;
    std::string expected;
};

constexpr int kNumericCodes[] = {20, 14, 3, 5, 131};
constexpr int kDateCodes[] = {7, 133, 135};
// Text class, small integers, booleans, times and unknown codes included.
constexpr int kTextCodes[] = {0, 2, 4, 6, 11, 16, 72, 128, 129, 134, 200, 201, 202, 205};

void Check(const int* codes, std::size_t n, const std::vector<ValueCase>& cases) {
    for (std::size_t k = 0; k < n; ++k) {
        for (const ValueCase& c : cases) {
            EXPECT_EQ(FormatSqlValue(c.value, c.isNull, codes[k]), c.expected)
                << "type " << codes[k] << ", value [" << c.value << "], null " << c.isNull;
        }
    }
}

TEST(FormatSqlValue, NumericClassWritesPlainNumbersAndQuotesEverythingElse) {
    const std::vector<ValueCase> cases = {
        {"", false, "0"},
        {"", true, "NULL"},
        {"42", false, "42"},
        {"-3.25", false, "-3.25"},
        {"+7", false, "+7"},
        {"12.50", false, "12.50"},
        {".5", false, ".5"},
        {"5.", false, "5."},
        {"1e+20", false, "1e+20"},
        {"-2.5E-3", false, "-2.5E-3"},
        {"9223372036854775807", false, "9223372036854775807"},
        // Not plain numbers: quoted, never pasted into the statement.
        {"1; drop table x", false, "'1; drop table x'"},
        {"abc", false, "'abc'"},
        {"1) , (2", false, "'1) , (2'"},
        {"O'1", false, "'O''1'"},
        {"1.2.3", false, "'1.2.3'"},
        {".", false, "'.'"},
        {"-", false, "'-'"},
        {"1e", false, "'1e'"},
        {" 5", false, "' 5'"},
        {"5 ", false, "'5 '"},
        {"0x1F", false, "'0x1F'"},
        {"1,5", false, "'1,5'"},
        {"inf", false, "'inf'"},
        {"NULL", false, "'NULL'"},
    };
    Check(kNumericCodes, std::size(kNumericCodes), cases);
}

TEST(FormatSqlValue, DateClassWritesTheIsoDateOrNull) {
    const std::vector<ValueCase> cases = {
        {"", false, "NULL"},
        {"", true, "NULL"},
        {"NULL", false, "NULL"},
        {"2004-01-31", false, "{d'2004-01-31'}"},
        {"2004-01-31 13:45:10", false, "{d'2004-01-31'}"},
        {"2004-01-31T13:45", false, "{d'2004-01-31'}"},
        {"2004-01-31 13:45:10.125", false, "{d'2004-01-31'}"},
        {"1900-01-01", false, "{d'1900-01-01'}"},
        {"1899-12-31", false, "NULL"},
        {"0001-01-01", false, "NULL"},
        {"2024-02-29", false, "{d'2024-02-29'}"},
        {"2000-02-29", false, "{d'2000-02-29'}"},
        // Unreadable dates.
        {"2023-02-29", false, "NULL"},
        {"1900-02-29", false, "NULL"},
        {"2004-02-30", false, "NULL"},
        {"2004-13-01", false, "NULL"},
        {"2004-00-10", false, "NULL"},
        {"2004-01-00", false, "NULL"},
        {"2004-1-31", false, "NULL"},
        {"31/01/2004", false, "NULL"},
        {"01/31/2004", false, "NULL"},
        {"2004-01-31 25:00:00", false, "NULL"},
        {"2004-01-31 10:60", false, "NULL"},
        {"2004-01-31 10:00:00.", false, "NULL"},
        {"2004-01-31 ", false, "NULL"},
        // A date before the common era is no date AD; infinities are no dates.
        {"2004-01-31 BC", false, "NULL"},
        {"2004-01-31 10:00:00 BC", false, "NULL"},
        {"-infinity", false, "NULL"},
        {"2004-01-31x", false, "NULL"},
        {"2004-01-31'); drop table x; --", false, "NULL"},
        {"garbage", false, "NULL"},
    };
    Check(kDateCodes, std::size(kDateCodes), cases);
}

TEST(FormatSqlValue, TextClassQuotesWithDoubledQuotes) {
    const std::vector<ValueCase> cases = {
        {"", false, "''"},
        {"", true, "NULL"},
        {"O'Brien", false, "'O''Brien'"},
        {"''", false, "''''''"},
        {"x'); drop table t; --", false, "'x''); drop table t; --'"},
        {"12", false, "'12'"},
        {"NULL", false, "'NULL'"},
        {"Zoë 東京", false, "'Zoë 東京'"},
        {"line\r\nnext\tcol", false, "'line\r\nnext\tcol'"},
    };
    Check(kTextCodes, std::size(kTextCodes), cases);
}

TEST(NullConstraint, OnlyColumnsThatRefuseNullsGetTheConstraint) {
    const ODBCField nullable(test::MakeMeta({.name = "A", .nullable = true}), "");
    const ODBCField required(test::MakeMeta({.name = "B", .nullable = false}), "");
    EXPECT_EQ(NullConstraint(nullable), "");
    EXPECT_EQ(NullConstraint(required), " NOT NULL");
    EXPECT_EQ(NullConstraint(ODBCField()), " NOT NULL");
}

}  // namespace
}  // namespace orvane
