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

#include "Golden.h"
#include "TempSettingsFolder.h"
#include "TestSupport.h"
#include "core/Host.h"
#include "settings/Config.h"
#include "settings/RegAccess.h"
#include "settings/RegistryFile.h"
#include "settings/SettingsFile.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
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
    for (int round = 1; round <= 120; ++round) {
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
    RegAccess().WriteLocalMachine("Other", "Last", ValString, "done"s);
    EXPECT_EQ(folder.FilesStartingWith("machine.reg."),
              (std::vector<std::string>{"machine.reg.lock"}));
}

TEST(SettingsFileSafety, WritersAtOnceLoseNothingAndSavesKeepOthersChanges) {
    TempSettingsFolder folder;
    // Two options dialogs, or two programs: each saves only what it changed.
    Config java("");
    Config xml("");
    java.Screens().Item(std::to_string(JAVA_CODE))->Suffix = "Bean";
    xml.Screens().Item(std::to_string(XML_CODE))->Suffix = "Rows";
    java.Save();
    xml.Save();
    constexpr int kEach = 40;
    int startPipe[2];
    ASSERT_EQ(pipe(startPipe), 0);
    std::vector<pid_t> children;
    for (const char* prefix : {"A", "B"}) {
        children.push_back(Spawn([&, prefix] {
            char go;
            close(startPipe[1]);
            if (read(startPipe[0], &go, 1) < 0) _exit(2);
            for (int i = 0; i < kEach; ++i) {
                const std::string name = prefix + std::to_string(i);
                RegAccess().WriteLocalMachine("Shared", name, ValString, "value of " + name);
            }
            Config sql("");
            sql.Screens().Item(std::to_string(SQL_CODE))->IsUppercase = 1;
            sql.Save();
        }));
    }
    close(startPipe[0]);
    close(startPipe[1]);  // both children start together
    for (pid_t child : children) EXPECT_EQ(WaitFor(child), 0);
    java.Save();
    RegAccess reg;
    for (int i = 0; i < 2 * kEach; ++i) {
        const std::string name = (i < kEach ? "A" : "B") + std::to_string(i % kEach);
        ASSERT_EQ(reg.ReadLocalMachine("Shared", name), "value of " + name);
    }
    EXPECT_EQ(reg.ReadRegistryGetAll(kMachine, "Shared", 2 * kEach).data, kNotFound);
    const Config after("");
    EXPECT_EQ(after.Suffix(JAVA_CODE), "Bean");
    EXPECT_EQ(after.Suffix(XML_CODE), "Rows");
    EXPECT_EQ(after.IsUppercase(SQL_CODE), 1);
}

TEST(SettingsFileSafety, ASymlinkedFileKeepsItsLink) {
    TempSettingsFolder folder;
    fs::create_directory(folder.Path("dotfiles"));
    folder.WriteFile(
        "dotfiles/orvane.reg",
        "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\S]\n\"Old\"=\"o\"\n");
    fs::create_symlink("dotfiles/orvane.reg", folder.Path("machine.reg"));
    RegAccess reg;
    reg.WriteLocalMachine("S", "New", ValString, "n"s);
    EXPECT_EQ(fs::read_symlink(folder.Path("machine.reg")), "dotfiles/orvane.reg");
    EXPECT_NE(folder.ReadFile("dotfiles/orvane.reg").find("\"New\"=\"n\""), std::string::npos);
    EXPECT_EQ(reg.ReadLocalMachine("S", "Old") + reg.ReadLocalMachine("S", "New"), "on");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path("dotfiles")), {}), 1);
    // A link to what is no settings file is left as it is, and so is what it points to.
    fs::remove(folder.Path("machine.reg"));
    ASSERT_EQ(mkfifo(folder.Path("dotfiles/pipe").c_str(), 0600), 0);
    fs::create_symlink(folder.Path("dotfiles/pipe"), folder.Path("machine.reg"));
    reg.WriteLocalMachine("S", "New", ValString, "again"s);
    EXPECT_TRUE(fs::is_symlink(folder.Path("machine.reg")));
    EXPECT_TRUE(fs::is_fifo(folder.Path("dotfiles/pipe")));
}

// Settings that fail to load: the message names the file and what became of it, the settings
// that could be read are used and the rest are built in, and the next save keeps the file aside
// once before it writes a clean one.
TEST(SettingsFileSafety, AFileThatFailsToLoadIsReportedReadAsFarAsPossibleAndKeptAside) {
    const std::string header = "Windows Registry Editor Version 5.00\n\n";
    const std::string good =
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrade\\Orvane\\VB]\n\"Suffix\"=\"Cls\"\n";
    // As deep as a key may be, and far deeper.
    std::string deepest;
    for (std::size_t level = 0; level < RegistryFile::kMaxDepth; ++level) deepest += "\\a";
    std::string deeper;
    for (int level = 0; level < 100'000; ++level) deeper += "\\a";
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"truncated", header + good + "\"Name\"=\"Cour"},
        {"UTF-16 export",
         "\xFF\xFE" + test::Utf16("Windows Registry Editor Version 5.00\r\n\r\n" + good)},
        {"nested 100,000 deep", header + good + "[HKEY_LOCAL_MACHINE" + deepest +
                                    "]\n\"Deep\"=\"d\"\n[HKEY_LOCAL_MACHINE" + deeper +
                                    "]\n\"D\"=\"d\"\n"},
        {"a FIFO", ""},
        {"a folder", ""},
        {"past the size cap", header + good}};
    std::string log;
    for (const auto& [what, bytes] : cases) {
        TempSettingsFolder folder;
        const std::string path = folder.Path("machine.reg");
        if (what == "a FIFO"s) {
            ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        } else if (what == "a folder"s) {
            fs::create_directory(path);
            folder.WriteFile("machine.reg/inside", "user data");
        } else {
            folder.WriteFile("machine.reg", bytes);
        }
        if (what == "past the size cap"s) {
            // Sparse, and long left alone, so its reads trust the parse they share.
            fs::resize_file(path, SettingsFile::kMaxBytes + 1);
            fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(1));
        }
        std::string message = "no message";
        Host::SetMessageSink(
            [&message](const std::string& text, int, const std::string&) { message = text; });
        Config config("");
        Host::SetMessageSink({});
        if (const auto at = message.find(path); at != std::string::npos) {
            message.replace(at, path.size(), "<file>");
        }
        log += std::string(what) + ":\n  " + message + "\n  VB suffix \"" + config.Suffix(5) +
               "\", font " + config.Screens().Item("0")->Font.name;
        config.Screens().Item("0")->Suffix = "Saved";
        config.Save();
        for (const std::string& name : folder.FilesStartingWith("machine.reg.damaged-")) {
            struct stat kept {};
            stat(folder.Path(name).c_str(), &kept);
            log +=
                "\n  kept aside: " +
                (S_ISFIFO(kept.st_mode)  ? "a FIFO"s
                 : S_ISDIR(kept.st_mode) ? "a folder holding " + folder.ReadFile(name + "/inside")
                                         : std::to_string(kept.st_size) + " bytes") +
                (S_ISREG(kept.st_mode) && kept.st_size == static_cast<off_t>(bytes.size()) &&
                         folder.ReadFile(name) == bytes
                     ? ", as they were"
                     : "");
        }
        // Written back whole, as UTF-8, and clean, so later writes keep nothing more aside.
        const std::string text = folder.ReadFile("machine.reg");
        const RegistryFile saved = RegistryFile::Parse(text, "HKEY_LOCAL_MACHINE");
        const RegistryKey* deep = saved.FindKey(deepest);
        const Config reloaded("");
        log += "\n  written back: " + text.substr(0, header.size() - 2) +
               (saved.Damaged() ? ", damaged" : ", clean") + ", suffixes \"" + reloaded.Suffix(0) +
               "\" \"" + reloaded.Suffix(5) + "\"" +
               (deep && deep->FindValue("Deep") ? ", the deepest key" : "") + "\n";
    }
    test::expectGolden("settings-that-fail-to-load.txt", log);
}

TEST(SettingsFileSafety, EachDamagedVersionIsKeptOnceEvenWhenTheWriteKeepsFailing) {
    TempSettingsFolder folder;
    folder.WriteFile("machine.reg", "damaged 0");
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
    EXPECT_EQ(folder.ReadFile("machine.reg"), "damaged 0");
    EXPECT_EQ(folder.FilesStartingWith("machine.reg.damaged-").size(), 1u);
    RegAccess reg;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) folder.WriteFile("machine.reg", "damaged " + std::to_string(i));
        reg.WriteLocalMachine("S", "V", ValString, "v"s);
    }
    EXPECT_EQ(reg.ReadLocalMachine("S", "V"), "v");
    std::vector<std::string> contents;
    for (const auto& name : folder.FilesStartingWith("machine.reg.damaged-")) {
        contents.push_back(folder.ReadFile(name));
    }
    std::sort(contents.begin(), contents.end());
    EXPECT_EQ(contents, (std::vector<std::string>{"damaged 0", "damaged 1", "damaged 2"}));
}

TEST(SettingsFileSafety, WritesMakeAMissingSettingsFolderOrAreLostQuietly) {
    TempSettingsFolder folder;
    folder.WriteFile("plainfile", "x");
    for (const std::string& nested : {folder.Path("not/yet/there"), folder.Path("plainfile/s")}) {
        setenv("ORVANE_CONFIG_DIR", nested.c_str(), 1);
        RegAccess reg;
        EXPECT_EQ(reg.ReadLocalMachine("S", "V", "none"), "none");
        EXPECT_FALSE(fs::exists(nested));
        reg.WriteLocalMachine("S", "V", ValString, "v"s);
        EXPECT_EQ(reg.ReadLocalMachine("S", "V", "none"), fs::exists(nested) ? "v" : "none");
        EXPECT_EQ(reg.DeleteValue(kMachine, "S", "V"), "");
    }
    EXPECT_TRUE(fs::is_regular_file(folder.Path("not/yet/there/machine.reg")));
}

TEST(SettingsFileSafety, TheFolderFollowsTheEnvironment) {
    // Own folder, XDG_CONFIG_HOME, expected folder (null: unset).
    const char* cases[][3] = {{"/tmp/own", "/tmp/xdg", "/tmp/own"},
                              {"", "/tmp/xdg", "/tmp/xdg/orvane"},
                              {nullptr, "/tmp/xdg", "/tmp/xdg/orvane"},
                              {nullptr, "relative", "/tmp/home/.config/orvane"},
                              {nullptr, nullptr, "/tmp/home/.config/orvane"}};
    for (const auto& [configDir, xdg, expected] : cases) {
        // In a child, whose environment goes with it.
        EXPECT_EQ(WaitFor(Spawn([&] {
                      setenv("HOME", "/tmp/home", 1);
                      configDir ? setenv("ORVANE_CONFIG_DIR", configDir, 1)
                                : unsetenv("ORVANE_CONFIG_DIR");
                      xdg ? setenv("XDG_CONFIG_HOME", xdg, 1) : unsetenv("XDG_CONFIG_HOME");
                      _exit(RegAccess::SettingsFolder() == expected ? 0 : 1);
                  })),
                  0)
            << expected;
    }
}

}  // namespace
}  // namespace orvane
