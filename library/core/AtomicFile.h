#pragma once

#include <sys/types.h>

#include <string>

#include "core/Export.h"
#include "core/UniqueFd.h"

namespace orvane {

// Writes a file so that readers see either the old file or the whole new one: the text goes to
// a temporary file beside the target (target + ".tmp-" + six characters), which Commit flushes
// to the disk and renames over the target. A file that is never committed (an error, an
// exception) is removed.
class ORVANE_API AtomicFile {
  public:
    // mode: the permissions of the new file, less the process's umask.
    explicit AtomicFile(std::string target, mode_t mode = 0666);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Throw OrvaneError naming the file and the system's reason.
    void Write(const std::string& text);
    void Commit();

    // The prefix of the temporary names made for target, for clearing those a crash left.
    static std::string TemporaryPrefix(const std::string& target);
    // Flushes a folder's entries (names made, renamed or removed) to the disk.
    static bool SyncFolder(const std::string& folder);

  private:
    std::string target_;
    std::string temp_;
    UniqueFd file_;
};

}  // namespace orvane
