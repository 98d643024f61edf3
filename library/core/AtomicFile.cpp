#include "core/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/OrvaneError.h"

namespace orvane {

namespace {
OrvaneError Failure(const std::string& what, const std::string& path) {
    return OrvaneError(what + " " + path + ": " + std::strerror(errno));
}

}  // namespace

bool AtomicFile::SyncFolder(const std::string& folder) {
    UniqueFd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return dir.Valid() && ::fsync(dir.Get()) == 0;
}

std::string AtomicFile::TemporaryPrefix(const std::string& target) { return target + ".tmp-"; }

AtomicFile::AtomicFile(std::string target, mode_t mode) : target_(std::move(target)) {
    const std::string pattern = TemporaryPrefix(target_) + "XXXXXX";
    std::string name = pattern;
    file_ = UniqueFd(::mkostemp(name.data(), O_CLOEXEC));
    if (!file_.Valid()) throw Failure("Cannot create", pattern);
    temp_ = std::move(name);
    // mkostemp makes the file private; the caller's mode applies as open() would apply it.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(file_.Get(), mode & ~mask);
}

AtomicFile::~AtomicFile() {
    file_.Close();
    if (!temp_.empty()) ::unlink(temp_.c_str());
}

void AtomicFile::Write(const std::string& text) {
    if (!file_.Valid()) throw OrvaneError("Cannot write " + target_ + ": already closed");
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(file_.Get(), text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) throw Failure("Cannot write", target_);
        done += static_cast<std::size_t>(written);
    }
}

void AtomicFile::Commit() {
    if (!file_.Valid()) throw OrvaneError("Cannot write " + target_ + ": already closed");
    const bool synced = ::fsync(file_.Get()) == 0;
    if (!file_.Close() || !synced) throw Failure("Cannot write", target_);
    if (::rename(temp_.c_str(), target_.c_str()) != 0) throw Failure("Cannot replace", target_);
    temp_.clear();
    // The rename itself survives a crash once the folder is on the disk.
    if (!SyncFolder(std::filesystem::path(target_).parent_path().string())) {
        throw Failure("Cannot write", target_);
    }
}

}  // namespace orvane
