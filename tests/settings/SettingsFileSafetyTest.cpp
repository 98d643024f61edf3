#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "TempSettingsFolder.h"
#include "core/Host.h"
#include "settings/Config.h"
#include "settings/RegAccess.h"
#include "settings/RegistryFile.h"
#include "settings/SettingsFile.h"

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
    Config first("");
    for (auto& [key, record] : first.Screens()) record->Suffix = "0";
    first.Save();
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

std::string Utf16Le(std::string_view ascii) {
    std::string bytes = "\xFF\xFE";
    for (char c : ascii) bytes += {c, '\0'};
    return bytes;
}

TEST(SettingsFileSafety, TwoWritersEachKeepTheOtherOnesChange) {
    TempSettingsFolder folder;
    // Two options dialogs, or two programs: each saves only what it changed.
    Config java("");
    Config xml("");
    java.Screens().Item(std::to_string(JAVA_CODE))->Suffix = "Bean";
    xml.Screens().Item(std::to_string(XML_CODE))->Suffix = "Rows";
    java.Save();
    xml.Save();
    const pid_t child = Spawn([] {
        Config sql("");
        sql.Screens().Item(std::to_string(SQL_CODE))->IsUppercase = 1;
        sql.Save();
    });
    EXPECT_EQ(WaitFor(child), 0);
    java.Save();
    const Config after("");
    EXPECT_EQ(after.Suffix(JAVA_CODE), "Bean");
    EXPECT_EQ(after.Suffix(XML_CODE), "Rows");
    EXPECT_EQ(after.IsUppercase(SQL_CODE), 1);
}

TEST(SettingsFileSafety, ASymlinkedFileKeepsItsLink) {
    namespace fs = std::filesystem;
    TempSettingsFolder folder;
    fs::create_directory(folder.Path("dotfiles"));
    folder.WriteFile(
        "dotfiles/orvane.reg",
        "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\S]\n\"Old\"=\"o\"\n");
    fs::create_symlink("dotfiles/orvane.reg", folder.Path("machine.reg"));
    RegAccess reg;
    reg.WriteLocalMachine("S", "New", ValString, std::string("n"));
    ASSERT_TRUE(fs::is_symlink(folder.Path("machine.reg")));
    EXPECT_EQ(fs::read_symlink(folder.Path("machine.reg")), "dotfiles/orvane.reg");
    EXPECT_NE(folder.ReadFile("dotfiles/orvane.reg").find("\"New\"=\"n\""), std::string::npos);
    EXPECT_EQ(reg.ReadLocalMachine("S", "Old"), "o");
    EXPECT_EQ(reg.ReadLocalMachine("S", "New"), "n");
    EXPECT_EQ(folder.FilesStartingWith("machine.reg").size(), 2u);  // the link and its lock
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path("dotfiles")), {}), 1);

    // A link to what is no settings file is left as it is, and so is what it points to.
    fs::remove(folder.Path("machine.reg"));
    ASSERT_EQ(mkfifo(folder.Path("dotfiles/pipe").c_str(), 0600), 0);
    fs::create_symlink(folder.Path("dotfiles/pipe"), folder.Path("machine.reg"));
    reg.WriteLocalMachine("S", "New", ValString, std::string("again"));
    EXPECT_TRUE(fs::is_symlink(folder.Path("machine.reg")));
    EXPECT_TRUE(fs::is_fifo(folder.Path("dotfiles/pipe")));
}

TEST(SettingsFileSafety, HostileFilesAreReadAsFarAsPossibleReportedAndKeptAsideOnce) {
    const std::string header = "Windows Registry Editor Version 5.00\n\n";
    const std::string good = "[HKEY_LOCAL_MACHINE\\S]\n\"Good\"=\"kept\"\n";
    // As deep as a key may be, and far deeper.
    std::string deepest;
    for (std::size_t level = 0; level < RegistryFile::kMaxDepth; ++level) deepest += "\\a";
    std::string deeper;
    for (int level = 0; level < 100'000; ++level) deeper += "\\a";
    enum Kind { kBytes, kFifo, kPastTheCap };
    const struct {
        const char* what;
        Kind kind;
        std::string bytes;
        bool damaged;
        bool goodReadable;
        bool deepValue = false;
    } cases[] = {
        {"truncated", kBytes, header + good + "\"Name\"=\"Cour", true, true},
        {"binary garbage", kBytes,
         "\x7f"
         "ELF\0\0\x01\x02\xff\xfe\n[\x80]\n"s +
             good,
         true, true},
        {"huge line", kBytes, header + std::string(4'000'000, '#') + "\n" + good, true, true},
        {"invalid UTF-8", kBytes, header + good + "\"Name\"=\"\xc3\x28\"\n", true, true},
        {"only garbage", kBytes, "\x01\x02\x03\xff\xfe\0\0"s, true, false},
        {"UTF-16 export", kBytes,
         Utf16Le("Windows Registry Editor Version 5.00\r\n\r\n"
                 "[HKEY_LOCAL_MACHINE\\S]\r\n\"Good\"=\"kept\"\r\n"),
         false, true},
        {"nested 100,000 deep", kBytes,
         header + good + "[HKEY_LOCAL_MACHINE" + deepest + "]\n\"Deep\"=\"d\"\n" +
             "[HKEY_LOCAL_MACHINE" + deeper + "]\n\"Deeper\"=\"d\"\n",
         true, true, true},
        {"FIFO", kFifo, "", true, false},
        {"past the size cap", kPastTheCap, header + good, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempSettingsFolder folder;
        const std::string path = folder.Path("machine.reg");
        if (c.kind == kFifo) {
            ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        } else {
            folder.WriteFile("machine.reg", c.bytes);
            if (c.kind == kPastTheCap) {
                // Sparse, and long left alone, so its reads trust the parse they share.
                std::filesystem::resize_file(path, SettingsFile::kMaxBytes + 1);
                std::filesystem::last_write_time(
                    path, std::filesystem::last_write_time(path) - std::chrono::hours(1));
            }
        }
        std::vector<std::string> messages;
        Host::SetMessageSink([&messages](const std::string& text, int, const std::string&) {
            messages.push_back(text);
        });
        Config config("");
        Host::SetMessageSink({});
        ASSERT_EQ(messages.size(), c.damaged ? 1u : 0u);
        if (c.damaged) {
            EXPECT_NE(messages[0].find(path), std::string::npos) << messages[0];
        }

        RegAccess reg;
        EXPECT_EQ(reg.ReadLocalMachine("S", "Good", "none"), c.goodReadable ? "kept" : "none");
        EXPECT_EQ(reg.ReadRegistry(kMachine, "S", "Name"), kNotFound);
        EXPECT_EQ(reg.ReadRegistryGetAll(kMachine, "S", 1).data, kNotFound);

        config.Screens().Item("0")->Suffix = "Saved";
        config.Save();
        const std::vector<std::string> aside = folder.FilesStartingWith("machine.reg.damaged-");
        ASSERT_EQ(aside.size(), c.damaged ? 1u : 0u);
        if (c.kind == kFifo) {
            struct stat info {};
            EXPECT_TRUE(stat(folder.Path(aside[0]).c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
        } else if (c.kind == kPastTheCap) {
            EXPECT_EQ(std::filesystem::file_size(folder.Path(aside[0])),
                      SettingsFile::kMaxBytes + 1);
        } else if (c.damaged) {
            EXPECT_EQ(folder.ReadFile(aside[0]), c.bytes);
        }
        // Written back whole, as UTF-8, and clean, so later writes keep nothing more aside.
        const std::string text = folder.ReadFile("machine.reg");
        EXPECT_EQ(text.rfind(header, 0), 0u);
        const RegistryFile saved = RegistryFile::Parse(text, "HKEY_LOCAL_MACHINE");
        EXPECT_FALSE(saved.Damaged());
        const auto data = [&saved](std::string_view path, std::string_view name) {
            const RegistryKey* key = saved.FindKey(path);
            const RegistryKey::Value* value = key == nullptr ? nullptr : key->FindValue(name);
            return value == nullptr ? std::string("none") : value->data;
        };
        EXPECT_EQ(data("SOFTWARE\\Kestrade\\Orvane\\XML Schema", "Suffix"), "Saved\0"s);
        EXPECT_EQ(data("S", "Good"), c.goodReadable ? "kept\0"s : "none");
        if (c.deepValue) {
            EXPECT_EQ(data(deepest, "Deep"), "d\0"s);
        }
    }
}

TEST(SettingsFileSafety, AWriteThatKeepsFailingKeepsTheDamagedFileAsideOnce) {
    TempSettingsFolder folder;
    folder.WriteFile("machine.reg", "damaged");
    // A file size limit fails every write of the new file, as a full disk would.
    const pid_t child = Spawn([] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};
        setrlimit(RLIMIT_FSIZE, &limit);
        for (int i = 0; i < 3; ++i) {
            RegAccess().WriteLocalMachine("S", "V", ValString, std::string(100, 'v'));
        }
    });
    EXPECT_EQ(WaitFor(child), 0);
    EXPECT_EQ(folder.ReadFile("machine.reg"), "damaged");
    EXPECT_EQ(folder.FilesStartingWith("machine.reg.damaged-").size(), 1u);
    RegAccess().WriteLocalMachine("S", "V", ValString, std::string("v"));
    EXPECT_EQ(folder.FilesStartingWith("machine.reg.damaged-").size(), 1u);
    EXPECT_EQ(RegAccess().ReadLocalMachine("S", "V"), "v");
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
