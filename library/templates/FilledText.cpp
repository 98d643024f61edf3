#include "templates/FilledText.h"

namespace orvane {

FilledText& FilledText::operator+=(const FilledText& more) {
    const std::size_t shift = text_.size();
    const std::size_t count = more.open_.size();  // more may be this text itself
    text_ += more.text_;
    for (std::size_t i = 0; i < count; ++i) open_.push_back(shift + more.open_[i]);
    return *this;
}

FilledText operator+(FilledText text, const FilledText& more) {
    text += more;
    return text;
}

}  // namespace orvane
