#include "viewer/HighlightScanner.h"

#include <algorithm>

namespace orvane {

qsizetype HighlightScanner::Finder::next(QStringView text, qsizetype from) {
    const bool stillValid =
        searchedFrom_ >= 0 && from >= searchedFrom_ && (found_ < 0 || found_ >= from);
    if (!stillValid) {
        searchedFrom_ = from;
        found_ = text.indexOf(needle_, from);
    }
    return found_;
}

HighlightScanner::HighlightScanner(QStringView text, const HighlightProfile& profile)
    : text_(text),
      profile_(profile),
      first_(profile_.firstList),
      second_(profile_.secondList),
      quoteFinder_(QStringView(profile_.quote).left(1)),
      lineEndFinder_(u"\r\n"),
      blockEndFinder_(profile_.blockEnd) {}

bool HighlightScanner::standsAt(const QString& marker, qsizetype i) const {
    return !marker.isEmpty() && text_.sliced(i).startsWith(marker);
}

void HighlightScanner::addRegion(qsizetype start, qsizetype length, std::int32_t color) {
    if (length > 0) {
        ranges_.push_back({static_cast<int>(start), static_cast<int>(length), color});
    }
}

qsizetype HighlightScanner::blockComment(qsizetype i) {
    const qsizetype end = blockEndFinder_.next(text_, i + 1);
    // A comment that is never closed colours nothing; scanning goes on inside it.
    const qsizetype length = end < 0 ? 0 : end - i + profile_.blockEnd.size();
    addRegion(i, length, kCommentColor);
    return length;
}

void HighlightScanner::endWord() {
    if (word_.empty()) return;
    const std::int32_t color = second_.contains(word_)  ? kSecondListColor
                               : first_.contains(word_) ? kFirstListColor
                                                        : -1;
    if (color >= 0) {
        ranges_.push_back({static_cast<int>(wordStart_), static_cast<int>(word_.size()), color});
    }
    word_.clear();
}

bool HighlightScanner::scanTo(qsizetype end) {
    const HighlightProfile& p = profile_;
    end = std::min(end, text_.size());
    while (pos_ < end) {
        qsizetype i = pos_;
        const QChar c = text_[i];
        if (WordList::isWordChar(c)) {
            if (word_.empty()) wordStart_ = i;
            word_.push_back(WordList::foldCase(c.unicode()));
        } else if (!p.quote.isEmpty() && c == p.quote[0]) {
            const qsizetype partner = quoteFinder_.next(text_, i + 1);
            // A quote without a partner colours only itself.
            const qsizetype length = partner < 0 ? 1 : partner - i + 1;
            addRegion(i, length, kLiteralColor);
            i += length;
        } else if (!p.lineMarker.isEmpty() && c == p.lineMarker[0]) {
            if (standsAt(p.lineMarker, i)) {
                const qsizetype lineEnd = lineEndFinder_.next(text_, i + 1);
                const qsizetype length = lineEnd < 0 ? 0 : lineEnd - i + 1;
                addRegion(i, length, kCommentColor);
                i += length;
            } else if (standsAt(p.blockStart, i)) {
                i += blockComment(i);
            }
        } else if (!p.blockStart.isEmpty() && c == p.blockStart[0]) {
            if (standsAt(p.blockStart, i)) i += blockComment(i);
        } else {
            endWord();
        }
        // After a coloured region the character right after it is passed over as well.
        pos_ = i + 1;
    }
    return done();
}

}  // namespace orvane
