#pragma once

#include <cstdio>
#include <string>

namespace orvane::gen {

// Writes a file so that readers see either the old file or the whole new one: the text goes
// to a temporary file beside the target, which Commit renames over it. A file that is never
// committed (an error, an exception) is removed.
class AtomicFile {
  public:
    explicit AtomicFile(std::string target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Throws std::runtime_error with the path and the system's reason.
    void Write(const std::string& text);
    void Commit();

  private:
    std::string target_;
    std::string temp_;
    std::FILE* file_ = nullptr;
};

}  // namespace orvane::gen
