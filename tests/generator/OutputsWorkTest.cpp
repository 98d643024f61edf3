// The outputs work where they go: every table of every test database, generated with default
// settings and the rows it holds, gives XML data that validates against its XML Schema and its
// DTD (xmllint), Java beans that compile and read and write that document through the JDK
// (XmlReadWrite.java, no database), C# classes that compile (mcs) and VB classes that pass the
// structure check. Values at the edges of their types come through exactly, and names and a
// login as hostile as they get run nothing when the classes are loaded.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ClassVbChecker.h"
#include "Programs.h"
#include "SchemaFixture.h"
#include "TableBuilder.h"
#include "TestSupport.h"
#include "data/Connection.h"
#include "data/ConnectionText.h"
#include "generator/MakeAlias.h"
#include "model/ConnectionManager.h"
#include "model/ConnectionTexts.h"
#include "model/DbCatalog.h"
#include "model/ODBCTable.h"
#include "model/PlainTreeNode.h"

namespace orvane::test {
namespace {

namespace fs = std::filesystem;

// A database engine of the test environment; adding one is adding a row here.
struct Engine {
    std::string label;
    ConnectionInput input;
};

const std::vector<Engine>& Engines() {
    static const std::vector<Engine> engines = {
        {"SQLite", {"OrvaneSample", "", "", "", "", ""}},
        {"PostgreSQL", {"OrvanePgTest", "orvane", "orvane_pw", "", "", ""}},
        {"MariaDB", {"OrvaneMariaTest", "orvane", "orvane_pw", "", "", ""}},
    };
    return engines;
}

// An element of a table's XML data that must hold exactly this text in some row.
struct ExactValue {
    std::string engine;
    std::string alias;
    std::string element;
    std::string text;
};

const std::vector<ExactValue>& ExactValues() {
    static const std::vector<ExactValue> values = {
        {"SQLite", "Readings", "Ratio", "0.123456789012"},
        {"SQLite", "Readings", "Reading", "16777217"},
        {"SQLite", "Readings", "Measure", "1e+300"},
        {"SQLite", "Readings", "Reading", "INF"},
        {"SQLite", "Readings", "Measure", "-INF"},
        {"SQLite", "Readings", "TakenAt", "2024-05-06 07:08:09"},
        {"SQLite", "Products", "Barcode", "9223372036854775807"},
        {"MariaDB", "Products", "Barcode", "9223372036854775807"},
        {"MariaDB", "Products", "Picture", "AP9/gA=="},
        {"PostgreSQL", "AllTypes", "Big", "9000000000"},
        {"PostgreSQL", "AllTypes", "Big", "-9223372036854775808"},
        {"PostgreSQL", "AllTypes", "Exact", "1234567890123456.7890"},
        {"PostgreSQL", "AllTypes", "Unbounded", "123456789012345678901234567890.123456789"},
        {"PostgreSQL", "AllTypes", "Unbounded", "INF"},
        {"PostgreSQL", "AllTypes", "Cash", "92233720368547758.07"},
        {"PostgreSQL", "AllTypes", "Cash", "-92233720368547758.08"},
        {"PostgreSQL", "AllTypes", "Single", "3.4e+38"},
        {"PostgreSQL", "AllTypes", "Single", "-INF"},
        {"PostgreSQL", "AllTypes", "Double", "0.123456789012"},
        {"PostgreSQL", "AllTypes", "Double", "NaN"},
        {"PostgreSQL", "AllTypes", "Day", "4713-01-01 BC"},
        {"PostgreSQL", "AllTypes", "Day", "infinity"},
        {"PostgreSQL", "AllTypes", "Moment", "0044-03-15 12:00:00 BC"},
        {"PostgreSQL", "AllTypes", "Moment", "2024-05-06 07:08:09"},
        {"PostgreSQL", "AllTypes", "MomentTz", "-infinity"},
        {"PostgreSQL", "AllTypes", "Unsized", std::string(300, 'x')},
        {"PostgreSQL", "Clash", "Clash_2", "seven"},
        {"PostgreSQL", "Clash", "a_b_4", "four"},
    };
    return values;
}

constexpr int kMostRows = 20;

// The first line of a tool's complaint, with the file's folder taken off.
std::string FirstLine(const RunResult& result, const std::string& folder) {
    std::string line = result.out.substr(0, result.out.find('\n'));
    for (std::size_t at = line.find(folder); at != std::string::npos; at = line.find(folder)) {
        line.erase(at, folder.size() + 1);
    }
    return line;
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

class OutputsWork : public SchemaFixture {
  protected:
    void SetUp() override {
        SchemaFixture::SetUp();
        dir_ = MakeTempDir("orvane-outputs-");
        generator_.Activate();
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Writes a table's outputs to folder as Save All names them (xmllint takes no blank in a
    // DTD's file name: the memory tables give a name of their own) and checks the XML data
    // against its schema and DTD. Returns the name.
    std::string WriteAndValidate(const std::shared_ptr<ODBCTable>& table, const fs::path& folder,
                                 const std::string& name = "") {
        const std::string fileName = name.empty() ? table->Alias() : name;
        const std::string base = (folder / fileName).string();
        const std::pair<int, const char*> files[] = {
            {XML_CODE, ".xml"}, {XSD_CODE, ".xsd"},   {DTD_CODE, ".dtd"},  {BIZ_CODE, ".biz"},
            {VB_CODE, ".cls"},  {JAVA_CODE, ".java"}, {VBNET_CODE, ".vb"}, {CSHARP_CODE, ".cs"}};
        for (const auto& [screen, extension] : files)
            WriteFile(base + extension, Run(screen, table));
        const std::string where = folder.filename().string() + " " + table->Name() + ": ";
        // The XDR schema has no validator here: it must be well-formed.
        const std::vector<std::vector<std::string>> checks = {
            {"--schema", base + ".xsd", base + ".xml"},
            {"--dtdvalid", base + ".dtd", base + ".xml"},
            {base + ".biz"},
        };
        for (const std::vector<std::string>& check : checks) {
            std::vector<std::string> command = {"xmllint", "--noout"};
            command.insert(command.end(), check.begin(), check.end());
            const RunResult lint = RunProgram(command);
            EXPECT_EQ(lint.status, 0) << where << FirstLine(lint, folder.string());
        }
        return fileName;
    }

    // Compiles the classes in folder: the Java beans with javac into folder/classes, the C#
    // classes with mcs into folder/classes.dll; the VB6 (.cls) and VB.NET (.vb) classes get the
    // structure check (no compiler for them here).
    static void CompileAll(const fs::path& folder) {
        std::vector<std::string> java = {FindTool("javac"), "-encoding", "UTF-8", "-d",
                                         (folder / "classes").string()};
        std::vector<std::string> csharp = {FindTool("mcs"), "-target:library", "-r:System.Data",
                                           "-r:System.Xml",
                                           "-out:" + (folder / "classes.dll").string()};
        const ClassVbChecker vb6(ClassVbChecker::Vb6Names());
        const ClassVbChecker vbnet(ClassVbChecker::VbNetNames());
        for (const auto& entry : fs::directory_iterator(folder)) {
            const fs::path& file = entry.path();
            const std::string extension = file.extension().string();
            if (extension == ".java") java.push_back(file.string());
            if (extension == ".cs") csharp.push_back(file.string());
            if (extension == ".cls" || extension == ".vb") {
                for (const std::string& problem :
                     (extension == ".cls" ? vb6 : vbnet).Check(ReadFile(file))) {
                    ADD_FAILURE() << file << ": " << problem;
                }
            }
        }
        fs::create_directories(folder / "classes");
        for (const std::vector<std::string>* compile : {&java, &csharp}) {
            ASSERT_FALSE(compile->front().empty()) << "a compiler is missing: run scripts/setup.sh "
                                                      "(openjdk-17-jdk-headless, mono-mcs)";
            ASSERT_GT(compile->size(), 5u) << "no classes in " << folder;
            const RunResult result = RunProgram(*compile);
            EXPECT_EQ(result.status, 0) << result.out;
        }
    }

    // Compiles every class in folder, then runs each bean over its document.
    static void CompileAndReadBack(const fs::path& folder,
                                   const std::vector<std::string>& aliases) {
        CompileAll(folder);
        const std::string classes = (folder / "classes").string();
        const RunResult built =
            RunProgram({"javac", "-d", classes,
                        EnvOr("ORVANE_SOURCE_DIR", ".") + "/tests/generator/XmlReadWrite.java"});
        ASSERT_EQ(built.status, 0) << built.out;
        std::vector<std::string> java = {"java", "-cp", classes, "XmlReadWrite"};
        for (const std::string& alias : aliases) {
            java.push_back(DeclaredClass(ReadFile(folder / (alias + ".java")), "class "));
            java.push_back((folder / (alias + ".xml")).string());
        }
        const RunResult readBack = RunProgram(java);
        EXPECT_EQ(readBack.status, 0) << folder.filename().string() << ":\n" << readBack.out;
    }

    std::string dir_;
};

// Loads a table as the main window does: every column ticked, the first one the key, as many
// rows as it holds (at most kMostRows), so no made-up row stands in the data.
std::shared_ptr<ODBCTable> LoadAll(data::Connection& connection, const DbCatalog::Table& entry,
                                   Generator& generator) {
    const std::unique_ptr<data::RecordSet> count =
        connection.Execute("select count(*) from " + entry.fullName);
    const auto ticked = DbCatalog::TableNode(
        entry, [](const std::string&) { return true; },
        [&entry](const std::string& column) { return column == entry.columns.front(); });
    auto table = std::make_shared<ODBCTable>();
    table->SetMaxRows(static_cast<std::int16_t>(
        std::min(std::stoi(count->Field(std::size_t{0}).Value()), kMostRows)));
    table->Activate();
    const auto view = ticked->View();
    if (!table->Load(&connection, view.get())) return nullptr;
    table->SetAlias(MakeAlias(table->Name(), generator));
    return table;
}

TEST_F(OutputsWork, EveryTableOfEveryEngine) {
    for (const Engine& engine : Engines()) {
        const fs::path folder = fs::path(dir_) / engine.label;
        fs::create_directories(folder);
        ConnectionManager manager;
        ConnectionTexts::Compose(engine.input, manager);
        data::Connection connection;
        connection.Open(manager.ADOConnect());
        const DbCatalog catalog = DbCatalog::Read(connection);
        std::vector<std::string> aliases;
        for (const auto& group : catalog.folders) {
            if (group.name == "System Tables") continue;
            for (const auto& entry : group.tables) {
                const auto table = LoadAll(connection, entry, generator_);
                if (table == nullptr) {
                    ADD_FAILURE() << engine.label << " " << entry.fullName << ": cannot load";
                    continue;
                }
                aliases.push_back(WriteAndValidate(table, folder));
                const std::string xml = ReadFile(folder / (table->Alias() + ".xml"));
                for (const ExactValue& value : ExactValues()) {
                    if (value.engine != engine.label || value.alias != table->Alias()) continue;
                    const std::string element = "<" + value.element + ">";
                    EXPECT_NE(xml.find(element + value.text + "</"), std::string::npos)
                        << engine.label << " " << entry.fullName << ": no " << element
                        << value.text;
                }
            }
        }
        EXPECT_GE(aliases.size(), 9u) << engine.label;
        CompileAndReadBack(folder, aliases);
    }
}

// What the databases do not vary: a root of its own (a suffix), aliases that are no XML names,
// a table without rows, and data holding nothing but NULLs.
TEST_F(OutputsWork, RootsAndAliasesOfEveryKind) {
    const std::vector<ColumnSpec> columns = {
        {.name = "ID", .type = data::adInteger, .precision = 10, .nullable = false},
        {.name = "When", .type = data::adDBTimeStamp, .size = 19},
        {.name = "Amount", .type = data::adNumeric, .precision = 10, .scale = 2},
        {.name = "T", .type = data::adVarChar, .size = 5},
    };
    const std::vector<std::vector<std::optional<std::string>>> rows = {
        {"1", "2024-05-06 07:08:09", "-12.50", "a<&b"},
        {"2", std::nullopt, std::nullopt, std::nullopt},
    };
    struct Case {
        std::string alias;
        std::string suffix;
        std::size_t rows;
    };
    const std::vector<Case> cases = {
        {"T", "List", 2},
        {"Order Details", "Set", 2},
        {"Price$History#2", "", 2},
        {"2024 Sales", "-2", 2},
        {"T", "", 0},
    };
    for (const Case& c : cases) {
        Screen(XML_CODE).Suffix = c.suffix;
        Screen(DTD_CODE).Suffix = c.suffix;
        auto table = MakeTable("T", c.alias, columns,
                               {rows.begin(), rows.begin() + static_cast<long>(c.rows)});
        const fs::path folder = fs::path(dir_) / std::to_string(&c - cases.data());
        fs::create_directories(folder);
        WriteAndValidate(table, folder, "t");
    }
}

// Names, user and password that would run code when pasted into a literal or end a comment,
// a line or a literal: the classes compile, and loading them only reads back the texts.
TEST_F(OutputsWork, HostileNamesAndLoginRunNothing) {
    using namespace data;
    const std::string user = "u\"+System.IO.Directory.CreateDirectory(\"y\").Name+\"\\\u2028";
    const std::string password = "p\",String.valueOf(new java.io.File(\"x\").mkdir()),\";x={}";
    ConnectionTexts::Compose({.dsn = "OrvaneSample",
                              .uid = user,
                              .pwd = password,
                              .database = "",
                              .driver = "",
                              .server = ""},
                             *config_->ConnectionManager());
    const std::vector<ColumnSpec> columns = {
        {.name = "a);DROP TABLE victim;--", .type = adInteger, .key = true},
        {.name = "b]);DROP TABLE victim;--", .type = adVarChar},
        {.name = "c\"\\*/ \u201D", .type = adVarChar},
        {.name = "d\nnew line", .type = adDate},
        {.name = "e\u2028f", .type = adDouble},
    };
    WriteAndValidate(
        MakeTable("dbo.\"x\"\"; */ DROP TABLE victim; --\u2028\"", "a\"b\\c*/\u201D", columns, {}),
        dir_, "hostile");
    CompileAndReadBack(dir_, {"hostile"});

    const fs::path run = fs::path(dir_) / "run";
    fs::create_directories(run);
    const fs::path sources = fs::path(EnvOr("ORVANE_SOURCE_DIR", ".")) / "tests" / "generator";
    // Both loaders run in a folder of their own, where a payload would leave its trace.
    auto runThere = [&](const std::string& command) {
        return RunProgram({"sh", "-c", "cd " + Quote(run.string()) + " && " + command});
    };
    const std::string java = ReadFile(fs::path(dir_) / "hostile.java");
    const std::string classes = (fs::path(dir_) / "classes").string();
    RunResult built = RunProgram(
        {FindTool("javac"), "-cp", classes, "-d", classes, (sources / "Loader.java").string()});
    ASSERT_EQ(built.status, 0) << built.out;
    const RunResult javaRun =
        runThere("java -cp " + Quote(classes) + " Loader " + Quote(DeclaredClass(java, "class ")));
    EXPECT_EQ(javaRun.out,
              Hex("jdbc:odbc:OrvaneSample") + "\n" + Hex(user) + "\n" + Hex(password) + "\n");

    const std::string csharp = ReadFile(fs::path(dir_) / "hostile.cs");
    const std::string loader = (fs::path(dir_) / "loader.exe").string();
    built = RunProgram({FindTool("mcs"), "-out:" + loader, (sources / "Loader.cs").string()});
    ASSERT_EQ(built.status, 0) << built.out;
    const RunResult csharpRun =
        runThere("mono " + Quote(loader) + " " + Quote((fs::path(dir_) / "classes.dll").string()) +
                 " " + Quote(DeclaredClass(csharp, "public class ")));
    std::string text;
    for (std::size_t i = 0; i + 1 < csharpRun.out.size(); i += 2) {
        text += static_cast<char>(std::stoi(csharpRun.out.substr(i, 2), nullptr, 16));
    }
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
