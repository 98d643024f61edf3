#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/OrvaneError.h"
#include "generator/Cache.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

// Points TMPDIR at a fresh folder for one test, so the cache's files can be seen and counted.
class CacheFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* old = std::getenv("TMPDIR");
        hadTmp_ = old != nullptr;
        if (hadTmp_) oldTmp_ = old;
        dir_ = test::MakeTempDir("orvcache");
        setenv("TMPDIR", dir_.c_str(), 1);
    }
    void TearDown() override {
        if (hadTmp_) {
            setenv("TMPDIR", oldTmp_.c_str(), 1);
        } else {
            unsetenv("TMPDIR");
        }
        fs::remove_all(dir_);
    }
    std::size_t FilesInTmp() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }

    std::string dir_;
    std::string oldTmp_;
    bool hadTmp_ = false;
};

TEST_F(CacheFiles, TempPathEndsWithSlash) {
    EXPECT_EQ(Cache::GetTempPath(), dir_ + "/");
    setenv("TMPDIR", (dir_ + "/").c_str(), 1);
    EXPECT_EQ(Cache::GetTempPath(), dir_ + "/");
    unsetenv("TMPDIR");
    EXPECT_EQ(Cache::GetTempPath(), "/tmp/");
}

TEST_F(CacheFiles, TempFileNamesAreNewEmptyFiles) {
    const std::string a = Cache::GetTempFileName();
    const std::string b = Cache::GetTempFileName();
    EXPECT_NE(a, b);
    EXPECT_EQ(fs::path(a).parent_path(), fs::path(dir_));
    EXPECT_EQ(fs::file_size(a), 0u);
    fs::remove(a);
    fs::remove(b);
}

TEST_F(CacheFiles, NeverWrittenGivesEmptyTextAndNoFile) {
    {
        Cache cache;
        EXPECT_EQ(cache.GetFile(), "");
        EXPECT_EQ(FilesInTmp(), 0u);
    }
    EXPECT_EQ(FilesInTmp(), 0u);
}

TEST_F(CacheFiles, RoundTripsFilterControlCharactersAndKeepUtf8) {
    struct Case {
        std::vector<std::string> records;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{"caf\xC3\xA9", "\n", "\f"}, "caf\xC3\xA9\n?"},
        {{"a\tb\r\nc"}, "a\tb\r\nc"},
        {{"one", "two"}, "onetwo"},
        {{std::string("nul\0end", 7)}, "nul?end"},
        {{"\x01\x1F\x7F"}, "???"},
        {{"\xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x98\x80"},
         "\xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x98\x80"},
        // C1 controls, noncharacters and bytes that are not UTF-8 become "?".
        {{"\xC2\x85"}, "?"},
        {{"\xEF\xBF\xBF"}, "?"},
        {{"\xC3("}, "?("},
        {{"\xC0\xAF"}, "??"},
        {{"\xED\xA0\x80"}, "???"},
        {{"end\xE6\x9D"}, "end??"},
    };
    for (const Case& c : cases) {
        Cache cache;
        for (const std::string& record : c.records) cache.WriteTofile(record);
        EXPECT_EQ(cache.GetFile(), c.expected + "\r\n") << c.expected;
    }
}

TEST_F(CacheFiles, FileLivesUntilReleased) {
    {
        Cache cache;
        cache.WriteTofile("row");
        EXPECT_EQ(FilesInTmp(), 1u);
        EXPECT_EQ(cache.GetFile(), "row\r\n");
        EXPECT_EQ(FilesInTmp(), 1u);
    }
    EXPECT_EQ(FilesInTmp(), 0u);
}

TEST_F(CacheFiles, FileIsDeletedWhenTheRoutineFails) {
    EXPECT_THROW(
        {
            Cache cache;
            cache.WriteTofile("half a run");
            throw std::runtime_error("routine failed");
        },
        std::runtime_error);
    EXPECT_EQ(FilesInTmp(), 0u);
}

TEST_F(CacheFiles, AppendKeepsWhatIsAlreadyThere) {
    Cache cache;
    cache.WriteTofile("rows");
    std::string text = "head\n";
    cache.AppendFileTo(text);
    EXPECT_EQ(text, "head\nrows\r\n");
}

TEST_F(CacheFiles, UnwritableTempFolderFailsTheFirstWrite) {
    setenv("TMPDIR", (dir_ + "/missing").c_str(), 1);
    Cache cache;
    EXPECT_THROW(cache.WriteTofile("x"), OrvaneError);
}

TEST_F(CacheFiles, LargeRunsComeBackWhole) {
    Cache cache;
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        const std::string row = "row " + std::to_string(i) + " \xC3\xA9\r\n";
        cache.WriteTofile(row);
        expected += row;
    }
    EXPECT_EQ(cache.GetFile(), expected + "\r\n");
}

}  // namespace
}  // namespace orvane
