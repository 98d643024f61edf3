#pragma once

#include <string>

namespace orvane::test {

// The outcome of one command run through the shell: its exit status and everything it printed.
struct LintResult {
    int status = -1;
    std::string output;
};

// Runs a shell command and collects its exit status and everything it printed.
LintResult RunShell(const std::string& command);
// The text quoted for the shell.
std::string ShellQuote(const std::string& text);

bool HaveXmlLint();
// Runs xmllint --noout with the given options on the files (each argument is quoted).
LintResult XmlLint(const std::string& options, const std::string& file);
LintResult XmlLint(const std::string& options, const std::string& schema, const std::string& file);

void WriteTextFile(const std::string& path, const std::string& text);

}  // namespace orvane::test
