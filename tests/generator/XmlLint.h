#pragma once

#include <string>

namespace orvane::test {

// The outcome of one xmllint run: its exit status and everything it printed.
struct LintResult {
    int status = -1;
    std::string output;
};

bool HaveXmlLint();
// Runs xmllint --noout with the given options on the files (each argument is quoted).
LintResult XmlLint(const std::string& options, const std::string& file);
LintResult XmlLint(const std::string& options, const std::string& schema, const std::string& file);

void WriteTextFile(const std::string& path, const std::string& text);

}  // namespace orvane::test
