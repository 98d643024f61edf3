#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace orvane {

// Accumulates the rows of a generation run in a temporary file and reads them back once.
// The file is created with mkstemp in $TMPDIR (else /tmp) on the first write and deleted when
// the cache is released, also when the run fails midway.
class Cache {
  public:
    Cache() = default;
    ~Cache();
    Cache(const Cache&) = delete;
    Cache& operator=(const Cache&) = delete;

    // The temporary folder, ending with "/".
    static std::string GetTempPath();
    // Creates a new, empty, uniquely named file in the temporary folder and returns its path.
    static std::string GetTempFileName();

    // Appends a record. UTF-8 text is kept; control characters other than TAB, LF and CR,
    // and bytes that are not valid UTF-8, become "?". Throws when the file cannot be written.
    void WriteTofile(const std::string& sRecord);
    // Closes the file and returns everything written followed by CR LF ("" if never written).
    std::string GetFile();
    // As GetFile, but appends to text, so a caller that puts a header before the rows holds
    // the rows only once.
    void AppendFileTo(std::string& text);

    // The filter WriteTofile applies, on its own.
    static std::string Filter(const std::string& text);

  private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    using File = std::unique_ptr<std::FILE, FileCloser>;

    std::string path_;
    File file_;
};

}  // namespace orvane
