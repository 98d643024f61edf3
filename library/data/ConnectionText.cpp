#include "data/ConnectionText.h"

#include <cctype>
#include <vector>

namespace orvane::data {

namespace {

// Splits at ";" outside braces.
std::vector<std::string_view> SplitPairs(std::string_view text) {
    std::vector<std::string_view> pairs;
    std::size_t start = 0;
    bool inBraces = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{') inBraces = true;
        if (text[i] == '}') inBraces = false;
        if (text[i] == ';' && !inBraces) {
            pairs.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    pairs.push_back(text.substr(start));
    return pairs;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsProviderPair(std::string_view key, std::string_view value) {
    auto upper = [](std::string_view s) {
        std::string result;
        for (char c : s) result += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return result;
    };
    return upper(key) == "PROVIDER" && upper(TrimBlanks(value)) == "MSDASQL";
}

}  // namespace

std::string NormalizeConnectionText(std::string_view text) {
    std::string result;
    bool first = true;
    for (std::string_view pair : SplitPairs(text)) {
        std::size_t equals = pair.find('=');
        std::string_view key = TrimBlanks(pair.substr(0, equals));
        if (key.empty()) continue;
        std::string_view value =
            equals == std::string_view::npos ? std::string_view{} : pair.substr(equals + 1);
        if (first && IsProviderPair(key, value)) {
            first = false;
            continue;
        }
        first = false;
        if (!result.empty()) result += ';';
        result.append(key);
        if (equals != std::string_view::npos) {
            result += '=';
            result.append(value);
        }
    }
    return result;
}

}  // namespace orvane::data
