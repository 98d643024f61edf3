#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "model/LibraryFolder.h"
#include "templates/Template.h"
#include "templates/Templates.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

std::string MakeDirIn(const std::string& parent) {
    std::string pattern = parent + "/unitXXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) throw std::runtime_error("mkdtemp " + pattern);
    return buffer.data();
}

// A folder of its own below the library's templates folder, removed afterwards, so template
// names resolve exactly as the generators' names do.
class TemplateFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        const fs::path root = fs::path(LibraryFolder()) / "templates";
        fs::create_directories(root);
        dir_ = MakeDirIn(root.string());
        name_ = fs::path(dir_).filename().string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    // The template name ("\templates\<folder>\file") of a file in the folder.
    std::string Name(const std::string& file) const {
        return "\\templates\\" + name_ + "\\" + file;
    }
    void Write(const std::string& file, const std::string& text) const {
        std::ofstream(fs::path(dir_) / file, std::ios::binary) << text;
    }

    std::string dir_;
    std::string name_;
};

TEST_F(TemplateFiles, NameResolvesBelowTheLibraryFolder) {
    EXPECT_EQ(Template::TemplatePath("\\templates\\xsd\\schema.tpl"),
              LibraryFolder() + "/templates/xsd/schema.tpl");
    const std::string libDir = test::EnvOr("ORVANE_LIB_DIR", "");
    if (!libDir.empty()) {
        EXPECT_TRUE(fs::equivalent(LibraryFolder(), libDir));
    }
}

TEST_F(TemplateFiles, ReadsOnceUntilCleared) {
    Template loader;
    Write("a.tpl", "first $X$\r\nline\ttwo");
    EXPECT_EQ(loader.LoadTemplate(Name("a.tpl")), "first $X$\r\nline\ttwo");
    Write("a.tpl", "second");
    EXPECT_EQ(loader.LoadTemplate(Name("a.tpl")), "first $X$\r\nline\ttwo");
    // The cache key ignores letter case.
    EXPECT_EQ(loader.LoadTemplate("\\TEMPLATES\\" + name_ + "\\A.TPL"), "first $X$\r\nline\ttwo");
    loader.ClearTemplates();
    EXPECT_EQ(loader.LoadTemplate(Name("a.tpl")), "second");
}

TEST_F(TemplateFiles, MissingFileIsEmptyAndFoundOnceCreated) {
    Template loader;
    EXPECT_EQ(loader.LoadTemplate(Name("late.tpl")), "");
    Write("late.tpl", "now here");
    EXPECT_EQ(loader.LoadTemplate(Name("late.tpl")), "now here");
}

TEST_F(TemplateFiles, EmptyFileIsReadAgainEveryTime) {
    Template loader;
    Write("empty.tpl", "");
    EXPECT_EQ(loader.LoadTemplate(Name("empty.tpl")), "");
    Write("empty.tpl", "filled");
    EXPECT_EQ(loader.LoadTemplate(Name("empty.tpl")), "filled");
}

TEST_F(TemplateFiles, LargeTemplatesLoadWhole) {
    Template loader;
    for (std::size_t size : {32767u, 32768u, 40u * 1024u}) {
        std::string text(size, 'x');
        text.replace(size - 5, 5, "$END$");
        const std::string file = "big" + std::to_string(size) + ".tpl";
        Write(file, text);
        EXPECT_EQ(loader.LoadTemplate(Name(file)), text) << size << " bytes";
    }
}

TEST_F(TemplateFiles, CacheKeepsTheUnfilledText) {
    Template loader;
    Write("t.tpl", "<$TABLE_NAME$>");
    ResetTemplateParams(2);
    SetTemplateParam(0, "TABLE_NAME", "Orders");
    std::string copy = loader.LoadTemplate(Name("t.tpl"));
    EXPECT_EQ(loader.ProcessTemplate(copy), "<Orders>");
    EXPECT_EQ(copy, "<Orders>");
    EXPECT_EQ(loader.LoadTemplate(Name("t.tpl")), "<$TABLE_NAME$>");
}

TEST(ProcessTemplate, FillsInTableOrder) {
    struct Case {
        std::vector<TemplateParam> params;
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{{"A", "x"}, {"B", "y"}}, "$A$$B$$A$$C$", "xyx$C$"},
        // A later entry searches what an earlier one inserted, not the other way round.
        {{{"A", "[$B$]"}, {"B", "z"}}, "$A$", "[z]"},
        {{{"B", "z"}, {"A", "[$B$]"}}, "$A$", "[$B$]"},
        // The first empty entry ends the table.
        {{{"A", "1"}, {"", ""}, {"B", "2"}}, "$A$$B$", "1$B$"},
        {{{"TABLE_NAME", "t"}}, "$table_name$ $TABLE_NAME$", "$table_name$ t"},
        {{{"A", "x"}}, "costs $5, $A$", "costs $5, x"},
        {{{"A", "x"}}, "$", "$"},
        {{{"A", "x"}}, "$$A$$", "$x$"},
        {{{"A", "x"}}, "$A$A$", "xA$"},
        {{{"A", ""}}, "a$A$b$A$", "ab"},
        {{{"A", "$A$"}}, "$A$", "$A$"},
        {{}, "$A$", "$A$"},
    };
    Template loader;
    for (const Case& c : cases) {
        TemplateParams() = c.params;
        std::string text = c.text;
        EXPECT_EQ(loader.ProcessTemplate(text), c.expected) << c.text;
        EXPECT_EQ(text, c.expected) << c.text;
    }
}

TEST(TemplateParams, ResetEmptiesAndExtendKeeps) {
    ResetTemplateParams(2);
    SetTemplateParam(0, "A", "1");
    ExtendTemplateParams(4);
    ASSERT_EQ(TemplateParams().size(), 4u);
    EXPECT_EQ(TemplateParams()[0].Value, "1");
    EXPECT_TRUE(TemplateParams()[3].Name.empty());
    ExtendTemplateParams(1);
    EXPECT_EQ(TemplateParams().size(), 4u);
    ResetTemplateParams(3);
    EXPECT_TRUE(TemplateParams()[0].Name.empty());
}

TEST(Templates, CreatedByNamesTheLoginUser) {
    const passwd* entry = getpwuid(geteuid());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(GetLoginName(), entry->pw_name);
    EXPECT_EQ(CreatedByText(), std::string("Created by ") + entry->pw_name);
}

}  // namespace
}  // namespace orvane
