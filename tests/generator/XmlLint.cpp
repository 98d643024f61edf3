#include "XmlLint.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace orvane::test {
std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

LintResult RunShell(const std::string& command) {
    struct PipeCloser {
        void operator()(FILE* pipe) const { pclose(pipe); }
    };
    LintResult result;
    FILE* raw = popen((command + " 2>&1").c_str(), "r");
    if (raw == nullptr) throw std::runtime_error("cannot run: " + command);
    std::unique_ptr<FILE, PipeCloser> pipe(raw);
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0) result.output.append(buffer, n);
    const int status = pclose(pipe.release());
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

bool HaveXmlLint() { return RunShell("xmllint --version").status == 0; }

LintResult XmlLint(const std::string& options, const std::string& file) {
    return RunShell("xmllint --noout " + options + " " + ShellQuote(file));
}

LintResult XmlLint(const std::string& options, const std::string& schema, const std::string& file) {
    return RunShell("xmllint --noout " + options + " " + ShellQuote(schema) + " " +
                    ShellQuote(file));
}

void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace orvane::test
