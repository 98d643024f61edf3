#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "TempSettingsFolder.h"
#include "settings/Config.h"
#include "settings/RegAccess.h"
#include "settings/RegistryFile.h"

namespace orvane {
namespace {

using test::TempSettingsFolder;
using namespace std::string_literals;

constexpr std::int32_t kMachine = RegAccess::HKEY_LOCAL_MACHINE;

// Runs body in a child process that leaves without running the parent's exit handlers.
template <class Body>
pid_t Spawn(Body body) {
    const pid_t child = fork();
    if (child == 0) {
        body();
        _exit(0);
    }
    return child;
}

int WaitFor(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

TEST(SettingsFileSafety, ASaveKilledAnywhereLeavesTheOldOrTheNewSettings) {
    TempSettingsFolder folder;
    Config("").Save();
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> delayMicros(0, 40000);
    for (int round = 1; round <= 200; ++round) {
        // The child saves again and again, every screen's suffix the number of the save.
        const pid_t child = Spawn([round] {
            Config config("");
            for (long save = round * 1000000L;; ++save) {
                for (auto& [key, record] : config.Screens()) record->Suffix = std::to_string(save);
                config.Save();
            }
        });
        ASSERT_GT(child, 0);
        usleep(static_cast<useconds_t>(delayMicros(random)));
        kill(child, SIGKILL);
        WaitFor(child);

        ASSERT_FALSE(
            RegistryFile::Parse(folder.ReadFile("machine.reg"), "HKEY_LOCAL_MACHINE").Damaged())
            << "round " << round;
        const Config loaded("");
        for (std::int32_t screen = 1; screen < 9; ++screen) {
            ASSERT_EQ(loaded.Suffix(screen), loaded.Suffix(0)) << "round " << round;
        }
    }
    // The next write clears the temporary file a killed writer may have left.
    RegAccess().WriteLocalMachine("Other", "Last", ValString, std::string("done"));
    EXPECT_TRUE(folder.FilesStartingWith("machine.reg.tmp").empty());
    EXPECT_TRUE(folder.FilesStartingWith("machine.reg.damaged").empty());
}

TEST(SettingsFileSafety, TwoWritersAtOnceLoseNothing) {
    TempSettingsFolder folder;
    constexpr int kEach = 40;
    int startPipe[2];
    ASSERT_EQ(pipe(startPipe), 0);
    std::vector<pid_t> children;
    for (const char* prefix : {"A", "B"}) {
        children.push_back(Spawn([&, prefix] {
            char go;
            close(startPipe[1]);
            if (read(startPipe[0], &go, 1) < 0) _exit(2);
            RegAccess writer;
            for (int i = 0; i < kEach; ++i) {
                const std::string name = prefix + std::to_string(i);
                writer.WriteLocalMachine("Shared", name, ValString, "value of " + name);
            }
        }));
    }
    close(startPipe[0]);
    close(startPipe[1]);  // both children start together
    for (pid_t child : children) {
        const int status = WaitFor(child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    RegAccess reg;
    int count = 0;
    while (reg.ReadRegistryGetAll(kMachine, "Shared", count).data != kNotFound) ++count;
    EXPECT_EQ(count, 2 * kEach);
    for (const char* prefix : {"A", "B"}) {
        for (int i = 0; i < kEach; ++i) {
            const std::string name = prefix + std::to_string(i);
            ASSERT_EQ(reg.ReadLocalMachine("Shared", name), "value of " + name);
        }
    }
}

TEST(SettingsFileSafety, DamagedFilesAreReadAsFarAsPossibleAndKeptAside) {
    const std::string header = "Windows Registry Editor Version 5.00\n\n";
    const std::string good = "[HKEY_LOCAL_MACHINE\\S]\n\"Good\"=\"kept\"\n";
    const struct {
        const char* what;
        std::string bytes;
        bool goodReadable;
    } cases[] = {
        {"truncated", header + good + "\"Name\"=\"Cour", true},
        {"binary garbage",
         "\x7f"
         "ELF\0\0\x01\x02\xff\xfe\n[\x80]\n"s +
             good,
         true},
        {"huge line", header + std::string(4'000'000, '#') + "\n" + good, true},
        {"invalid UTF-8", header + good + "\"Name\"=\"\xc3\x28\"\n", true},
        {"only garbage", "\x01\x02\x03\xff\xfe\0\0"s, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempSettingsFolder folder;
        folder.WriteFile("machine.reg", c.bytes);
        RegAccess reg;
        EXPECT_EQ(reg.ReadLocalMachine("S", "Good", "none"), c.goodReadable ? "kept" : "none");
        EXPECT_EQ(reg.ReadRegistry(kMachine, "S", "Name"), kNotFound);
        EXPECT_EQ(reg.ReadRegistryGetAll(kMachine, "S", 1).data, kNotFound);

        reg.WriteLocalMachine("S", "New", ValString, std::string("n"));
        const std::vector<std::string> aside = folder.FilesStartingWith("machine.reg.damaged-");
        ASSERT_EQ(aside.size(), 1u);
        EXPECT_EQ(folder.ReadFile(aside[0]), c.bytes);
        EXPECT_EQ(reg.ReadLocalMachine("S", "New"), "n");
        EXPECT_EQ(reg.ReadLocalMachine("S", "Good", "none"), c.goodReadable ? "kept" : "none");
        // The new file is clean, so later writes keep nothing more aside.
        reg.WriteLocalMachine("S", "Newer", ValString, std::string("n"));
        EXPECT_EQ(folder.FilesStartingWith("machine.reg.damaged-").size(), 1u);
        EXPECT_FALSE(
            RegistryFile::Parse(folder.ReadFile("machine.reg"), "HKEY_LOCAL_MACHINE").Damaged());
    }
}

TEST(SettingsFileSafety, EveryDamagedVersionGetsItsOwnName) {
    TempSettingsFolder folder;
    RegAccess reg;
    for (int i = 0; i < 3; ++i) {
        folder.WriteFile("machine.reg", "damaged " + std::to_string(i));
        reg.WriteLocalMachine("S", "V", ValString, std::string("v"));
    }
    const std::vector<std::string> aside = folder.FilesStartingWith("machine.reg.damaged-");
    ASSERT_EQ(aside.size(), 3u);
    std::vector<std::string> contents;
    for (const auto& name : aside) contents.push_back(folder.ReadFile(name));
    std::sort(contents.begin(), contents.end());
    EXPECT_EQ(contents, (std::vector<std::string>{"damaged 0", "damaged 1", "damaged 2"}));
}

TEST(SettingsFileSafety, AnUnreadableStoreIsMovedAsideBeforeItIsReplaced) {
    TempSettingsFolder folder;
    std::filesystem::create_directory(folder.Path("machine.reg"));
    folder.WriteFile("machine.reg/inside", "user data");
    RegAccess reg;
    EXPECT_EQ(reg.ReadLocalMachine("S", "V", "none"), "none");
    EXPECT_EQ(reg.ReadRegistryGetSubkey(kMachine, "", 0), kNotFound);
    reg.WriteLocalMachine("S", "V", ValString, std::string("v"));
    EXPECT_EQ(reg.ReadLocalMachine("S", "V"), "v");
    const std::vector<std::string> aside = folder.FilesStartingWith("machine.reg.damaged-");
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(folder.ReadFile(aside[0] + "/inside"), "user data");
}

TEST(SettingsFileSafety, WritesMakeAMissingSettingsFolder) {
    TempSettingsFolder folder;
    const std::string nested = folder.Path("not/yet/there");
    setenv("ORVANE_CONFIG_DIR", nested.c_str(), 1);
    RegAccess reg;
    EXPECT_EQ(reg.ReadLocalMachine("S", "V", "none"), "none");
    EXPECT_FALSE(std::filesystem::exists(nested));
    reg.WriteLocalMachine("S", "V", ValString, std::string("v"));
    EXPECT_EQ(reg.ReadLocalMachine("S", "V"), "v");
    EXPECT_TRUE(std::filesystem::is_regular_file(nested + "/machine.reg"));
}

TEST(SettingsFileSafety, AFolderThatCannotBeMadeLosesTheWriteQuietly) {
    TempSettingsFolder folder;
    folder.WriteFile("plainfile", "x");
    const std::string impossible = folder.Path("plainfile/settings");
    setenv("ORVANE_CONFIG_DIR", impossible.c_str(), 1);
    RegAccess reg;
    reg.WriteLocalMachine("S", "V", ValString, std::string("v"));
    EXPECT_EQ(reg.ReadLocalMachine("S", "V", "none"), "none");
    EXPECT_EQ(reg.DeleteValue(kMachine, "S", "V"), "");
}

}  // namespace
}  // namespace orvane
