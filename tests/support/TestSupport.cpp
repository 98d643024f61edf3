#include "TestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace orvane::test {

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::string(value) : fallback;
}

std::string TestEnvDir() { return EnvOr("ORVANE_TEST_ENV", "/tmp/orvane-testenv"); }

std::string ServerPort(const std::string& server) {
    std::ifstream in(TestEnvDir() + "/" + server + ".port");
    std::string port;
    std::getline(in, port);
    return port;
}

std::string MakeTempDir(const std::string& prefix) {
    std::string pattern = EnvOr("TMPDIR", "/tmp") + "/" + prefix + "XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed for " + pattern);
    return std::string(buffer.data());
}

std::string Shown(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
        out += c >= 0x20 && c < 0x7f ? std::string(1, c) : hex;
    }
    return out;
}

std::string Utf16(std::string_view ascii) {
    std::string bytes;
    for (char c : ascii) bytes += {c, '\0'};
    return bytes;
}

}  // namespace orvane::test
