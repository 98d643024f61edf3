#include "settings/SettingsFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>

#include "core/AtomicFile.h"
#include "core/OrvaneError.h"
#include "core/RegularFile.h"
#include "core/UniqueFd.h"
#include "settings/RegAccess.h"

namespace orvane {

namespace {

namespace fs = std::filesystem;

// Links followed before a chain counts as a loop, as the system does.
constexpr int kMaxLinks = 40;
// Parsed files kept; more than the two roots and the defaults only while tests switch folders.
constexpr std::size_t kCachedFiles = 8;

UniqueFd OpenRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return UniqueFd(fd);
}

std::string FolderOf(const std::string& path) {
    const std::string folder = fs::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

std::string TimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

// The last parse of each file. File times have a coarse clock, so a rewrite soon after a read
// may keep the stamp: until the file has been left alone for a while its bytes are compared.
struct ParsedFile {
    RegularFile::Stamp stamp;
    timespec readAt{};
    RegularFile::Contents contents = RegularFile::Contents::Failed;
    std::shared_ptr<const std::string> bytes;
    std::shared_ptr<const RegistryFile> file;
};
constexpr std::time_t kSettledAfter = 2;
bool Settled(const ParsedFile& parsed) {
    return parsed.stamp.modified + kSettledAfter < parsed.readAt.tv_sec;
}
std::mutex& CacheLock() {
    static std::mutex lock;
    return lock;
}
std::map<std::string, ParsedFile>& Cache() {
    static std::map<std::string, ParsedFile> cache;
    return cache;
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

RegistryFile SettingsFile::Parse(const RegularFile& file, RegularFile::Contents contents,
                                 const std::string& bytes) const {
    const std::string name = "The settings file " + Path();
    const std::string aside = " The next change of the settings keeps it as " + fileName_ +
                              ".damaged-<date>-<time> and writes a new one.";
    RegistryFile parsed(rootName_);
    switch (file.Status()) {
        case RegularFile::State::Missing:
            return parsed;
        case RegularFile::State::NotRegular:
            parsed.MarkDamaged(name + " is not a regular file, so no settings were read from it." +
                               aside);
            return parsed;
        case RegularFile::State::Failed:
            parsed.MarkDamaged(name + " cannot be read (" +
                               std::generic_category().message(file.Error()) + ")." + aside);
            return parsed;
        case RegularFile::State::Open:
            break;
    }
    switch (contents) {
        case RegularFile::Contents::Failed:
            parsed.MarkDamaged(name + " could not be read." + aside);
            return parsed;
        case RegularFile::Contents::TooLarge:
            parsed = RegistryFile::Parse(bytes, rootName_);
            parsed.MarkDamaged(name + " is larger than " + std::to_string(kMaxBytes >> 20) +
                               " MB; only the settings in its first " +
                               std::to_string(kMaxBytes >> 20) + " MB were read." + aside);
            return parsed;
        case RegularFile::Contents::Whole:
            break;
    }
    parsed = RegistryFile::Parse(bytes, rootName_);
    if (parsed.Damaged()) {
        parsed.MarkDamaged(name + " is damaged; the settings that could be read in it are used." +
                           aside);
    }
    return parsed;
}

RegistryFile SettingsFile::ReadNow(const RegularFile& file) const {
    std::string bytes;
    const RegularFile::Contents contents = file.ReadAll(kMaxBytes, bytes);
    return Parse(file, contents, bytes);
}

std::shared_ptr<const RegistryFile> SettingsFile::Read() const {
    const RegularFile file(Path());
    if (file.Status() != RegularFile::State::Open) {
        return std::make_shared<const RegistryFile>(ReadNow(file));
    }
    const std::string key = Path() + '\n' + rootName_;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    ParsedFile last;
    {
        const std::lock_guard<std::mutex> lock(CacheLock());
        const auto found = Cache().find(key);
        if (found != Cache().end()) {
            if (found->second.stamp == file.Identity() && Settled(found->second)) {
                return found->second.file;
            }
            last = found->second;
        }
    }
    auto bytes = std::make_shared<std::string>();
    const RegularFile::Contents contents = file.ReadAll(kMaxBytes, *bytes);
    std::shared_ptr<const RegistryFile> parsed =
        last.file && last.contents == contents && *last.bytes == *bytes
            ? last.file
            : std::make_shared<const RegistryFile>(Parse(file, contents, *bytes));
    const std::lock_guard<std::mutex> lock(CacheLock());
    if (Cache().size() >= kCachedFiles) Cache().clear();
    Cache()[key] = ParsedFile{file.Identity(), now, contents, std::move(bytes), parsed};
    return parsed;
}

bool SettingsFile::Update(const std::function<bool(RegistryFile&)>& change) const {
    std::error_code error;
    fs::create_directories(folder_, error);
    if (error) return false;
    // The lock lives in a file of its own that is never replaced, so every writer locks the same.
    UniqueFd lock = OpenRetrying((Path() + ".lock").c_str(), O_RDWR | O_CREAT, 0600);
    if (!lock.Valid()) return false;
    while (::flock(lock.Get(), LOCK_EX) != 0) {
        if (errno != EINTR) return false;
    }
    const std::optional<std::string> target = Target();
    if (!target) return false;
    RemoveStaleTemporaries(*target);
    const RegularFile current(*target);
    // A link to a device or a folder leads to no settings file this program may replace.
    if (*target != Path() && current.Status() == RegularFile::State::NotRegular) return false;
    RegistryFile file = ReadNow(current);
    const bool damaged = file.Damaged();
    if (!change(file)) return false;
    if (damaged && !KeepAside(*target)) return false;
    return Replace(*target, file.Serialise());
}

// Follows symbolic links from the file's name to the file they end at, which may not exist yet;
// none for a loop or a name that cannot be looked at.
std::optional<std::string> SettingsFile::Target() const {
    fs::path path = Path();
    for (int link = 0; link <= kMaxLinks; ++link) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            if (errno == ENOENT) return path.string();
            return std::nullopt;
        }
        if (!S_ISLNK(info.st_mode)) return path.string();
        std::error_code error;
        const fs::path next = fs::read_symlink(path, error);
        if (error) return std::nullopt;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

// A write that keeps failing after the damaged file was kept (a full disk) must not keep another
// copy at every attempt: true when a kept copy is that file or holds the same bytes.
bool SettingsFile::AlreadyKept(const std::string& target) {
    struct stat now {};
    if (::lstat(target.c_str(), &now) != 0) return false;
    const RegularFile current(target);
    const std::string prefix = fs::path(target).filename().string() + ".damaged-";
    std::error_code error;
    for (fs::directory_iterator it(FolderOf(target), error), end; !error && it != end;
         it.increment(error)) {
        if (it->path().filename().string().rfind(prefix, 0) != 0) continue;
        struct stat kept {};
        if (::lstat(it->path().c_str(), &kept) != 0) continue;
        if (kept.st_dev == now.st_dev && kept.st_ino == now.st_ino) return true;
        if (S_ISREG(kept.st_mode) && current.SameContents(RegularFile(it->path().string()))) {
            return true;
        }
    }
    return false;
}

bool SettingsFile::KeepAside(const std::string& target) {
    if (AlreadyKept(target)) return true;
    const std::string base = target + ".damaged-" + TimeStamp();
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const std::string aside = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        // A second name for the same file keeps it whole and never leaves the path empty.
        if (::link(target.c_str(), aside.c_str()) == 0) {
            return AtomicFile::SyncFolder(FolderOf(target));
        }
        if (errno == EEXIST) continue;
        // Folders without hard links: move it; only lock holders make these names.
        if (::access(aside.c_str(), F_OK) == 0) continue;
        return ::rename(target.c_str(), aside.c_str()) == 0 &&
               AtomicFile::SyncFolder(FolderOf(target));
    }
    return false;
}

bool SettingsFile::Replace(const std::string& target, const std::string& text) {
    try {
        AtomicFile file(target, 0600);
        file.Write(text);
        file.Commit();
        return true;
    } catch (const OrvaneError&) {
        return false;
    }
}

void SettingsFile::RemoveStaleTemporaries(const std::string& target) {
    // Only a lock holder writes temporaries, so any found while holding the lock were left by a
    // writer that died.
    const std::string prefix = fs::path(AtomicFile::TemporaryPrefix(target)).filename().string();
    std::error_code error;
    for (fs::directory_iterator it(FolderOf(target), error), end; !error && it != end;
         it.increment(error)) {
        if (it->path().filename().string().rfind(prefix, 0) == 0) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

}  // namespace orvane
