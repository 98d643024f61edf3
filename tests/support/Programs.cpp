#include "Programs.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

#include "TestSupport.h"

namespace orvane::test {

namespace fs = std::filesystem;

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

RunResult RunProgram(const std::vector<std::string>& args, const std::string& env,
                     ErrorOutput errors) {
    std::string command = env;
    for (const std::string& arg : args) command += Quote(arg) + " ";
    const std::string errDir = errors == ErrorOutput::Apart ? MakeTempDir("orvane-run-") : "";
    const fs::path errFile = fs::path(errDir) / "stderr";
    command += errDir.empty() ? "2>&1" : "2>" + Quote(errFile.string());
    RunResult result;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (pipe) {
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
            result.out.append(buffer, n);
        }
        const int status = pclose(pipe.release());
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    if (!errDir.empty()) {
        result.err = ReadFile(errFile);
        std::error_code ignored;
        fs::remove_all(errDir, ignored);
    }
    return result;
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    EXPECT_TRUE(out.good()) << path;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace orvane::test
