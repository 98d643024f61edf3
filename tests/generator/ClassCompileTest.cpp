// The generated classes compile: the Java beans with javac, the C# classes with Mono's mcs, and
// the VB6 and VB.NET classes pass the structure check (no compiler for them here). For every
// table of the sample data source, for a table whose column names are as awkward as names get,
// and through orvane-gen.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "ClassVbChecker.h"
#include "SampleSource.h"
#include "TableBuilder.h"
#include "TestSupport.h"
#include "data/ConnectionText.h"
#include "generator/Generator.h"
#include "model/ConnectionManager.h"
#include "model/ConnectionTexts.h"
#include "settings/Config.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

std::string FindTool(const std::string& name) {
    const std::string path = test::EnvOr("PATH", "/usr/bin:/bin");
    std::size_t from = 0;
    while (from <= path.size()) {
        std::size_t end = path.find(':', from);
        if (end == std::string::npos) end = path.size();
        const fs::path candidate = fs::path(path.substr(from, end - from)) / name;
        if (!candidate.empty() && access(candidate.c_str(), X_OK) == 0) return candidate.string();
        from = end + 1;
    }
    return {};
}

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct RunResult {
    int status = -1;
    std::string output;
};

// Runs a program with its arguments, standard output and error together. env: extra
// "NAME=value " assignments for this run only.
RunResult RunProgram(const std::vector<std::string>& args, const std::string& env = "") {
    std::string command = env;
    for (const std::string& arg : args) command += Quote(arg) + " ";
    command += "2>&1";
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
    result.status = pclose(pipe);
    return result;
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    ASSERT_TRUE(out.good()) << path;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class ClassCompile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = test::MakeTempDir("orvane-classes-");
        generator_.SetCurrentConfig(config_);
        ConnectionTexts::Compose({.dsn = "OrvaneSample",
                                  .uid = "me",
                                  .pwd = "secret",
                                  .database = "",
                                  .driver = "",
                                  .server = ""},
                                 *config_->ConnectionManager());
        generator_.Activate();
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // Writes the four classes of the table, named as Save All names them (or base).
    void Generate(const std::shared_ptr<ODBCTable>& table, const std::string& name = "") {
        generator_.SetTable(table);
        const std::string base = (fs::path(dir_) / (name.empty() ? table->Alias() : name)).string();
        WriteFile(base + ".java", generator_.GenJava());
        WriteFile(base + ".cs", generator_.GenCSharp());
        WriteFile(base + ".cls", generator_.GenVB());
        WriteFile(base + ".vb", generator_.GenVbNet());
    }

    // Compiles and checks every class written to folder.
    static void CompileAll(const fs::path& folder) {
        std::vector<std::string> java, csharp;
        const test::ClassVbChecker vb6(test::ClassVbChecker::Vb6Names());
        const test::ClassVbChecker vbnet(test::ClassVbChecker::VbNetNames());
        for (const auto& entry : fs::directory_iterator(folder)) {
            const fs::path& file = entry.path();
            const std::string extension = file.extension().string();
            if (extension == ".java") java.push_back(file.string());
            if (extension == ".cs") csharp.push_back(file.string());
            if (extension == ".cls" || extension == ".vb") {
                const auto problems = (extension == ".cls" ? vb6 : vbnet).Check(ReadFile(file));
                for (const std::string& problem : problems)
                    ADD_FAILURE() << file << ": " << problem;
            }
        }
        ASSERT_FALSE(java.empty());
        ASSERT_FALSE(csharp.empty());

        const std::string javac = FindTool("javac");
        if (javac.empty()) {
            ADD_FAILURE() << "javac is missing: run scripts/setup.sh (openjdk-17-jdk-headless)";
        } else {
            const fs::path classes = folder / "classes";
            fs::create_directories(classes);
            std::vector<std::string> args = {javac, "-encoding", "UTF-8", "-d", classes.string()};
            args.insert(args.end(), java.begin(), java.end());
            const RunResult result = RunProgram(args);
            EXPECT_EQ(result.status, 0) << result.output;
        }
        const std::string mcs = FindTool("mcs");
        if (mcs.empty()) {
            ADD_FAILURE() << "mcs is missing: run scripts/setup.sh (mono-mcs)";
        } else {
            std::vector<std::string> args = {mcs, "-target:library", "-r:System.Data",
                                             "-r:System.Xml",
                                             "-out:" + (folder / "classes.dll").string()};
            args.insert(args.end(), csharp.begin(), csharp.end());
            const RunResult result = RunProgram(args);
            EXPECT_EQ(result.status, 0) << result.output;
        }
    }

    std::shared_ptr<Config> config_ = std::make_shared<Config>();
    Generator generator_;
    std::string dir_;
};

TEST_F(ClassCompile, AwkwardColumnNames) {
    using namespace data;
    const std::vector<test::ColumnSpec> columns = {
        {.name = "ID", .type = adInteger, .key = true},
        {.name = "Order Date", .type = adDBTimeStamp, .key = true},
        {.name = "Order_Date", .type = adVarChar},  // equal to the one before after the rules
        {.name = "unit#price", .type = adDecimal},
        {.name = "unit price", .type = adNumeric},
        {.name = "price$", .type = adDouble},
        {.name = "2nd place", .type = adVarChar},
        {.name = "Größe", .type = adVarChar},
        {.name = "naïve €", .type = adVarChar},
        {.name = "Class", .type = adVarChar},
        {.name = "static", .type = adInteger},
        {.name = "End", .type = adDate},
        {.name = "ub", .type = adVarChar},
        {.name = "da", .type = adBigInt},
        {.name = "String", .type = adVarChar},
        {.name = "DataRow", .type = adVarChar},
        {.name = "Load", .type = adSmallInt},
        {.name = "Value", .type = adDBTime},
        {.name = "say \"hi\"", .type = adLongVarChar},
        {.name = "back\\slash", .type = adVarChar},
        {.name = "   ", .type = adVarChar},
        {.name = "Binary", .type = adBinary},
        // Placeholder look-alikes are names, not placeholders.
        {.name = "$CLASS_NAME$", .type = adVarChar},
        {.name = "$GET_XML$", .type = adInteger},
    };
    Generate(test::MakeTable("dbo.[Order Details #1]", "Order Details #1", columns, {}));
    // The same columns under a class name that is a type of the language, after the connection
    // dialog was cancelled (no data-access and no Java connection text).
    ConnectionTexts::Cancel(*config_->ConnectionManager());
    Generate(test::MakeTable("String", "String", columns, {}));
    CompileAll(dir_);
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

// Names, user and password that would run code when pasted into a literal or end a comment,
// a line or a literal: the classes compile, and loading them only reads back the texts.
TEST_F(ClassCompile, HostileNamesAndLoginCompileAndLoadWithoutSideEffects) {
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
    const std::vector<test::ColumnSpec> columns = {
        {.name = "a);DROP TABLE victim;--", .type = adInteger, .key = true},
        {.name = "b]);DROP TABLE victim;--", .type = adVarChar},
        {.name = "c\"\\*/ \u201D", .type = adVarChar},
        {.name = "d\nnew line", .type = adDate},
        {.name = "e\u2028f", .type = adDouble},
    };
    Generate(test::MakeTable("dbo.\"x\"\"; */ DROP TABLE victim; --\u2028\"", "a\"b\\c*/\u201D",
                             columns, {}),
             "hostile");
    CompileAll(dir_);

    const fs::path run = fs::path(dir_) / "run";
    fs::create_directories(run);
    const fs::path sources =
        fs::path(test::EnvOr("ORVANE_SOURCE_DIR", ".")) / "tests" / "generator";
    // Both loaders run in a folder of their own, where a payload would leave its trace.
    auto runThere = [&](const std::string& command) {
        return RunProgram({"sh", "-c", "cd " + Quote(run.string()) + " && " + command});
    };
    const std::string java = ReadFile(fs::path(dir_) / "hostile.java");
    const std::string classes = (fs::path(dir_) / "classes").string();
    RunResult built = RunProgram(
        {FindTool("javac"), "-cp", classes, "-d", classes, (sources / "Loader.java").string()});
    ASSERT_EQ(built.status, 0) << built.output;
    const RunResult javaRun =
        runThere("java -cp " + Quote(classes) + " Loader " + Quote(DeclaredClass(java, "class ")));
    EXPECT_EQ(javaRun.output,
              Hex("jdbc:odbc:OrvaneSample") + "\n" + Hex(user) + "\n" + Hex(password) + "\n");

    const std::string csharp = ReadFile(fs::path(dir_) / "hostile.cs");
    const std::string loader = (fs::path(dir_) / "loader.exe").string();
    built = RunProgram({FindTool("mcs"), "-out:" + loader, (sources / "Loader.cs").string()});
    ASSERT_EQ(built.status, 0) << built.output;
    const RunResult csharpRun =
        runThere("mono " + Quote(loader) + " " + Quote((fs::path(dir_) / "classes.dll").string()) +
                 " " + Quote(DeclaredClass(csharp, "public class ")));
    std::string text;
    for (std::size_t i = 0; i + 1 < csharpRun.output.size(); i += 2) {
        text += static_cast<char>(std::stoi(csharpRun.output.substr(i, 2), nullptr, 16));
    }
    std::vector<std::pair<std::string, std::string>> attributes;
    for (const ConnectionAttribute& a : ParseConnectionText(text))
        attributes.push_back({a.key, a.value});
    EXPECT_EQ(attributes, (std::vector<std::pair<std::string, std::string>>{
                              {"DSN", "OrvaneSample"}, {"user_id", user}, {"password", password}}))
        << csharpRun.output;
    // Neither payload ran.
    EXPECT_TRUE(fs::is_empty(run));
}

TEST_F(ClassCompile, EverySampleTable) {
    test::SampleSource source;
    int tables = 0;
    for (const DbCatalog::Folder& folder : source.Catalog().folders) {
        if (folder.name == "System Tables") continue;
        for (const DbCatalog::Table& table : folder.tables) {
            ASSERT_FALSE(table.columns.empty()) << table.fullName;
            auto loaded = source.Load(table.fullName, {}, 3, true, {table.columns.front()});
            loaded->SetAlias(loaded->Name());
            ASSERT_EQ(loaded->PKs().Count(), 1u) << table.fullName;
            Generate(loaded);
            ++tables;
        }
    }
    EXPECT_GE(tables, 7);
    CompileAll(dir_);
}

TEST_F(ClassCompile, ThroughOrvaneGen) {
    const fs::path tool = fs::path(test::EnvOr("ORVANE_BIN_DIR", "")) / "orvane-gen";
    ASSERT_TRUE(fs::exists(tool)) << tool << " is not built";
    const std::vector<std::pair<std::string, std::string>> tables = {
        {"Customers", "CustomerID"},
        {"[Order Details]", "OrderID,ProductID"},
        {"[Price$History]", "ProductID,ValidFrom"},
        {"EventLog", "EventID"},
    };
    for (const auto& [table, keys] : tables) {
        const RunResult result =
            RunProgram({tool.string(), "--dsn", "OrvaneSample", "--table", table, "--keys", keys,
                        "--screens", "vb,java,vbnet,csharp", "--out", dir_, "--quiet"},
                       // What orvane-gen leaves allocated is its own tests' business; here only
                       // the classes it writes matter.
                       "ASAN_OPTIONS=detect_leaks=0 ");
        ASSERT_EQ(result.status, 0) << table << ": " << result.output;
    }
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_)) ++files;
    EXPECT_EQ(files, 16);
    CompileAll(dir_);
}

}  // namespace
}  // namespace orvane
