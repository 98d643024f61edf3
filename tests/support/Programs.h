#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::test {

// The outcome of a program run: its exit status, its standard output and its standard error
// (in out too, unless asked apart).
struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

enum class ErrorOutput { WithOut, Apart };

// The text quoted for the shell.
std::string Quote(const std::string& arg);
// Runs a program with its arguments, each quoted for the shell. env: extra "NAME=value "
// assignments for this run only.
RunResult RunProgram(const std::vector<std::string>& args, const std::string& env = "",
                     ErrorOutput errors = ErrorOutput::WithOut);

void WriteFile(const std::filesystem::path& path, const std::string& text);
std::string ReadFile(const std::filesystem::path& path);

}  // namespace orvane::test
