#include "generator/Cache.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "model/OrvaneError.h"

namespace orvane {

namespace {
std::string SystemError(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

// Length of the valid UTF-8 sequence starting at text[i], or 0 when it is not valid.
std::size_t Utf8Length(const std::string& text, std::size_t i) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    std::size_t len = 0;
    unsigned cp = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
        cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        cp = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (i + len > text.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    const bool overlong = (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    const bool c1Control = cp >= 0x80 && cp <= 0x9F;
    if (overlong || surrogate || c1Control || cp > 0x10FFFF || cp == 0xFFFE || cp == 0xFFFF) {
        return 0;
    }
    return len;
}
}  // namespace

Cache::~Cache() {
    CloseFile();
    if (!path_.empty()) ::unlink(path_.c_str());
}

std::string Cache::GetTempPath() {
    const char* tmp = std::getenv("TMPDIR");
    std::string path = (tmp != nullptr && *tmp != '\0') ? tmp : "/tmp";
    if (path.back() != '/') path += '/';
    return path;
}

std::string Cache::GetTempFileName() {
    std::string pattern = GetTempPath() + "orvXXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    const int fd = ::mkstemp(buffer.data());
    if (fd < 0) throw OrvaneError(SystemError("Cannot create a temporary file", pattern));
    ::close(fd);
    return buffer.data();
}

std::string Cache::Filter(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\t' || c == '\n' || c == '\r' || (c >= 32 && c < 127)) {
            out += static_cast<char>(c);
            ++i;
        } else if (std::size_t len = c >= 0x80 ? Utf8Length(text, i) : 0; len != 0) {
            out.append(text, i, len);
            i += len;
        } else {
            out += '?';
            ++i;
        }
    }
    return out;
}

void Cache::WriteTofile(const std::string& sRecord) {
    if (path_.empty()) {
        path_ = GetTempFileName();
        file_ = std::fopen(path_.c_str(), "wb");
        if (file_ == nullptr) throw OrvaneError(SystemError("Cannot open", path_));
        std::setvbuf(file_, nullptr, _IOFBF, 1 << 20);
    }
    if (file_ == nullptr) throw OrvaneError("The temporary file " + path_ + " is already closed");
    const std::string filtered = Filter(sRecord);
    if (std::fwrite(filtered.data(), 1, filtered.size(), file_) != filtered.size()) {
        throw OrvaneError(SystemError("Cannot write", path_));
    }
}

void Cache::CloseFile() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

std::string Cache::GetFile() {
    if (path_.empty()) return {};
    if (file_ != nullptr && std::fflush(file_) != 0) {
        throw OrvaneError(SystemError("Cannot write", path_));
    }
    CloseFile();
    std::ifstream in(path_, std::ios::binary);
    if (!in) throw OrvaneError(SystemError("Cannot read", path_));
    std::ostringstream text;
    text << in.rdbuf();
    return text.str() + "\r\n";
}

}  // namespace orvane
