#include "core/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace orvane {

RegularFile::RegularFile(const std::string& path) {
    // Without O_NONBLOCK opening a FIFO waits for a writer, before its type can be checked.
    do {
        fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) {
        error_ = errno;
        state_ = error_ == ENOENT ? State::Missing : State::Failed;
        return;
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        error_ = errno;
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        state_ = State::NotRegular;
        return;
    }
    stamp_ =
        Stamp{info.st_dev,          info.st_ino,         info.st_size,        info.st_mtim.tv_sec,
              info.st_mtim.tv_nsec, info.st_ctim.tv_sec, info.st_ctim.tv_nsec};
    state_ = State::Open;
}

RegularFile::~RegularFile() {
    if (fd_ >= 0) ::close(fd_);
}

RegularFile::Contents RegularFile::ReadAll(std::size_t cap, std::string& bytes) const {
    bytes.clear();
    if (state_ != State::Open) return Contents::Failed;
    // One byte more than allowed tells a file at the cap from one past it.
    const std::size_t want = cap + 1;
    bytes.resize(std::min(want, static_cast<std::size_t>(std::max<off_t>(stamp_.size, 0)) + 1));
    std::size_t have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have >= want) break;
            bytes.resize(std::min(want, have * 2));
        }
        const long got = ReadAt(have, bytes.data() + have, bytes.size() - have);
        if (got < 0) {
            bytes.clear();
            return Contents::Failed;
        }
        if (got == 0) break;
        have += static_cast<std::size_t>(got);
    }
    bytes.resize(std::min(have, cap));
    return have > cap ? Contents::TooLarge : Contents::Whole;
}

bool RegularFile::SameContents(const RegularFile& other) const {
    if (state_ != State::Open || other.state_ != State::Open || stamp_.size != other.stamp_.size) {
        return false;
    }
    std::vector<char> mine(1 << 16);
    std::vector<char> theirs(mine.size());
    for (std::size_t offset = 0;;) {
        const long got = ReadAt(offset, mine.data(), mine.size());
        if (got < 0 || other.ReadAt(offset, theirs.data(), static_cast<std::size_t>(got)) != got) {
            return false;
        }
        if (got == 0) return true;
        if (!std::equal(mine.begin(), mine.begin() + got, theirs.begin())) return false;
        offset += static_cast<std::size_t>(got);
    }
}

long RegularFile::ReadAt(std::size_t offset, char* buffer, std::size_t size) const {
    ssize_t got;
    do {
        got = ::pread(fd_, buffer, size, static_cast<off_t>(offset));
    } while (got < 0 && errno == EINTR);
    return static_cast<long>(got);
}

}  // namespace orvane
