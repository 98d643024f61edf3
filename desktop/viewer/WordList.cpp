#include "viewer/WordList.h"

#include <QStringTokenizer>
#include <algorithm>

namespace orvane {

WordList::WordList(QStringView list) {
    // Only text enclosed by asterisks on both sides is an entry.
    const qsizetype first = list.indexOf(u'*');
    const qsizetype last = list.lastIndexOf(u'*');
    if (first < 0 || first == last) return;
    const QStringView enclosed = list.sliced(first + 1, last - first - 1);
    for (const QStringView entry : enclosed.tokenize(u'*', Qt::SkipEmptyParts)) {
        if (!std::all_of(entry.begin(), entry.end(), isWordChar)) continue;
        std::string folded;
        folded.reserve(entry.size());
        for (const QChar c : entry) folded.push_back(foldCase(c.unicode()));
        longest_ = std::max(longest_, folded.size());
        entries_.insert(std::move(folded));
    }
}

bool WordList::contains(std::string_view foldedWord) const {
    if (foldedWord.size() > longest_) return false;
    return entries_.find(std::string(foldedWord)) != entries_.end();
}

}  // namespace orvane
