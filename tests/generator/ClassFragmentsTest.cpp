// The per-column and per-key fragments of the four class generators, exact to the blank, as
// they stand in the generated classes.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TableBuilder.h"
#include "generator/Generator.h"
#include "settings/Config.h"

namespace orvane {
namespace {

using data::adDate;
using data::adDBTimeStamp;
using data::adDecimal;
using data::adInteger;
using data::adVarChar;

struct FragmentCase {
    const char* what;
    int screen;
    std::string expected;
};

TEST(ClassFragments, ClassesHoldEachFragmentExactly) {
    auto config = std::make_shared<Config>();
    for (int screen = VB_CODE; screen <= CSHARP_CODE; ++screen) {
        config->Screens().Item(std::to_string(screen))->IsUppercase = 3;
    }
    Generator generator;
    generator.SetCurrentConfig(config);
    generator.SetTable(test::MakeTable("T", "T",
                                       {{.name = "ID", .type = adInteger, .key = true},
                                        {.name = "Name", .type = adVarChar, .key = true},
                                        {.name = "CODE", .type = adVarChar, .key = true},
                                        {.name = "Order Date", .type = adDBTimeStamp},
                                        {.name = "Price", .type = adDecimal},
                                        {.name = "Born", .type = adDate}},
                                       {}));
    generator.Activate();
    const std::vector<FragmentCase> cases = {
        {"VB populate, numeric", VB_CODE, "            if(isNumeric(objRS!ID)) Then nID=objRS!ID"},
        {"VB populate, date", VB_CODE, "            if(isDate(objRS!Born)) Then dBorn=objRS!Born"},
        {"VB populate, text", VB_CODE,
         "            if(Not isNull(objRS!Name)) Then sName=objRS!Name"},
        {"VB clean, numeric", VB_CODE, "\r\n    nID=0\r\n"},
        {"VB clean, text", VB_CODE, "\r\n    sName=\"\"\r\n"},
        {"VB clean, date", VB_CODE, "\r\n    dBorn=Empty\r\n"},
        {"Java set-XML, decimal keeps the blank of its type constant", JAVA_CODE,
         " = (Double)getFirstNodeValue(firstElement,\"Price\",Types.DECIMAL );"},
        {"Java set-XML, date", JAVA_CODE,
         " = (Date)getFirstNodeValue(firstElement,\"Born\",Types.DATE);"},
        {"Java load, numeric", JAVA_CODE,
         "                i_ID = new Double(rs.getDouble(\"ID\"));"},
        {"Java load, date", JAVA_CODE,
         "                d_Order_Date = rs.getDate(\"Order_Date\");"},
        {"Java load, text has no blanks around =", JAVA_CODE,
         "                s_Name=rs.getString(\"Name\");"},
        {"C# populate, text", CSHARP_CODE, "s_CODE = row[\"CODE\"].ToString();"},
        {"C# populate, date keeps the blank inside row[...]", CSHARP_CODE,
         "d_Order_Date = (row.IsNull(\"Order Date\") ? Convert.DBNull : "
         "DateTime.Parse(row[\"Order Date\"].ToString()));"},
        {"C# populate, numeric has no blank after the colon", CSHARP_CODE,
         "i_ID = (row.IsNull(\"ID\") ? 0 :Double.Parse(row[\"ID\"].ToString()));"},
        {"C# set parameter, first key", CSHARP_CODE,
         "((IDataParameter)(da.SelectCommand.Parameters[0])).Value= i_ID_PK;"},
        {"C# set parameter, third key", CSHARP_CODE,
         "((IDataParameter)(da.SelectCommand.Parameters[2])).Value= s_CODE_PK;"},
        {"C# add parameter", CSHARP_CODE,
         "addParameter(da.SelectCommand, \"@ID\",DbType.Double, \"ID\");"},
        {"VB.NET populate, numeric five lines", VBNET_CODE,
         "If row.IsNull(\"ID\") Then\r\n\t\t\t\tnID = 0 \r\n\t\t\tElse\r\n"
         "\t\t\t\tnID = [Double].Parse(row(\"ID\").ToString())\r\n\t\t\tEnd If"},
        {"VB.NET populate, date five lines", VBNET_CODE,
         "dOrder_Date = Convert.DBNull  \r\n\t\t\tElse\r\n"
         "\t\t\t\tdOrder_Date = DateTime.Parse(row(\"Order Date\").ToString())"},
        {"VB.NET populate, text one line", VBNET_CODE, "sCODE = row(\"CODE\").ToString()"},
        {"VB.NET set parameter, third key", VBNET_CODE,
         "CType(da.SelectCommand.Parameters(2), IDataParameter).Value = sCODE_PK"},
        {"VB.NET add parameter ends in a blank", VBNET_CODE,
         "addParameter(da.SelectCommand, \"@ID\",DbType.Double, \"ID\") "},
    };
    const std::string texts[] = {generator.GenVB(), generator.GenJava(), generator.GenVbNet(),
                                 generator.GenCSharp()};
    for (const FragmentCase& c : cases) {
        const std::string& text = texts[c.screen - VB_CODE];
        EXPECT_NE(text.find(c.expected), std::string::npos) << c.what << " in\n" << text;
    }
}

}  // namespace
}  // namespace orvane
