// The outputs work where they go, on every engine of the test environment: every table
// generated with default settings and the rows it holds gives XML data that validates against
// its XML Schema and its DTD (xmllint), Java beans that compile and read and write that document
// (XmlReadWrite.java), C# classes that compile (mcs), and SQL scripts that rebuild the rows: the
// classic one in sqlite3, each dialect's in its own shell. Hostile names are data: only the named
// table is read, the script changes nothing else, and a hostile login runs nothing when the classes
// load.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Golden.h"
#include "Programs.h"
#include "SchemaFixture.h"
#include "TableBuilder.h"
#include "TestSupport.h"
#include "core/Host.h"
#include "core/OrvaneError.h"
#include "core/Screens.h"
#include "data/Connection.h"
#include "data/ConnectionText.h"
#include "data/SqlNames.h"
#include "data/ValueText.h"
#include "generator/MakeAlias.h"
#include "generator/SqlDialect.h"
#include "model/ConnectionManager.h"
#include "model/ConnectionTexts.h"
#include "model/DbCatalog.h"
#include "model/ODBCTable.h"
#include "model/ODBCTools.h"
#include "model/PlainTreeNode.h"

namespace orvane::test {
namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::optional<std::string>>>;

// A database engine of the test environment; adding one is adding a row here. Its shell
// commands and connection text name a fresh database $DB, a script $FILE, the temporary folder
// $DIR, the test environment's folder $ENV and its servers' ports $PGPORT and $MARIAPORT.
struct Engine {
    std::string label;
    std::string dsn;     // of its sample; a server's login is orvane's
    std::string golden;  // the tables whose XML data holds values at the edges
    SqlDialectId dialect;
    std::string schema;  // of a fresh database's tables
    std::string types;   // of the round trip's columns, in kRoundTripColumns' order
    std::string connect, create, shell, drop;
};

const std::string kPg = "psql -X -q -h $ENV/pg -p $PGPORT -U postgres -d postgres -c ";
const std::string kMaria = "mariadb --no-defaults -S $ENV/mariadb/mariadbd.sock -u root -e ";
const std::vector<Engine> kEngines = {
    {"SQLite", "OrvaneSample", " Readings Products ", SqlDialectId::SQLite, "",
     "INTEGER;SMALLINT;BIGINT;NUMERIC(12,3);DOUBLE;REAL;BOOLEAN;DATE;TIME;TIMESTAMP;CHAR(3);"
     "VARCHAR(200);TEXT;BLOB;VARCHAR(40)",
     "Driver=SQLite3;Database=$DIR/$DB.db;", "", "sqlite3 -bail $DIR/$DB.db < $FILE", ""},
    {"PostgreSQL", "OrvanePgTest", " AllTypes Clash ", SqlDialectId::PostgreSQL, "public",
     "integer;smallint;bigint;numeric(12,3);double precision;real;boolean;date;time;timestamp;"
     "char(3);varchar(200);text;bytea;varchar(40)",
     "Driver=PostgreSQL Unicode;Servername=127.0.0.1;Port=$PGPORT;Database=$DB;"
     "Username=orvane;Password=orvane_pw;",
     kPg + "\"CREATE DATABASE $DB OWNER orvane ENCODING 'UTF8'\"",
     "PGPASSWORD=orvane_pw psql -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -p $PGPORT -U orvane "
     "-d $DB -f $FILE",
     kPg + "'DROP DATABASE $DB'"},
    {"MariaDB", "OrvaneMariaTest", " Products ", SqlDialectId::MariaDB, "",
     "INT;SMALLINT;BIGINT;DECIMAL(12,3);DOUBLE;FLOAT;BOOLEAN;DATE;TIME(6);DATETIME(6);CHAR(3);"
     "VARCHAR(200);TEXT;BLOB;VARCHAR(40)",
     "Driver=MariaDB Unicode;Server=127.0.0.1;Port=$MARIAPORT;Database=$DB;User=orvane;"
     "Password=orvane_pw;",
     kMaria + "'CREATE DATABASE $DB CHARACTER SET utf8mb4'",
     "mariadb --no-defaults -h 127.0.0.1 -P $MARIAPORT -u orvane -porvane_pw $DB < $FILE",
     kMaria + "'DROP DATABASE $DB'"}};

void PrintTo(const Engine& engine, std::ostream* out) { *out << engine.label; }

// The hostile table each server's sample holds; SQLite's are made below.
const std::string kServerHostile = "x\"; DROP TABLE victim; --";
// Hostile tables made in a fresh SQLite database, each with the key "1" and its own values,
// beside tables a pasted name would reach instead, each holding only secrets.
const std::vector<std::pair<std::string, std::vector<std::string>>> kHostileTables = {
    {"t] union select id, secret from secrets --", {"id", "v"}},
    {"a--b", {"id", "v"}},
    {kServerHostile, {"id", "v"}},
    {"x--><!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><!--", {"id", "v"}},
    {"n\nDROP TABLE victim;--", {"id", "v"}},
    {"../../up", {"id", "v"}},
    {"dot.ted's",
     {"id", "a);DROP TABLE victim;--", "b]);DROP TABLE victim;--", "c'); DROP TABLE victim; --",
      "d\nDROP TABLE victim;--", "e\"\\*/", "f--><!--", "$CLASS_NAME$", "$GET_XML$"}},
};
const std::vector<std::string> kDecoys = {"a", "t", "x", "n", "secrets"};

// The dialect round trip's table: a column of each kind under names each dialect quotes.
const std::string kRoundTripTable = "Odd \"Types\" [t]`";
const std::vector<ColumnSpec> kRoundTripColumns = {
    {.name = "id", .type = data::adInteger, .size = 4, .nullable = false, .key = true},
    {.name = "small", .type = data::adSmallInt, .size = 2},
    {.name = "big", .type = data::adBigInt, .size = 8},
    {.name = "amount", .type = data::adNumeric, .precision = 12, .scale = 3},
    {.name = "ratio", .type = data::adDouble, .size = 8},
    {.name = "score", .type = data::adSingle, .size = 4},
    {.name = "flag", .type = data::adBoolean, .size = 1},
    {.name = "day", .type = data::adDBDate, .size = 10},
    {.name = "clock", .type = data::adDBTime, .size = 8},
    {.name = "stamp", .type = data::adDBTimeStamp, .size = 19},
    {.name = "code", .type = data::adChar, .size = 3, .nullable = false, .key = true},
    {.name = "note", .type = data::adVarChar, .size = 200},
    {.name = "memo", .type = data::adLongVarChar, .size = 2147483647},
    {.name = "blob", .type = data::adLongVarBinary, .size = 2147483647},
    {.name = "odd \"name\" ]`x", .type = data::adVarChar, .size = 40}};

// Its rows: a NULL in every column but the key, extremes, dates before 1900, fractions of
// seconds, and text that each shell could misread.
Rows RoundTripRows() {
    std::string allBytes;
    for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
    std::string bytes, someBytes;
    data::valuetext::Base64(allBytes, bytes);
    data::valuetext::Base64(std::string("\x00\xff\x10\n", 4), someBytes);
    const std::string shellLines =
        "x\n.quit\n\\q\nGO\n:exit\ndelimiter //\n\\. /etc/passwd\n$(name) -- ; /* */ '";
    const std::string slashes = "O'Reilly \\ back\\\\slash \\' \\n \\0 \\Z \"q\" \r\nend\ttab";
    const std::nullopt_t null = std::nullopt;
    return {
        {"1", "12", "9223372036854775807", "12345.678", "0.1", "4.5", "1", "2024-02-29", "23:59:59",
         "2024-05-06 07:08:09.123456", "ABC", "Hello", "multi", someBytes, "plain"},
        {"2", null, null, null, null, null, null, null, null, null, null, null, null, null, null},
        {"3", "-32768", "-9223372036854775808", "-0.001", "1e+300", "-2.5", "0", "1850-01-02",
         "00:00:00", "1899-12-31 23:59:59.000001", "a'b", slashes, shellLines, "",
         "é 東京 🙂 <&>"},
        {"4", "0", "0", "0.000", "-0.5", "0", "1", "0001-01-01", "12:00:00", "2024-01-01", "", "",
         std::string("bell\a and \x1a"), bytes, "NULL"},
    };
}

constexpr int kMostRows = 20;

std::string Quoted(const std::string& name) {
    return data::QuoteName(name, data::NameQuoting::DoubleQuotes());
}

Rows ReadRows(data::Connection& connection, const std::string& table) {
    Rows rows;
    auto set = connection.Execute("select * from " + table);
    for (; !set->IsEOF() && rows.size() < kMostRows; set->MoveNext()) {
        auto& row = rows.emplace_back();
        for (std::size_t k = 0; k < set->FieldCount(); ++k) {
            const data::DbField& field = set->Field(k);
            row.push_back(field.IsNull() ? std::nullopt : std::optional(field.Value()));
        }
    }
    return rows;
}

std::set<std::string> SqliteTables(data::Connection& connection) {
    std::set<std::string> names;
    auto rows = connection.Execute("select name from sqlite_master where type = 'table'");
    for (; !rows->IsEOF(); rows->MoveNext()) names.insert(rows->Field(0).Value());
    return names;
}

// The catalogue's table of that name, or null.
const DbCatalog::Table* Find(const DbCatalog& catalog, const std::string& name) {
    for (const auto& group : catalog.folders) {
        for (const auto& table : group.tables) {
            const auto parts = data::SplitFullName(table.fullName);
            if (parts && parts->back().name == name) return &table;
        }
    }
    return nullptr;
}

// The class name a generated class declares, after the keyword that opens it.
std::string DeclaredClass(const std::string& text, const std::string& keyword) {
    const std::size_t at = text.find("\n" + keyword);
    if (at == std::string::npos) return {};
    const std::size_t start = at + 1 + keyword.size();
    return text.substr(start, text.find_first_of(" \r\n", start) - start);
}

std::string Hex(const std::string& text) {
    static const char* const kDigits = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : text) hex += std::string{kDigits[c >> 4], kDigits[c & 15]};
    return hex;
}

RunResult Shell(const std::string& command) { return RunProgram({"sh", "-c", command}); }

class OutputsWork : public SchemaFixture {
  protected:
    void SetUp() override {
        SchemaFixture::SetUp();
        Host::SetMessageSink(
            [this](const std::string& text, int, const std::string&) { messages_ += text + "\n"; });
    }
    void TearDown() override {
        Host::SetMessageSink({});
        for (const std::string& drop : drops_) Shell(drop);
        fs::remove_all(dir_);
    }

    // Loads a table as the main window does: every column ticked, the first one the key, as
    // many rows as it holds (at most kMostRows), so no made-up row stands in the data, unless
    // asked for more.
    std::shared_ptr<ODBCTable> Load(data::Connection& connection, const DbCatalog::Table& entry,
                                    std::size_t most = 0) {
        const auto ticked = DbCatalog::TableNode(
            entry, [](const std::string&) { return true; },
            [&entry](const std::string& column) { return column == entry.columns.front(); });
        auto table = std::make_shared<ODBCTable>();
        if (most == 0) most = ReadRows(connection, entry.fullName).size();
        table->SetMaxRows(static_cast<std::int16_t>(most));
        table->Activate();
        if (!table->Load(&connection, ticked->View().get())) {
            ADD_FAILURE() << entry.fullName << ": cannot load\n" << messages_;
            return nullptr;
        }
        table->SetAlias(MakeAlias(table->Name(), generator_));
        return table;
    }

    // Writes a table's outputs to folder as Save All names them (xmllint takes no blank in a
    // DTD's file name: the memory tables give a name of their own) and checks the XML data
    // against its schema and DTD; the XDR schema has no validator here: it must be well-formed.
    void WriteAndValidate(const std::shared_ptr<ODBCTable>& table, const fs::path& folder,
                          const std::string& name = "") {
        const std::string base = (folder / (name.empty() ? table->Alias() : name)).string();
        const std::pair<int, const char*> files[] = {
            {XML_CODE, ".xml"}, {XSD_CODE, ".xsd"},   {DTD_CODE, ".dtd"},  {BIZ_CODE, ".biz"},
            {VB_CODE, ".cls"},  {JAVA_CODE, ".java"}, {VBNET_CODE, ".vb"}, {CSHARP_CODE, ".cs"}};
        for (const auto& [screen, extension] : files)
            WriteFile(base + extension, Run(screen, table));
        for (const std::vector<std::string>& check :
             {std::vector<std::string>{"--schema", base + ".xsd", base + ".xml"},
              {"--dtdvalid", base + ".dtd", base + ".xml"},
              {base + ".biz"}}) {
            std::vector<std::string> command = {"xmllint", "--noout"};
            command.insert(command.end(), check.begin(), check.end());
            const RunResult lint = RunProgram(command);
            EXPECT_EQ(lint.status, 0) << table->Name() << ": " << lint.out.substr(0, 400);
        }
    }

    // Compiles the classes in folder (javac, mcs; there is no VB compiler here), then runs each
    // bean over its document.
    static void CompileAndReadBack(const fs::path& folder,
                                   const std::vector<std::string>& aliases) {
        const std::string classes = (folder / "classes").string();
        std::vector<std::string> java = {"javac", "-encoding", "UTF-8", "-d", classes};
        std::vector<std::string> csharp = {"mcs", "-target:library", "-r:System.Data",
                                           "-r:System.Xml",
                                           "-out:" + (folder / "classes.dll").string()};
        for (const auto& entry : fs::directory_iterator(folder)) {
            const fs::path& file = entry.path();
            const std::string extension = file.extension().string();
            if (extension == ".java") java.push_back(file.string());
            if (extension == ".cs") csharp.push_back(file.string());
        }
        java.push_back(EnvOr("ORVANE_SOURCE_DIR", ".") + "/tests/generator/XmlReadWrite.java");
        fs::create_directories(classes);
        for (const std::vector<std::string>* compile : {&java, &csharp}) {
            ASSERT_GT(compile->size(), 5u) << "no classes in " << folder;
            const RunResult result = RunProgram(*compile);
            ASSERT_EQ(result.status, 0) << result.out;
        }
        std::vector<std::string> run = {"java", "-cp", classes, "XmlReadWrite"};
        for (const std::string& alias : aliases) {
            run.push_back(DeclaredClass(ReadFile(folder / (alias + ".java")), "class "));
            run.push_back((folder / (alias + ".xml")).string());
        }
        const RunResult readBack = RunProgram(run);
        EXPECT_EQ(readBack.status, 0) << readBack.out;
    }

    static std::unique_ptr<data::Connection> Connect(const std::string& text) {
        auto connection = std::make_unique<data::Connection>();
        connection->Open(text);
        return connection;
    }

    // Connects to an engine's sample as a user would.
    static std::unique_ptr<data::Connection> Connect(const Engine& engine) {
        const bool server = !engine.create.empty();
        ConnectionManager manager;
        ConnectionTexts::Compose(
            {engine.dsn, server ? "orvane" : "", server ? "orvane_pw" : "", "", "", ""}, manager);
        return Connect(manager.ADOConnect());
    }

    // A fresh database of the engine, dropped at the end of the test.
    std::unique_ptr<data::Connection> Fresh(const Engine& engine, const std::string& db) {
        if (!engine.create.empty()) {
            const RunResult made = Shell(Fill(engine.create, db, true));
            EXPECT_EQ(made.status, 0) << made.out;
            drops_.push_back(Fill(engine.drop, db, true));
        }
        return Connect(Fill(engine.connect, db, false));
    }

    // The text with its $ names filled in, quoted for the shell when it is a command.
    std::string Fill(std::string text, const std::string& db, bool shell,
                     const std::string& file = "") const {
        auto quote = [shell](const std::string& value) { return shell ? Quote(value) : value; };
        const std::pair<std::string, std::string> names[] = {{"$DB", db},
                                                             {"$DIR", quote(dir_)},
                                                             {"$FILE", quote(file)},
                                                             {"$ENV", quote(TestEnvDir())},
                                                             {"$PGPORT", ServerPort("pg")},
                                                             {"$MARIAPORT", ServerPort("mariadb")}};
        for (const auto& [name, value] : names) {
            for (std::size_t at = text.find(name); at != std::string::npos;
                 at = text.find(name, at + value.size()))
                text.replace(at, name.size(), value);
        }
        return text;
    }

    const std::string dir_ = MakeTempDir("orvane-outputs-");
    std::string messages_;
    std::vector<std::string> drops_;
};

class EveryEngine : public OutputsWork, public ::testing::WithParamInterface<Engine> {};

TEST_P(EveryEngine, EveryTableGivesOutputsTheToolsAccept) {
    const Engine& engine = GetParam();
    const auto connection = Connect(engine);
    const DbCatalog catalog = DbCatalog::Read(*connection);
    std::vector<std::string> aliases;
    std::string golden;
    for (const auto& group : catalog.folders) {
        if (group.name == "System Tables") continue;
        for (const auto& entry : group.tables) {
            const auto table = Load(*connection, entry);
            if (table == nullptr) continue;
            WriteAndValidate(table, dir_);
            aliases.push_back(table->Alias());
            if (engine.golden.find(" " + table->Alias() + " ") != std::string::npos)
                golden += ReadFile(fs::path(dir_) / (table->Alias() + ".xml"));
            if (engine.label != "SQLite" || group.name != "Tables") continue;
            // The classic script's create and insert statements (ODBC escapes for the dates),
            // run into a fresh database, give back the rows; a date column is created as DATE,
            // so a time of day does not travel.
            const std::string script = Run(SQL_CODE, table);
            const auto target = Fresh(engine, std::to_string(aliases.size()));
            target->Execute(script.substr(0, script.find("\r\n);\r\n") + 3));
            std::string statement;
            bool quoted = false;
            for (char c : script.substr(script.find("insert into "))) {
                if (c == '\'') quoted = !quoted;
                if (c != ';' || quoted) {
                    statement += c;
                } else if (statement.find_first_not_of(" \r\n") != std::string::npos) {
                    target->Execute(statement);
                    statement.clear();
                }
            }
            const Rows source = ReadRows(*connection, entry.fullName);
            const Rows copy = ReadRows(*target, table->Name());
            ASSERT_EQ(copy.size(), source.size()) << table->Name();
            for (std::size_t i = 0; i < source.size(); ++i) {
                for (std::size_t j = 0; j < source[i].size(); ++j) {
                    std::optional<std::string> expected = source[i][j];
                    const int type = table->Fields().Item(j + 1).ODBCType();
                    if (expected && ClassOf(type) == TypeClass::Date)
                        expected = expected->substr(0, 10);
                    EXPECT_EQ(copy[i][j], expected) << table->Name() << " " << i << ", " << j;
                }
            }
        }
    }
    EXPECT_GE(aliases.size(), 9u);
    expectGolden("outputs-" + engine.label + ".xml", Portable(golden));
    CompileAndReadBack(dir_, aliases);
}

// A table is read through the database tree as the desktop reads it: only its rows come back,
// every screen keeps the names inside its own quoting, and the script changes nothing else.
TEST_P(EveryEngine, HostileNamesReadOnlyTheNamedTable) {
    const Engine& engine = GetParam();
    const bool sqlite = engine.create.empty();
    std::vector<std::string> hostile;
    const auto connection = sqlite ? Fresh(engine, "hostile") : Connect(engine);
    if (sqlite) {
        connection->Execute("create table victim (v integer)");
        connection->Execute("insert into victim values (1)");
        for (const std::string& decoy : kDecoys) {
            connection->Execute("create table " + decoy + " (id integer, secret text)");
            connection->Execute("insert into " + decoy + " values (1, 'SECRET')");
        }
        for (const auto& [name, columns] : kHostileTables) {
            std::string list;
            std::string values;
            for (const std::string& column : columns) {
                list += (list.empty() ? "" : ", ") + Quoted(column) + " text";
                values += values.empty() ? "'1'" : ", 'own'";
            }
            connection->Execute("create table " + Quoted(name) + " (" + list + ")");
            connection->Execute("insert into " + Quoted(name) + " values (" + values + ")");
            hostile.push_back(name);
        }
    } else {
        hostile.push_back(kServerHostile);
    }
    const std::set<std::string> before =
        sqlite ? SqliteTables(*connection) : std::set<std::string>{};
    const DbCatalog catalog = DbCatalog::Read(*connection);
    for (std::size_t k = 0; k < hostile.size(); ++k) {
        SCOPED_TRACE(hostile[k]);
        const DbCatalog::Table* entry = Find(catalog, hostile[k]);
        ASSERT_NE(entry, nullptr) << "the tree does not show the table";
        const auto table = Load(*connection, *entry);
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(messages_, "");
        EXPECT_EQ(table->Values().Item(1).Item(2).Value(), "own");
        const fs::path own = fs::path(dir_) / ("f" + std::to_string(k));
        fs::create_directory(own);
        // The nine files, named after the alias and a suffix that climbs, stay in their folder.
        for (int screen = 0; screen <= 8; ++screen) {
            const std::string text = Run(screen, table);
            EXPECT_EQ(text.find("SECRET"), std::string::npos) << screen;
            WriteFile(own / ScreenFileName(table->Alias(), screen, "/../..\x1B[2J"), text);
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(own), fs::directory_iterator()), 9);
        // The document is valid; the schemas keep each name inside their own two comments.
        WriteAndValidate(table, own, "s");
        const std::string base = (own / "s").string();
        for (const std::string& schema : {base + ".xsd", base + ".biz"}) {
            EXPECT_EQ(RunProgram({"xmllint", "--xpath", "count(/comment())", schema}).out, "2\n");
        }
        if (!sqlite) continue;
        // The script, run in sqlite3 as a user would, into a database that holds another table.
        const std::string target = base + ".db";
        WriteFile(base + ".sql", Run(SQL_CODE, table));
        RunProgram({"sqlite3", target, "create table victim (v); insert into victim values (1)"});
        Shell("sqlite3 " + Quote(target) + " < " + Quote(base + ".sql"));
        const auto result = Connect("Driver=SQLite3;Database=" + target + ";");
        EXPECT_EQ(SqliteTables(*result), (std::set<std::string>{"victim", hostile[k]}));
        EXPECT_EQ(ReadRows(*result, Quoted(hostile[k])).size(), 1u);
    }
    // A node text that is more than one name is never sent.
    PlainTreeNode pasted("TABLE#t", "t; drop table victim", ImageTable, true);
    pasted.AddChild("t.FIELD#id", "id", ImagePk, true);
    ODBCTable table;
    messages_.clear();
    EXPECT_FALSE(table.Load(connection.get(), pasted.View().get()));
    EXPECT_NE(messages_.find("not the name of a table"), std::string::npos) << messages_;
    // The source is as it was.
    EXPECT_EQ(connection->Execute("select count(*) from victim")->Field(0).Value(), "1");
    if (sqlite) {
        EXPECT_EQ(SqliteTables(*connection), before);
    }
}

// A table of every kind, written into a fresh database in the engine's dialect, is generated in
// that dialect, and the script run by the engine's own shell into another fresh database gives
// back the rows value for value with the same types; its XML select gives an element a row.
TEST_P(EveryEngine, ItsOwnShellRebuildsATableOfEveryKind) {
    const Engine& engine = GetParam();
    const SqlDialect& dialect = SqlDialect::For(engine.dialect);
    const std::string pid = std::to_string(::getpid());
    const Rows rows = RoundTripRows();
    const auto source = Fresh(engine, "orvane_rt_src_" + pid);
    std::string create = "CREATE TABLE " + dialect.Name(kRoundTripTable) + " (";
    ScriptTable names;
    names.name = kRoundTripTable;
    std::istringstream types(engine.types);
    std::string type;
    for (std::size_t j = 0; std::getline(types, type, ';'); ++j) {
        create += (j == 0 ? "" : ", ") + dialect.Name(kRoundTripColumns[j].name) + " " + type +
                  (j == 0 ? " NOT NULL PRIMARY KEY" : "");
        names.columns.emplace_back().name = kRoundTripColumns[j].name;
    }
    source->Execute(create + ")");
    for (const auto& row : rows) {
        std::string insert = dialect.InsertStart(names);
        for (std::size_t j = 0; j < row.size(); ++j) {
            if (j != 0) insert += ",";
            dialect.AppendValue(insert, row[j].value_or(""), !row[j], kRoundTripColumns[j].type);
        }
        source->Execute(insert + ")");
    }
    // More rows than the table holds: made-up rows are no data to write.
    const DbCatalog sourceCatalog = DbCatalog::Read(*source);
    const auto table = Load(*source, *Find(sourceCatalog, kRoundTripTable), 6);
    ASSERT_EQ(table->DataRows(), rows.size());
    // The source holds the text as written: the literals themselves are right.
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j : {11u, 12u, 14u}) {
            const ODBCField& cell = table->Values().Item(i + 1).Item(j + 1);
            EXPECT_EQ(cell.ValueIsNull() ? std::nullopt : std::optional(cell.Value()), rows[i][j])
                << "source row " << i << ", column " << j;
        }
    }
    Screen(SQL_CODE).Dialect = engine.dialect;
    const std::string script = Run(SQL_CODE, table);
    WriteFile(dir_ + "/script.sql", script);
    const auto target = Fresh(engine, "orvane_rt_dst_" + pid);
    const RunResult run =
        Shell(Fill(engine.shell, "orvane_rt_dst_" + pid, true, dir_ + "/script.sql"));
    EXPECT_EQ(run.status, 0) << run.out;
    const DbCatalog targetCatalog = DbCatalog::Read(*target);
    const DbCatalog::Table* copied = Find(targetCatalog, kRoundTripTable);
    ASSERT_NE(copied, nullptr);
    const auto copy = Load(*target, *copied);
    ASSERT_EQ(copy->Values().Count(), rows.size());
    // Each column's type, size, precision, scale, nullability and values.
    auto column = [&rows](const ODBCTable& t, std::size_t j) {
        const ODBCField& f = t.Fields().Item(j);
        std::string text = f.FieldName() + " " + std::to_string(f.ODBCType()) + " " +
                           std::to_string(f.FieldSize()) + " " + std::to_string(f.Precision()) +
                           " " + std::to_string(f.NumericScale()) + (f.IsNull() ? " null" : "");
        for (std::size_t i = 1; i <= rows.size(); ++i) {
            const ODBCField& cell = t.Values().Item(i).Item(j);
            text += "\n" + (cell.ValueIsNull() ? "NULL" : "[" + cell.Value() + "]");
        }
        return text;
    };
    for (std::size_t j = 1; j <= table->Fields().Count(); ++j)
        EXPECT_EQ(column(*copy, j), column(*table, j));
    // The script's XML select, run on the copy: an element for every row, NULLs and all,
    // well-formed wherever the values hold only characters XML allows.
    const std::size_t select = script.find("\r\nSELECT") + 2;
    const std::size_t from = script.find("\r\nFROM ", select);
    ASSERT_NE(from, std::string::npos);
    auto xml = target->Execute(script.substr(select, script.find(';', from) - select));
    std::string document = "<rows>";
    std::size_t elements = 0;
    for (; !xml->IsEOF(); xml->MoveNext(), ++elements) {
        const std::string value = xml->Field(std::size_t{0}).Value();
        ASSERT_FALSE(xml->Field(std::size_t{0}).IsNull()) << "row " << elements;
        EXPECT_EQ(value.rfind("<" + table->Alias() + ">", 0), 0u) << value;
        if (value.find_first_of("\x01\x07\x1a") == std::string::npos) document += value;
    }
    EXPECT_EQ(elements, rows.size());
    WriteFile(dir_ + "/rows.xml", document + "</rows>");
    const RunResult lint = RunProgram({"xmllint", "--noout", dir_ + "/rows.xml"});
    EXPECT_EQ(lint.status, 0) << lint.out;
}

INSTANTIATE_TEST_SUITE_P(Engines, EveryEngine, ::testing::ValuesIn(kEngines),
                         [](const auto& info) { return info.param.label; });

// Each dialect's whole script for the round trip's table, three kinds more and rows of what
// the engines reject: special numbers, text that is no number, boolean, base64 or GUID, a NUL,
// sqlcmd variables. A name its shell cannot carry is refused.
TEST_F(OutputsWork, DialectsWriteTheirWholeScriptOrRefuseANameTheirShellCannotCarry) {
    std::vector<ColumnSpec> columns = kRoundTripColumns;
    columns.insert(columns.end(), {{.name = "tiny", .type = data::adTinyInt, .size = 1},
                                   {.name = "wide", .type = data::adVarWChar, .size = 200},
                                   {.name = "guid", .type = data::adGUID, .size = 36}});
    Rows rows = RoundTripRows();
    for (auto& row : rows) row.resize(columns.size());
    rows[0].back() = "6F9619FF-8B86-D011-B42D-00C04FC964FF";
    const std::string text = std::string("$(var) \x01 nul:") + '\0' + " 東京";
    const std::nullopt_t null = std::nullopt;
    rows.push_back({"5", "+7", "0", "1,5", "NaN", "-INF", "maybe", null, "23:59:59.5", null, "x",
                    text, null, "not base64!", "", "1e3", text, "not a guid"});
    rows.push_back({"6", null, null, null, "INF", "1e-45", null, null, null, null, "y", null, null,
                    null, null, "255", "", ""});
    // The names each dialect refuses, by the dialects that refuse them.
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"line\nbreak", "sqlite postgresql mariadb sqlserver"},
        {"bell\a", "sqlite postgresql mariadb sqlserver"},
        {"cost$(x)", "sqlserver"}};
    Screen(XML_CODE).Suffix = "Data";
    for (const SqlDialectInfo& dialect : kSqlDialects) {
        SCOPED_TRACE(dialect.name);
        Screen(SQL_CODE).Dialect = dialect.id;
        if (dialect.id != SqlDialectId::Classic) {
            expectGolden("sql-" + std::string(dialect.name) + ".sql",
                         Run(SQL_CODE, MakeTable(kRoundTripTable, "Lines", columns, rows)));
        }
        for (const auto& [name, refusers] : refused) {
            auto table =
                MakeTable("T", "A", {{.name = "ID", .key = true}, {.name = name}}, {{"1", "x"}});
            if (refusers.find(dialect.name) != std::string::npos) {
                EXPECT_THROW(Run(SQL_CODE, table), OrvaneError) << name;
            } else {
                EXPECT_NO_THROW(Run(SQL_CODE, table)) << name;
            }
        }
    }
}

// What the databases do not vary: a root of its own (a suffix), aliases that are no XML names,
// a table without rows, and data holding nothing but NULLs.
TEST_F(OutputsWork, RootsAndAliasesOfEveryKind) {
    const std::vector<ColumnSpec> columns = {
        {.name = "ID", .type = data::adInteger, .precision = 10, .nullable = false},
        {.name = "When", .type = data::adDBTimeStamp, .size = 19},
        {.name = "Amount", .type = data::adNumeric, .precision = 10, .scale = 2},
        {.name = "T", .type = data::adVarChar, .size = 5}};
    const Rows rows = {{"1", "2024-05-06 07:08:09", "-12.50", "a<&b"},
                       {"2", std::nullopt, std::nullopt, std::nullopt}};
    const std::tuple<const char*, const char*, long> cases[] = {{"T", "List", 2},
                                                                {"Order Details", "Set", 2},
                                                                {"Price$History#2", "", 2},
                                                                {"2024 Sales", "-2", 2},
                                                                {"T", "", 0}};
    for (const auto& [alias, suffix, count] : cases) {
        Screen(XML_CODE).Suffix = suffix;
        Screen(DTD_CODE).Suffix = suffix;
        WriteAndValidate(MakeTable("T", alias, columns, {rows.begin(), rows.begin() + count}), dir_,
                         "t");
    }
}

// Names, user and password that would run code when pasted into a literal or end a comment,
// a line or a literal: the classes compile, and loading them only reads back the texts.
TEST_F(OutputsWork, HostileNamesAndLoginRunNothing) {
    using namespace data;
    const std::string user = "u\"+System.IO.Directory.CreateDirectory(\"y\").Name+\"\\\u2028";
    const std::string password = "p\",String.valueOf(new java.io.File(\"x\").mkdir()),\";x={}";
    ConnectionTexts::Compose({"OrvaneSample", user, password, "", "", ""},
                             *config_->ConnectionManager());
    const std::vector<ColumnSpec> columns = {
        {.name = "a);DROP TABLE victim;--", .type = adInteger, .key = true},
        {.name = "b]);DROP TABLE victim;--", .type = adVarChar},
        {.name = "c\"\\*/ \u201D", .type = adVarChar},
        {.name = "d\nnew line", .type = adDate},
        {.name = "e\u2028f", .type = adDouble}};
    WriteAndValidate(
        MakeTable("dbo.\"x\"\"; */ DROP TABLE victim; --\u2028\"", "a\"b\\c*/\u201D", columns, {}),
        dir_, "hostile");
    CompileAndReadBack(dir_, {"hostile"});

    const fs::path run = fs::path(dir_) / "run";
    fs::create_directories(run);
    const fs::path sources = fs::path(EnvOr("ORVANE_SOURCE_DIR", ".")) / "tests" / "generator";
    // Both loaders run in a folder of their own, where a payload would leave its trace.
    auto runThere = [&](const std::string& command) {
        return Shell("cd " + Quote(run.string()) + " && " + command);
    };
    const std::string java = ReadFile(fs::path(dir_) / "hostile.java");
    const std::string classes = (fs::path(dir_) / "classes").string();
    RunResult built =
        RunProgram({"javac", "-cp", classes, "-d", classes, (sources / "Loader.java").string()});
    ASSERT_EQ(built.status, 0) << built.out;
    const RunResult javaRun =
        runThere("java -cp " + Quote(classes) + " Loader " + Quote(DeclaredClass(java, "class ")));
    EXPECT_EQ(javaRun.out,
              Hex("jdbc:odbc:OrvaneSample") + "\n" + Hex(user) + "\n" + Hex(password) + "\n");

    const std::string csharp = ReadFile(fs::path(dir_) / "hostile.cs");
    const std::string loader = (fs::path(dir_) / "loader.exe").string();
    built = RunProgram({"mcs", "-out:" + loader, (sources / "Loader.cs").string()});
    ASSERT_EQ(built.status, 0) << built.out;
    const RunResult csharpRun =
        runThere("mono " + Quote(loader) + " " + Quote((fs::path(dir_) / "classes.dll").string()) +
                 " " + Quote(DeclaredClass(csharp, "public class ")));
    std::string text;
    for (std::size_t i = 0; i + 1 < csharpRun.out.size(); i += 2)
        text += static_cast<char>(std::stoi(csharpRun.out.substr(i, 2), nullptr, 16));
    std::vector<std::pair<std::string, std::string>> attributes;
    for (const ConnectionAttribute& a : ParseConnectionText(text))
        attributes.push_back({a.key, a.value});
    EXPECT_EQ(attributes, (std::vector<std::pair<std::string, std::string>>{
                              {"DSN", "OrvaneSample"}, {"user_id", user}, {"password", password}}))
        << csharpRun.out;
    // Neither payload ran.
    EXPECT_TRUE(fs::is_empty(run));
}

}  // namespace
}  // namespace orvane::test
