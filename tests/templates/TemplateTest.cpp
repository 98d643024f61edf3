#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "Programs.h"
#include "TestSupport.h"
#include "core/LibraryFolder.h"
#include "core/OrvaneError.h"
#include "templates/Template.h"
#include "templates/Templates.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

// The message a call stops with, or "no error".
std::string ErrorOf(const std::function<void()>& run) {
    try {
        run();
    } catch (const OrvaneError& error) {
        return error.what();
    }
    return "no error";
}

// A folder of its own below the library's templates folder, removed afterwards, so template
// names resolve exactly as the generators' names do.
class TemplateFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(fs::path(LibraryFolder()) / "templates");
        std::string pattern = LibraryFolder() + "/templates/unitXXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    // The template name ("\templates\<folder>\file") of a file in the folder.
    std::string Name(const std::string& file) const {
        return "\\templates\\" + fs::path(dir_).filename().string() + "\\" + file;
    }
    void Write(const std::string& file, const std::string& text) const {
        std::ofstream(fs::path(dir_) / file, std::ios::binary) << text;
    }

    std::string dir_;
};

TEST_F(TemplateFiles, AreReadOnceUntilClearedUnlessMissingOrEmpty) {
    Template loader;
    Write("a.tpl", "first $TABLE_NAME$\r\nline\ttwo");
    EXPECT_EQ(loader.LoadTemplate(Name("late.tpl")) + loader.LoadTemplate(Name("empty.tpl")), "");
    Write("late.tpl", "now here");
    Write("empty.tpl", "");
    EXPECT_EQ(loader.LoadTemplate(Name("late.tpl")) + loader.LoadTemplate(Name("empty.tpl")),
              "now here");
    Write("empty.tpl", "filled");
    EXPECT_EQ(loader.LoadTemplate(Name("empty.tpl")), "filled");
    // What is filled is a copy; the cache, whose key ignores letter case, keeps the file's text.
    TemplateParams() = {{"TABLE_NAME", "Orders"}};
    std::string copy = loader.LoadTemplate(Name("a.tpl"));
    EXPECT_EQ(loader.ProcessTemplate(copy), "first Orders\r\nline\ttwo");
    Write("a.tpl", "second");
    EXPECT_EQ(loader.LoadTemplate(Name("A.TPL")), "first $TABLE_NAME$\r\nline\ttwo");
    loader.ClearTemplates();
    EXPECT_EQ(loader.LoadTemplate(Name("a.tpl")), "second");
}

TEST_F(TemplateFiles, LargeOnesLoadWholeAndWhatIsNoTemplateStopsWithAMessage) {
    Template loader;
    for (std::size_t size : {32767u, 32768u, 1u << 20}) {
        const std::string text = std::string(size - 5, 'x') + "$END$";
        Write("big.tpl", text);
        loader.ClearTemplates();
        EXPECT_EQ(loader.LoadTemplate(Name("big.tpl")), text) << size << " bytes";
    }
    Write("huge.tpl", std::string((1u << 20) + 1, 'x'));
    ASSERT_EQ(mkfifo((dir_ + "/fifo.tpl").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir_ + "/zero.tpl");
    fs::create_directory(dir_ + "/folder.tpl");
    for (const auto& [file, message] : std::vector<std::pair<std::string, std::string>>{
             {"huge.tpl", "is larger than 1 MB"},
             {"fifo.tpl", "is not a regular file"},
             {"zero.tpl", "is not a regular file"},
             {"folder.tpl", "is not a regular file"}}) {
        const std::string error = ErrorOf([&] { loader.LoadTemplate(Name(file)); });
        EXPECT_NE(error.find(dir_ + "/" + file + " " + message), std::string::npos) << error;
    }
}

TEST(ProcessTemplate, FillsEveryPlaceholderInOnePass) {
    const struct {
        std::vector<TemplateParam> params;
        std::string text;
        std::string expected;
    } cases[] = {
        {{{"A", "x"}, {"B", "y"}}, "$A$$B$$A$$C$", "xyx$C$"},
        // What an entry inserts is data, whatever it looks like.
        {{{"A", "[$B$]"}, {"B", "z"}}, "$A$", "[$B$]"},
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
    for (const auto& c : cases) {
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
    const std::string error = ErrorOf([&] { small.Fill(tenTimes + "$A$", "\\templates\\x.tpl"); });
    EXPECT_NE(error.find("Filling the template \\templates\\x.tpl gives more"), std::string::npos)
        << error;
}

TEST(TemplateParams, ResetEmptiesExtendKeepsAndCreatedByNamesTheLoginUser) {
    ResetTemplateParams(2);
    SetTemplateParam(0, "A", "1");
    ExtendTemplateParams(4);
    ExtendTemplateParams(1);
    ASSERT_EQ(TemplateParams().size(), 4u);
    EXPECT_EQ(TemplateParams()[0].Value.Text() + TemplateParams()[3].Name, "1");
    ResetTemplateParams(3);
    EXPECT_TRUE(TemplateParams()[0].Name.empty());
    const passwd* entry = getpwuid(geteuid());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(CreatedByText(), std::string("Created by ") + entry->pw_name);
}

// Generated texts end their lines with CR LF; a template with bare LFs would give mixed line
// ends (and line comments the highlighter cannot end).
TEST(ShippedTemplates, EveryTemplateEndsItsLinesWithCrLf) {
    int templates = 0;
    for (const auto& entry : fs::recursive_directory_iterator(
             fs::path(test::EnvOr("ORVANE_SOURCE_DIR", ".")) / "templates")) {
        if (entry.path().extension() != ".tpl") continue;
        ++templates;
        const std::string text = test::ReadFile(entry.path());
        for (std::size_t at = text.find('\n'); at != std::string::npos;
             at = text.find('\n', at + 1)) {
            ASSERT_TRUE(at > 0 && text[at - 1] == '\r') << entry.path() << ": bare LF at " << at;
        }
    }
    EXPECT_EQ(templates, 18);
}

}  // namespace
}  // namespace orvane
