// The model's name, type and text rules over their edge cases; each golden file lists every
// input with what the rule made of it.
#include <gtest/gtest.h>

#include <sstream>

#include "Golden.h"
#include "TableBuilder.h"
#include "data/ColumnMeta.h"
#include "model/ConnectionManager.h"
#include "model/ConnectionTexts.h"
#include "model/DbCatalog.h"
#include "model/DbTreeTools.h"
#include "model/ODBCField.h"
#include "model/ODBCTable.h"
#include "model/ODBCTools.h"

namespace orvane {
namespace {

using namespace data;

// Every map of every ADO code the data layer reports, and of codes outside the published range;
// the column type is asked for precision 10, scale 2, size 50 so that a swap shows.
TEST(ModelRules, EveryMapOfEveryTypeCode) {
    // clang-format off
    const int codes[] = {-5, adEmpty, adSmallInt, adInteger, adSingle, adDouble, adCurrency, adDate,
        adBoolean, adDecimal, adTinyInt, adUnsignedTinyInt, adBigInt, adGUID, adBinary, adChar,
        adWChar, adNumeric, adDBDate, adDBTime, adDBTimeStamp, adVarChar, adLongVarChar, adVarWChar,
        adLongVarWChar, adVarBinary, adLongVarBinary, 300};
    // clang-format on
    std::ostringstream out;
    out << "code|Java|C#|VB|java.sql|XSD|column type|Java prefix|VB prefix|ADO constant|\n";
    for (int code : codes) {
        out << code << "|" << MapJavaType(code) << "|" << MapCSharpType(code) << "|"
            << MapVbType(code) << "|" << MapJavaSqlType(code) << "|" << MapXsdType(code) << "|"
            << MapDbType(code, 10, 2, 50) << "|" << JavaNamePrefix(code) << "|"
            << VbNamePrefix(code) << "|" << MapAdoType(code) << "|\n";
    }
    test::expectGolden("type-code-maps.txt", out.str());
}

// Column names under the case rules (-1 and 4 are no rules), as script names, and as the
// generated classes name their members; table names as the tree writes them per database.
TEST(ModelRules, NamesOfColumnsAndTables) {
    std::ostringstream out;
    out << "== name: rules -1|0|1|2|3|4, script name, Java, Java key, VB, VB key, column type\n";
    // clang-format off
    const std::pair<const char*, int> columns[] = {{"order date", adVarChar},
        {"ORDER Date", adNumeric}, {" x ", adDBTimeStamp}, {"#id", adSmallInt},
        {"a # b", adInteger}, {"   ", adVarChar}, {"tab\there", adDBTime}, {"  a#b c  ", adVarChar},
        {"ünï Ärger", adVarChar}, {"ΣΟΦΊΑ Straße", adVarChar}, {"élan", adVarChar},
        {"жук", adVarChar}, {"my field", adVarChar}, {"price$", adVarChar}, {"my#field", adVarChar},
        {"Größe", adVarChar}, {"$", adVarChar}, {"2nd", adVarChar},
        {"a);DROP TABLE victim;--", adVarChar}, {"b]);DROP TABLE victim;--", adVarChar},
        {"say \"]\"", adVarChar}};
    // clang-format on
    for (const auto& [name, type] : columns) {
        const ODBCField field(test::MakeMeta({name, type}), "");
        out << "[" << name << "]:";
        for (int rule = -1; rule <= 4; ++rule)
            out << (rule < 0 ? " " : "|") << field.FieldNameEx(rule);
        out << ", " << field.FieldNameSQL() << ", " << field.FieldNameJava() << ", "
            << field.FieldNameJavaPK() << ", " << field.FieldNameVb() << ", "
            << field.FieldNameVbPk() << ", " << field.DbType() << "\n";
    }
    out << "== table, schema, database, driver quote: full name, table name\n";
    // clang-format off
    const char* tables[][4] = {{"Order Details", "dbo", "Microsoft SQL Server", "\""},
        {"Order Details", "dbo", "Oracle", "\""}, {"Order Details", "", "ORACLE", "\""},
        {"Sheet1$", "", "EXCEL", "\""}, {"Orders", "", "SQLite", "\""},
        {"Orders", "my schema", "SQLite", "\""}, {"Price$History", "a$b", "SQLite", "\""},
        {"Price$History", "public", "PostgreSQL 15.1", "\""},
        {"Customers", "public", "PostgreSQL", "\""}, {"customers", "public", "PostgreSQL", "\""},
        {"order_2", "My Schema", "PostgreSQL", "\""}, {"2nd", "", "PostgreSQL", "\""},
        {"Order#1", "", "SQLite", "\""}, {"Order Details", "", "MariaDB", "`"},
        {"", "", "SQLite", "\""}, {"a--b", "", "SQLite", "\""},
        {"t] union select id, secret from secrets --", "", "SQLite", "\""},
        {"x\"; DROP TABLE victim; --", "public", "PostgreSQL", "\""}, {"a`b", "", "MySQL", "`"},
        {"a.b", "main", "SQLite", "\""}, {"x.\"y", "", "PostgreSQL", "\""}};
    // clang-format on
    for (const auto& t : tables) {
        ODBCTable table;
        table.SetName(DbCatalog::FullName(t[0], t[1], NameQuoting::For(t[2], t[3])));
        out << "[" << t[0] << "] [" << t[1] << "] " << t[2] << " " << t[3] << ": " << table.Name()
            << ", " << table.TableName() << "\n";
    }
    for (const char* name : {"a.b.c", "trailing.", ".lead"}) {
        ODBCTable table;
        table.SetName(name);
        out << name << ": " << table.TableName() << "\n";
    }
    test::expectGolden("model-names.txt", out.str());
}

// Values made up for rows past the end of the data, by class and declared size (in characters).
TEST(ModelRules, SampleValuesPastTheEndOfTheData) {
    // clang-format off
    const std::tuple<const char*, int, int, int> cases[] = {{"Qty", adInteger, 4, 7},
        {"Qty", adNumeric, 10, 0}, {"Big", adBigInt, 8, 32767}, {"At", adDate, 8, 3},
        {"At", adDBTimeStamp, 19, 0}, {"CITY", adVarChar, 3, 12}, {"CITY", adVarChar, 50, 12},
        {"CITY", adChar, 6, 12}, {"CITY", adChar, 5, 12}, {"Empty", adVarChar, 0, 4},
        {"Small", adSmallInt, 2, 5}, {"Time", adDBTime, 8, 1}, {"Größe", adVarChar, 3, 9},
        {"Größe", adVarChar, 4, 9}};
    // clang-format on
    std::ostringstream out;
    for (const auto& [name, type, size, row] : cases) {
        out << name << " " << type << " size " << size << " row " << row << ": ["
            << ODBCField::SampleValue(*test::MakeMeta({name, type, size}), row) << "]\n";
    }
    test::expectGolden("sample-values.txt", out.str());
}

// A never loaded field answers empty texts; loading nothing keeps what it holds.
TEST(ModelRules, FieldWithoutColumnIsEmpty) {
    ODBCField field;
    EXPECT_EQ(field.FieldName() + field.FieldType() + field.FieldNameJava() + field.FieldNameVb() +
                  field.JavaType() + field.CSharpType() + field.VbNetType() + field.XsdType() +
                  field.JavaSqlType() + field.VbType() + field.DbType() + field.Value() +
                  field.FieldNameEx(0) + field.FieldNameSQL(),
              "");
    EXPECT_EQ(field.FieldSize() + field.Precision() + field.NumericScale() + field.ODBCType(), 0);
    EXPECT_FALSE(field.IsNull());
    field = ODBCField(test::MakeMeta({"Price", adNumeric, 0, 10, 2, false}), "41");
    field.Load(nullptr, true, 3);
    EXPECT_EQ(field.FieldName() + "=" + field.Value() + " " + field.DbType(),
              "Price=41 NUMERIC(10,2)");
    EXPECT_FALSE(field.IsNull());
}

// The tree a catalogue becomes: key, text, image, tick and child count of every node.
void Flatten(const PlainTreeNode& node, std::ostream& out, int depth = 0) {
    out << std::string(depth * 2, ' ') << node.Key() << " [" << node.Text() << "] " << node.Image()
        << (node.Checked() ? " ticked " : " ") << node.Children().size() << "\n";
    for (const auto& child : node.Children()) Flatten(*child, out, depth + 1);
}

// Node kinds by key marker, and which column nodes of a table select and make keys: the first
// child whose text is exactly the column's decides; under a node that is no table, none. Then
// the tree a catalogue becomes.
TEST(ModelRules, TreeNodesSelectColumnsAndKeys) {
    std::ostringstream out;
    for (const char* key :
         {"TABLE#dbo.[Order Details]", "dbo.[Order Details].FIELD#OrderID", "xTABLE#",
          "table#Orders", "Orders.field#Id", "Root", "", "TABLE#FIELD#"}) {
        PlainTreeNode node(key, "text", ImageTable);
        auto view = node.View();
        out << "[" << key << "] table " << IsTableNode(view.get()) << " field "
            << IsFieldNode(view.get()) << "\n";
    }
    PlainTreeNode table("TABLE#T", "T", ImageTable, true);
    PlainTreeNode folder("Tables", "T", ImageTable, true);
    // clang-format off
    const std::tuple<const char*, bool, int> children[] = {{"ID", true, ImagePk},
        {"Name", false, ImageField}, {"Name", true, ImagePk}, {"city", true, ImageField},
        {"Key", false, ImagePk}, {"Other", true, 5}, {"Key2", false, ImageField},
        {"Key2", false, ImagePk}};
    // clang-format on
    for (const auto& [text, checked, image] : children) {
        table.AddChild("T.FIELD#" + std::string(text), text, image, checked);
        folder.AddChild("T.FIELD#" + std::string(text), text, image, checked);
    }
    auto tableView = table.View();
    auto folderView = folder.View();
    for (const char* column :
         {"ID", "id", "Name", "city", "City", "Key", "Other", "Key2", "Missing", "", "ID "}) {
        out << "[" << column << "] selected " << IsFieldSelected(tableView.get(), column) << " key "
            << IsPrimaryKeyField(tableView.get(), column) << " under a folder "
            << IsFieldSelected(folderView.get(), column)
            << IsPrimaryKeyField(folderView.get(), column) << "\n";
    }
    EXPECT_FALSE(IsTableNode(nullptr) || IsFieldNode(nullptr) || IsFieldSelected(nullptr, "ID") ||
                 IsPrimaryKeyField(nullptr, "ID"));
    Flatten(*DbCatalog::TableNode(
                {"[Order Details]", {"OrderID", "Unit Price", "Qty"}},
                [](const std::string& column) { return column != "Qty"; },
                [](const std::string& column) { return column == "OrderID"; }),
            out);
    out << DbCatalog::RootText("d", "s") << "\n";
    test::expectGolden("tree-nodes.txt", out.str());
}

// The three connection texts and the selected source after OK, over stale ones; Cancel empties
// only the data-access and Java texts.
TEST(ModelRules, ConnectionTextsTheDialogComposes) {
    // clang-format off
    const ConnectionInput inputs[] = {{"d", "u", "p", "", "", ""}, {"d", "u", "p", "b", "", ""},
        {"(None)", "u", "p", "b", "r", "s"}, {"", "u", "p", "", "r", "s"},
        {"d", "", "", "", "", ""}, {"my dsn", "o'neil", "p;w\"d", " {b} ", "", ""},
        {"", "a\\b", "line\nbreak", "", "{x}", ""}};
    // clang-format on
    std::ostringstream out;
    for (const ConnectionInput& input : inputs) {
        ConnectionManager manager;
        manager.sJavaConnect = manager.sCSharpConnect = manager.sSelectedDSN = "stale";
        ConnectionTexts::Compose(input, manager);
        out << manager.ADOConnect() << "\n  " << manager.sJavaConnect << "\n  "
            << manager.sCSharpConnect << "\n  " << manager.SelectedDsn() << "\n";
    }
    ConnectionManager manager;
    ConnectionTexts::Compose(inputs[1], manager);
    ConnectionTexts::Cancel(manager);
    out << "after Cancel: [" << manager.ADOConnect() << "] [" << manager.sJavaConnect << "] "
        << manager.sCSharpConnect << " " << manager.SelectedDsn() << "\n";
    test::expectGolden("connection-texts.txt", out.str());
}

}  // namespace
}  // namespace orvane
