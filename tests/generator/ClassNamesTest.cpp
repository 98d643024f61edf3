// Names in generated classes: legal identifiers and string literals in each language, and the
// VB structure check the tests rely on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClassVbChecker.h"
#include "TableBuilder.h"
#include "generator/CodeNames.h"
#include "generator/Generator.h"
#include "model/CodeLiterals.h"
#include "settings/Config.h"
#include "templates/Templates.h"

namespace orvane {
namespace {

// The identifier rules of a language, as its generator uses them: run a one-column table
// through the generator and read what the skeleton named.
struct NameCase {
    int screen;
    std::vector<test::ColumnSpec> columns;
    const char* parameter;              // the working text that shows the names
    std::vector<std::string> expected;  // fragments that text must contain
};

std::string Param(const std::string& name) {
    for (const TemplateParam& p : TemplateParams()) {
        if (p.Name == name) return p.Value.Text();
    }
    return "<no " + name + ">";
}

TEST(ClassNames, MendOnlyWhatWouldNotCompile) {
    using data::adDBDate;
    using data::adInteger;
    using data::adVarChar;
    const std::vector<NameCase> cases = {
        // Names that compile are left alone.
        {JAVA_CODE,
         {{.name = "Order Date", .type = adDBDate}},
         "PROPERTIES",
         {"private Date    d_Order_Date;", "getOrder_Date()"}},
        {JAVA_CODE, {{.name = "price$", .type = adInteger}}, "PROPERTIES", {"i_price$;"}},
        {JAVA_CODE, {{.name = "2nd", .type = adVarChar}}, "PROPERTIES", {"s_2nd;", "get2nd()"}},
        {JAVA_CODE, {{.name = "class", .type = adVarChar}}, "PROPERTIES", {"getclass()"}},
        {JAVA_CODE, {{.name = "Größe", .type = adVarChar}}, "PROPERTIES", {"s_Größe;"}},
        // Object.getClass is final.
        {JAVA_CODE,
         {{.name = "Class", .type = adVarChar}},
         "PROPERTIES",
         {"s_Class_;", "getClass_()", "setClass_(String value)"}},
        // Two columns the name rule makes equal: the later one moves.
        {JAVA_CODE,
         {{.name = "Order Date", .type = adDBDate}, {.name = "Order_Date", .type = adVarChar}},
         "PROPERTIES",
         {"d_Order_Date;", "s_Order_Date_;", "getOrder_Date()", "getOrder_Date_()"}},
        // Load lines assign the moved member but read the column by its code name.
        {JAVA_CODE,
         {{.name = "unit-price", .type = adInteger}},
         "LOAD_FIELD_ASSIGN",
         {"i_unit_price = new Double(rs.getDouble(\"unit-price\"));"}},
        {CSHARP_CODE,
         {{.name = "price$", .type = adInteger}},
         "PROPERTIES",
         {"i_price_;", "Double price_"}},
        {CSHARP_CODE,
         {{.name = "2nd", .type = adVarChar}},
         "PROPERTIES",
         {"s_2nd;", "String _2nd"}},
        {CSHARP_CODE,
         {{.name = "class", .type = adVarChar}},
         "PROPERTIES",
         {"s_class_;", "String class_"}},
        // A property named like a type would hide it inside the class.
        {CSHARP_CODE, {{.name = "DataRow", .type = adVarChar}}, "PROPERTIES", {"String DataRow_"}},
        {CSHARP_CODE, {{.name = "da", .type = adVarChar}}, "PROPERTIES", {"String da_"}},
        {CSHARP_CODE,
         {{.name = "naïve €", .type = adVarChar}},
         "OBJECT2DS",
         {"row[\"naïve €\"]=s_naïve__;"}},
        {CSHARP_CODE,
         {{.name = "say \"hi\"", .type = adVarChar}},
         "DS2OBJECT",
         {"s_say__hi_ = row[\"say \\\"hi\\\"\"].ToString();"}},
        // A VB name starts with a letter; behind its prefix the member already does.
        {VB_CODE,
         {{.name = "2nd", .type = adInteger}},
         "PROPERTIES",
         {"Private n2nd As Variant", "Property Get F_2nd()"}},
        {VB_CODE,
         {{.name = "2nd", .type = adInteger}},
         "POPULATE_FIELD_ASSIGN",
         {"if(isNumeric(objRS!F_2nd)) Then n2nd=objRS!F_2nd"}},
        // s + ub is the keyword Sub in the case-blind VB.
        {VB_CODE,
         {{.name = "ub", .type = adVarChar}},
         "PROPERTIES",
         {"Private sub_ As String", "Property Get ub_()"}},
        {VB_CODE, {{.name = "End", .type = adVarChar}}, "FIELD_CLEAN", {"    sEnd_=\"\""}},
        {VB_CODE,
         {{.name = "ID", .type = adInteger}, {.name = "nid", .type = adVarChar}},
         "PROPERTIES",
         {"Private nID As Variant", "Private snid_ As String", "Property Get nid_()"}},
        {VB_CODE,
         {{.name = "say \"hi\"", .type = adVarChar}},
         "SET_XML",
         // The XML data document's element name.
         {"getNodeData(objNode, \"say__x0022_hi_x0022_\")"}},
        {VBNET_CODE,
         {{.name = "GetType", .type = adVarChar}},
         "PROPERTIES",
         {"Private sGetType_ As String", "Property GetType_()"}},
        {VBNET_CODE,
         {{.name = "Value", .type = adVarChar}},
         "PROPERTIES",
         {"Private sValue As String", "Property Value()"}},
    };
    auto config = std::make_shared<Config>();
    for (int screen = 0; screen <= CSHARP_CODE; ++screen) {
        config->Screens().Item(std::to_string(screen))->IsUppercase = 3;
    }
    Generator generator;
    generator.SetCurrentConfig(config);
    generator.Activate();
    for (const NameCase& c : cases) {
        generator.SetTable(test::MakeTable("T", "T", c.columns, {}));
        switch (c.screen) {
            case VB_CODE:
                generator.GenVB();
                break;
            case JAVA_CODE:
                generator.GenJava();
                break;
            case VBNET_CODE:
                generator.GenVbNet();
                break;
            default:
                generator.GenCSharp();
        }
        const std::string text = Param(c.parameter);
        for (const std::string& expected : c.expected) {
            EXPECT_NE(text.find(expected), std::string::npos)
                << c.screen << " " << c.columns.front().name << ": no " << expected << " in\n"
                << text;
        }
    }
}

TEST(ClassNames, ClassNamesAndLiterals) {
    IdentifierRules java;
    java.leadingPrefix = "_";
    java.typeNames = {"String", "_", "class"};
    IdentifierRules vb;
    vb.caseInsensitive = true;
    vb.leadingPrefix = "F_";
    vb.typeNames = {"String"};
    const std::vector<std::tuple<const IdentifierRules*, std::string, std::string>> classes = {
        {&java, "Orders", "Orders"},
        {&java, "Order Details #1", "Order_Details__1"},
        {&java, "Price$History", "Price_History"},
        {&java, "2020 Sales", "_2020_Sales"},
        {&java, "String", "String_"},
        {&java, "", "__"},
        {&vb, "string", "string_"},
        {&vb, "2020", "F_2020"},
    };
    for (const auto& [rules, name, expected] : classes) {
        EXPECT_EQ(CodeNames(*rules).ClassName(name), expected) << name;
    }
    const std::vector<std::tuple<std::string (*)(const std::string&), std::string, std::string>>
        literals = {
            {&JavaLiteral, "plain", "plain"},
            {&JavaLiteral, "a\"b\\c", "a\\\"b\\\\c"},
            {&JavaLiteral, "\\u000a", "\\\\u000a"},
            {&JavaLiteral, "a\nb\tc\x01", "a\\nb\\tc\\001"},
            {&CSharpLiteral, "a\"b\r\x1f", "a\\\"b\\r\\u001F"},
            {&VbLiteral, "say \"hi\"", "say \"\"hi\"\""},
            {&VbLiteral, "a\nb", "a\" & Chr(10) & \"b"},
            {&VbLiteral, "Größe", "Größe"},
        };
    for (const auto& [literal, text, expected] : literals) EXPECT_EQ(literal(text), expected);
    EXPECT_EQ(CodeNames::LegalCharacters("a\xff"
                                         "b",
                                         false),
              "a_b");
    EXPECT_EQ(CodeNames::LegalCharacters("Ζωή-東京", false), "Ζωή_東京");
}

TEST(ClassNames, VbCheckerFindsWhatACompilerWould) {
    const test::ClassVbChecker checker(test::ClassVbChecker::Vb6Names());
    const std::string good =
        "VERSION 1.0 CLASS\r\nOption Explicit\r\nPrivate nID As Variant\r\n"
        "Public Sub Clear()\r\n    If nID = 0 Then\r\n        nID = Empty\r\n    End If\r\n"
        "End Sub\r\n";
    EXPECT_EQ(checker.Check(good), std::vector<std::string>{});
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"Option Explicit\r\nPublic Sub Clear()\r\n    nID = 0\r\n", "never closed"},
        {"Option Explicit\r\nPublic Sub Clear()\r\n    nID = 0\r\nEnd Sub\r\n",
         "nid is used but never declared"},
        {"Option Explicit\r\nPublic Sub Clear()\r\nIf 1 = 1 Then\r\nEnd Sub\r\nEnd If\r\n",
         "End sub closes if"},
        {"no option line at all\r\n", "not a class"},
    };
    for (const auto& [code, problem] : bad) {
        const std::vector<std::string> problems = checker.Check(code);
        ASSERT_FALSE(problems.empty()) << code;
        EXPECT_NE(problems.front().find(problem), std::string::npos) << problems.front();
    }
}

}  // namespace
}  // namespace orvane
