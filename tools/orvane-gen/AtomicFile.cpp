#include "AtomicFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace orvane::gen {

namespace {
std::runtime_error Failure(const std::string& what, const std::string& path) {
    return std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}
}  // namespace

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)) {
    std::string pattern = target_ + ".XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    const int fd = ::mkstemp(buffer.data());
    if (fd < 0) throw Failure("Cannot create", pattern);
    temp_ = buffer.data();
    // mkstemp makes the file private; an output file gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
        ::close(fd);
        ::unlink(temp_.c_str());
        throw Failure("Cannot open", temp_);
    }
}

AtomicFile::~AtomicFile() {
    if (file_ != nullptr) std::fclose(file_);
    if (!temp_.empty()) ::unlink(temp_.c_str());
}

void AtomicFile::Write(const std::string& text) {
    if (file_ == nullptr) throw std::runtime_error("Cannot write " + target_ + ": already closed");
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
        throw Failure("Cannot write", target_);
    }
}

void AtomicFile::Commit() {
    if (file_ == nullptr) throw std::runtime_error("Cannot write " + target_ + ": already closed");
    const bool flushed = std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!flushed || !closed) throw Failure("Cannot write", target_);
    if (::rename(temp_.c_str(), target_.c_str()) != 0) throw Failure("Cannot replace", target_);
    temp_.clear();
}

}  // namespace orvane::gen
