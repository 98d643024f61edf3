#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace orvane {

// A highlighter word list written as "*first*second*...*". A word is in the list when the list
// holds "*" + word + "*" regardless of letter case; since a word never holds "*", that is the
// same as one of the entries between two asterisks being equal to it.
class WordList {
  public:
    // A–Z, a–z, 0–9, "_" and "." make up words; everything else (any byte of a non-ASCII
    // character too) ends them.
    static bool isWordChar(char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '.';
    }
    static char foldCase(char wordChar) {
        return wordChar >= 'A' && wordChar <= 'Z' ? static_cast<char>(wordChar + 32) : wordChar;
    }

    explicit WordList(std::string_view list);

    // foldedWord holds word characters already passed through foldCase.
    bool contains(std::string_view foldedWord) const;

  private:
    // Entries holding anything but word characters can never match a word, so they are left out.
    std::unordered_set<std::string> entries_;
    std::size_t longest_ = 0;
};

}  // namespace orvane
