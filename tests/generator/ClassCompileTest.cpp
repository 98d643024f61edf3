// The generated classes compile (the Java beans with javac, the C# classes with Mono's mcs, the
// VB6 and VB.NET classes pass the structure check) for names and a login as hostile as they
// get, and loading them runs nothing. Every table of the test databases, awkward names among
// them, is compiled by OutputsWorkTest.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Programs.h"
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
using test::CompileAll;
using test::FindTool;
using test::Quote;
using test::ReadFile;
using test::RunProgram;
using test::RunResult;
using test::WriteFile;

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

    std::shared_ptr<Config> config_ = std::make_shared<Config>();
    Generator generator_;
    std::string dir_;
};

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

}  // namespace
}  // namespace orvane
