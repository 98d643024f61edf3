#pragma once

#include <QChar>
#include <QStringView>
#include <string>
#include <string_view>
#include <unordered_set>

namespace orvane {

// A highlighter word list written as "*first*second*...*". A word is in the list when the list
// holds "*" + word + "*" regardless of letter case; since a word never holds "*", that is the
// same as one of the entries between two asterisks being equal to it.
class WordList {
  public:
    // A–Z, a–z, 0–9, "_" and "." make up words; everything else ends them.
    static bool isWordChar(QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
               u == u'_' || u == u'.';
    }
    static char foldCase(char16_t wordChar) {
        return static_cast<char>(wordChar >= u'A' && wordChar <= u'Z' ? wordChar + 32 : wordChar);
    }

    explicit WordList(QStringView list);

    // foldedWord holds word characters already passed through foldCase.
    bool contains(std::string_view foldedWord) const;

  private:
    // Entries holding anything but word characters can never match a word, so they are left out.
    std::unordered_set<std::string> entries_;
    std::size_t longest_ = 0;
};

}  // namespace orvane
