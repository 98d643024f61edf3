// The per-column and per-key fragment helpers of the four class generators, exact to the blank.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "TableBuilder.h"
#include "generator/Generator.h"
#include "model/ODBCField.h"

namespace orvane {
namespace {

using data::adDBTimeStamp;
using data::adDecimal;
using data::adInteger;
using data::adVarChar;

ODBCField Field(const std::string& name, int type) {
    return ODBCField(test::MakeMeta({name, type}), "");
}

struct FragmentCase {
    const char* what;
    std::function<std::string()> actual;
    std::string expected;
};

TEST(ClassFragments, HelpersGiveTheirTextExactly) {
    Generator g;
    const ODBCField id = Field("ID", adInteger);
    const ODBCField code = Field("CODE", adVarChar);
    const ODBCField orderDate = Field("Order Date", adDBTimeStamp);
    const std::vector<FragmentCase> cases = {
        {"VB populate, numeric", [] { return Generator::GetVbPopulate("ID", adInteger); },
         "            if(isNumeric(objRS!ID)) Then nID=objRS!ID"},
        {"VB populate, date", [] { return Generator::GetVbPopulate("Born", adDBTimeStamp); },
         "            if(isDate(objRS!Born)) Then dBorn=objRS!Born"},
        {"VB populate, text", [] { return Generator::GetVbPopulate("Name", adVarChar); },
         "            if(Not isNull(objRS!Name)) Then sName=objRS!Name"},
        {"VB clean, numeric", [] { return Generator::GetVbClean("ID", adInteger); }, "    nID=0"},
        {"VB clean, text", [] { return Generator::GetVbClean("Name", adVarChar); },
         "    sName=\"\""},
        {"VB clean, date", [] { return Generator::GetVbClean("Born", 133); }, "    dBorn=Empty"},
        {"VB RS property", [] { return Generator::GetVbRsProperty(); },
         "Public Property Get RS() As ADODB.Recordset\r\n    Set RS = objRS\r\nEnd Property\r\n"},
        {"Java set-XML, decimal keeps the blank of its type constant",
         [] { return Generator::GetJavaSetXml("Price", adDecimal); },
         " = (Double)getFirstNodeValue(firstElement,\"Price\",Types.DECIMAL );"},
        {"Java set-XML, date", [] { return Generator::GetJavaSetXml("Born", 7); },
         " = (Date)getFirstNodeValue(firstElement,\"Born\",Types.DATE);"},
        {"Java load, numeric", [] { return Generator::GetJavaLoad("ID", adInteger); },
         "                i_ID = new Double(rs.getDouble(\"ID\"));"},
        {"Java load, date", [] { return Generator::GetJavaLoad("Born", 135); },
         "                d_Born = rs.getDate(\"Born\");"},
        {"Java load, text has no blanks around =",
         [] { return Generator::GetJavaLoad("Name", adVarChar); },
         "                s_Name=rs.getString(\"Name\");"},
        {"C# populate, text", [&] { return g.GetCSharpPopulate(code); },
         "s_CODE = row[\"CODE\"].ToString();"},
        {"C# populate, date keeps the blank inside row[...]",
         [&] { return g.GetCSharpPopulate(orderDate); },
         "d_Order_Date = (row.IsNull(\"Order Date\") ? Convert.DBNull : "
         "DateTime.Parse(row[\"Order Date\"].ToString()));"},
        {"C# populate, numeric has no blank after the colon",
         [&] { return g.GetCSharpPopulate(id); },
         "i_ID = (row.IsNull(\"ID\") ? 0 :Double.Parse(row[\"ID\"].ToString()));"},
        {"C# set parameter, first key", [&] { return Generator::GetCSharpSetParameter(id, 1); },
         "((IDataParameter)(da.SelectCommand.Parameters[0])).Value= i_ID_PK;"},
        {"C# set parameter, third key", [&] { return Generator::GetCSharpSetParameter(code, 3); },
         "((IDataParameter)(da.SelectCommand.Parameters[2])).Value= s_CODE_PK;"},
        {"C# add parameter", [&] { return Generator::GetCSharpAddParameter(orderDate); },
         "addParameter(da.SelectCommand, \"@Order Date\",DbType.Date, \"Order Date\");"},
        {"VB.NET populate, numeric five lines", [&] { return g.GetVbNetPopulate(id, "\t\t\t"); },
         "\t\t\tIf row.IsNull(\"ID\") Then\r\n"
         "\t\t\t\tnID = 0 \r\n"
         "\t\t\tElse\r\n"
         "\t\t\t\tnID = [Double].Parse(row(\"ID\").ToString())\r\n"
         "\t\t\tEnd If"},
        {"VB.NET populate, date five lines", [&] { return g.GetVbNetPopulate(orderDate); },
         "If row.IsNull(\"Order Date\") Then\r\n"
         "\tdOrder_Date = Convert.DBNull  \r\n"
         "Else\r\n"
         "\tdOrder_Date = DateTime.Parse(row(\"Order Date\").ToString())\r\n"
         "End If"},
        {"VB.NET populate, text one line", [&] { return g.GetVbNetPopulate(code, "  "); },
         "  sCODE = row(\"CODE\").ToString()"},
        {"VB.NET set parameter, third key", [&] { return Generator::GetVbNetSetParameter(id, 3); },
         "CType(da.SelectCommand.Parameters(2), IDataParameter).Value = nID_PK"},
        {"VB.NET add parameter ends in a blank",
         [&] { return Generator::GetVbNetAddParameter(id); },
         "addParameter(da.SelectCommand, \"@ID\",DbType.Double, \"ID\") "},
    };
    for (const FragmentCase& c : cases) EXPECT_EQ(c.actual(), c.expected) << c.what;
}

}  // namespace
}  // namespace orvane
