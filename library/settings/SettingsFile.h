#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/RegularFile.h"
#include "settings/RegistryFile.h"

namespace orvane {

// One root of the settings store on disk. Reads take no lock: a file is only ever replaced by
// renaming a complete new one over it. Every change re-reads the file under an exclusive lock,
// writes the result to a temporary file in the same folder, flushes it and renames it over the
// old one, so a crash leaves the old file or the new one and concurrent writers serialise.
// A symbolic link keeps pointing where it did: the file it leads to is the one replaced.
// A file that cannot be read in full is kept beside the new one under a ".damaged-" name,
// once per distinct content.
class SettingsFile {
  public:
    // Larger files are not settings this program wrote; only their beginning is read.
    static constexpr std::size_t kMaxBytes = 64u << 20;

    SettingsFile(std::string folder, std::string fileName, std::string rootName);
    // The file of a root handle in the settings folder; none for other roots.
    static std::optional<SettingsFile> ForRoot(std::int32_t group);

    std::string Path() const { return folder_ + "/" + fileName_; }
    const std::string& RootName() const { return rootName_; }

    // The file as it is now, parsed once per version of the file and shared until the file
    // changes. Never fails: a missing file is empty; one that cannot be read in full is damaged,
    // and its Problem() tells the user what happens to it.
    std::shared_ptr<const RegistryFile> Read() const;
    // change returns false when it changed nothing; then nothing is written. Returns true once
    // the new file is safely in place.
    bool Update(const std::function<bool(RegistryFile&)>& change) const;

  private:
    RegistryFile Parse(const RegularFile& file, RegularFile::Contents contents,
                       const std::string& bytes) const;
    RegistryFile ReadNow(const RegularFile& file) const;
    std::optional<std::string> Target() const;
    static bool AlreadyKept(const std::string& target);
    static bool KeepAside(const std::string& target);
    static bool Replace(const std::string& target, const std::string& text);
    static void RemoveStaleTemporaries(const std::string& target);

    std::string folder_;
    std::string fileName_;
    std::string rootName_;
};

}  // namespace orvane
