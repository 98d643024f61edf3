#include "settings/RegAccess.h"

#include <pwd.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <optional>
#include <vector>

#include "settings/SettingsFile.h"
#include "settings/SettingsNumbers.h"

namespace orvane {

namespace {

// The registry's buffers: longer data or names cannot be read.
constexpr std::size_t kBufferSize = 2048;

struct StoredValue {
    std::int32_t type = 0;
    std::string data;
};

// Nothing may escape the store; the only thing left that can throw is running out of memory.
template <class Result, class Body>
Result NoThrow(Result fallback, Body&& body) {
    try {
        return body();
    } catch (...) {
        return fallback;
    }
}

std::string DWordText(const std::string& data) {
    std::uint32_t number = 0;
    for (std::size_t i = std::min<std::size_t>(data.size(), 4); i-- > 0;) {
        number = number * 256 + static_cast<unsigned char>(data[i]);
    }
    std::string text = std::to_string(number);
    return text.size() < 3 ? std::string(3 - text.size(), '0') + text : text;
}

std::string HexText(const std::string& data) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(data.size() * 2);
    for (char c : data) {
        const auto byte = static_cast<unsigned char>(c);
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
    }
    return text;
}

// For strings the final byte is the terminating zero.
std::string WithoutFinalByte(const std::string& data) {
    return data.empty() ? std::string() : data.substr(0, data.size() - 1);
}

std::string ValueText(const RegValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<std::int64_t>(&value)) return std::to_string(*number);
    return DecimalText(std::get<double>(value));
}

// A whole text that is a number, blanks around it allowed; anything else has no number.
std::optional<double> TextNumber(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return std::nullopt;
    text = text.substr(start, text.find_last_not_of(" \t") - start + 1);
    if (text.front() == '+') text.remove_prefix(1);
    double number = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return number;
}

// Rounds halves to even; a value that does not fit a signed 32-bit integer stores 0.
std::int32_t DWordOf(const RegValue& value) {
    std::optional<double> number;
    if (const auto* text = std::get_if<std::string>(&value)) {
        number = TextNumber(*text);
    } else if (const auto* integer = std::get_if<std::int64_t>(&value)) {
        number = static_cast<double>(*integer);
    } else {
        number = std::get<double>(value);
    }
    if (!number) return 0;
    const double rounded = std::nearbyint(*number);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        return 0;
    }
    return static_cast<std::int32_t>(rounded);
}

StoredValue ToStored(int valType, const RegValue& value) {
    if (valType == ValDWord) {
        const auto number = static_cast<std::uint32_t>(DWordOf(value));
        std::string data;
        for (int shift = 0; shift < 32; shift += 8) data += static_cast<char>(number >> shift);
        return {ValDWord, data};
    }
    // Everything else is stored as a string value; only a ValString text gets its zero.
    std::string data = ValueText(value);
    if (valType == ValString && std::holds_alternative<std::string>(value)) data += '\0';
    return {ValString, data};
}

// The value as ReadRegistry delivers it, or nothing when it cannot be read.
std::optional<std::string> ReadValue(std::int32_t group, const std::string& section,
                                     const std::string& name) {
    const auto store = SettingsFile::ForRoot(group);
    if (!store) return std::nullopt;
    const auto file = store->Read();
    const RegistryKey* key = file->FindKey(section);
    const RegistryKey::Value* value = key == nullptr ? nullptr : key->FindValue(name);
    if (value == nullptr || value->data.size() > kBufferSize) return std::nullopt;
    switch (value->type) {
        case ValDWord:
            return DWordText(value->data);
        case ValBinary:
            return HexText(value->data);
        default:
            return WithoutFinalByte(value->data);
    }
}

bool Update(std::int32_t group, const std::function<bool(RegistryFile&)>& change) {
    const auto store = SettingsFile::ForRoot(group);
    return store && store->Update(change);
}

}  // namespace

std::string RegAccess::ReadRegistry(std::int32_t Group, const std::string& Section,
                                    const std::string& Key) {
    return NoThrow<std::string>(kNotFound,
                                [&] { return ReadValue(Group, Section, Key).value_or(kNotFound); });
}

void RegAccess::WriteRegistry(std::int32_t Group, const std::string& Section,
                              const std::string& Key, int ValType, const RegValue& Value) {
    NoThrow(false, [&] {
        if (!RegistryFile::StorableName(Key)) return false;
        const StoredValue stored = ToStored(ValType, Value);
        return Update(Group, [&](RegistryFile& file) {
            RegistryKey* key = file.CreateKey(Section);
            if (key == nullptr) return false;
            key->SetValue(Key, stored.type, stored.data);
            return true;
        });
    });
}

std::string RegAccess::ReadRegistryGetSubkey(std::int32_t Group, const std::string& Section,
                                             std::int32_t Idx) {
    return NoThrow<std::string>(kNotFound, [&]() -> std::string {
        const auto store = SettingsFile::ForRoot(Group);
        if (!store || Idx < 0) return kNotFound;
        const auto file = store->Read();
        const RegistryKey* key = file->FindKey(Section);
        if (key == nullptr || static_cast<std::size_t>(Idx) >= key->Subkeys().size()) {
            return kNotFound;
        }
        const std::string& name = std::next(key->Subkeys().begin(), Idx)->second->Name();
        // The buffer holds the name and its terminating zero.
        return name.size() < kBufferSize ? name : kNotFound;
    });
}

RegValueEntry RegAccess::ReadRegistryGetAll(std::int32_t Group, const std::string& Section,
                                            std::int32_t Idx) {
    const RegValueEntry failed{0, std::string(kBufferSize, ' '), kNotFound};
    return NoThrow(failed, [&] {
        const auto store = SettingsFile::ForRoot(Group);
        if (!store || Idx < 0) return failed;
        const auto file = store->Read();
        const RegistryKey* key = file->FindKey(Section);
        if (key == nullptr || static_cast<std::size_t>(Idx) >= key->Values().size()) return failed;
        const RegistryKey::Value& value = key->Values()[static_cast<std::size_t>(Idx)];
        if (value.name.size() >= kBufferSize || value.data.size() > kBufferSize) return failed;
        return RegValueEntry{
            value.type, value.name,
            value.type == ValDWord ? DWordText(value.data) : WithoutFinalByte(value.data)};
    });
}

std::string RegAccess::DeleteSubkey(std::int32_t Group, const std::string& Section) {
    NoThrow(false, [&] {
        return Update(Group, [&](RegistryFile& file) { return file.DeleteKey(Section); });
    });
    return {};
}

std::string RegAccess::DeleteValue(std::int32_t Group, const std::string& Section,
                                   const std::string& Key) {
    NoThrow(false, [&] {
        return Update(Group, [&](RegistryFile& file) {
            RegistryKey* key = file.FindKey(Section);
            return key != nullptr && key->DeleteValue(Key);
        });
    });
    return {};
}

void RegAccess::WriteLocalMachine(const std::string& Section, const std::string& Key, int ValType,
                                  const RegValue& Value) {
    WriteRegistry(HKEY_LOCAL_MACHINE, Section, Key, ValType, Value);
}

void RegAccess::WriteCurrentUser(const std::string& Section, const std::string& Key, int ValType,
                                 const RegValue& Value) {
    WriteRegistry(HKEY_CURRENT_USER, Section, Key, ValType, Value);
}

std::string RegAccess::ReadCurrentUser(const std::string& Section, const std::string& Key) {
    return ReadRegistry(HKEY_CURRENT_USER, Section, Key);
}

std::string RegAccess::ReadLocalMachine(const std::string& Section, const std::string& Key,
                                        const std::string& Default) {
    // Only a value that cannot be read takes the default; a stored text "Not Found" stays.
    return NoThrow<std::string>(
        Default, [&] { return ReadValue(HKEY_LOCAL_MACHINE, Section, Key).value_or(Default); });
}

std::string RegAccess::SettingsFolder() {
    const auto env = [](const char* name) -> std::string {
        const char* value = std::getenv(name);
        return value == nullptr ? std::string() : std::string(value);
    };
    if (std::string folder = env("ORVANE_CONFIG_DIR"); !folder.empty()) return folder;
    if (std::string xdg = env("XDG_CONFIG_HOME"); !xdg.empty() && xdg.front() == '/') {
        return xdg + "/orvane";
    }
    std::string home = env("HOME");
    if (home.empty()) {
        std::vector<char> buffer(16384);
        passwd entry{};
        passwd* found = nullptr;
        if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
            found != nullptr && found->pw_dir != nullptr) {
            home = found->pw_dir;
        }
    }
    return home.empty() ? std::string() : home + "/.config/orvane";
}

}  // namespace orvane
