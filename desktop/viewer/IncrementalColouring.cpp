#include "viewer/IncrementalColouring.h"

#include <algorithm>

namespace orvane {

namespace {
// Bytes between restart points: an edit rescans at most about this much before it.
constexpr std::size_t kRestartSpacing = 64 * 1024;
// A word or literal that runs past the requested end is followed in steps of this size.
constexpr std::size_t kOverrunStep = 4096;
}  // namespace

IncrementalColouring::IncrementalColouring(ProfileMaker profileOf)
    : profileOf_(std::move(profileOf)) {
    restartPoints_.push_back(0);
}

IncrementalColouring::~IncrementalColouring() = default;

unsigned char IncrementalColouring::StyleOf(std::int32_t color) {
    const auto& colors = HighlightScanner::kColors;
    const auto* found = std::find(colors.begin(), colors.end(), color);
    return found == colors.end() ? 0 : static_cast<unsigned char>(found - colors.begin() + 1);
}

void IncrementalColouring::textChangedAt(std::size_t pos) {
    // Even a change past colouredTo() restarts the scan: it may have looked ahead that far.
    while (restartPoints_.back() > pos) restartPoints_.pop_back();
    coloured_ = restartPoints_.back();
    scanner_.reset();
}

void IncrementalColouring::prepare(std::string_view text) {
    if (!profile_) profile_ = profileOf_(text);
}

std::size_t IncrementalColouring::colour(std::string_view text, std::size_t upTo,
                                         std::vector<unsigned char>& styles) {
    const std::size_t from = coloured_;
    styles.clear();
    prepare(text);
    if (!scanner_) scanner_ = std::make_unique<HighlightScanner>(text, *profile_, coloured_);
    scanner_->setText(text);
    upTo = std::min(upTo, text.size());
    bool finished = scanner_->scanTo(upTo);
    std::size_t settled = finished ? text.size() : std::min(scanner_->settled(), text.size());
    while (settled < upTo) {
        finished = scanner_->scanTo(scanner_->position() + kOverrunStep);
        settled = finished ? text.size() : std::min(scanner_->settled(), text.size());
    }
    if (settled <= from) return from;

    styles.assign(settled - from, 0);
    for (const ColorRange& r : scanner_->ranges()) {
        if (r.start >= settled) continue;
        // Ranges found before settled() moved past them end before it.
        const std::size_t start = std::max(r.start, from);
        const std::size_t end = std::min(r.start + r.length, settled);
        if (end <= start) continue;
        std::fill(styles.begin() + static_cast<std::ptrdiff_t>(start - from),
                  styles.begin() + static_cast<std::ptrdiff_t>(end - from), StyleOf(r.color));
    }
    scanner_->forgetRangesBefore(settled);
    coloured_ = settled;
    const bool noWordBegun = scanner_->settled() == scanner_->position();
    if (!finished && noWordBegun && coloured_ == scanner_->position() &&
        coloured_ >= restartPoints_.back() + kRestartSpacing) {
        restartPoints_.push_back(coloured_);
    }
    return from;
}

}  // namespace orvane
