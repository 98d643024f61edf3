#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvane {

// Orders names as the registry does: letters without regard to case.
struct FoldedLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

// One key of a settings root: its values in the order they were created and its subkeys in
// name order. Names compare without regard to letter case and keep the case they were made with.
class RegistryKey {
  public:
    struct Value {
        std::string name;
        std::int32_t type = 0;
        std::string data;  // the exact bytes, a string's terminating zero included
    };
    using SubkeyMap = std::map<std::string, std::unique_ptr<RegistryKey>, FoldedLess>;

    explicit RegistryKey(std::string name = {}) : name_(std::move(name)) {}
    // Takes the keys below apart level by level: a file may nest them deeper than any stack.
    ~RegistryKey();
    RegistryKey(RegistryKey&&) noexcept = default;
    RegistryKey& operator=(RegistryKey&&) noexcept = default;

    const std::string& Name() const { return name_; }
    const std::vector<Value>& Values() const { return values_; }
    const SubkeyMap& Subkeys() const { return subkeys_; }
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
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t ValuePosition(std::string_view name) const;
    void IndexValues();

    std::string name_;
    std::vector<Value> values_;
    // Folded name to position, kept once a key holds many values.
    std::unordered_map<std::string, std::size_t> valueIndex_;
    SubkeyMap subkeys_;
};

}  // namespace orvane
