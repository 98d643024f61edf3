// The generated schemas checked by the real validator against the generated XML data.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "SchemaFixture.h"
#include "TableBuilder.h"
#include "TestSupport.h"
#include "XmlLint.h"
#include "data/ColumnMeta.h"

namespace orvane::test {
namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::optional<std::string>>>;

class SchemaValidationTest : public SchemaFixture {
  protected:
    void SetUp() override {
        SchemaFixture::SetUp();
        if (!HaveXmlLint()) GTEST_SKIP() << "xmllint is not installed (package libxml2-utils)";
        dir_ = MakeTempDir("orvane-schemas-");
        generator_.Activate();
    }
    void TearDown() override {
        if (!dir_.empty()) fs::remove_all(dir_);
    }

    // Writes the four outputs of the table and returns what the validator says of each.
    struct Verdicts {
        LintResult xsd;
        LintResult dtd;
        LintResult biz;
    };
    Verdicts Validate(const std::shared_ptr<ODBCTable>& table) {
        const std::string xml = dir_ + "/data.xml";
        const std::string xsd = dir_ + "/data.xsd";
        const std::string dtd = dir_ + "/data.dtd";
        const std::string biz = dir_ + "/data.biz";
        WriteTextFile(xml, Run(XML_CODE, table));
        WriteTextFile(xsd, Run(XSD_CODE, table));
        WriteTextFile(dtd, Run(DTD_CODE, table));
        WriteTextFile(biz, Run(BIZ_CODE, table));
        return {XmlLint("--schema", xsd, xml), XmlLint("--dtdvalid", dtd, xml), XmlLint("", biz)};
    }

    std::string dir_;
};

// Columns of every schema type with values that fit them.
std::vector<ColumnSpec> MixedColumns() {
    return {
        {.name = "OrderID", .type = data::adInteger, .precision = 10, .nullable = false},
        {.name = "Quantity", .type = data::adSmallInt, .precision = 5},
        {.name = "Big", .type = data::adBigInt, .precision = 19},
        {.name = "Price", .type = data::adNumeric, .precision = 10, .scale = 2},
        {.name = "Ratio", .type = data::adDouble, .precision = 15},
        {.name = "OrderDate", .type = data::adDBDate, .size = 10},
        {.name = "Clock", .type = data::adDBTime, .size = 8},
        {.name = "Picture", .type = data::adVarBinary, .size = 16},
        {.name = "Ship Name", .type = data::adVarChar, .size = 40},
        {.name = "2nd#Line", .type = data::adChar, .size = 12},
        {.name = "Flag", .type = data::adBoolean, .size = 1},
        {.name = "Note", .type = data::adLongVarChar, .size = 65535},
    };
}

Rows MixedRows() {
    return {
        {"10248", "12", "-42", "14.50", "0.25", "2024-02-29", "09:30:00",
         "iVBORw0KGgo=", "O'Reilly & Sons <GmbH>", "", "1", std::nullopt},
        {"10249", "-3", "2147483647", "-125.75", "1E3", "2023-07-04", "23:59:59", "", "", "x", "0",
         "two\r\nlines"},
    };
}

struct ValidCase {
    std::string label;
    std::string alias;
    std::string xmlSuffix;
    std::string dtdSuffix;
    Rows rows;
};

TEST_F(SchemaValidationTest, DataFittingItsTypesValidatesAgainstBothSchemas) {
    const std::vector<ValidCase> cases = {
        {"default settings: root and row share a name", "Orders", "", "", MixedRows()},
        {"suffix: root of its own", "Orders", "List", "List", MixedRows()},
        {"alias with a blank", "Order Details", "List", "List", MixedRows()},
        {"alias with # and $", "Price$History#2", "", "", MixedRows()},
        {"alias starting with a digit", "2024 Sales", "Set", "Set", MixedRows()},
        {"no rows", "Orders", "", "", {}},
    };
    for (const ValidCase& c : cases) {
        Screen(XML_CODE).Suffix = c.xmlSuffix;
        Screen(DTD_CODE).Suffix = c.dtdSuffix;
        const Verdicts v = Validate(MakeTable("T", c.alias, MixedColumns(), c.rows));
        EXPECT_EQ(v.xsd.status, 0) << c.label << "\n" << v.xsd.output;
        EXPECT_EQ(v.dtd.status, 0) << c.label << "\n" << v.dtd.output;
        EXPECT_EQ(v.biz.status, 0) << c.label << "\n" << v.biz.output;
    }
}

// Data the types cannot hold is caught by the W3C schema, never by the DTD, which types nothing.
TEST_F(SchemaValidationTest, DataNotFittingItsTypesFailsOnlyTheW3cSchema) {
    struct MisfitCase {
        std::string label;
        ColumnSpec column;
        std::optional<std::string> value;
    };
    const std::vector<MisfitCase> cases = {
        {"null integer", {.name = "n", .type = data::adInteger, .precision = 10}, std::nullopt},
        {"made-up date", {.name = "d", .type = data::adDBDate, .size = 10}, "NULL"},
        {"timestamp as a date",
         {.name = "t", .type = data::adDBTimeStamp, .size = 19},
         "2019-03-01 00:00:00"},
        {"bigint beyond int",
         {.name = "b", .type = data::adBigInt, .precision = 19},
         "9223372036854775807"},
        {"text over its size", {.name = "s", .type = data::adVarChar, .size = 3}, "abcd"},
    };
    for (const MisfitCase& c : cases) {
        const Verdicts v = Validate(MakeTable("T", "T", {c.column}, {{c.value}}));
        EXPECT_NE(v.xsd.status, 0) << c.label;
        EXPECT_NE(v.xsd.output.find("fails to validate"), std::string::npos)
            << c.label << ": the schema itself must compile\n"
            << v.xsd.output;
        EXPECT_EQ(v.dtd.status, 0) << c.label << "\n" << v.dtd.output;
    }
}

// A DTD whose root has a name of its own still rejects rows that break the column order.
TEST_F(SchemaValidationTest, DtdRejectsADocumentOfAnotherShape) {
    for (const std::string suffix : {"", "List"}) {
        Screen(XML_CODE).Suffix = suffix;
        Screen(DTD_CODE).Suffix = suffix;
        auto table = MakeTable("T", "T", {{.name = "a"}, {.name = "b"}}, {{"1", "2"}});
        const std::string dtd = dir_ + "/t.dtd";
        const std::string xml = dir_ + "/t.xml";
        WriteTextFile(dtd, Run(DTD_CODE, table));
        WriteTextFile(xml, "<T" + suffix + "><T><b>2</b><a>1</a></T></T" + suffix + ">");
        EXPECT_NE(XmlLint("--dtdvalid", dtd, xml).status, 0) << "suffix '" << suffix << "'";
    }
}

}  // namespace
}  // namespace orvane::test
