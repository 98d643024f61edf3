#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::test {

// The outcome of a program run: its exit status and everything it printed.
struct RunResult {
    int status = -1;
    std::string output;
};

// The full path of a program on PATH, or "".
std::string FindTool(const std::string& name);
// The text quoted for the shell.
std::string Quote(const std::string& arg);
// Runs a program with its arguments, standard output and error together. env: extra
// "NAME=value " assignments for this run only.
RunResult RunProgram(const std::vector<std::string>& args, const std::string& env = "");

void WriteFile(const std::filesystem::path& path, const std::string& text);
std::string ReadFile(const std::filesystem::path& path);

// Compiles the generated classes in folder: the Java beans with javac into folder/classes, the
// C# classes with mcs into folder/classes.dll; the VB6 (.cls) and VB.NET (.vb) classes get the
// structure check. Each problem is a test failure naming its file.
void CompileAll(const std::filesystem::path& folder);

}  // namespace orvane::test
