// Names from a hostile catalogue are data. A table is read through the database tree as the
// desktop reads it: only that table's rows come back, every screen keeps the names inside its
// own quoting, and the SQL script run in sqlite3 creates that table and changes nothing else.
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "Programs.h"
#include "SchemaFixture.h"
#include "TestSupport.h"
#include "core/Host.h"
#include "core/Screens.h"
#include "data/Connection.h"
#include "generator/MakeAlias.h"
#include "model/ConnectionManager.h"
#include "model/ConnectionTexts.h"
#include "model/DbCatalog.h"
#include "model/ODBCTable.h"
#include "model/PlainTreeNode.h"

namespace orvane::test {
namespace {

namespace fs = std::filesystem;

struct HostileTable {
    std::string name;
    std::vector<std::string> columns;  // the first is the key
};

const std::vector<HostileTable> kTables = {
    {"t] union select id, secret from secrets --", {"id", "v"}},
    {"a--b", {"id", "v"}},
    {"x\"; DROP TABLE victim; --", {"id", "v"}},
    {"x--><!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><!--", {"id", "v"}},
    {"n\nDROP TABLE victim;--", {"id", "v"}},
    {"../../up", {"id", "v"}},
    {"dot.ted's",
     {"id", "a);DROP TABLE victim;--", "b]);DROP TABLE victim;--", "c'); DROP TABLE victim; --",
      "d\nDROP TABLE victim;--", "e\"\\*/", "f--><!--", "$CLASS_NAME$", "$GET_XML$"}},
};

// Tables that a pasted name would reach instead: each holds only secrets.
const std::vector<std::string> kDecoys = {"a", "t", "x", "n", "secrets"};

std::string Quoted(const std::string& name) {
    return data::QuoteName(name, data::NameQuoting::DoubleQuotes());
}

std::set<std::string> TableNames(data::Connection& connection) {
    std::set<std::string> names;
    auto rows = connection.Execute("select name from sqlite_master where type = 'table'");
    for (; !rows->IsEOF(); rows->MoveNext()) names.insert(rows->Field(0).Value());
    return names;
}

std::string CountRows(data::Connection& connection, const std::string& table) {
    return connection.Execute("select count(*) from " + Quoted(table))->Field(0).Value();
}

// The table's node in the catalogue's tree, ticked with every column, the first one the key.
std::unique_ptr<PlainTreeNode> TickedNode(const DbCatalog& catalog, const std::string& name) {
    for (const DbCatalog::Folder& folder : catalog.folders) {
        for (const DbCatalog::Table& table : folder.tables) {
            const auto parts = data::SplitFullName(table.fullName);
            if (!parts || parts->back().name != name) continue;
            auto node = std::make_unique<PlainTreeNode>(DbCatalog::TableKey(table.fullName),
                                                        table.fullName, ImageTable, true);
            for (const std::string& column : table.columns) {
                node->AddChild(DbCatalog::ColumnKey(table.fullName, column), column,
                               column == table.columns.front() ? ImagePk : ImageField, true);
            }
            return node;
        }
    }
    return nullptr;
}

class HostileNames : public SchemaFixture {
  protected:
    void SetUp() override {
        SchemaFixture::SetUp();
        dir_ = MakeTempDir("orvane-hostile-");
        Host::SetMessageSink(
            [this](const std::string& text, int, const std::string&) { messages_ += text + "\n"; });
    }
    void TearDown() override {
        Host::SetMessageSink({});
        fs::remove_all(dir_);
    }

    // Loads the named table as the desktop does and generates all nine screens from it.
    std::vector<std::string> LoadAndGenerate(data::Connection& connection, const DbCatalog& catalog,
                                             const std::string& name,
                                             std::vector<std::string>& ownValues) {
        const std::unique_ptr<PlainTreeNode> node = TickedNode(catalog, name);
        if (node == nullptr) {
            ADD_FAILURE() << "the tree does not show the table";
            return {};
        }
        auto table = std::make_shared<ODBCTable>();
        table->SetMaxRows(3);
        table->Activate();
        if (!table->Load(&connection, node->View().get())) {
            ADD_FAILURE() << messages_;
            return {};
        }
        for (std::size_t i = 1; i <= table->Values().Count(); ++i) {
            for (std::size_t j = 2; j <= table->Fields().Count(); ++j) {
                ownValues.push_back(table->Values().Item(i).Item(j).Value());
            }
        }
        table->SetAlias(MakeAlias(table->Name(), generator_));
        generator_.SetTable(table);
        generator_.Activate();
        std::vector<std::string> screens;
        for (int screen = 0; screen <= 8; ++screen) screens.push_back(generator_.Generate(screen));
        return screens;
    }

    std::string dir_;
    std::string messages_;
};

TEST_F(HostileNames, SqliteReadsOnlyTheNamedTableAndItsScriptChangesNothingElse) {
    const std::string file = dir_ + "/hostile.db";
    {
        data::Connection setup;
        setup.Open("Driver=SQLite3;Database=" + file + ";");
        setup.Execute("create table victim (v integer)");
        setup.Execute("insert into victim values (1)");
        for (const std::string& decoy : kDecoys) {
            setup.Execute("create table " + decoy + " (id integer, secret text)");
            setup.Execute("insert into " + decoy + " values (1, 'SECRET')");
        }
        for (const HostileTable& table : kTables) {
            std::string columns;
            std::string values;
            for (const std::string& column : table.columns) {
                columns += (columns.empty() ? "" : ", ") + Quoted(column) + " text";
                values += values.empty() ? "'1'" : ", 'own'";
            }
            setup.Execute("create table " + Quoted(table.name) + " (" + columns + ")");
            setup.Execute("insert into " + Quoted(table.name) + " values (" + values + ")");
        }
    }
    data::Connection connection;
    connection.Open("Driver=SQLite3;Database=" + file + ";");
    const DbCatalog catalog = DbCatalog::Read(connection);

    for (std::size_t k = 0; k < kTables.size(); ++k) {
        const std::string& name = kTables[k].name;
        SCOPED_TRACE(name);
        std::vector<std::string> values;
        const std::vector<std::string> screens = LoadAndGenerate(connection, catalog, name, values);
        ASSERT_EQ(screens.size(), 9u);
        EXPECT_EQ(messages_, "");
        // The loaded row and the made-up ones after it; nothing of another table.
        for (const std::string& value : values) EXPECT_EQ(value.find("SECRET"), std::string::npos);
        EXPECT_EQ(values.front(), "own");
        for (const std::string& text : screens) EXPECT_EQ(text.find("SECRET"), std::string::npos);

        // Its nine files, named after the alias and a suffix that climbs, stay in their folder.
        const fs::path own = fs::path(dir_) / ("f" + std::to_string(k));
        fs::create_directory(own);
        for (int screen = 0; screen <= 8; ++screen) {
            WriteFile(
                (own / ScreenFileName(generator_.RequireTable().Alias(), screen, "/../..\x1B[2J"))
                    .string(),
                screens[static_cast<std::size_t>(screen)]);
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(own), fs::directory_iterator()), 9);

        // The schemas and the document keep each name inside its comment: the comments the
        // templates write and no others, and the document is valid against its DTD.
        const std::string base = dir_ + "/s" + std::to_string(k);
        const char* const kinds[] = {".xsd", ".biz", ".dtd", ".xml"};
        for (int screen = 0; screen <= 3; ++screen)
            WriteFile(base + kinds[screen], screens[screen]);
        for (const char* kind : {".xsd", ".biz"}) {
            const RunResult comments =
                RunProgram({"xmllint", "--xpath", "count(/comment())", base + kind});
            EXPECT_EQ(comments.out, "2\n") << kind;
        }
        const RunResult valid =
            RunProgram({"xmllint", "--noout", "--dtdvalid", base + ".dtd", base + ".xml"});
        EXPECT_EQ(valid.status, 0) << valid.out;

        // The script, run as a user would, against a database that holds another table.
        const std::string target = base + ".db";
        WriteFile(base + ".sql", screens[4]);
        RunProgram({"sqlite3", target, "create table victim (v); insert into victim values (1)"});
        const RunResult run =
            RunProgram({"sh", "-c", "sqlite3 " + Quote(target) + " < " + Quote(base + ".sql")});
        data::Connection result;
        result.Open("Driver=SQLite3;Database=" + target + ";");
        EXPECT_EQ(TableNames(result), (std::set<std::string>{"victim", name}));
        EXPECT_EQ(CountRows(result, "victim"), "1");
        EXPECT_EQ(CountRows(result, name), "3") << run.out;
    }
    // A node text that is more than one name is never sent.
    PlainTreeNode pasted("TABLE#t", "t; drop table victim", ImageTable, true);
    pasted.AddChild("t.FIELD#id", "id", ImagePk, true);
    ODBCTable table;
    messages_.clear();
    EXPECT_FALSE(table.Load(&connection, pasted.View().get()));
    EXPECT_NE(messages_.find("not the name of a table"), std::string::npos) << messages_;

    // The source is as it was.
    std::set<std::string> expected = {"victim"};
    for (const std::string& decoy : kDecoys) expected.insert(decoy);
    for (const HostileTable& table : kTables) expected.insert(table.name);
    EXPECT_EQ(TableNames(connection), expected);
    EXPECT_EQ(CountRows(connection, "victim"), "1");
}

// psqlODBC sends several statements in one query: a pasted name would run them.
TEST_F(HostileNames, ServersReadTheNamedTableAndDropNothing) {
    for (const char* dsn : {"OrvanePgTest", "OrvaneMariaTest"}) {
        SCOPED_TRACE(dsn);
        ConnectionManager manager;
        ConnectionTexts::Compose({dsn, "orvane", "orvane_pw", "", "", ""}, manager);
        auto connection = std::make_unique<data::Connection>();
        connection->Open(manager.ADOConnect());
        const DbCatalog catalog = DbCatalog::Read(*connection);
        std::vector<std::string> values;
        const std::vector<std::string> screens =
            LoadAndGenerate(*connection, catalog, "x\"; DROP TABLE victim; --", values);
        ASSERT_EQ(screens.size(), 9u);
        EXPECT_EQ(messages_, "");
        ASSERT_GE(values.size(), 2u);
        EXPECT_EQ(values[0], "own");
        EXPECT_EQ(values[1], "row");
        EXPECT_EQ(connection->Execute("select count(*) from victim")->Field(0).Value(), "1");
    }
}

}  // namespace
}  // namespace orvane::test
