#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// One key of a settings root: its values in the order they were created and its subkeys in
// name order. Names compare without regard to letter case and keep the case they were made with.
class RegistryKey {
  public:
    struct Value {
        std::string name;
        std::int32_t type = 0;
        std::string data;  // the exact bytes, a string's terminating zero included
    };

    explicit RegistryKey(std::string name = {}) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    const std::vector<Value>& Values() const { return values_; }
    const std::vector<RegistryKey>& Subkeys() const { return subkeys_; }
    bool Empty() const { return values_.empty() && subkeys_.empty(); }

    const Value* FindValue(std::string_view name) const;
    void SetValue(std::string_view name, std::int32_t type, std::string data);
    bool DeleteValue(std::string_view name);

    const RegistryKey* FindSubkey(std::string_view name) const;
    RegistryKey* FindSubkey(std::string_view name);
    RegistryKey& CreateSubkey(std::string_view name);
    // Like the registry, only a key without subkeys of its own can go.
    bool DeleteSubkey(std::string_view name);

  private:
    std::vector<RegistryKey>::const_iterator SubkeyNamed(std::string_view name) const;

    std::string name_;
    std::vector<Value> values_;
    std::vector<RegistryKey> subkeys_;
};

}  // namespace orvane
