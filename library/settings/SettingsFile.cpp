#include "settings/SettingsFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/AtomicFile.h"
#include "core/OrvaneError.h"
#include "core/UniqueFd.h"
#include "settings/RegAccess.h"

namespace orvane {

namespace {

UniqueFd OpenRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return UniqueFd(fd);
}

std::string TimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

}  // namespace

SettingsFile::SettingsFile(std::string folder, std::string fileName, std::string rootName)
    : folder_(std::move(folder)), fileName_(std::move(fileName)), rootName_(std::move(rootName)) {}

std::optional<SettingsFile> SettingsFile::ForRoot(std::int32_t group) {
    std::string folder = RegAccess::SettingsFolder();
    if (folder.empty()) return std::nullopt;
    if (group == RegAccess::HKEY_LOCAL_MACHINE) {
        return SettingsFile(std::move(folder), "machine.reg", "HKEY_LOCAL_MACHINE");
    }
    if (group == RegAccess::HKEY_CURRENT_USER) {
        return SettingsFile(std::move(folder), "user.reg", "HKEY_CURRENT_USER");
    }
    return std::nullopt;
}

SettingsFile::Contents SettingsFile::ReadRaw(std::string& bytes) const {
    bytes.clear();
    UniqueFd file = OpenRetrying(Path().c_str(), O_RDONLY);
    if (!file.Valid()) return errno == ENOENT ? Contents::Missing : Contents::Unreadable;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return Contents::Unreadable;
    std::vector<char> buffer(64 * 1024);
    while (bytes.size() <= kMaxBytes) {
        const ssize_t got = ::read(file.Get(), buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return Contents::Unreadable;
        if (got == 0) return Contents::Complete;
        bytes.append(buffer.data(), static_cast<std::size_t>(got));
    }
    bytes.resize(kMaxBytes);
    return Contents::Partial;
}

RegistryFile SettingsFile::ParseContents(Contents contents, const std::string& bytes) const {
    if (contents == Contents::Missing) return RegistryFile(rootName_);
    RegistryFile file = RegistryFile::Parse(bytes, rootName_);
    if (contents != Contents::Complete) file.MarkDamaged();
    return file;
}

RegistryFile SettingsFile::Read() const {
    std::string bytes;
    const Contents contents = ReadRaw(bytes);
    return ParseContents(contents, bytes);
}

bool SettingsFile::Update(const std::function<bool(RegistryFile&)>& change) const {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) return false;
    // The lock lives in a file of its own that is never replaced, so every writer locks the same.
    UniqueFd lock = OpenRetrying((Path() + ".lock").c_str(), O_RDWR | O_CREAT, 0600);
    if (!lock.Valid()) return false;
    while (::flock(lock.Get(), LOCK_EX) != 0) {
        if (errno != EINTR) return false;
    }
    RemoveStaleTemporaries();
    std::string bytes;
    const Contents contents = ReadRaw(bytes);
    RegistryFile file = ParseContents(contents, bytes);
    const bool damaged = file.Damaged();
    if (!change(file)) return false;
    if (damaged && !KeepAside()) return false;
    return Replace(file.Serialise());
}

bool SettingsFile::KeepAside() const {
    const std::string base = Path() + ".damaged-" + TimeStamp();
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const std::string aside = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        // A second name for the same file keeps it whole and never leaves the path empty.
        if (::link(Path().c_str(), aside.c_str()) == 0) return AtomicFile::SyncFolder(folder_);
        if (errno == EEXIST) continue;
        // Folders without hard links: move it; only lock holders make these names.
        if (::access(aside.c_str(), F_OK) == 0) continue;
        return ::rename(Path().c_str(), aside.c_str()) == 0 && AtomicFile::SyncFolder(folder_);
    }
    return false;
}

bool SettingsFile::Replace(const std::string& text) const {
    try {
        AtomicFile file(Path(), 0600);
        file.Write(text);
        file.Commit();
        return true;
    } catch (const OrvaneError&) {
        return false;
    }
}

void SettingsFile::RemoveStaleTemporaries() const {
    // Only a lock holder writes temporaries, so any found while holding the lock were left by a
    // writer that died.
    const std::string prefix =
        std::filesystem::path(AtomicFile::TemporaryPrefix(Path())).filename().string();
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder_, error), end; !error && it != end;
         it.increment(error)) {
        if (it->path().filename().string().rfind(prefix, 0) == 0) {
            std::error_code ignored;
            std::filesystem::remove(it->path(), ignored);
        }
    }
}

}  // namespace orvane
