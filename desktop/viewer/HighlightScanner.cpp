#include "viewer/HighlightScanner.h"

#include <algorithm>

namespace orvane {

namespace {
constexpr std::size_t kNone = std::string_view::npos;
}

std::size_t HighlightScanner::Finder::next(std::string_view text, std::size_t from) {
    const bool stillValid =
        searchedFrom_ != kNone && from >= searchedFrom_ && (found_ == kNone || found_ >= from);
    if (!stillValid) {
        searchedFrom_ = from;
        found_ = text.find(needle_, from);
    }
    return found_;
}

HighlightScanner::HighlightScanner(std::string_view text, const HighlightProfile& profile,
                                   std::size_t start)
    : text_(text),
      profile_(profile),
      first_(profile.firstList),
      second_(profile.secondList),
      quoteFinder_(std::string_view(profile.quote).substr(0, 1)),
      lineEndFinder_("\r\n"),
      blockEndFinder_(profile.blockEnd),
      pos_(start) {}

bool HighlightScanner::standsAt(const std::string& marker, std::size_t i) const {
    return !marker.empty() && text_.substr(i).starts_with(marker);
}

std::size_t HighlightScanner::charLength(std::size_t i) const {
    const auto lead = static_cast<unsigned char>(text_[i]);
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    std::size_t n = 1;
    // A broken sequence ends at the first byte that does not continue it.
    while (n < length && i + n < text_.size() &&
           (static_cast<unsigned char>(text_[i + n]) & 0xC0) == 0x80) {
        ++n;
    }
    return n;
}

std::size_t HighlightScanner::region(std::size_t start, std::size_t length, std::int32_t color) {
    if (length > 0) ranges_.push_back({start, length, color});
    const std::size_t after = start + length;
    return after < text_.size() ? after + charLength(after) : text_.size();
}

std::size_t HighlightScanner::blockComment(std::size_t i) {
    const std::size_t end = blockEndFinder_.next(text_, i + 1);
    // A comment that is never closed colours nothing; scanning goes on inside it.
    return region(i, end == kNone ? 0 : end - i + profile_.blockEnd.size(), kCommentColor);
}

void HighlightScanner::endWord() {
    if (word_.empty()) return;
    const std::int32_t color = second_.contains(word_)  ? kSecondListColor
                               : first_.contains(word_) ? kFirstListColor
                                                        : -1;
    if (color >= 0) {
        // The colour covers as many characters as the word has, from its start; literals or
        // comments inside the word count among them.
        std::size_t end = wordStart_;
        for (std::size_t n = 0; n < word_.size() && end < text_.size(); ++n) end += charLength(end);
        ranges_.push_back({wordStart_, end - wordStart_, color});
    }
    word_.clear();
}

void HighlightScanner::forgetRangesBefore(std::size_t pos) {
    std::erase_if(ranges_, [pos](const ColorRange& r) { return r.start < pos; });
}

bool HighlightScanner::scanTo(std::size_t end) {
    const HighlightProfile& p = profile_;
    end = std::min(end, text_.size());
    while (pos_ < end) {
        const std::size_t i = pos_;
        const char c = text_[i];
        std::size_t next = i + 1;
        if (WordList::isWordChar(c)) {
            if (word_.empty()) wordStart_ = i;
            word_.push_back(WordList::foldCase(c));
        } else if (!p.quote.empty() && c == p.quote[0]) {
            const std::size_t partner = quoteFinder_.next(text_, i + 1);
            // A quote without a partner colours only itself.
            next = region(i, partner == kNone ? 1 : partner - i + 1, kLiteralColor);
        } else if (!p.lineMarker.empty() && c == p.lineMarker[0]) {
            if (standsAt(p.lineMarker, i)) {
                const std::size_t lineEnd = lineEndFinder_.next(text_, i + 1);
                next = region(i, lineEnd == kNone ? 0 : lineEnd - i + 1, kCommentColor);
            } else if (standsAt(p.blockStart, i)) {
                next = blockComment(i);
            }
        } else if (!p.blockStart.empty() && c == p.blockStart[0]) {
            if (standsAt(p.blockStart, i)) next = blockComment(i);
        } else {
            endWord();
        }
        pos_ = next;
    }
    return done();
}

}  // namespace orvane
