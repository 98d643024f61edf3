#include "generator/Cache.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "core/OrvaneError.h"
#include "core/Utf8.h"

namespace orvane {

namespace {
std::string SystemError(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

bool IsPlain(unsigned char c) {
    return c == '\t' || c == '\n' || c == '\r' || (c >= 32 && c < 127);
}

// Whether the eight bytes at p are all printable ASCII (0x20 to 0x7E), the bulk of any text.
bool EightPlain(const char* p) {
    std::uint64_t x = 0;
    std::memcpy(&x, p, sizeof x);
    constexpr std::uint64_t kHigh = 0x8080808080808080;
    if ((x & kHigh) != 0) return false;
    // No byte has its high bit, so these sums carry into no other byte: adding 0x60 sets it in
    // the bytes from 0x20 up, adding 0x01 in the bytes of 0x7F.
    return ((x + 0x6060606060606060) & ~(x + 0x0101010101010101) & kHigh) == kHigh;
}

// Calls emit with the pieces of text that pass the filter and "?" for each character that
// does not: control characters other than TAB, LF and CR, noncharacters and bytes that are not
// valid UTF-8. Plain text comes out as one piece, without a copy.
template <class Emit>
void FilterPieces(std::string_view text, Emit emit) {
    std::size_t from = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (i + 8 <= text.size() && EightPlain(text.data() + i)) {
            i += 8;
            continue;
        }
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsPlain(c)) {
            ++i;
            continue;
        }
        unsigned cp = 0;
        const std::size_t len = c >= 0x80 ? DecodeUtf8(text, i, cp) : 0;
        if (len != 0 && cp > 0x9F && cp != 0xFFFE && cp != 0xFFFF) {
            i += len;
            continue;
        }
        emit(text.data() + from, i - from);
        emit("?", 1);
        i += len == 0 ? 1 : len;
        from = i;
    }
    emit(text.data() + from, text.size() - from);
}
}  // namespace

Cache::Cache(std::string head, std::size_t memoryLimit)
    : text_(std::move(head)), headSize_(text_.size()), memoryLimit_(memoryLimit) {}

Cache::~Cache() {
    file_.reset();
    if (!path_.empty()) ::unlink(path_.c_str());
}

std::string Cache::GetTempPath() {
    const char* tmp = std::getenv("TMPDIR");
    std::string path = (tmp != nullptr && *tmp != '\0') ? tmp : "/tmp";
    if (path.back() != '/') path += '/';
    return path;
}

std::string Cache::GetTempFileName() {
    std::string pattern = GetTempPath() + "orvXXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    const int fd = ::mkstemp(buffer.data());
    if (fd < 0) throw OrvaneError(SystemError("Cannot create a temporary file", pattern));
    ::close(fd);
    return buffer.data();
}

void Cache::Reserve(std::size_t bytes) {
    if (path_.empty()) text_.reserve(text_.size() + std::min(bytes, memoryLimit_));
}

void Cache::WriteTofile(std::string_view sRecord) {
    written_ = true;
    if (path_.empty()) {
        FilterPieces(sRecord, [this](const char* data, std::size_t n) { text_.append(data, n); });
        if (text_.size() - headSize_ > memoryLimit_) MoveToFile();
        return;
    }
    if (!file_) throw OrvaneError("The temporary file " + path_ + " is already closed");
    bool written = true;
    FilterPieces(sRecord, [this, &written](const char* data, std::size_t n) {
        if (n != 0) written = written && std::fwrite(data, 1, n, file_.get()) == n;
    });
    if (!written) throw OrvaneError(SystemError("Cannot write", path_));
}

void Cache::MoveToFile() {
    path_ = GetTempFileName();
    file_.reset(std::fopen(path_.c_str(), "wb"));
    if (!file_) throw OrvaneError(SystemError("Cannot open", path_));
    std::setvbuf(file_.get(), nullptr, _IOFBF, 1 << 20);
    const std::size_t rows = text_.size() - headSize_;
    if (std::fwrite(text_.data() + headSize_, 1, rows, file_.get()) != rows) {
        throw OrvaneError(SystemError("Cannot write", path_));
    }
    text_.resize(headSize_);
    text_.shrink_to_fit();
}

std::string Cache::GetFile() {
    if (!path_.empty()) {
        if (file_) {
            const bool flushed = std::fflush(file_.get()) == 0;
            file_.reset();
            if (!flushed) throw OrvaneError(SystemError("Cannot write", path_));
        }
        const File in(std::fopen(path_.c_str(), "rb"));
        if (!in) throw OrvaneError(SystemError("Cannot read", path_));
        struct stat info {};
        if (::fstat(::fileno(in.get()), &info) != 0) {
            throw OrvaneError(SystemError("Cannot read", path_));
        }
        // Read straight into the text, sized once.
        const std::size_t start = text_.size();
        const auto size = static_cast<std::size_t>(info.st_size);
        text_.reserve(start + size + 2);
        text_.resize(start + size);
        if (std::fread(text_.data() + start, 1, size, in.get()) != size) {
            throw OrvaneError(SystemError("Cannot read", path_));
        }
    }
    if (written_) text_ += "\r\n";
    return std::move(text_);
}

}  // namespace orvane
