#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// A template after filling: its text, and where the placeholders begin that the template itself
// held and no entry filled. Only those can be filled by a later template this text goes into;
// everything an entry inserted is data and is never searched for placeholders again.
class FilledText {
  public:
    FilledText() = default;
    // Data only: nothing in it is a placeholder.
    FilledText(std::string data) : text_(std::move(data)) {}
    FilledText(const char* data) : text_(data) {}
    // open holds ascending offsets of "$NAME$" placeholders in text.
    FilledText(std::string text, std::vector<std::size_t> open)
        : text_(std::move(text)), open_(std::move(open)) {}

    const std::string& Text() const { return text_; }
    const std::vector<std::size_t>& Open() const { return open_; }

    FilledText& operator+=(const FilledText& more);

  private:
    std::string text_;
    std::vector<std::size_t> open_;
};

FilledText operator+(FilledText text, const FilledText& more);

}  // namespace orvane
