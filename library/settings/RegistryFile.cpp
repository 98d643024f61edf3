#include "settings/RegistryFile.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "core/KeyedCollection.h"
#include "core/Utf8.h"
#include "settings/RegAccess.h"

namespace orvane {

namespace {

constexpr std::string_view kOldHeader = "REGEDIT4";
constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr std::size_t kLineWidth = 80;

bool ReadableLine(std::string_view line) {
    return line.find('\0') == std::string_view::npos && IsValidUtf8(line);
}

std::string_view NextLine(std::string_view& rest) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::string_view TrimLeft(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view{} : text.substr(start);
}

std::string_view TrimRight(std::string_view text) {
    const std::size_t end = text.find_last_not_of(" \t");
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

std::string_view Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && KeysEqual(text.substr(0, prefix.size()), prefix);
}

// Stops one part past the deepest key, so a hostile line costs no more than a legal one.
std::vector<std::string_view> SplitPath(std::string_view path) {
    std::vector<std::string_view> parts;
    while (!path.empty() && parts.size() <= RegistryFile::kMaxDepth) {
        const std::size_t end = path.find('\\');
        std::string_view part = path.substr(0, end);
        if (!part.empty()) parts.push_back(part);
        path = end == std::string_view::npos ? std::string_view{} : path.substr(end + 1);
    }
    return parts;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Parses 1 to maxDigits hexadecimal digits making up the whole text.
bool ParseHexNumber(std::string_view text, std::size_t maxDigits, std::uint32_t& number) {
    if (text.empty() || text.size() > maxDigits) return false;
    number = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return false;
        number = number * 16 + static_cast<std::uint32_t>(digit);
    }
    return true;
}

// Reads a quoted text starting at text[0] == '"'; backslash escapes the next character.
bool ParseQuoted(std::string_view& text, std::string& out) {
    out.clear();
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            out += text[++i];
        } else if (text[i] == '"') {
            text.remove_prefix(i + 1);
            return true;
        } else {
            out += text[i];
        }
    }
    return false;
}

bool ParseHexList(std::string_view list, std::string& bytes) {
    bytes.clear();
    list = Trim(list);
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        std::uint32_t byte = 0;
        if (!ParseHexNumber(Trim(list.substr(0, comma)), 2, byte)) return false;
        bytes += static_cast<char>(byte);
        if (comma == std::string_view::npos) break;
        list = list.substr(comma + 1);
        if (Trim(list).empty()) return false;
    }
    return true;
}

// The data part of a value line: "text", dword:..., hex:... or hex(N):...
bool ParseData(std::string_view text, std::int32_t& type, std::string& data) {
    if (!text.empty() && text[0] == '"') {
        if (!ParseQuoted(text, data) || !Trim(text).empty()) return false;
        data += '\0';
        type = ValString;
        return true;
    }
    std::uint32_t number = 0;
    if (StartsWithNoCase(text, "dword:")) {
        if (!ParseHexNumber(Trim(text.substr(6)), 8, number)) return false;
        data.clear();
        for (int shift = 0; shift < 32; shift += 8) data += static_cast<char>(number >> shift);
        type = ValDWord;
        return true;
    }
    if (StartsWithNoCase(text, "hex:")) {
        type = ValBinary;
        return ParseHexList(text.substr(4), data);
    }
    if (StartsWithNoCase(text, "hex(")) {
        const std::size_t close = text.find("):");
        if (close == std::string_view::npos ||
            !ParseHexNumber(text.substr(4, close - 4), 8, number)) {
            return false;
        }
        type = static_cast<std::int32_t>(number);
        return ParseHexList(text.substr(close + 2), data);
    }
    return false;
}

std::string Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out;
}

// A plain zero-terminated string is written as "text"; everything else as bytes.
bool HasTextForm(const RegistryKey::Value& value) {
    if (value.type != ValString || value.data.empty() || value.data.back() != '\0') return false;
    const std::string_view text(value.data.data(), value.data.size() - 1);
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return false;
    }
    return IsValidUtf8(text);
}

void AppendValue(std::string& out, const RegistryKey::Value& value) {
    out += value.name.empty() ? std::string("@") : "\"" + Escape(value.name) + "\"";
    out += '=';
    if (HasTextForm(value)) {
        out += "\"" + Escape(std::string_view(value.data).substr(0, value.data.size() - 1)) + "\"";
    } else if (value.type == ValDWord && value.data.size() == 4) {
        std::uint32_t number = 0;
        for (int i = 3; i >= 0; --i) {
            number =
                number * 256 + static_cast<unsigned char>(value.data[static_cast<std::size_t>(i)]);
        }
        char text[16];
        std::snprintf(text, sizeof text, "dword:%08x", number);
        out += text;
    } else {
        char text[24];
        if (value.type == ValBinary) {
            std::snprintf(text, sizeof text, "hex:");
        } else {
            std::snprintf(text, sizeof text, "hex(%x):", static_cast<std::uint32_t>(value.type));
        }
        out += text;
        // Like regedit: no line longer than 80 characters, continued lines indented.
        std::size_t column = out.size() - out.rfind('\n') - 1;
        for (std::size_t i = 0; i < value.data.size(); ++i) {
            if (i > 0) {
                out += ',';
                ++column;
                if (column + 4 > kLineWidth) {
                    out += "\\\n  ";
                    column = 2;
                }
            }
            std::snprintf(text, sizeof text, "%02x", static_cast<unsigned char>(value.data[i]));
            out += text;
            column += 2;
        }
    }
    out += '\n';
}

void AppendSection(std::string& out, const RegistryKey& key, std::string_view path) {
    out += '[';
    out += path;
    out += "]\n";
    for (const auto& value : key.Values()) AppendValue(out, value);
    out += '\n';
}

// Depth first in name order, without recursion: keys may nest deeper than any stack. A key gets
// a section of its own when it has values, or none below it (so an empty key survives); the
// sections of its subkeys make the others, and the text stays linear in the depth.
void AppendSubkeys(std::string& out, const RegistryKey& root, std::string path) {
    struct Level {
        RegistryKey::SubkeyMap::const_iterator next, end;
        std::size_t pathLength;
    };
    std::vector<Level> levels{{root.Subkeys().begin(), root.Subkeys().end(), path.size()}};
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next == level.end) {
            levels.pop_back();
            continue;
        }
        const RegistryKey& key = *(level.next++)->second;
        path.resize(level.pathLength);
        path += '\\';
        path += key.Name();
        if (!key.Values().empty() || key.Subkeys().empty()) AppendSection(out, key, path);
        levels.push_back({key.Subkeys().begin(), key.Subkeys().end(), path.size()});
    }
}

// Decodes a UTF-16 LE text to UTF-8. A unit that makes no character becomes a zero byte, which
// makes its line unreadable, as an invalid byte does in a UTF-8 file.
std::string FromUtf16Le(std::string_view bytes) {
    const auto unit = [bytes](std::size_t i) {
        return static_cast<unsigned>(static_cast<unsigned char>(bytes[i])) |
               static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 1])) << 8;
    };
    std::string out;
    out.reserve(bytes.size() / 2);
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        unsigned cp = unit(i);
        if (cp >= 0xD800 && cp < 0xDC00 && i + 3 < bytes.size()) {
            const unsigned low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (cp >= 0xD800 && cp < 0xE000) cp = 0;
        AppendUtf8(out, cp);
    }
    if (i < bytes.size()) out += '\0';
    return out;
}

}  // namespace

bool RegistryFile::StorableName(std::string_view name) {
    return name.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos &&
           IsValidUtf8(name);
}

RegistryFile RegistryFile::Parse(std::string_view text, std::string rootName) {
    RegistryFile file(std::move(rootName));
    // What the registry editor exports; written back as UTF-8 like every file this program writes.
    std::string decoded;
    if (text.substr(0, kUtf16Bom.size()) == kUtf16Bom) {
        decoded = FromUtf16Le(text.substr(kUtf16Bom.size()));
        text = decoded;
    }
    if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
    std::string_view rest = text;
    bool headerSeen = false;
    RegistryKey* current = nullptr;
    while (!rest.empty()) {
        std::string_view line = NextLine(rest);
        if (!ReadableLine(line)) {
            file.damaged_ = true;
            continue;
        }
        line = TrimRight(TrimLeft(line));
        if (line.empty() || line[0] == ';') continue;
        if (!headerSeen) {
            headerSeen = true;
            if (line == kHeader || line == kOldHeader) continue;
            file.damaged_ = true;
        }
        file.ParseLine(line, rest, current);
    }
    if (!headerSeen) file.damaged_ = true;
    return file;
}

void RegistryFile::ParseLine(std::string_view line, std::string_view& rest, RegistryKey*& current) {
    if (line[0] == '[') {
        current = line.back() == ']' ? ParseSection(line.substr(1, line.size() - 2)) : nullptr;
        if (current == nullptr) damaged_ = true;
        return;
    }
    std::string name;
    if (line[0] == '@') {
        line.remove_prefix(1);
    } else if (line[0] != '"' || !ParseQuoted(line, name)) {
        damaged_ = true;
        return;
    }
    line = TrimLeft(line);
    if (current == nullptr || line.empty() || line[0] != '=') {
        damaged_ = true;
        return;
    }
    std::string data(TrimLeft(line.substr(1)));
    // Long byte lists go on over several lines, each but the last ending in a backslash.
    if (StartsWithNoCase(data, "hex")) {
        while (!data.empty() && data.back() == '\\') {
            // A cut-off list must not swallow the next section or value.
            std::string_view after = rest;
            const std::string_view next = NextLine(after);
            const std::string_view start = TrimLeft(next);
            if (rest.empty() || !ReadableLine(next) ||
                (!start.empty() && (start[0] == '[' || start[0] == '"' || start[0] == '@'))) {
                damaged_ = true;
                return;
            }
            rest = after;
            data.pop_back();
            data += Trim(next);
        }
    }
    std::int32_t type = 0;
    std::string bytes;
    if (ParseData(data, type, bytes)) {
        current->SetValue(name, type, std::move(bytes));
    } else {
        damaged_ = true;
    }
}

RegistryKey* RegistryFile::ParseSection(std::string_view inner) {
    const std::size_t separator = inner.find('\\');
    // Deletion entries ("[-KEY]") and keys of another root do not belong in this file.
    if (!KeysEqual(inner.substr(0, separator), rootName_)) return nullptr;
    return CreateKey(separator == std::string_view::npos ? std::string_view{}
                                                         : inner.substr(separator + 1));
}

std::string RegistryFile::Serialise() const {
    std::string out(kHeader);
    out += "\n\n";
    if (!root_.Values().empty()) AppendSection(out, root_, rootName_);
    AppendSubkeys(out, root_, rootName_);
    return out;
}

const RegistryKey* RegistryFile::FindKey(std::string_view path) const {
    const std::vector<std::string_view> parts = SplitPath(path);
    if (parts.size() > kMaxDepth) return nullptr;
    const RegistryKey* key = &root_;
    for (std::string_view part : parts) {
        key = key->FindSubkey(part);
        if (key == nullptr) return nullptr;
    }
    return key;
}

RegistryKey* RegistryFile::FindKey(std::string_view path) {
    return const_cast<RegistryKey*>(std::as_const(*this).FindKey(path));
}

RegistryKey* RegistryFile::CreateKey(std::string_view path) {
    const std::vector<std::string_view> parts = SplitPath(path);
    if (parts.size() > kMaxDepth) return nullptr;
    for (std::string_view part : parts) {
        if (!StorableName(part)) return nullptr;
    }
    RegistryKey* key = &root_;
    for (std::string_view part : parts) key = &key->CreateSubkey(part);
    return key;
}

bool RegistryFile::DeleteKey(std::string_view path) {
    std::vector<std::string_view> parts = SplitPath(path);
    if (parts.empty() || parts.size() > kMaxDepth) return false;
    const std::string_view last = parts.back();
    parts.pop_back();
    RegistryKey* parent = &root_;
    for (std::string_view part : parts) {
        parent = parent->FindSubkey(part);
        if (parent == nullptr) return false;
    }
    return parent->DeleteSubkey(last);
}

void RegistryFile::Merge(const RegistryFile& other) {
    std::vector<std::pair<RegistryKey*, const RegistryKey*>> pending{{&root_, &other.root_}};
    while (!pending.empty()) {
        const auto [into, from] = pending.back();
        pending.pop_back();
        for (const auto& value : from->Values()) into->SetValue(value.name, value.type, value.data);
        for (const auto& [name, subkey] : from->Subkeys()) {
            pending.emplace_back(&into->CreateSubkey(subkey->Name()), subkey.get());
        }
    }
}

void RegistryFile::MarkDamaged(std::string problem) {
    damaged_ = true;
    problem_ = std::move(problem);
}

}  // namespace orvane
