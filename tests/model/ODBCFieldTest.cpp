#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TableBuilder.h"
#include "model/ODBCField.h"

namespace orvane {
namespace {

using test::ColumnSpec;
using test::MakeMeta;

ODBCField Field(const ColumnSpec& column, std::string value = "") {
    return ODBCField(MakeMeta(column), std::move(value));
}

TEST(ModelODBCField, NameFormsUnderEveryRule) {
    struct Case {
        const char* name;
        std::int16_t rule;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"order date", 0, "Order_date"},
        {"order date", 1, "ORDER_DATE"},
        {"ORDER Date", 2, "order_date"},
        {"order Date", 3, "order_Date"},
        {" x ", 0, "X"},
        {"#id", 0, "_id"},
        {"#id", 1, "_ID"},
        {"a # b", 3, "a___b"},
        {"Name", 5, ""},
        {"Name", -1, ""},
        {"Name", 4, ""},
        {"   ", 0, ""},
        {"tab\there", 1, "TAB\tHERE"},
        {"  a#b c  ", 2, "a_b_c"},
        // Letters beyond ASCII follow the Unicode case mapping; "ß" has no one-letter capital.
        {"ünï Ärger", 1, "ÜNÏ_ÄRGER"},
        {"ÄRGER ünï", 0, "Ärger_ünï"},
        {"ΣΟΦΊΑ Straße", 2, "σοφία_straße"},
        {"élan", 0, "Élan"},
        {"жук", 1, "ЖУК"},
        {"bad\xff byte", 1, "BAD\xff_BYTE"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Field({c.name}).FieldNameEx(c.rule), c.expected)
            << '"' << c.name << "\" rule " << c.rule;
    }
}

TEST(ModelODBCField, SqlNameQuotesEveryNameThatIsNotPlain) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"my field", "[my field]"},
        {"price$", "[price$]"},
        {"my#field", "my#field"},
        {" lead", "[ lead]"},
        {"plain", "plain"},
        {"Größe", "Größe"},
        {"$", "[$]"},
        {"2nd", "[2nd]"},
        {"a);DROP TABLE victim;--", "\"a);DROP TABLE victim;--\""},
        {"b]);DROP TABLE victim;--", "\"b]);DROP TABLE victim;--\""},
        {"say \"]\"", "\"say \"\"]\"\"\""},
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(Field({name}).FieldNameSQL(), expected) << name;
    }
}

TEST(ModelODBCField, JavaAndVbNamesCarryTheClassPrefix) {
    struct Case {
        ColumnSpec column;
        const char* java;
        const char* vb;
    };
    const std::vector<Case> cases = {
        {{"Qty", data::adNumeric}, "i_Qty", "nQty"},
        {{"OrderDate", data::adDBTimeStamp}, "d_OrderDate", "dOrderDate"},
        {{"Name", data::adVarChar}, "s_Name", "sName"},
        {{"Small", data::adSmallInt}, "s_Small", "sSmall"},
        {{"At", data::adDBTime}, "s_At", "sAt"},
        {{" my col#", data::adInteger}, "i_my_col_", "nmy_col_"},
    };
    for (const Case& c : cases) {
        const ODBCField field = Field(c.column);
        EXPECT_EQ(field.FieldNameJava(), c.java);
        EXPECT_EQ(field.FieldNameJavaPK(), std::string(c.java) + "_PK");
        EXPECT_EQ(field.FieldNameVb(), c.vb);
        EXPECT_EQ(field.FieldNameVbPk(), std::string(c.vb) + "_PK");
    }
}

TEST(ModelODBCField, TypeNamesComeFromTheColumnMetadata) {
    const ODBCField numeric = Field({"Price", data::adNumeric, 0, 10, 2, false});
    EXPECT_EQ(numeric.DbType(), "NUMERIC(10,2)");
    EXPECT_EQ(numeric.VbNetType(), "Double");
    EXPECT_EQ(numeric.JavaSqlType(), "Types.NUMERIC ");
    EXPECT_FALSE(numeric.IsNull());
    EXPECT_EQ(numeric.Precision(), 10);
    EXPECT_EQ(numeric.NumericScale(), 2);

    const ODBCField date = Field({"At", data::adDBDate});
    EXPECT_EQ(date.VbNetType(), "object");
    EXPECT_EQ(date.CSharpType(), "object");
    EXPECT_EQ(date.VbType(), "Date");
    EXPECT_TRUE(date.IsNull());

    const ODBCField text = Field({"City", data::adVarChar, 50});
    EXPECT_EQ(text.DbType(), "VARCHAR(50)");
    EXPECT_EQ(text.XsdType(), "string");
    EXPECT_EQ(text.FieldType(), "");
    EXPECT_EQ(text.FieldSize(), 50);
    EXPECT_EQ(text.ODBCType(), data::adVarChar);

    const ODBCField small = Field({"Qty", data::adSmallInt, 2});
    EXPECT_EQ(small.XsdType(), "int");
    EXPECT_EQ(small.JavaType(), "String");
    EXPECT_EQ(small.DbType(), "VARCHAR(2)");
}

TEST(ModelODBCField, SampleValuesPastTheEndOfTheData) {
    struct Case {
        ColumnSpec column;
        std::int16_t row;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {{"Qty", data::adInteger}, 7, "7"},
        {{"Qty", data::adNumeric}, 0, "0"},
        {{"Big", data::adBigInt}, 32767, "32767"},
        {{"At", data::adDate}, 3, "NULL"},
        {{"At", data::adDBTimeStamp}, 0, "NULL"},
        {{"CITY", data::adVarChar, 3}, 12, "Y12"},
        {{"CITY", data::adVarChar, 50}, 12, "CITY12"},
        {{"CITY", data::adChar, 6}, 12, "CITY12"},
        {{"CITY", data::adChar, 5}, 12, "ITY12"},
        {{"Empty", data::adVarChar, 0}, 4, ""},
        {{"Small", data::adSmallInt, 2}, 5, "l5"},  // smallint is in the text class
        {{"Time", data::adDBTime, 8}, 1, "Time1"},
        // Sizes count characters, not bytes: a UTF-8 name is never cut inside a character.
        {{"Größe", data::adVarChar, 3}, 9, "ße9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ODBCField::SampleValue(*MakeMeta(c.column), c.row), c.expected)
            << c.column.name << " row " << c.row;
    }
}

TEST(ModelODBCField, NeverLoadedFieldReportsEmpties) {
    const ODBCField field;
    EXPECT_EQ(field.FieldName(), "");
    EXPECT_EQ(field.FieldType(), "");
    EXPECT_EQ(field.FieldNameJava(), "");
    EXPECT_EQ(field.FieldNameJavaPK(), "_PK");
    EXPECT_EQ(field.FieldNameVb(), "");
    EXPECT_EQ(field.JavaType(), "");
    EXPECT_EQ(field.CSharpType(), "");
    EXPECT_EQ(field.VbNetType(), "");
    EXPECT_EQ(field.XsdType(), "");
    EXPECT_EQ(field.JavaSqlType(), "");
    EXPECT_EQ(field.VbType(), "");
    EXPECT_EQ(field.DbType(), "");
    EXPECT_EQ(field.FieldSize(), 0);
    EXPECT_EQ(field.Precision(), 0);
    EXPECT_EQ(field.NumericScale(), 0);
    EXPECT_EQ(field.ODBCType(), 0);
    EXPECT_EQ(field.Value(), "");
    EXPECT_FALSE(field.IsNull());
    EXPECT_EQ(field.FieldNameEx(0), "");
    EXPECT_EQ(field.FieldNameSQL(), "");
}

TEST(ModelODBCField, LoadWithoutAFieldObjectChangesNothing) {
    ODBCField field = Field({"Kept", data::adInteger}, "41");
    field.Load(nullptr, true, 3);
    EXPECT_EQ(field.FieldName(), "Kept");
    EXPECT_EQ(field.Value(), "41");
}

}  // namespace
}  // namespace orvane
