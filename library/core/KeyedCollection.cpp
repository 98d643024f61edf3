#include "core/KeyedCollection.h"

namespace orvane {

namespace {
char Fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

std::string FoldKey(std::string_view key) {
    std::string folded(key);
    for (char& c : folded) c = Fold(c);
    return folded;
}

bool KeysEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Fold(a[i]) != Fold(b[i])) return false;
    }
    return true;
}

}  // namespace orvane
