#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace orvane {

// Accumulates the rows of a generation run and gives them back once, as one text that starts
// with a head the routine puts before them. Rows stay in memory up to a bound; past it they move
// to a temporary file (mkstemp in $TMPDIR, else /tmp) and later rows follow them there, so a
// huge run never holds the growing text and its next, doubled buffer at once. The file is
// deleted when the cache is released, also when the run fails midway.
class Cache {
  public:
    // Bytes of rows held in memory before they move to a file.
    static constexpr std::size_t kMemoryLimit = std::size_t{64} << 20;

    // `head` comes first in the text, as it is (not filtered).
    explicit Cache(std::string head = {}, std::size_t memoryLimit = kMemoryLimit);
    ~Cache();
    Cache(const Cache&) = delete;
    Cache& operator=(const Cache&) = delete;

    // The temporary folder, ending with "/".
    static std::string GetTempPath();
    // Creates a new, empty, uniquely named file in the temporary folder and returns its path.
    static std::string GetTempFileName();

    // Room for about `bytes` of records in memory (no more than the bound), so that a text of
    // known size grows without copies of itself.
    void Reserve(std::size_t bytes);
    // Appends a record. UTF-8 text is kept; control characters other than TAB, LF and CR,
    // and bytes that are not valid UTF-8, become "?". Throws when the file cannot be written.
    void WriteTofile(std::string_view sRecord);
    // The head and every record, followed by CR LF when a record was written (the head alone,
    // "" by default, when none was). Takes the text out: call it once, at the end of the run.
    std::string GetFile();

  private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    using File = std::unique_ptr<std::FILE, FileCloser>;

    void MoveToFile();

    std::string text_;  // the head, then the rows while they are in memory
    std::size_t headSize_;
    std::size_t memoryLimit_;
    bool written_ = false;
    std::string path_;
    File file_;
};

}  // namespace orvane
