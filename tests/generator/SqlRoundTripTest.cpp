#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Programs.h"
#include "TestSupport.h"
#include "data/ColumnMeta.h"
#include "data/Connection.h"
#include "data/RecordSet.h"
#include "data/ValueText.h"
#include "generator/Generator.h"
#include "generator/SqlDialect.h"
#include "model/DbCatalog.h"
#include "model/ODBCTable.h"
#include "model/ODBCTools.h"
#include "model/PlainTreeNode.h"
#include "model/TreeNode.h"
#include "settings/Config.h"

namespace orvane {
namespace {

using Rows = std::vector<std::vector<std::optional<std::string>>>;

// EventLog is long; its first rows cover every kind of value it has.
constexpr std::size_t kRowLimit = 400;

Rows ReadRows(data::Connection& connection, const std::string& table, std::size_t limit) {
    Rows rows;
    auto set = connection.Execute("select * from " + table);
    for (; !set->IsEOF() && rows.size() < limit; set->MoveNext()) {
        auto& row = rows.emplace_back();
        for (std::size_t k = 0; k < set->FieldCount(); ++k) {
            const data::DbField& field = set->Field(k);
            row.push_back(field.IsNull() ? std::nullopt : std::optional(field.Value()));
        }
    }
    return rows;
}

// The statements of a script part, split at semicolons outside quoted literals.
std::vector<std::string> SplitStatements(const std::string& text) {
    std::vector<std::string> statements;
    std::string current;
    bool quoted = false;
    for (char c : text) {
        if (c == '\'') quoted = !quoted;
        if (c == ';' && !quoted) {
            if (current.find_first_not_of(" \r\n\t") != std::string::npos) {
                statements.push_back(current);
            }
            current.clear();
        } else {
            current += c;
        }
    }
    EXPECT_FALSE(quoted) << "unbalanced quotes in the insert statements";
    EXPECT_EQ(current.find_first_not_of(" \r\n\t"), std::string::npos) << current;
    return statements;
}

// The node of one table in the catalogue's tree, ticked with all its columns and its first
// column marked as the key.
class SqlRoundTrip : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = test::MakeTempDir("orvane-sqlrt");
        source_.Open("DSN=OrvaneSample;");
        config_ = std::make_shared<Config>();
        for (int scr = 0; scr <= 8; ++scr) {
            config_->Screens().Item(std::to_string(scr))->IsUppercase = 3;
        }
        generator_.SetCurrentConfig(config_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string folder_;
    data::Connection source_;
    std::shared_ptr<Config> config_;
    Generator generator_;
};

TEST_F(SqlRoundTrip, CreateAndInsertStatementsRebuildEverySampleTable) {
    const DbCatalog catalog = DbCatalog::Read(source_);
    std::size_t tablesChecked = 0;
    bool sawQuote = false;
    bool sawNonAscii = false;
    bool sawNull = false;

    for (const DbCatalog::Folder& folder : catalog.folders) {
        if (folder.name != "Tables") continue;
        for (const DbCatalog::Table& entry : folder.tables) {
            SCOPED_TRACE(entry.fullName);
            const Rows source = ReadRows(source_, entry.fullName, kRowLimit);
            ASSERT_FALSE(source.empty());

            // Every column, the first one as the key.
            const auto node = DbCatalog::TableNode(
                entry, [](const std::string&) { return true; },
                [&entry](const std::string& column) { return column == entry.columns.front(); });
            auto table = std::make_shared<ODBCTable>();
            table->SetMaxRows(static_cast<std::int16_t>(source.size()));
            table->Activate();
            ASSERT_TRUE(table->Load(&source_, node->View().get()));
            table->DeActivate();
            table->SetAlias(table->TableName());
            node->SetChecked(false);

            generator_.SetTable(table);
            generator_.Activate();
            const std::string script = generator_.GenSQL();
            generator_.DeActivate();

            // Run the create statement and the insert statements into a fresh database.
            const std::size_t createEnd = script.find("\r\n);\r\n");
            ASSERT_NE(createEnd, std::string::npos);
            const std::size_t insertsAt = script.find("insert into ");
            ASSERT_NE(insertsAt, std::string::npos);
            const std::string file = folder_ + "/t" + std::to_string(tablesChecked) + ".db";
            data::Connection target;
            target.Open("Driver=SQLite3;Database=" + file + ";");
            target.Execute(script.substr(0, createEnd + 3));
            const auto inserts = SplitStatements(script.substr(insertsAt));
            ASSERT_EQ(inserts.size(), source.size());
            for (const std::string& insert : inserts) target.Execute(insert);

            const Rows copy = ReadRows(target, entry.fullName, kRowLimit + 1);
            ASSERT_EQ(copy.size(), source.size());
            for (std::size_t i = 0; i < source.size(); ++i) {
                ASSERT_EQ(copy[i].size(), source[i].size());
                for (std::size_t j = 0; j < source[i].size(); ++j) {
                    std::optional<std::string> expected = source[i][j];
                    // Date columns are created as DATE and written as date literals, so a
                    // time of day does not travel.
                    const int type = table->Fields().Item(j + 1).ODBCType();
                    if (expected && ClassOf(type) == TypeClass::Date) {
                        expected = expected->substr(0, 10);
                    }
                    EXPECT_EQ(copy[i][j], expected) << "row " << i << ", column " << j;
                    if (expected) {
                        sawQuote = sawQuote || expected->find('\'') != std::string::npos;
                        for (unsigned char c : *expected) sawNonAscii = sawNonAscii || c >= 0x80;
                    } else {
                        sawNull = true;
                    }
                }
            }
            ++tablesChecked;
        }
    }
    EXPECT_GE(tablesChecked, 5u);
    EXPECT_TRUE(sawQuote);
    EXPECT_TRUE(sawNonAscii);
    EXPECT_TRUE(sawNull);
}

// One engine of the dialect round trip: a fresh database of its own, its shell, and the
// source table in the engine's own column types.
struct Engine {
    std::string name;
    SqlDialectId dialect;
    std::string schema;              // of the tables a fresh database holds
    std::vector<std::string> types;  // the source columns' types, in kRoundTripColumns order
    // Creates a database and returns its ODBC connection text.
    std::function<std::string(const std::string& db)> create;
    // The command line that runs a script file into a database with the engine's shell.
    std::function<std::string(const std::string& db, const std::string& file)> shell;
    std::function<void(const std::string& db)> drop;
};

void PrintTo(const Engine& engine, std::ostream* out) { *out << engine.name; }

std::string PgAdmin(const std::string& sql) {
    return "psql -X -q -h " + test::Quote(test::TestEnvDir() + "/pg") + " -p " +
           test::ServerPort("pg") + " -U postgres -d postgres -c " + test::Quote(sql);
}

std::string MariaDbAdmin(const std::string& sql) {
    return "mariadb --no-defaults -S " +
           test::Quote(test::TestEnvDir() + "/mariadb/mariadbd.sock") + " -u root -e " +
           test::Quote(sql);
}

// A command line run by the shell, for the redirections a user types.
test::RunResult RunShell(const std::string& command) {
    return test::RunProgram({"sh", "-c", command});
}

void MustRun(const std::string& command) {
    const test::RunResult result = RunShell(command);
    ASSERT_EQ(result.status, 0) << command << "\n" << result.out;
}

std::vector<Engine> Engines() {
    const std::string folder = test::TestEnvDir();
    return {
        {"SQLite",
         SqlDialectId::SQLite,
         "",
         {"INTEGER", "SMALLINT", "BIGINT", "NUMERIC(12,3)", "DOUBLE", "REAL", "BOOLEAN", "DATE",
          "TIME", "TIMESTAMP", "CHAR(3)", "VARCHAR(200)", "TEXT", "BLOB", "VARCHAR(40)"},
         [folder](const std::string& db) {
             return "Driver=SQLite3;Database=" + folder + "/" + db + ".db;";
         },
         [folder](const std::string& db, const std::string& file) {
             return "sqlite3 -bail " + test::Quote(folder + "/" + db + ".db") + " < " +
                    test::Quote(file);
         },
         [folder](const std::string& db) { std::filesystem::remove(folder + "/" + db + ".db"); }},
        {"PostgreSQL",
         SqlDialectId::PostgreSQL,
         "public",
         {"integer", "smallint", "bigint", "numeric(12,3)", "double precision", "real", "boolean",
          "date", "time", "timestamp", "char(3)", "varchar(200)", "text", "bytea", "varchar(40)"},
         [](const std::string& db) {
             MustRun(PgAdmin("CREATE DATABASE " + db + " OWNER orvane ENCODING 'UTF8'"));
             return "Driver=PostgreSQL Unicode;Servername=127.0.0.1;Port=" +
                    test::ServerPort("pg") + ";Database=" + db +
                    ";Username=orvane;Password=orvane_pw;";
         },
         [](const std::string& db, const std::string& file) {
             return "PGPASSWORD=orvane_pw psql -X -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -p " +
                    test::ServerPort("pg") + " -U orvane -d " + db + " -f " + test::Quote(file);
         },
         [](const std::string& db) { RunShell(PgAdmin("DROP DATABASE IF EXISTS " + db)); }},
        {"MariaDB",
         SqlDialectId::MariaDB,
         "",
         {"INT", "SMALLINT", "BIGINT", "DECIMAL(12,3)", "DOUBLE", "FLOAT", "BOOLEAN", "DATE",
          "TIME(6)", "DATETIME(6)", "CHAR(3)", "VARCHAR(200)", "TEXT", "BLOB", "VARCHAR(40)"},
         [](const std::string& db) {
             MustRun(MariaDbAdmin("CREATE DATABASE " + db + " CHARACTER SET utf8mb4"));
             return "Driver=MariaDB Unicode;Server=127.0.0.1;Port=" + test::ServerPort("mariadb") +
                    ";Database=" + db + ";User=orvane;Password=orvane_pw;";
         },
         [](const std::string& db, const std::string& file) {
             return "mariadb --no-defaults -h 127.0.0.1 -P " + test::ServerPort("mariadb") +
                    " -u orvane -porvane_pw " + db + " < " + test::Quote(file);
         },
         [](const std::string& db) { RunShell(MariaDbAdmin("DROP DATABASE IF EXISTS " + db)); }},
    };
}

struct RoundTripColumn {
    std::string name;
    int type;  // the ADO type its values are written as
};

const std::vector<RoundTripColumn> kRoundTripColumns = {
    {"id", data::adInteger},
    {"small", data::adSmallInt},
    {"big", data::adBigInt},
    {"amount", data::adNumeric},
    {"ratio", data::adDouble},
    {"score", data::adSingle},
    {"flag", data::adBoolean},
    {"day", data::adDBDate},
    {"clock", data::adDBTime},
    {"stamp", data::adDBTimeStamp},
    {"code", data::adChar},
    {"note", data::adVarChar},
    {"memo", data::adLongVarChar},
    {"blob", data::adLongVarBinary},
    {"odd \"name\" ]`x", data::adVarChar},
};

const std::string kRoundTripTable = "Odd \"Types\" [t]`";

// The rows as the data layer reads them: a NULL in every column but the key, extremes, dates
// before 1900, fractions of seconds, and text that each shell could misread.
std::vector<std::vector<std::optional<std::string>>> RoundTripRows() {
    std::string allBytes;
    for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
    std::string bytes, someBytes;
    data::valuetext::Base64(allBytes, bytes);
    data::valuetext::Base64(std::string("\x00\xff\x10\n", 4), someBytes);
    const std::string shellLines =
        "x\n.quit\n\\q\nGO\n:exit\ndelimiter //\n\\. /etc/passwd\n$(name) -- ; /* */ '";
    const std::string slashes = "O'Reilly \\ back\\\\slash \\' \\n \\0 \\Z \"q\" \r\nend\ttab";
    return {
        {"1", "12", "9223372036854775807", "12345.678", "0.1", "4.5", "1", "2024-02-29", "23:59:59",
         "2024-05-06 07:08:09.123456", "ABC", "Hello", "multi", someBytes, "plain"},
        {"2", std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
         std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
         std::nullopt, std::nullopt},
        {"3", "-32768", "-9223372036854775808", "-0.001", "1e+300", "-2.5", "0", "1850-01-02",
         "00:00:00", "1899-12-31 23:59:59.000001", "a'b", slashes, shellLines, "",
         "é 東京 🙂 <&>"},
        {"4", "0", "0", "0.000", "-0.5", "0", "1", "0001-01-01", "12:00:00", "2024-01-01", "", "",
         std::string("bell\a and \x1a"), bytes, "NULL"},
    };
}

// The table's node as the tree shows it, every column ticked, the first one the key.
std::unique_ptr<PlainTreeNode> RoundTripNode(data::Connection& connection,
                                             const std::string& schema) {
    const std::string fullName = DbCatalog::FullName(kRoundTripTable, schema, connection.Quoting());
    auto node =
        std::make_unique<PlainTreeNode>(DbCatalog::TableKey(fullName), fullName, ImageTable, true);
    for (std::size_t j = 0; j < kRoundTripColumns.size(); ++j) {
        const std::string& column = kRoundTripColumns[j].name;
        node->AddChild(DbCatalog::ColumnKey(fullName, column), column,
                       j == 0 ? ImagePk : ImageField, true);
    }
    return node;
}

std::shared_ptr<ODBCTable> LoadRoundTripTable(data::Connection& connection,
                                              const std::string& schema) {
    const auto node = RoundTripNode(connection, schema);
    auto table = std::make_shared<ODBCTable>();
    // More rows than the table holds: made-up rows are no data to write.
    table->SetMaxRows(6);
    table->Activate();
    EXPECT_TRUE(table->Load(&connection, node->View().get()));
    table->SetAlias("Types");
    return table;
}

bool XmlAllows(const std::string& text) {
    for (unsigned char c : text) {
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') return false;
    }
    return true;
}

class DialectRoundTrip : public ::testing::TestWithParam<Engine> {};

// The engine's table is generated in its own dialect, the script is run by the engine's own
// shell into a fresh database, and the rows come back value for value with the same types.
TEST_P(DialectRoundTrip, ItsOwnShellRebuildsTheTableExactly) {
    const Engine& engine = GetParam();
    const SqlDialect& dialect = SqlDialect::For(engine.dialect);
    const std::string suffix = std::to_string(::getpid());
    const std::string sourceDb = "orvane_rt_src_" + suffix;
    const std::string targetDb = "orvane_rt_dst_" + suffix;
    const auto rows = RoundTripRows();

    data::Connection source;
    source.Open(engine.create(sourceDb));
    std::string create = "CREATE TABLE " + dialect.Name(kRoundTripTable) + " (";
    ScriptTable names;
    names.name = kRoundTripTable;
    for (std::size_t j = 0; j < kRoundTripColumns.size(); ++j) {
        create += (j == 0 ? "" : ", ") + dialect.Name(kRoundTripColumns[j].name) + " " +
                  engine.types[j] + (j == 0 ? " NOT NULL PRIMARY KEY" : "");
        ScriptColumn column;
        column.name = kRoundTripColumns[j].name;
        names.columns.push_back(column);
    }
    source.Execute(create + ")");
    for (const auto& row : rows) {
        std::string insert = dialect.InsertStart(names);
        for (std::size_t j = 0; j < row.size(); ++j) {
            if (j != 0) insert += ",";
            dialect.AppendValue(insert, row[j].value_or(""), !row[j], kRoundTripColumns[j].type);
        }
        source.Execute(insert + ")");
    }
    const auto table = LoadRoundTripTable(source, engine.schema);
    ASSERT_EQ(table->DataRows(), rows.size());
    // The source holds the text as written: the literals themselves are right.
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j : {11u, 12u, 14u}) {
            const ODBCField& cell = table->Values().Item(i + 1).Item(j + 1);
            EXPECT_EQ(cell.ValueIsNull() ? std::nullopt : std::optional(cell.Value()), rows[i][j])
                << "source row " << i << ", column " << j;
        }
    }

    auto config = std::make_shared<Config>();
    config->Screens().Item("4")->Dialect = engine.dialect;
    Generator generator;
    generator.SetCurrentConfig(config);
    generator.SetTable(table);
    generator.Activate();
    const std::string script = generator.GenSQL();
    const std::string file = test::MakeTempDir("orvane-dialect") + "/script.sql";
    test::WriteFile(file, script);

    data::Connection target;
    target.Open(engine.create(targetDb));
    const test::RunResult run = RunShell(engine.shell(targetDb, file));
    EXPECT_EQ(run.status, 0) << run.out;
    const auto copy = LoadRoundTripTable(target, engine.schema);
    ASSERT_EQ(copy->Values().Count(), table->Values().Count());
    EXPECT_EQ(copy->DataRows(), rows.size());
    for (std::size_t j = 1; j <= table->Fields().Count(); ++j) {
        const ODBCField& want = table->Fields().Item(j);
        const ODBCField& got = copy->Fields().Item(j);
        const std::string where = "column " + want.FieldName();
        EXPECT_EQ(got.ODBCType(), want.ODBCType()) << where;
        EXPECT_EQ(got.FieldSize(), want.FieldSize()) << where;
        EXPECT_EQ(got.Precision(), want.Precision()) << where;
        EXPECT_EQ(got.NumericScale(), want.NumericScale()) << where;
        EXPECT_EQ(got.IsNull(), want.IsNull()) << where;
        for (std::size_t i = 1; i <= rows.size(); ++i) {
            const ODBCField& a = table->Values().Item(i).Item(j);
            const ODBCField& b = copy->Values().Item(i).Item(j);
            EXPECT_EQ(b.ValueIsNull(), a.ValueIsNull()) << where << ", row " << i;
            EXPECT_EQ(b.Value(), a.Value()) << where << ", row " << i;
        }
    }

    // The XML select of the script, run on the copy: an element for every row, NULLs and all,
    // well-formed wherever the values hold only characters XML allows.
    const std::size_t select = script.find("\r\nSELECT");
    const std::size_t from = script.find("\r\nFROM ", select);
    ASSERT_NE(from, std::string::npos);
    const std::string query = script.substr(select + 2, script.find(';', from) - select - 2);
    auto xml = target.Execute(query);
    std::string document = "<rows>";
    std::size_t elements = 0;
    for (; !xml->IsEOF(); xml->MoveNext(), ++elements) {
        const data::DbField& value = xml->Field(std::size_t{0});
        ASSERT_FALSE(value.IsNull()) << "row " << elements;
        EXPECT_EQ(value.Value().rfind("<Types>", 0), 0u) << value.Value();
        if (XmlAllows(value.Value())) document += value.Value();
    }
    EXPECT_EQ(elements, rows.size());
    const std::string xmlFile = std::filesystem::path(file).parent_path().string() + "/rows.xml";
    test::WriteFile(xmlFile, document + "</rows>");
    const test::RunResult lint = test::RunProgram({"xmllint", "--noout", xmlFile});
    EXPECT_EQ(lint.status, 0) << lint.out;

    source.Close();
    target.Close();
    engine.drop(sourceDb);
    engine.drop(targetDb);
    std::filesystem::remove_all(std::filesystem::path(file).parent_path());
}

INSTANTIATE_TEST_SUITE_P(Engines, DialectRoundTrip, ::testing::ValuesIn(Engines()),
                         [](const ::testing::TestParamInfo<Engine>& info) {
                             return info.param.name;
                         });

}  // namespace
}  // namespace orvane
