// Exact texts of the three schema outputs for small tables built in memory.
#include <string>
#include <vector>

#include "SchemaFixture.h"
#include "TableBuilder.h"
#include "data/ColumnMeta.h"

namespace orvane::test {
namespace {

using data::adBigInt;
using data::adDBTimeStamp;
using data::adDouble;
using data::adInteger;
using data::adNumeric;
using data::adVarBinary;
using data::adVarChar;

const char* const kXsdHead = R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- XSD schema  {CREATED} -->
)";

// One column element of the W3C schema, as the element template lays it out.
std::string XsdElement(const std::string& name, const std::string& type, const std::string& min,
                       const std::string& facets) {
    return Expand("~~~~~~~<xs:element name=\"" + name + "\" minOccurs=\"" + min +
                  "\" maxOccurs=\"1\">\n~~~~~~~~<xs:simpleType>\n"
                  "~~~~~~~~~<xs:restriction base=\"xs:" +
                  type + "\">\n") +
           facets +
           Expand("\n~~~~~~~~~</xs:restriction>\n~~~~~~~~</xs:simpleType>\n~~~~~~~</xs:element>\n");
}

// The same for a column whose document holds texts its type does not take: a union of the
// restricted type and a string type with one pattern per such text.
std::string XsdUnion(const std::string& name, const std::string& type, const std::string& min,
                     const std::string& facets, const std::vector<std::string>& patterns) {
    std::string texts;
    for (const std::string& pattern : patterns) {
        texts += (texts.empty() ? "" : "\n") + std::string("~~~~~~~~~~~~<xs:pattern value=\"") +
                 pattern + "\"/>";
    }
    return Expand("~~~~~~~<xs:element name=\"" + name + "\" minOccurs=\"" + min +
                  "\" maxOccurs=\"1\">\n~~~~~~~~<xs:simpleType>\n~~~~~~~~~<xs:union>\n"
                  "~~~~~~~~~~<xs:simpleType>\n~~~~~~~~~~~<xs:restriction base=\"xs:" +
                  type + "\">\n") +
           facets +
           Expand(
               "\n~~~~~~~~~~~</xs:restriction>\n~~~~~~~~~~</xs:simpleType>\n"
               "~~~~~~~~~~<xs:simpleType>\n~~~~~~~~~~~<xs:restriction base=\"xs:string\">\n" +
               texts +
               "\n~~~~~~~~~~~</xs:restriction>\n~~~~~~~~~~</xs:simpleType>\n"
               "~~~~~~~~~</xs:union>\n~~~~~~~~</xs:simpleType>\n~~~~~~~</xs:element>\n");
}

std::string XsdSchema(const std::string& table, const std::string& root, const std::string& row,
                      const std::string& elements) {
    return Expand(std::string(kXsdHead) + "<!-- Table: " + table + " -->\n" +
                  R"(<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
~<xs:element name=")" +
                  root + R"(">
~~<xs:complexType>
~~~<xs:sequence>
~~~~<xs:element name=")" +
                  row + R"(" minOccurs="0" maxOccurs="unbounded">
~~~~~<xs:complexType>
~~~~~~<xs:sequence>
)") + elements +
           Expand(R"(~~~~~~</xs:sequence>
~~~~~</xs:complexType>
~~~~</xs:element>
~~~</xs:sequence>
~~</xs:complexType>
~</xs:element>
</xs:schema>
)");
}

using SchemaTextTest = SchemaFixture;

TEST_F(SchemaTextTest, XsdOfOneIntegerColumn) {
    auto table =
        MakeTable("Orders", "Orders",
                  {{.name = "ID", .type = adInteger, .precision = 10, .nullable = false}}, {{"1"}});
    const std::string expected = Expand(R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- XSD schema  {CREATED} -->
<!-- Table: Orders -->
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
~<xs:element name="Orders">
~~<xs:complexType>
~~~<xs:sequence>
~~~~<xs:element name="Orders" minOccurs="0" maxOccurs="unbounded">
~~~~~<xs:complexType>
~~~~~~<xs:sequence>
~~~~~~~<xs:element name="ID" minOccurs="1" maxOccurs="1">
~~~~~~~~<xs:simpleType>
~~~~~~~~~<xs:restriction base="xs:int">
~~~~~~~~~~<xs:totalDigits value="10"/>
~~~~~~~~~~<xs:fractionDigits value="0"/>
~~~~~~~~~</xs:restriction>
~~~~~~~~</xs:simpleType>
~~~~~~~</xs:element>
~~~~~~</xs:sequence>
~~~~~</xs:complexType>
~~~~</xs:element>
~~~</xs:sequence>
~~</xs:complexType>
~</xs:element>
</xs:schema>
)");
    EXPECT_EQ(Run(XSD_CODE, table), expected);
}

TEST_F(SchemaTextTest, XsdOfNoColumnsHasAnEmptyRowSequence) {
    Screen(XML_CODE).Suffix = "List";
    auto table = MakeTable("dbo.Orders", "Orders", {}, {});
    EXPECT_EQ(Run(XSD_CODE, table), XsdSchema("dbo.Orders", "OrdersList", "Orders", ""));
}

// Twelve columns of every kind, each with the name, type, bounds and facets it must get.
TEST_F(SchemaTextTest, XsdOfTwelveColumns) {
    Screen(XML_CODE).Suffix = "Set";
    Screen(XSD_CODE).Suffix = "Ignored";
    const std::vector<ColumnSpec> columns = {
        {.name = "Id", .type = adInteger, .precision = 10, .nullable = false},
        {.name = "Big", .type = adBigInt, .precision = 19},
        {.name = "Small", .type = data::adSmallInt, .precision = 5, .nullable = false},
        {.name = "Price", .type = adNumeric, .precision = 10, .scale = 2},
        {.name = "Ratio", .type = adDouble, .precision = 15},
        {.name = "Amount", .type = data::adDecimal, .precision = 8, .scale = 2},
        {.name = "Day", .type = data::adDBDate, .size = 10},
        {.name = "Stamp", .type = adDBTimeStamp, .size = 19},
        {.name = "Clock", .type = data::adDBTime, .size = 8},
        {.name = "Blob", .type = adVarBinary, .size = 16},
        {.name = "Unit Name#", .type = adVarChar, .size = 40, .nullable = false},
        {.name = "1st", .type = data::adChar, .size = 2},
    };
    const std::string digits10 = Expand(
        "~~~~~~~~~~<xs:totalDigits value=\"10\"/>\n~~~~~~~~~~<xs:fractionDigits value=\"0\"/>");
    const std::string collapse = Expand("~~~~~~~~~~<xs:whiteSpace value=\"collapse\"/>");
    auto lengths = [](int size) {
        return Expand("~~~~~~~~~~<xs:minLength value=\"0\"/>\n~~~~~~~~~~<xs:maxLength value=\"" +
                      std::to_string(size) + "\"/>");
    };
    // A NULL's empty element, and a date's time of day, era and infinities.
    const std::string day = R"(\d{4}-(0[1-9]|1[0-2])-(0[1-9]|[12]\d|3[01]))";
    const std::string time = R"(([01]\d|2[0-3]):[0-5]\d:[0-5]\d)";
    const std::vector<std::string> dates = {day + " " + time, day + "( " + time + ")? BC",
                                            "-?infinity", ""};
    const std::string elements = XsdElement("Id", "int", "1", digits10) +
                                 XsdUnion("Big", "long", "0",
                                          Expand("~~~~~~~~~~~~<xs:totalDigits value=\"19\"/>\n"
                                                 "~~~~~~~~~~~~<xs:fractionDigits value=\"0\"/>"),
                                          {""}) +
                                 XsdElement("Small", "int", "1",
                                            Expand("~~~~~~~~~~<xs:totalDigits value=\"5\"/>\n"
                                                   "~~~~~~~~~~<xs:fractionDigits value=\"0\"/>")) +
                                 XsdUnion("Price", "float", "0", "", {""}) +
                                 XsdUnion("Ratio", "double", "0", "", {""}) +
                                 XsdUnion("Amount", "float", "0", "", {""}) +
                                 XsdUnion("Day", "date", "0", "\t\t" + collapse, dates) +
                                 XsdUnion("Stamp", "date", "0", "\t\t" + collapse, dates) +
                                 XsdElement("Clock", "string", "0", lengths(8)) +
                                 XsdElement("Blob", "base64Binary", "0", lengths(16)) +
                                 XsdElement("Unit_Name_", "string", "1", lengths(40)) +
                                 XsdElement("_x0031_st", "string", "0", lengths(2));
    auto table = MakeTable("Mixed", "Mixed", columns, {});
    EXPECT_EQ(Run(XSD_CODE, table), XsdSchema("Mixed", "MixedSet", "Mixed", elements));
}

TEST_F(SchemaTextTest, BizOfOneTextColumn) {
    Screen(BIZ_CODE).Suffix = "Set";
    auto table =
        MakeTable("Orders", "Orders", {{.name = "Name", .type = adVarChar, .size = 40}}, {{"Ann"}});
    const std::string expected = Expand(R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- Biztalk schema  {CREATED} -->
<!-- Table: Orders -->
<Schema name="OrdersSet" xmlns="urn:schemas-microsoft-com:xml-data" xmlns:dt="urn:schemas-microsoft-com:datatypes">
~<ElementType name="OrdersSet" content="eltOnly" model="closed" order="seq">
~~<element type="Orders" minOccurs="0" maxOccurs="*"/>
~</ElementType>
~<ElementType name="Orders" content="eltOnly" model="closed" order="seq">
~~<element type="Name" minOccurs="0" maxOccurs="1"/>
~</ElementType>
~<ElementType name="Name" content="textOnly" model="closed" dt:type="string" dt:minLength="0" dt:maxLength="40"/>
</Schema>
)");
    EXPECT_EQ(Run(BIZ_CODE, table), expected);
}

TEST_F(SchemaTextTest, BizOfNoColumnsHasBothListsEmpty) {
    auto table = MakeTable("T", "T", {}, {});
    const std::string expected = Expand(R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- Biztalk schema  {CREATED} -->
<!-- Table: T -->
<Schema name="T" xmlns="urn:schemas-microsoft-com:xml-data" xmlns:dt="urn:schemas-microsoft-com:datatypes">
~<ElementType name="T" content="eltOnly" model="closed" order="seq">
~~<element type="T" minOccurs="0" maxOccurs="*"/>
~</ElementType>
~<ElementType name="T" content="eltOnly" model="closed" order="seq">
~</ElementType>
</Schema>
)");
    EXPECT_EQ(Run(BIZ_CODE, table), expected);
}

// The element list holds occurrence bounds only, the element-type list types and lengths only.
TEST_F(SchemaTextTest, BizOfTwelveColumnsSplitsBoundsFromTypes) {
    std::vector<ColumnSpec> columns;
    std::string elements;
    std::string types;
    const int codes[] = {3, 20, 2, 131, 5, 14, 133, 7, 135, 134, 204, 200};
    const char* const xsdTypes[] = {"int",  "long", "int",  "float",  "double",       "float",
                                    "date", "date", "date", "string", "base64Binary", "string"};
    for (int j = 0; j < 12; ++j) {
        const std::string name = "c" + std::to_string(j + 1);
        columns.push_back({.name = name, .type = codes[j], .size = 10 + j, .nullable = j % 2 == 0});
        elements += "~~<element type=\"" + name + "\" minOccurs=\"" + (j % 2 == 0 ? "0" : "1") +
                    "\" maxOccurs=\"1\"/>\n";
        const std::string lengths =
            j >= 9 ? "dt:minLength=\"0\" dt:maxLength=\"" + std::to_string(10 + j) + "\"" : "";
        types += "~<ElementType name=\"" + name +
                 "\" content=\"textOnly\" model=\"closed\" dt:type=\"" + xsdTypes[j] + "\" " +
                 lengths + "/>\n";
    }
    const std::string expected = Expand(R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- Biztalk schema  {CREATED} -->
<!-- Table: Wide -->
<Schema name="Wide" xmlns="urn:schemas-microsoft-com:xml-data" xmlns:dt="urn:schemas-microsoft-com:datatypes">
~<ElementType name="Wide" content="eltOnly" model="closed" order="seq">
~~<element type="Wide" minOccurs="0" maxOccurs="*"/>
~</ElementType>
~<ElementType name="Wide" content="eltOnly" model="closed" order="seq">
)" + elements + "~</ElementType>\n" + types +
                                        "</Schema>\n");
    EXPECT_EQ(Run(BIZ_CODE, MakeTable("Wide", "Wide", columns, {})), expected);
}

// The DTD's fixed head: the comment lines and the switch between a root of its own and a root
// that shares the row's name.
std::string DtdHead(const std::string& table, const std::string& root, const std::string& row) {
    return "<!-- DTD  {CREATED} -->\n<!-- Table: " + table + " -->\n" +
           "<!-- The root holds the rows. With an empty suffix the root and the row share one "
           "name;\n     that one element then takes either content, as a name can be declared "
           "only once. -->\n" +
           "<!ENTITY % " + row + ".distinct \"IGNORE\">\n<!ENTITY % " + root +
           ".distinct \"INCLUDE\">\n<!ENTITY % " + row + ".shared \"INCLUDE\">\n<!ENTITY % " +
           root + ".shared \"IGNORE\">\n";
}

std::string DtdBody(const std::string& root, const std::string& row, const std::string& fields) {
    return "<![%" + root + ".distinct;[\n<!ELEMENT " + root + " (" + row + "*)>\n<!ELEMENT " + row +
           " (" + fields + ")>\n]]>\n<![%" + root + ".shared;[\n<!ELEMENT " + row + " (" + row +
           "*|(" + fields + "))>\n]]>\n";
}

struct DtdCase {
    std::vector<std::string> columns;
    std::string fields;  // the wrapped column list
};

TEST_F(SchemaTextTest, DtdColumnListWrapsBeforeEveryFifthName) {
    const std::vector<DtdCase> cases = {
        {{}, ""},
        {{"a"}, "a"},
        {{"a", "b", "c", "d"}, "a,b,c,d"},
        {{"a", "b", "c", "d", "e"}, "a,b,c,d,\n~~e"},
        {{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"},
         "a,b,c,d,\n~~e,f,g,h,i,\n~~j,k,l"},
    };
    Screen(DTD_CODE).Suffix = "List";
    for (const DtdCase& c : cases) {
        std::vector<ColumnSpec> columns;
        std::string elements;
        for (const std::string& name : c.columns) {
            columns.push_back({.name = name});
            elements += "<!ELEMENT " + name + " (#PCDATA)>\n";
        }
        const std::string expected =
            Expand(DtdHead("T", "TList", "T") + DtdBody("TList", "T", c.fields) + elements);
        EXPECT_EQ(Run(DTD_CODE, MakeTable("T", "T", columns, {})), expected)
            << c.columns.size() << " columns";
    }
}

TEST_F(SchemaTextTest, DtdOfOneColumnWithTheDefaultEmptySuffix) {
    auto table = MakeTable("Orders", "Orders", {{.name = "ID", .type = adInteger}}, {});
    const std::string expected = Expand(R"(<!-- DTD  {CREATED} -->
<!-- Table: Orders -->
<!-- The root holds the rows. With an empty suffix the root and the row share one name;
     that one element then takes either content, as a name can be declared only once. -->
<!ENTITY % Orders.distinct "IGNORE">
<!ENTITY % Orders.distinct "INCLUDE">
<!ENTITY % Orders.shared "INCLUDE">
<!ENTITY % Orders.shared "IGNORE">
<![%Orders.distinct;[
<!ELEMENT Orders (Orders*)>
<!ELEMENT Orders (ID)>
]]>
<![%Orders.shared;[
<!ELEMENT Orders (Orders*|(ID))>
]]>
<!ELEMENT ID (#PCDATA)>
)");
    EXPECT_EQ(Run(DTD_CODE, table), expected);
}

// Which screen's case rule and suffix each name follows.
TEST_F(SchemaTextTest, EachNameFollowsItsScreensRuleAndSuffix) {
    Screen(XSD_CODE).IsUppercase = 1;
    Screen(XSD_CODE).Suffix = "X0";
    Screen(BIZ_CODE).IsUppercase = 2;
    Screen(BIZ_CODE).Suffix = "B1";
    Screen(DTD_CODE).IsUppercase = 0;
    Screen(DTD_CODE).Suffix = "D2";
    Screen(XML_CODE).Suffix = "M3";
    auto table = MakeTable("order items", "Order Items", {{.name = "Unit Price"}}, {});

    struct Expectation {
        int screen;
        std::vector<std::string> lines;
    };
    const std::vector<Expectation> expectations = {
        {XSD_CODE,
         {"<!-- Table: ORDER_ITEMS -->", "~<xs:element name=\"Order_ItemsM3\">",
          "~~~~<xs:element name=\"ORDER_ITEMS\" minOccurs=\"0\" maxOccurs=\"unbounded\">",
          "~~~~~~~<xs:element name=\"UNIT_PRICE\" minOccurs=\"0\" maxOccurs=\"1\">"}},
        // Column names follow the W3C schema screen's rule; table and alias the BizTalk one.
        {BIZ_CODE,
         {"<!-- Table: order_items -->", "<Schema name=\"Order_ItemsB1\" ",
          "~<ElementType name=\"Order_ItemsB1\" content=\"eltOnly\"",
          "~~<element type=\"order_items\" minOccurs=\"0\" maxOccurs=\"*\"/>",
          "~<ElementType name=\"order_items\" content=\"eltOnly\"",
          "~~<element type=\"UNIT_PRICE\" minOccurs=\"0\" maxOccurs=\"1\"/>",
          "~<ElementType name=\"UNIT_PRICE\" content=\"textOnly\""}},
        {DTD_CODE,
         {"<!-- Table: Order_items -->", "<!ELEMENT Order_ItemsD2 (Order_items*)>",
          "<!ELEMENT Order_items (Unit_price)>", "<!ELEMENT Unit_price (#PCDATA)>"}},
    };
    for (const Expectation& e : expectations) {
        const std::string text = Run(e.screen, table);
        for (const std::string& line : e.lines) {
            EXPECT_NE(text.find(Expand(line)), std::string::npos)
                << "screen " << e.screen << " lacks: " << line << "\n"
                << text;
        }
    }
    // Changing the BizTalk screen's own rule does not touch its column names.
    Screen(BIZ_CODE).IsUppercase = 1;
    EXPECT_NE(Run(BIZ_CODE, table).find("<element type=\"UNIT_PRICE\""), std::string::npos);
    Screen(XSD_CODE).IsUppercase = 2;
    EXPECT_NE(Run(BIZ_CODE, table).find("<element type=\"unit_price\""), std::string::npos);
}

// Aliases that are no valid XML names as typed get the names the XML data document gives them.
TEST_F(SchemaTextTest, AliasesBecomeTheDataDocumentsElementNames) {
    struct AliasCase {
        std::string alias;
        std::string row;
    };
    const std::vector<AliasCase> cases = {
        {"Orders", "Orders"},
        {"Order Items", "Order_Items"},
        {"Ord#1", "Ord_1"},
        {" Padded ", "Padded"},
        {"Price$History", "Price_x0024_History"},
        {"2024 Sales", "_x0032_024_Sales"},
    };
    for (int screen : {XSD_CODE, BIZ_CODE, DTD_CODE, XML_CODE}) Screen(screen).Suffix = "List";
    for (const AliasCase& c : cases) {
        auto table = MakeTable("T", c.alias, {{.name = "a"}}, {});
        const std::string root = c.row + "List";
        const std::vector<std::pair<int, std::string>> lines = {
            {XSD_CODE, "~<xs:element name=\"" + root + "\">"},
            {XSD_CODE, "~~~~<xs:element name=\"" + c.row + "\" minOccurs=\"0\""},
            {BIZ_CODE, "<Schema name=\"" + root + "\""},
            {BIZ_CODE, "~~<element type=\"" + c.row + "\" minOccurs=\"0\" maxOccurs=\"*\"/>"},
            {DTD_CODE, "<!ELEMENT " + root + " (" + c.row + "*)>"},
            {DTD_CODE, "<!ELEMENT " + c.row + " (a)>"},
        };
        for (const auto& [screen, line] : lines) {
            EXPECT_NE(Run(screen, table).find(Expand(line)), std::string::npos)
                << "alias '" << c.alias << "', screen " << screen << " lacks: " << line;
        }
    }
}

}  // namespace
}  // namespace orvane::test
