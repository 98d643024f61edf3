#include "viewer/WordList.h"

#include <algorithm>

namespace orvane {

WordList::WordList(std::string_view list) {
    // Only text enclosed by asterisks on both sides is an entry.
    const std::size_t first = list.find('*');
    const std::size_t last = list.rfind('*');
    if (first == std::string_view::npos || first == last) return;
    std::string_view rest = list.substr(first + 1, last - first - 1);
    while (!rest.empty()) {
        const std::size_t star = std::min(rest.find('*'), rest.size());
        const std::string_view entry = rest.substr(0, star);
        rest.remove_prefix(std::min(star + 1, rest.size()));
        if (entry.empty() || !std::all_of(entry.begin(), entry.end(), isWordChar)) continue;
        std::string folded(entry);
        std::transform(folded.begin(), folded.end(), folded.begin(), foldCase);
        longest_ = std::max(longest_, folded.size());
        entries_.insert(std::move(folded));
    }
}

bool WordList::contains(std::string_view foldedWord) const {
    if (foldedWord.size() > longest_) return false;
    return entries_.find(std::string(foldedWord)) != entries_.end();
}

}  // namespace orvane
