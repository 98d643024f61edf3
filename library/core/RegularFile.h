#pragma once

#include <sys/types.h>

#include <cstddef>
#include <ctime>
#include <string>

namespace orvane {

// A file opened for reading only if it is a regular file. A FIFO, device or folder under the
// name is reported and never read, so it can neither block the program nor feed it endless data.
class RegularFile {
  public:
    enum class State { Open, Missing, NotRegular, Failed };
    enum class Contents { Whole, TooLarge, Failed };

    // What tells one version of a file from the next: a rewrite or a replacement changes it.
    struct Stamp {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        std::time_t modified = 0;
        long modifiedNs = 0;
        std::time_t changed = 0;
        long changedNs = 0;
        bool operator==(const Stamp&) const = default;
    };

    explicit RegularFile(const std::string& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    State Status() const { return state_; }
    // The errno of a Failed open.
    int Error() const { return error_; }
    const Stamp& Identity() const { return stamp_; }
    // Reads the file from its start. Past cap bytes only the first cap are kept: TooLarge.
    Contents ReadAll(std::size_t cap, std::string& bytes) const;
    // True when both are open and hold the same bytes.
    bool SameContents(const RegularFile& other) const;

  private:
    // pread without interruptions; a negative result is an error.
    long ReadAt(std::size_t offset, char* buffer, std::size_t size) const;

    int fd_ = -1;
    State state_ = State::Failed;
    int error_ = 0;
    Stamp stamp_;
};

}  // namespace orvane
