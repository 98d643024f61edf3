#include "data/ConnectionText.h"

#include <algorithm>
#include <cctype>

namespace orvane::data {

namespace {

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string Upper(std::string_view text) {
    std::string result;
    for (char c : text) result += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

bool IsCredential(const ConnectionAttribute& attribute) {
    const std::string key = Upper(attribute.key);
    return key == "UID" || key == "PWD";
}

// The value at text[pos] up to its ";" (or the end), unbraced when it starts with "{" after
// blanks; pos ends after the ";".
std::string TakeValue(std::string_view text, std::size_t& pos) {
    std::size_t start = pos;
    while (start < text.size() && IsBlank(text[start])) ++start;
    if (start < text.size() && text[start] == '{') {
        std::string value;
        std::size_t i = start + 1;
        for (; i < text.size(); ++i) {
            if (text[i] != '}') {
                value += text[i];
            } else if (i + 1 < text.size() && text[i + 1] == '}') {
                value += '}';
                ++i;
            } else {
                break;
            }
        }
        // Whatever stands between the closing brace and the next ";" is not part of the value.
        const std::size_t end = text.find(';', i);
        pos = end == std::string_view::npos ? text.size() : end + 1;
        return value;
    }
    const std::size_t end = text.find(';', pos);
    const std::string_view value =
        text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
    pos = end == std::string_view::npos ? text.size() : end + 1;
    return std::string(value);
}

}  // namespace

std::string ConnectionValue(std::string_view value) {
    const bool braced = value.find_first_of(";{}") != std::string_view::npos ||
                        (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back())));
    if (!braced) return std::string(value);
    std::string out = "{";
    for (char c : value) {
        out += c;
        if (c == '}') out += '}';
    }
    return out + "}";
}

std::vector<ConnectionAttribute> ParseConnectionText(std::string_view text) {
    std::vector<ConnectionAttribute> attributes;
    bool first = true;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t equals = text.find('=', pos);
        const std::size_t semicolon = text.find(';', pos);
        if (equals == std::string_view::npos ||
            (semicolon != std::string_view::npos && semicolon < equals)) {
            // A piece without "=": only a key, or nothing at all.
            const std::size_t end = semicolon == std::string_view::npos ? text.size() : semicolon;
            const std::string_view key = TrimBlanks(text.substr(pos, end - pos));
            if (!key.empty()) attributes.push_back({std::string(key), {}});
            if (!key.empty()) first = false;
            pos = end + 1;
            continue;
        }
        const std::string_view key = TrimBlanks(text.substr(pos, equals - pos));
        pos = equals + 1;
        std::string value = TakeValue(text, pos);
        if (key.empty()) continue;
        const bool provider =
            first && Upper(key) == "PROVIDER" && Upper(TrimBlanks(value)) == "MSDASQL";
        first = false;
        if (!provider) attributes.push_back({std::string(key), std::move(value)});
    }
    return attributes;
}

std::string NormalizeConnectionText(std::string_view text) {
    std::vector<ConnectionAttribute> attributes = ParseConnectionText(text);
    std::stable_partition(attributes.begin(), attributes.end(),
                          [](const ConnectionAttribute& a) { return !IsCredential(a); });
    std::string result;
    for (const ConnectionAttribute& attribute : attributes) {
        if (!result.empty()) result += ';';
        result += attribute.key + "=" + ConnectionValue(attribute.value);
    }
    return result;
}

}  // namespace orvane::data
