#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/LibraryFolder.h"
#include "core/OrvaneError.h"
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

TEST_F(TemplateFiles, LargeTemplatesLoadWholeUpToTheCap) {
    Template loader;
    for (std::size_t size : {32767u, 32768u, 1u << 20}) {
        std::string text(size, 'x');
        text.replace(size - 5, 5, "$END$");
        const std::string file = "big" + std::to_string(size) + ".tpl";
        Write(file, text);
        EXPECT_EQ(loader.LoadTemplate(Name(file)), text) << size << " bytes";
    }
}

TEST_F(TemplateFiles, WhatIsNoTemplateStopsWithAMessageAndNeverBlocks) {
    const fs::path dir(dir_);
    Write("huge.tpl", std::string((1u << 20) + 1, 'x'));
    ASSERT_EQ(mkfifo((dir / "fifo.tpl").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir / "zero.tpl");
    fs::create_directory(dir / "folder.tpl");
    const struct {
        const char* file;
        const char* message;
    } cases[] = {
        {"huge.tpl", "is larger than 1 MB"},
        {"fifo.tpl", "is not a regular file"},
        {"zero.tpl", "is not a regular file"},
        {"folder.tpl", "is not a regular file"},
    };
    Template loader;
    for (const auto& c : cases) {
        try {
            loader.LoadTemplate(Name(c.file));
            ADD_FAILURE() << c.file << " was read";
        } catch (const OrvaneError& error) {
            const std::string text = error.what();
            EXPECT_NE(text.find(Template::TemplatePath(Name(c.file)) + " " + c.message),
                      std::string::npos)
                << text;
        }
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

TEST(ProcessTemplate, FillsEveryPlaceholderInOnePass) {
    struct Case {
        std::vector<TemplateParam> params;
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{{"A", "x"}, {"B", "y"}}, "$A$$B$$A$$C$", "xyx$C$"},
        // What an entry inserts is data, whatever it looks like.
        {{{"A", "[$B$]"}, {"B", "z"}}, "$A$", "[$B$]"},
        {{{"FIELD_NAME", "$CLASS_NAME$"}, {"CLASS_NAME", "Bean"}},
         "get$FIELD_NAME$ in $CLASS_NAME$",
         "get$CLASS_NAME$ in Bean"},
        {{{"A", "$A$"}}, "$A$", "$A$"},
        // The first empty entry ends the table; of two equal names the first counts.
        {{{"A", "1"}, {"", ""}, {"B", "2"}}, "$A$$B$", "1$B$"},
        {{{"A", "1"}, {"A", "2"}}, "$A$", "1"},
        {{{"TABLE_NAME", "t"}}, "$table_name$ $TABLE_NAME$", "$table_name$ t"},
        {{{"A", "x"}}, "costs $5, $A$", "costs $5, x"},
        {{{"A", "x"}}, "$", "$"},
        {{{"A", "x"}}, "$$A$$", "$x$"},
        {{{"A", "x"}}, "$A$A$", "xA$"},
        {{{"A", "x"}}, "$B$A$", "$Bx"},
        {{{"A", ""}}, "a$A$b$A$", "ab"},
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

TEST(ProcessTemplate, AFilledTemplateKeepsWhatItLeftOpenForTheNextOne) {
    Template loader;
    // A column's template names the class, which only the class template's entries know.
    TemplateParams() = {{"FIELD_NAME", "$CLASS_NAME$"}, {"EMPTY", ""}};
    const FilledText column = loader.Fill("get$FIELD_NAME$() of $CLASS_NAME$;");
    EXPECT_EQ(column.Text(), "get$CLASS_NAME$() of $CLASS_NAME$;");
    // A closing sign that opens a filled placeholder leaves nothing open behind it.
    const FilledText overlapped = loader.Fill("$X$EMPTY$");
    EXPECT_EQ(overlapped.Text(), "$X");

    TemplateParams() = {{"PROPERTIES", column + "\r\n" + column},
                        {"CLASS_NAME", "Bean"},
                        {"SELF", FilledText("<$SELF$>", {1})},
                        {"CUT", overlapped},
                        {"X", "wrong"}};
    EXPECT_EQ(loader.Fill("class $CLASS_NAME$ {$PROPERTIES$} $SELF$ $CUT$").Text(),
              "class Bean {get$CLASS_NAME$() of Bean;\r\nget$CLASS_NAME$() of Bean;} <$SELF$> $X");

    // Still open after a template that does not fill it, and filled by the one after that.
    TemplateParams() = {{"PROPERTIES", column}};
    const FilledText outer = loader.Fill("[$PROPERTIES$]");
    TemplateParams() = {{"ALL", outer}, {"CLASS_NAME", "C"}};
    EXPECT_EQ(loader.Fill("$ALL$").Text(), "[get$CLASS_NAME$() of C;]");
}

TEST(ProcessTemplate, OutputPastTheCapStopsWithAMessage) {
    Template small(1000);
    TemplateParams() = {{"A", std::string(100, 'a')}};
    std::string tenTimes;
    for (int i = 0; i < 10; ++i) tenTimes += "$A$";
    EXPECT_EQ(small.Fill(tenTimes).Text().size(), 1000u);
    try {
        small.Fill(tenTimes + "$A$", "\\templates\\x.tpl");
        ADD_FAILURE() << "no error past the cap";
    } catch (const OrvaneError& error) {
        EXPECT_NE(
            std::string(error.what()).find("Filling the template \\templates\\x.tpl gives more"),
            std::string::npos)
            << error.what();
    }
}

TEST(TemplateParams, ResetEmptiesAndExtendKeeps) {
    ResetTemplateParams(2);
    SetTemplateParam(0, "A", "1");
    ExtendTemplateParams(4);
    ASSERT_EQ(TemplateParams().size(), 4u);
    EXPECT_EQ(TemplateParams()[0].Value.Text(), "1");
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
