#pragma once

// What the benchmark programs share: a measurement in a child process of its own (so its peak
// memory is its own), a whole program timed as a process, shell quoting, and the test
// environment they run against.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace bench {

inline std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct ChildRun {
    std::string output;  // what the work returned; empty when the child died
    long peakKb = 0;     // the child's peak resident memory
};

// Runs work in a child process; what it returns comes back through a pipe.
inline ChildRun InChild(const std::function<std::string()>& work) {
    int fds[2];
    if (pipe(fds) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const std::string text = work();
        if (write(fds[1], text.data(), text.size()) < 0) _exit(3);
        _exit(0);
    }
    close(fds[1]);
    ChildRun run;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(fds[0], buffer, sizeof buffer)) > 0) run.output.append(buffer, got);
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.peakKb = usage.ru_maxrss;
    return run;
}

struct ProcessRun {
    bool ok = false;  // exited with status 0 within the time allowed
    bool timedOut = false;
    double seconds = 0;     // wall time from start to exit
    double cpuSeconds = 0;  // user + system time of the process
    long peakKb = 0;        // the process's peak resident memory
    std::string error;      // the end of what it wrote to standard error, when it failed
};

// Runs a program (found in PATH) with standard output to outPath and standard error to
// errPath; kills it after timeoutSeconds.
inline ProcessRun RunProcess(const std::vector<std::string>& args, const std::string& outPath,
                             const std::string& errPath, double timeoutSeconds) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    // The child's peak memory starts at this process's peak (it shares this memory until it
    // runs its program): bring that down to what this process holds now.
    std::ofstream("/proc/self/clear_refs") << "5";
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ProcessRun run;
    if (spawned != 0) {
        run.error = "cannot start " + args[0];
        return run;
    }
    // A pidfd turns "exited or timed out" into one poll without a sleep loop.
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd >= 0) {
        pollfd wait{pidfd, POLLIN, 0};
        if (poll(&wait, 1, static_cast<int>(timeoutSeconds * 1000)) == 0) {
            kill(pid, SIGKILL);
            run.timedOut = true;
        }
        close(pidfd);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKb = usage.ru_maxrss;
    const auto time = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    run.cpuSeconds = time(usage.ru_utime) + time(usage.ru_stime);
    run.ok = !run.timedOut && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!run.ok && !run.timedOut) {
        std::ifstream err(errPath);
        std::string text((std::istreambuf_iterator<char>(err)), {});
        while (!text.empty() && text.back() == '\n') text.pop_back();
        run.error = text.substr(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
        if (run.error.empty()) run.error = args[0] + " failed";
    }
    return run;
}

// The test environment made by scripts/test-env.sh: the folder given, else $ORVANE_TEST_ENV
// when it holds one, else one of its own, stopped and removed at the end.
class TestEnv {
  public:
    explicit TestEnv(std::string given) : dir_(std::move(given)) {
        namespace fs = std::filesystem;
        const char* testEnv = std::getenv("ORVANE_TEST_ENV");
        if (dir_.empty() && testEnv != nullptr && fs::exists(std::string(testEnv) + "/pg.port")) {
            dir_ = testEnv;
        }
        if (!dir_.empty()) return;
        char pattern[] = "/tmp/orvane-benchXXXXXX";
        if (mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp failed");
        // The database server runs as its own user and must reach its folder below this one.
        fs::permissions(pattern, fs::perms::others_exec | fs::perms::group_exec,
                        fs::perm_options::add);
        dir_ = std::string(pattern) + "/env";
        owned_ = true;
        if (!Script("start")) throw std::runtime_error("test-env start failed");
    }
    ~TestEnv() {
        if (!owned_) return;
        Script("stop");
        std::error_code error;
        std::filesystem::remove_all(std::filesystem::path(dir_).parent_path(), error);
    }
    TestEnv(const TestEnv&) = delete;
    TestEnv& operator=(const TestEnv&) = delete;

    const std::string& Dir() const { return dir_; }
    // Points ODBC and the settings of this process and its children at the environment.
    void Use() const {
        setenv("ODBCINI", (dir_ + "/odbc.ini").c_str(), 1);
        setenv("ODBCSYSINI", dir_.c_str(), 1);
        setenv("ORVANE_CONFIG_DIR", (dir_ + "/config").c_str(), 1);
    }

  private:
    bool Script(const std::string& action) const {
        const std::string command = ORVANE_SOURCE_DIR "/scripts/test-env.sh " + action + " " +
                                    ShellQuote(dir_) + " " + ShellQuote(ORVANE_SOURCE_DIR) + " >&2";
        return std::system(command.c_str()) == 0;
    }

    std::string dir_;
    bool owned_ = false;
};

}  // namespace bench
