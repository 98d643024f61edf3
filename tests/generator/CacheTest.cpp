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
    void SetUp() override { setenv("TMPDIR", dir_.c_str(), 1); }
    void TearDown() override {
        unsetenv("TMPDIR");
        fs::remove_all(dir_);
    }
    std::size_t Files() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }
    const std::string dir_ = test::MakeTempDir("orvcache");
};

TEST_F(CacheFiles, TempFilesAreNewEmptyFilesInTheTempFolder) {
    const std::string a = Cache::GetTempFileName();
    EXPECT_NE(a, Cache::GetTempFileName());
    EXPECT_EQ(fs::path(a).parent_path(), fs::path(dir_));
    EXPECT_EQ(fs::file_size(a), 0u);
    setenv("TMPDIR", (dir_ + "/").c_str(), 1);
    EXPECT_EQ(Cache::GetTempPath(), dir_ + "/");
    unsetenv("TMPDIR");
    EXPECT_EQ(Cache::GetTempPath(), "/tmp/");
}

// Each case runs in memory and through the file (a bound of 0 moves every record there); the
// head is the routine's own text and passes unfiltered.
TEST_F(CacheFiles, TextComesBackWithControlCharactersAndBrokenUtf8Replaced) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, ""},
        {{"caf\xC3\xA9", "\n", "\f"}, "caf\xC3\xA9\n?\r\n"},
        {{"a\tb\r\nc", "two"}, "a\tb\r\nctwo\r\n"},
        {{std::string("nul\0end", 7), "\x01\x1F\x7F"}, "nul?end???\r\n"},
        {{"\xE6\x9D\xB1 \xF0\x9F\x98\x80"}, "\xE6\x9D\xB1 \xF0\x9F\x98\x80\r\n"},
        // Runs of eight bytes, read at once, with the first and last characters that pass.
        {{"~ ~ ~ ~ abcdefg\x7Fhijklmn\x1Fop\xC3\xA9qrstuvwx"},
         "~ ~ ~ ~ abcdefg?hijklmn?op\xC3\xA9qrstuvwx\r\n"},
        // C1 controls, noncharacters and bytes that are not UTF-8.
        {{"\xC2\x85", "\xEF\xBF\xBF", "\xC3(", "\xC0\xAF", "\xED\xA0\x80", "end\xE6\x9D"},
         "???"
         "(?????end??\r\n"},
    };
    for (const std::size_t bound : {Cache::kMemoryLimit, std::size_t{0}}) {
        for (const auto& [records, expected] : cases) {
            Cache cache("head\f\xC3\xA9|", bound);
            for (const std::string& record : records) cache.WriteTofile(record);
            EXPECT_EQ(cache.GetFile(), "head\f\xC3\xA9|" + expected) << expected << " " << bound;
        }
    }
    EXPECT_EQ(Files(), 0u);
}

TEST_F(CacheFiles, RowsMoveToAFileOnlyPastTheBoundWhichLivesUntilReleasedAlsoWhenTheRunFails) {
    {
        Cache cache("h:", 4);
        cache.WriteTofile("abc");
        EXPECT_EQ(Files(), 0u);
        cache.WriteTofile("de");
        EXPECT_EQ(Files(), 1u);
        cache.WriteTofile("f");
        EXPECT_EQ(cache.GetFile(), "h:abcdef\r\n");
        EXPECT_EQ(Files(), 1u);
    }
    EXPECT_EQ(Files(), 0u);
    EXPECT_THROW(
        {
            Cache cache("", 0);
            cache.WriteTofile("half a run");
            throw std::runtime_error("routine failed");
        },
        std::runtime_error);
    EXPECT_EQ(Files(), 0u);
    setenv("TMPDIR", (dir_ + "/missing").c_str(), 1);
    Cache inMemory;
    inMemory.WriteTofile("x");
    EXPECT_EQ(inMemory.GetFile(), "x\r\n");
    Cache cache("", 0);
    EXPECT_THROW(cache.WriteTofile("x"), OrvaneError);
}

}  // namespace
}  // namespace orvane
