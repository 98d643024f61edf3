// The shared walk of the four class generators: parameter tables entry by entry, the working
// texts they fill, keys, the empty table, and stopping through the active flag.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "TableBuilder.h"
#include "core/Host.h"
#include "generator/Generator.h"
#include "settings/Config.h"
#include "templates/Templates.h"

namespace orvane {
namespace {

using data::adDBTimeStamp;
using data::adDecimal;
using data::adInteger;
using data::adVarChar;

// True when a $NAME$ placeholder is left in the text.
bool HasPlaceholder(const std::string& text) {
    for (std::size_t at = text.find('$'); at != std::string::npos; at = text.find('$', at + 1)) {
        std::size_t end = at + 1;
        while (end < text.size() &&
               (std::isupper(static_cast<unsigned char>(text[end])) ||
                std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '_')) {
            ++end;
        }
        if (end > at + 1 && end < text.size() && text[end] == '$') return true;
    }
    return false;
}

const std::vector<int> kClassScreens = {VB_CODE, JAVA_CODE, VBNET_CODE, CSHARP_CODE};

// The RS property every VB class ends its properties with.
const std::string kVbRsProperty =
    "Public Property Get RS() As ADODB.Recordset\r\n    Set RS = objRS\r\nEnd Property\r\n";

// ID, Name, Order Date, Price, with the named columns as keys.
std::shared_ptr<ODBCTable> ShopTable(const std::vector<std::string>& keys,
                                     const std::string& alias = "Shop") {
    std::vector<test::ColumnSpec> columns = {{.name = "ID", .type = adInteger},
                                             {.name = "Name", .type = adVarChar},
                                             {.name = "Order Date", .type = adDBTimeStamp},
                                             {.name = "Price", .type = adDecimal}};
    for (auto& column : columns) {
        column.key = std::find(keys.begin(), keys.end(), column.name) != keys.end();
    }
    return test::MakeTable("dbo.Shop", alias, columns, {});
}

class ClassSkeleton : public ::testing::Test {
  protected:
    void SetUp() override {
        generator.SetCurrentConfig(config);
        auto connection = config->ConnectionManager();
        connection->sADOConnect = "Provider=MSDASQL; DSN=Shop";
        connection->sJavaConnect = "\"jdbc:odbc:Shop\",\"u\",\"p\"";
        connection->sCSharpConnect = "\"DSN=Shop; user_id=u; password=p;\"";
        connection->sSelectedDSN = "Shop";
        for (int screen = 0; screen <= CSHARP_CODE; ++screen) {
            Screen(screen).IsUppercase = 3;
            Screen(screen).Suffix = "";
        }
        generator.Activate();
    }
    void TearDown() override { Host::SetEventPump({}); }

    ConfigRecord& Screen(int scr) { return *config->Screens().Item(std::to_string(scr)); }

    std::string Run(int screen, std::shared_ptr<ODBCTable> table) {
        generator.SetTable(std::move(table));
        switch (screen) {
            case VB_CODE:
                return generator.GenVB();
            case JAVA_CODE:
                return generator.GenJava();
            case VBNET_CODE:
                return generator.GenVbNet();
            default:
                return generator.GenCSharp();
        }
    }

    // The value the last run left in the entry of that name.
    static std::string Param(const std::string& name) {
        for (const TemplateParam& p : TemplateParams()) {
            if (p.Name == name) return p.Value.Text();
        }
        ADD_FAILURE() << "no parameter " << name;
        return {};
    }
    static std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const TemplateParam& p : TemplateParams()) names.push_back(p.Name);
        return names;
    }

    std::shared_ptr<Config> config = std::make_shared<Config>();
    Generator generator;
};

TEST_F(ClassSkeleton, ClassTemplateEntriesInOrder) {
    const std::vector<std::string> dotNet = {"TABLE_NAME",
                                             "ALIAS_NAME",
                                             "CONNECT_STRING",
                                             "FIELD_NAME",
                                             "FIELD_TYPE",
                                             "COPIRIGHT",
                                             "INIT_ADD_PARAMETERS",
                                             "INIT_SET_PARAMETERS",
                                             "PROPERTIES",
                                             "PROPERTY",
                                             "PK_PARAMETERS",
                                             "PK_CONDITION",
                                             "LOAD_FIELD_ASSIGN",
                                             "CLASS_NAME",
                                             "XML_ROOT",
                                             "DSN_NAME",
                                             "OBJECT2DS",
                                             "LOAD_SET_PARAMETERS",
                                             "DS2OBJECT",
                                             "XML_ALIAS_NAME",
                                             "XML_NAMES"};
    const std::vector<std::pair<int, std::vector<std::string>>> cases = {
        {VB_CODE,
         {"CLASS_NAME", "COPIRIGHT", "TABLE_NAME", "ALIAS_NAME", "PROPERTIES", "CONNECT_STRING",
          "INSERT_FIELD_VALUES", "INSERT_FIELD_NAMES", "UPDATE_FIELD_ASSIGN", "PK_PARAMETERS",
          "PK_CONDITION", "POPULATE_FIELD_ASSIGN", "FIELD_CLEAN", "XML_ROOT", "XML_ALIAS_NAME",
          "SET_XML", "GET_XML", ""}},
        {JAVA_CODE,
         {"TABLE_NAME", "ALIAS_NAME", "CONNECT_STRING", "FIELD_NAME", "FIELD_TYPE", "COPIRIGHT",
          "INSERT_FIELD_VALUES", "INSERT_FIELD_NAMES", "PROPERTIES", "UPDATE_FIELD_ASSIGN",
          "PK_PARAMETERS", "PK_CONDITION", "LOAD_FIELD_ASSIGN", "CLASS_NAME", "XML_ROOT", "SET_XML",
          "GET_XML", "XML_ALIAS_NAME", ""}},
        {CSHARP_CODE, dotNet},
        {VBNET_CODE, dotNet},
    };
    for (const auto& [screen, names] : cases) {
        Run(screen, ShopTable({"ID"}));
        EXPECT_EQ(Names(), names) << screen;
        if (screen == VB_CODE) continue;
        // Entries 3 and 4 still hold the last column's name and type.
        EXPECT_EQ(TemplateParams()[3].Value.Text(), "Price") << screen;
        EXPECT_EQ(TemplateParams()[4].Value.Text(), "Double") << screen;
        EXPECT_EQ(Param("TABLE_NAME"), "dbo.Shop") << screen;
        EXPECT_EQ(Param("ALIAS_NAME"), "Shop") << screen;
    }
}

TEST_F(ClassSkeleton, VbWorkingTexts) {
    Screen(SQL_CODE).IsUppercase = 1;  // insert names follow the SQL screen's rule
    Screen(XML_CODE).Suffix = "Data";
    Screen(VB_CODE).Suffix = "Cls";
    Run(VB_CODE, ShopTable({"ID"}, "emp list"));
    const std::pair<const char*, std::string> cases[] = {
        {"INSERT_FIELD_NAMES", "ID,NAME,ORDER_DATE,PRICE"},
        {"INSERT_FIELD_VALUES",
         "\"+ SqlString(nID,adDecimal ) + _\r\n"
         "       \" ,\"+ SqlString(sName,adVarChar ) + _\r\n"
         "       \" ,\"+ SqlString(dOrder_Date,adDate ) + _\r\n"
         "       \" ,\"+ SqlString(nPrice,adDecimal ) + _\r\n"},
        {"UPDATE_FIELD_ASSIGN",
         "       \"  ID = \" + SqlString(nID,adDecimal ) + _\r\n"
         "       \" ,Name = \" + SqlString(sName,adVarChar ) + _\r\n"
         "       \" ,Order_Date = \" + SqlString(dOrder_Date,adDate ) + _\r\n"
         "       \" ,Price = \" + SqlString(nPrice,adDecimal ) + _\r\n"},
        {"POPULATE_FIELD_ASSIGN",
         "\r\n            if(isNumeric(objRS!ID)) Then nID=objRS!ID"
         "\r\n            if(Not isNull(objRS!Name)) Then sName=objRS!Name"
         "\r\n            if(isDate(objRS!Order_Date)) Then dOrder_Date=objRS!Order_Date"
         "\r\n            if(isNumeric(objRS!Price)) Then nPrice=objRS!Price"},
        {"FIELD_CLEAN", "    nID=0\r\n    sName=\"\"\r\n    dOrder_Date=Empty\r\n    nPrice=0\r\n"},
        {"SET_XML",
         "\r\n    nID = getNodeData(objNode, \"ID\")\r\n    sName = getNodeData(objNode, \"Name\")"
         "\r\n    dOrder_Date = getNodeData(objNode, \"Order_Date\")"
         "\r\n    nPrice = getNodeData(objNode, \"Price\")"},
        {"GET_XML",
         "\r\n    appendNode objRoot, \"ID\", nID\r\n    appendNode objRoot, \"Name\", sName"
         "\r\n    appendNode objRoot, \"Order_Date\", dOrder_Date"
         "\r\n    appendNode objRoot, \"Price\", nPrice"},
        {"XML_ROOT", "emp_listData"},
        {"XML_ALIAS_NAME", "emp_list"},
        {"ALIAS_NAME", "emp list"},
        {"CONNECT_STRING", "Provider=MSDASQL; DSN=Shop"},
        {"COPIRIGHT", CreatedByText()},
        // A blank cannot stand in a class name: it becomes "_" like in every other code name.
        {"CLASS_NAME", "emp_listCls"},
    };
    for (const auto& [name, expected] : cases) EXPECT_EQ(Param(name), expected) << name;
    const std::string properties = Param("PROPERTIES");
    EXPECT_EQ(properties.rfind("Private nID As Variant\r\nPrivate sName As String\r\n"
                               "Private dOrder_Date As Date\r\nPrivate nPrice As Variant\r\n\r\n",
                               0),
              0u);
    EXPECT_TRUE(properties.ends_with("\r\n" + kVbRsProperty));
}

TEST_F(ClassSkeleton, JavaWorkingTexts) {
    Screen(JAVA_CODE).Suffix = "Bean";
    Screen(XML_CODE).Suffix = "List";
    Run(JAVA_CODE, ShopTable({"ID"}));
    const std::pair<const char*, std::string> cases[] = {
        {"INSERT_FIELD_NAMES", "ID,Name,Order_Date,Price"},
        // The decimal constant's own trailing blank makes two before the parenthesis.
        {"INSERT_FIELD_VALUES",
         "\"+ SqlString(i_ID,Types.INTEGER ) + \r\n"
         "\t\t\" ,\"+ SqlString(s_Name,Types.VARCHAR ) + \r\n"
         "\t\t\" ,\"+ SqlString(d_Order_Date,Types.TIMESTAMP ) + \r\n"
         "\t\t\" ,\"+ SqlString(i_Price,Types.DECIMAL  ) + \r\n"},
        {"UPDATE_FIELD_ASSIGN",
         "\r\n\t\t\"  ID = \" + SqlString(i_ID,Types.INTEGER ) + \r\n"
         "\t\t\" ,Name = \" + SqlString(s_Name,Types.VARCHAR ) + \r\n"
         "\t\t\" ,Order_Date = \" + SqlString(d_Order_Date,Types.TIMESTAMP ) + \r\n"
         "\t\t\" ,Price = \" + SqlString(i_Price,Types.DECIMAL  ) + \r\n"},
        {"LOAD_FIELD_ASSIGN",
         "\r\n                i_ID = new Double(rs.getDouble(\"ID\"));"
         "\r\n                s_Name=rs.getString(\"Name\");"
         "\r\n                d_Order_Date = rs.getDate(\"Order_Date\");"
         "\r\n                i_Price = new Double(rs.getDouble(\"Price\"));"},
        {"SET_XML",
         "\r\n\ti_ID = (Double)getFirstNodeValue(firstElement,\"ID\",Types.INTEGER);\r\n"
         "\ts_Name = (String)getFirstNodeValue(firstElement,\"Name\",Types.VARCHAR);\r\n"
         "\td_Order_Date = (Date)getFirstNodeValue(firstElement,\"Order_Date\",Types.TIMESTAMP);"
         "\r\n\ti_Price = (Double)getFirstNodeValue(firstElement,\"Price\",Types.DECIMAL );\r\n"},
        {"GET_XML",
         "\r\n\t\taddNode(doc,first,\"ID\",i_ID);\r\n\t\taddNode(doc,first,\"Name\",s_Name);\r\n"
         "\t\taddNode(doc,first,\"Order_Date\",d_Order_Date);\r\n"
         "\t\taddNode(doc,first,\"Price\",i_Price);\r\n"},
        {"CLASS_NAME", "ShopBean"},
        {"XML_ROOT", "ShopList"},
        {"XML_ALIAS_NAME", "Shop"},
        // The connection dialog's text is code already: quoted arguments.
        {"CONNECT_STRING", "\"jdbc:odbc:Shop\",\"u\",\"p\""},
    };
    for (const auto& [name, expected] : cases) EXPECT_EQ(Param(name), expected) << name;
    EXPECT_EQ(Param("PROPERTIES")
                  .rfind("\r\n  private Double    i_ID;\r\n  private String    s_Name;"
                         "\r\n  private Date    d_Order_Date;"
                         "\r\n  private Double    i_Price;\r\n",
                         0),
              0u);
}

TEST_F(ClassSkeleton, DotNetWorkingTexts) {
    Run(CSHARP_CODE, ShopTable({"ID"}));
    EXPECT_EQ(Param("OBJECT2DS"),
              "\r\n\t\t\trow[\"ID\"]=i_ID;\r\n\t\t\trow[\"Name\"]=s_Name;"
              "\r\n\t\t\trow[\"Order Date\"]=d_Order_Date;\r\n\t\t\trow[\"Price\"]=i_Price;");
    EXPECT_EQ(Param("DS2OBJECT"),
              "\r\n\t\t\ti_ID = (row.IsNull(\"ID\") ? 0 :Double.Parse(row[\"ID\"].ToString()));"
              "\r\n\t\t\ts_Name = row[\"Name\"].ToString();"
              "\r\n\t\t\td_Order_Date = (row.IsNull(\"Order Date\") ? Convert.DBNull : "
              "DateTime.Parse(row[\"Order Date\"].ToString()));"
              "\r\n\t\t\ti_Price = (row.IsNull(\"Price\") ? 0 :Double.Parse(row[\"Price\"]."
              "ToString()));");
    EXPECT_EQ(Param("PROPERTY"), "");
    EXPECT_EQ(Param("PROPERTIES").rfind("\r\n\t// Column ID", 0), 0u);
    EXPECT_EQ(Param("DSN_NAME"), "Shop");
    EXPECT_EQ(Param("CONNECT_STRING"), "\"DSN=Shop; user_id=u; password=p;\"");
    EXPECT_EQ(Param("LOAD_FIELD_ASSIGN").rfind("\r\n                i_ID = new Double(", 0), 0u);
    // The data source's names beside the XML data document's element names.
    EXPECT_EQ(
        Param("XML_NAMES"),
        "\"ID\", \"ID\", \"Name\", \"Name\", \"Order Date\", \"Order_Date\", \"Price\", \"Price\"");
    EXPECT_EQ(Param("XML_ALIAS_NAME"), "Shop");

    Run(VBNET_CODE, ShopTable({"ID"}));
    EXPECT_EQ(Param("OBJECT2DS"),
              "\t\t\trow(\"ID\") = nID\r\n\t\t\trow(\"Name\") = sName\r\n"
              "\t\t\trow(\"Order Date\") = dOrder_Date\r\n\t\t\trow(\"Price\") = nPrice\r\n");
    EXPECT_TRUE(
        Param("DS2OBJECT")
            .ends_with(
                "\r\n\t\t\tIf row.IsNull(\"Price\") Then\r\n\t\t\t\tnPrice = 0 \r\n\t\t\tElse\r\n"
                "\t\t\t\tnPrice = [Double].Parse(row(\"Price\").ToString())\r\n\t\t\tEnd If"));
    EXPECT_EQ(Param("PROPERTY"), "");
    EXPECT_EQ(Param("CONNECT_STRING"), "Provider=MSDASQL; DSN=Shop");
    // Java syntax and Java member names, exactly as in the bean.
    EXPECT_EQ(Param("LOAD_FIELD_ASSIGN").rfind("\r\n                i_ID = new Double(", 0), 0u);
    // The data source's names beside the XML data document's element names.
    EXPECT_EQ(
        Param("XML_NAMES"),
        "\"ID\", \"ID\", \"Name\", \"Name\", \"Order Date\", \"Order_Date\", \"Price\", \"Price\"");
    EXPECT_EQ(Param("XML_ALIAS_NAME"), "Shop");
}

struct KeyCase {
    int screen;
    std::vector<std::string> keys;
    const char* parameter;
    std::string expected;
};

TEST_F(ClassSkeleton, KeyTexts) {
    const std::vector<KeyCase> cases = {
        {VB_CODE, {}, "PK_PARAMETERS", ""},
        {VB_CODE, {}, "PK_CONDITION", ""},
        {VB_CODE, {"ID"}, "PK_PARAMETERS", "ByVal nID As Variant"},
        {VB_CODE, {"ID"}, "PK_CONDITION", "ID = \" + SqlString(nID,adDecimal )"},
        {VB_CODE,
         {"ID", "Order Date"},
         "PK_PARAMETERS",
         "ByVal nID As Variant,ByVal dOrder_Date As Date"},
        {VB_CODE,
         {"ID", "Order Date"},
         "PK_CONDITION",
         "ID = \" + SqlString(nID,adDecimal ) + _\r\n"
         "       \" and [Order Date] = \" + SqlString(dOrder_Date,adDate )"},
        {JAVA_CODE, {}, "PK_PARAMETERS", ""},
        {JAVA_CODE, {}, "PK_CONDITION", ";"},
        {JAVA_CODE, {"ID"}, "PK_PARAMETERS", "Double i_ID_PK"},
        {JAVA_CODE, {"ID"}, "PK_CONDITION", "ID = \" + SqlString(i_ID_PK,Types.INTEGER ) ;"},
        {JAVA_CODE, {"ID", "Price"}, "PK_PARAMETERS", "Double i_ID_PK,Double i_Price_PK"},
        {JAVA_CODE,
         {"ID", "Price"},
         "PK_CONDITION",
         "ID = \" + SqlString(i_ID_PK,Types.INTEGER )  + \r\n"
         "\t\t\" and Price = \" + SqlString(i_Price_PK,Types.DECIMAL  ) ;"},
        {CSHARP_CODE, {"ID"}, "PK_PARAMETERS", "Double i_ID_PK"},
        {CSHARP_CODE, {"ID"}, "PK_CONDITION", "ID = ? "},
        {CSHARP_CODE,
         {"ID"},
         "LOAD_SET_PARAMETERS",
         "\r\n\t\t\t\t((IDataParameter)(da.SelectCommand.Parameters[0])).Value= i_ID_PK;"},
        {CSHARP_CODE,
         {"ID"},
         "INIT_ADD_PARAMETERS",
         "\r\n\t\t\taddParameter(da.SelectCommand, \"@ID\",DbType.Double, \"ID\");"},
        {CSHARP_CODE, {"ID", "Name"}, "PK_PARAMETERS", "Double i_ID_PK,String s_Name_PK"},
        {CSHARP_CODE, {"ID", "Name"}, "PK_CONDITION", "ID = ?  and Name = ? "},
        {CSHARP_CODE,
         {"ID", "Name", "Order Date"},
         "LOAD_SET_PARAMETERS",
         "\r\n\t\t\t\t((IDataParameter)(da.SelectCommand.Parameters[0])).Value= i_ID_PK;"
         "\r\n\t\t\t\t((IDataParameter)(da.SelectCommand.Parameters[1])).Value= s_Name_PK;"
         "\r\n\t\t\t\t((IDataParameter)(da.SelectCommand.Parameters[2])).Value= "
         "d_Order_Date_PK;"},
        {CSHARP_CODE, {"Order Date"}, "PK_CONDITION", "[Order Date] = ? "},
        {VBNET_CODE, {"ID", "Name"}, "PK_PARAMETERS", "nID_PK As Double,sName_PK As String"},
        {VBNET_CODE, {"ID", "Name"}, "PK_CONDITION", "ID = ?  and Name = ? "},
        {VBNET_CODE,
         {"ID", "Name"},
         "LOAD_SET_PARAMETERS",
         "\r\n\t\t\t\tCType(da.SelectCommand.Parameters(0), IDataParameter).Value = nID_PK"
         "\r\n\t\t\t\tCType(da.SelectCommand.Parameters(1), IDataParameter).Value = sName_PK"},
        {VBNET_CODE,
         {"ID", "Name"},
         "INIT_ADD_PARAMETERS",
         "\r\n\t\t\taddParameter(da.SelectCommand, \"@ID\",DbType.Double, \"ID\") "
         "\r\n\t\t\taddParameter(da.SelectCommand, \"@Name\",DbType.String, \"Name\") "},
    };
    for (const KeyCase& c : cases) {
        Run(c.screen, ShopTable(c.keys));
        EXPECT_EQ(Param(c.parameter), c.expected)
            << c.screen << " " << c.parameter << " with " << c.keys.size() << " keys";
        if (c.screen == CSHARP_CODE || c.screen == VBNET_CODE) {
            EXPECT_EQ(Param("INIT_SET_PARAMETERS"), Param("PK_CONDITION")) << c.screen;
        }
    }
    for (int screen : {CSHARP_CODE, VBNET_CODE}) {
        Run(screen, ShopTable({}));
        for (const char* name : {"PK_PARAMETERS", "PK_CONDITION", "INIT_SET_PARAMETERS",
                                 "INIT_ADD_PARAMETERS", "LOAD_SET_PARAMETERS"}) {
            EXPECT_EQ(Param(name), "") << screen << " " << name;
        }
    }
}

// The class's own statements name a column that is not plain in quotes: it stays one column.
TEST_F(ClassSkeleton, InsertAndUpdateNamesStayOneColumn) {
    const auto table = test::MakeTable(
        "T", "T", {{.name = "x);DROP\tTABLE\tv;--", .type = adVarChar, .key = true}}, {});
    const std::pair<int, const char*> cases[] = {
        {JAVA_CODE, "\\\"x);DROP\\tTABLE\\tv;--\\\""},
        {VB_CODE, "\"\"x);DROP\" & Chr(9) & \"TABLE\" & Chr(9) & \"v;--\"\""},
    };
    for (const auto& [screen, name] : cases) {
        Run(screen, table);
        EXPECT_EQ(Param("INSERT_FIELD_NAMES"), name) << screen;
        EXPECT_NE(Param("UPDATE_FIELD_ASSIGN").find(std::string(name) + " = "), std::string::npos)
            << screen;
    }
}

TEST_F(ClassSkeleton, EmptyTableFillsOnlyWhatItsEntriesReach) {
    const auto empty = [] { return test::MakeTable("T", "A", {}, {}); };
    for (int screen : {JAVA_CODE, CSHARP_CODE, VBNET_CODE}) {
        const std::string text = Run(screen, empty());
        ASSERT_FALSE(text.empty()) << screen;
        for (const char* gone : {"$TABLE_NAME$", "$ALIAS_NAME$", "$CONNECT_STRING$"}) {
            EXPECT_EQ(text.find(gone), std::string::npos) << screen << " " << gone;
        }
        // Entry 3 was never named, so the class template stops there.
        for (const char* kept : {"$CLASS_NAME$", "$PROPERTIES$", "$PK_CONDITION$", "$COPIRIGHT$"}) {
            EXPECT_NE(text.find(kept), std::string::npos) << screen << " " << kept;
        }
    }
    Run(JAVA_CODE, empty());
    EXPECT_EQ(Param("UPDATE_FIELD_ASSIGN"), "\r\n\t\t\"  ");
    EXPECT_EQ(Param("SET_XML"), "\r\n");
    EXPECT_EQ(Param("GET_XML"), "\r\n");
    EXPECT_EQ(Param("PK_CONDITION"), ";");

    const std::string vb = Run(VB_CODE, empty());
    EXPECT_FALSE(HasPlaceholder(vb)) << "every VB placeholder is filled";
    EXPECT_EQ(Param("PROPERTIES"), "\r\n\r\n" + kVbRsProperty);
    EXPECT_EQ(Param("UPDATE_FIELD_ASSIGN"), "");
    EXPECT_EQ(Param("CLASS_NAME"), "A");
}

TEST_F(ClassSkeleton, ColumnLoopSeesSevenEntriesAndLetsEventsRunPerColumn) {
    struct Seen {
        std::size_t size;
        std::vector<std::string> names;
        std::string fieldName;
    };
    const std::vector<std::pair<int, std::vector<std::string>>> cases = {
        {VB_CODE, {"FIELD_NAME", "FIELD_TYPE", "PRIVATE_FIELD_NAME", ""}},
        {JAVA_CODE, {"FIELD_NAME", "FIELD_TYPE", "JAVA_FIELD_NAME", ""}},
        {CSHARP_CODE, {"FIELD_NAME", "FIELD_TYPE", "CSHARP_FIELD_NAME", "FIELD_XML_TYPE"}},
        {VBNET_CODE, {"FIELD_NAME", "FIELD_TYPE", "VBNET_FIELD_NAME", "FIELD_XML_TYPE"}},
    };
    for (const auto& [screen, columnNames] : cases) {
        std::vector<Seen> seen;
        Host::SetEventPump([&seen] {
            const auto& params = TemplateParams();
            Seen s{params.size(), {}, params[3].Value.Text()};
            for (std::size_t i = 3; i < params.size(); ++i) s.names.push_back(params[i].Name);
            seen.push_back(s);
        });
        Run(screen, ShopTable({"ID"}));
        ASSERT_EQ(seen.size(), 4u) << screen;
        const std::vector<std::string> codes = {"ID", "Name", "Order_Date", "Price"};
        for (std::size_t i = 0; i < seen.size(); ++i) {
            EXPECT_EQ(seen[i].size, 7u) << screen;
            EXPECT_EQ(seen[i].names, columnNames) << screen;
            EXPECT_EQ(seen[i].fieldName, codes[i]) << screen;
        }
    }
}

TEST_F(ClassSkeleton, StopEndsTheColumnLoopAfterTheCurrentColumn) {
    // The member text of the third column, per language, and where it would show.
    const std::vector<std::pair<int, std::string>> cases = {
        {VB_CODE, "dOrder_Date"},
        {JAVA_CODE, "d_Order_Date"},
        {CSHARP_CODE, "d_Order_Date"},
        {VBNET_CODE, "dOrder_Date"},
    };
    for (const auto& [screen, third] : cases) {
        // Stop requested while events run after the first column: the second still runs.
        generator.Activate();
        Host::SetEventPump([this] { generator.DeActivate(); });
        const std::string stopped = Run(screen, ShopTable({"Price"}));
        EXPECT_NE(Param("PROPERTIES").find("Name"), std::string::npos) << screen;
        EXPECT_EQ(Param("PROPERTIES").find(third), std::string::npos) << screen;
        // The key loop and the class template still run.
        EXPECT_NE(Param("PK_PARAMETERS").find("Price"), std::string::npos) << screen;
        EXPECT_FALSE(stopped.empty()) << screen;

        // A generator that was never activated does the first column only.
        Host::SetEventPump({});
        generator.DeActivate();
        Run(screen, ShopTable({"ID"}));
        EXPECT_NE(Param("PROPERTIES").find("ID"), std::string::npos) << screen;
        EXPECT_EQ(Param("PROPERTIES").find("Name"), std::string::npos) << screen;
    }
}

TEST_F(ClassSkeleton, LoadLinesFollowTheOwnRuleWhileMembersKeepTheName) {
    Screen(JAVA_CODE).IsUppercase = 1;
    Run(JAVA_CODE, test::MakeTable("T", "T", {{.name = "id", .type = adInteger}}, {}));
    EXPECT_EQ(Param("LOAD_FIELD_ASSIGN"),
              "\r\n                i_ID = new Double(rs.getDouble(\"ID\"));");
    EXPECT_NE(Param("PROPERTIES").find("  private Double    i_id;"), std::string::npos);
}

TEST_F(ClassSkeleton, GenerateRunsTheClassScreens) {
    for (int screen : kClassScreens) {
        Screen(screen).Enabled = 1;
        generator.SetTable(ShopTable({"ID"}));
        const std::string direct = Run(screen, ShopTable({"ID"}));
        EXPECT_EQ(generator.Generate(screen), direct) << screen;
        EXPECT_NE(direct.find("dbo.Shop"), std::string::npos) << screen;
        EXPECT_FALSE(HasPlaceholder(direct)) << screen;
        Screen(screen).Enabled = 0;
        EXPECT_EQ(generator.Generate(screen), "") << screen;
    }
}

}  // namespace
}  // namespace orvane
