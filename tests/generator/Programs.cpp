#include "Programs.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

#include "ClassVbChecker.h"
#include "TestSupport.h"

namespace orvane::test {

namespace fs = std::filesystem;

std::string FindTool(const std::string& name) {
    const std::string path = EnvOr("PATH", "/usr/bin:/bin");
    std::size_t from = 0;
    while (from <= path.size()) {
        std::size_t end = path.find(':', from);
        if (end == std::string::npos) end = path.size();
        const fs::path candidate = fs::path(path.substr(from, end - from)) / name;
        if (!candidate.empty() && access(candidate.c_str(), X_OK) == 0) return candidate.string();
        from = end + 1;
    }
    return {};
}

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

RunResult RunProgram(const std::vector<std::string>& args, const std::string& env) {
    std::string command = env;
    for (const std::string& arg : args) command += Quote(arg) + " ";
    command += "2>&1";
    RunResult result;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return result;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
        result.output.append(buffer, n);
    }
    const int status = pclose(pipe.release());
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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

void CompileAll(const fs::path& folder) {
    std::vector<std::string> java = {FindTool("javac"), "-encoding", "UTF-8", "-d",
                                     (folder / "classes").string()};
    std::vector<std::string> csharp = {FindTool("mcs"), "-target:library", "-r:System.Data",
                                       "-r:System.Xml",
                                       "-out:" + (folder / "classes.dll").string()};
    const ClassVbChecker vb6(ClassVbChecker::Vb6Names());
    const ClassVbChecker vbnet(ClassVbChecker::VbNetNames());
    for (const auto& entry : fs::directory_iterator(folder)) {
        const fs::path& file = entry.path();
        const std::string extension = file.extension().string();
        if (extension == ".java") java.push_back(file.string());
        if (extension == ".cs") csharp.push_back(file.string());
        if (extension == ".cls" || extension == ".vb") {
            for (const std::string& problem :
                 (extension == ".cls" ? vb6 : vbnet).Check(ReadFile(file))) {
                ADD_FAILURE() << file << ": " << problem;
            }
        }
    }
    fs::create_directories(folder / "classes");
    for (const std::vector<std::string>* compile : {&java, &csharp}) {
        ASSERT_FALSE(compile->front().empty())
            << "a compiler is missing: run scripts/setup.sh (openjdk-17-jdk-headless, mono-mcs)";
        ASSERT_GT(compile->size(), 5u) << "no classes in " << folder;
        const RunResult result = RunProgram(*compile);
        EXPECT_EQ(result.status, 0) << result.output;
    }
}

}  // namespace orvane::test
