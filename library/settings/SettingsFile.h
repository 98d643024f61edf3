#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "settings/RegistryFile.h"

namespace orvane {

// One root of the settings store on disk. Reads take no lock: a file is only ever replaced by
// renaming a complete new one over it. Every change re-reads the file under an exclusive lock,
// writes the result to a temporary file in the same folder, flushes it and renames it over the
// old one, so a crash leaves the old file or the new one and concurrent writers serialise.
// A file that cannot be parsed in full is kept beside the new one under a ".damaged-" name.
class SettingsFile {
  public:
    // Larger files are not settings this program wrote; only their beginning is read.
    static constexpr std::size_t kMaxBytes = 64u << 20;

    SettingsFile(std::string folder, std::string fileName, std::string rootName);
    // The file of a root handle in the settings folder; none for other roots.
    static std::optional<SettingsFile> ForRoot(std::int32_t group);

    std::string Path() const { return folder_ + "/" + fileName_; }
    const std::string& RootName() const { return rootName_; }

    // Never fails: a missing file is empty, an unreadable one empty and damaged.
    RegistryFile Read() const;
    // change returns false when it changed nothing; then nothing is written. Returns true once
    // the new file is safely in place.
    bool Update(const std::function<bool(RegistryFile&)>& change) const;

  private:
    enum class Contents { Missing, Complete, Partial, Unreadable };

    Contents ReadRaw(std::string& bytes) const;
    RegistryFile ParseContents(Contents contents, const std::string& bytes) const;
    bool KeepAside() const;
    bool Replace(const std::string& text) const;
    void RemoveStaleTemporaries() const;

    std::string folder_;
    std::string fileName_;
    std::string rootName_;
};

}  // namespace orvane
