// Start-up benchmark of the settings store: runs `orvane-gen --list` as a whole process on a
// small SQLite database with large settings files (many keys, many values in one key, one very
// long line) and, in the same run, with an empty settings folder as the yardstick.
//
//   bench_settings [--gen PATH] [--repeat N]
//
// --gen names the orvane-gen to run (default: the one beside this program). Each figure is the
// best of --repeat runs (default 5).
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Run {
    bool ok = false;
    double seconds = 0;
};

// One run of the command with the settings folder given, output discarded.
Run RunOnce(const std::vector<std::string>& args, const std::string& settings) {
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::string(*entry).rfind("ORVANE_CONFIG_DIR=", 0) != 0) env.emplace_back(*entry);
    }
    env.push_back("ORVANE_CONFIG_DIR=" + settings);
    std::vector<char*> argv;
    std::vector<char*> envp;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    for (const std::string& entry : env) envp.push_back(const_cast<char*>(entry.c_str()));
    argv.push_back(nullptr);
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    Run run;
    if (spawned != 0) return run;
    int status = 0;
    waitpid(pid, &status, 0);
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

Run Best(const std::vector<std::string>& args, const std::string& settings, int repeat) {
    Run best;
    for (int i = 0; i < repeat; ++i) {
        const Run run = RunOnce(args, settings);
        if (!run.ok) return run;
        if (!best.ok || run.seconds < best.seconds) best = run;
    }
    return best;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A settings folder whose machine.reg holds the shipped defaults and then extra.
std::string MakeSettings(const fs::path& root, const std::string& name, const std::string& defaults,
                         const std::string& extra) {
    const fs::path folder = root / name;
    fs::create_directories(folder);
    const fs::path file = folder / "machine.reg";
    std::ofstream(file, std::ios::binary) << defaults << '\n' << extra;
    // A settings file is normally older than the moment in which each read compares its bytes
    // instead of trusting the parse it shares.
    fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(1));
    return folder.string();
}

std::string ManyKeys(int count) {
    std::string text;
    char line[128];
    for (int i = 0; i < count; ++i) {
        std::snprintf(line, sizeof line,
                      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrade\\Orvane\\Bench\\Key%06d]\n"
                      "\"Value\"=\"text %d\"\n\n",
                      i, i);
        text += line;
    }
    return text;
}

std::string ManyValues(int count) {
    std::string text = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrade\\Orvane\\Bench]\n";
    char line[64];
    for (int i = 0; i < count; ++i) {
        std::snprintf(line, sizeof line, "\"Value%06d\"=\"text %d\"\n", i, i);
        text += line;
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    std::string gen = (fs::read_symlink("/proc/self/exe").parent_path() / "orvane-gen").string();
    int repeat = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--gen") {
            gen = argv[i + 1];
        } else if (option == "--repeat") {
            repeat = std::max(1, std::atoi(argv[i + 1]));
        } else {
            std::cerr << "usage: bench_settings [--gen PATH] [--repeat N]\n";
            return 2;
        }
    }
    char pattern[] = "/tmp/orvane-bench-settings-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path root = pattern;
    const std::string defaults = ReadFile(fs::path(ORVANE_SOURCE_DIR) / "templates/defaults.reg");
    const std::vector<std::string> args = {
        gen, "--driver", "SQLite3", "--database", (root / "bench.db").string(), "--list"};

    struct Case {
        const char* what;
        std::string folder;
    };
    fs::create_directories(root / "empty");
    const std::vector<Case> cases = {
        {"empty settings folder (yardstick)", (root / "empty").string()},
        {"5,000 keys", MakeSettings(root, "keys5000", defaults, ManyKeys(5'000))},
        {"100,000 keys", MakeSettings(root, "keys100000", defaults, ManyKeys(100'000))},
        {"10,000 values in one key", MakeSettings(root, "values", defaults, ManyValues(10'000))},
        {"one 10 MB line",
         MakeSettings(root, "line", defaults, "; " + std::string(10u << 20, 'x') + "\n")},
    };
    // The first run creates the database and imports the defaults into the empty folder.
    if (!RunOnce(args, cases[0].folder).ok) {
        std::cerr << "bench_settings: " << gen << " --list failed\n";
        return 1;
    }
    std::printf("orvane-gen --list, whole process, best of %d\n", repeat);
    std::printf("%-36s %10s %10s %12s %8s\n", "settings", "file MB", "seconds", "minus empty",
                "ratio");
    double yardstick = 0;
    int status = 0;
    for (const Case& c : cases) {
        const Run run = Best(args, c.folder, repeat);
        if (!run.ok) {
            std::printf("%-36s failed\n", c.what);
            status = 1;
            continue;
        }
        if (yardstick == 0) yardstick = run.seconds;
        std::error_code error;
        const auto size = fs::file_size(fs::path(c.folder) / "machine.reg", error);
        std::printf("%-36s %10.2f %10.3f %12.3f %8.2f\n", c.what, error ? 0.0 : size / 1048576.0,
                    run.seconds, run.seconds - yardstick, run.seconds / yardstick);
    }
    std::error_code ignored;
    fs::remove_all(root, ignored);
    return status;
}
