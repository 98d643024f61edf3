#include "Golden.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestSupport.h"

namespace orvane::test {

static std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

void expectGolden(const std::string& name, const std::string& text) {
    const std::string golden =
        EnvOr("ORVANE_SOURCE_DIR", ORVANE_TEST_SOURCE_DIR) + "/tests/golden/" + name;
    if (EnvOr("ORVANE_UPDATE_GOLDEN", "") == "1") return void(std::ofstream(golden) << text);
    std::ostringstream expected;
    expected << std::ifstream(golden).rdbuf();
    if (std::filesystem::exists(golden) && expected.str() == text) return;
    const std::string folder = MakeTempDir("orvane-golden-");
    std::ofstream(folder + "/actual") << text;
    const std::string command =
        "diff -u " + ShellQuoted(golden) + " " + ShellQuoted(folder + "/actual");
    std::string diff;
    if (FILE* pipe = popen((command + " 2>&1").c_str(), "r")) {
        char chunk[4096];
        for (size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;) diff.append(chunk, n);
        pclose(pipe);
    }
    std::filesystem::remove_all(folder);
    ADD_FAILURE() << "output differs from " << golden << " (ORVANE_UPDATE_GOLDEN=1 rewrites it)\n"
                  << diff;
}

}  // namespace orvane::test
