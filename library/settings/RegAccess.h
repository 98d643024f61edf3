#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace orvane {

// Value types of the store (the registry's own type codes; there is no 5).
enum InTypes : int {
    ValNull = 0,
    ValString = 1,
    ValXString = 2,
    ValBinary = 3,
    ValDWord = 4,
    ValLink = 6,
    ValMultiString = 7,
    ValResList = 8,
};

// What a read returns when it cannot deliver a value.
inline constexpr const char* kNotFound = "Not Found";

// A value handed to a write: a text or a number.
using RegValue = std::variant<std::string, std::int64_t, double>;

// One value with its name, as ReadRegistryGetAll delivers it.
struct RegValueEntry {
    std::int32_t type = 0;
    std::string name;
    std::string data;
};

// String-in, string-out access to the settings store: two roots, each a text file in the
// registry-export format inside the settings folder. Stateless; every operation opens the
// file, does one thing and lets go. Nothing here ever throws.
class RegAccess {
  public:
    static constexpr std::int32_t HKEY_CURRENT_USER = static_cast<std::int32_t>(0x80000001u);
    static constexpr std::int32_t HKEY_LOCAL_MACHINE = static_cast<std::int32_t>(0x80000002u);

    std::string ReadRegistry(std::int32_t Group, const std::string& Section,
                             const std::string& Key);
    void WriteRegistry(std::int32_t Group, const std::string& Section, const std::string& Key,
                       int ValType, const RegValue& Value);
    std::string ReadRegistryGetSubkey(std::int32_t Group, const std::string& Section,
                                      std::int32_t Idx);
    RegValueEntry ReadRegistryGetAll(std::int32_t Group, const std::string& Section,
                                     std::int32_t Idx);
    std::string DeleteSubkey(std::int32_t Group, const std::string& Section);
    std::string DeleteValue(std::int32_t Group, const std::string& Section, const std::string& Key);
    void WriteLocalMachine(const std::string& Section, const std::string& Key, int ValType,
                           const RegValue& Value);
    void WriteCurrentUser(const std::string& Section, const std::string& Key, int ValType,
                          const RegValue& Value);
    std::string ReadCurrentUser(const std::string& Section, const std::string& Key);
    std::string ReadLocalMachine(const std::string& Section, const std::string& Key,
                                 const std::string& Default = "");

    // $ORVANE_CONFIG_DIR, else $XDG_CONFIG_HOME/orvane, else ~/.config/orvane.
    static std::string SettingsFolder();
};

}  // namespace orvane
