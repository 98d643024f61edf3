#include "settings/RegistryKey.h"

#include <algorithm>
#include <utility>

#include "core/KeyedCollection.h"

namespace orvane {

namespace {
template <class Items>
auto FindNamed(Items& items, std::string_view name) {
    return std::find_if(items.begin(), items.end(),
                        [name](const auto& item) { return KeysEqual(item.name, name); });
}
}  // namespace

const RegistryKey::Value* RegistryKey::FindValue(std::string_view name) const {
    auto it = FindNamed(values_, name);
    return it == values_.end() ? nullptr : &*it;
}

void RegistryKey::SetValue(std::string_view name, std::int32_t type, std::string data) {
    auto it = FindNamed(values_, name);
    if (it == values_.end()) {
        values_.push_back(Value{std::string(name), type, std::move(data)});
    } else {
        it->type = type;
        it->data = std::move(data);
    }
}

bool RegistryKey::DeleteValue(std::string_view name) {
    auto it = FindNamed(values_, name);
    if (it == values_.end()) return false;
    values_.erase(it);
    return true;
}

const RegistryKey* RegistryKey::FindSubkey(std::string_view name) const {
    auto it = SubkeyNamed(name);
    return it == subkeys_.end() ? nullptr : &*it;
}

RegistryKey* RegistryKey::FindSubkey(std::string_view name) {
    return const_cast<RegistryKey*>(std::as_const(*this).FindSubkey(name));
}

RegistryKey& RegistryKey::CreateSubkey(std::string_view name) {
    if (RegistryKey* existing = FindSubkey(name)) return *existing;
    const std::string folded = FoldKey(name);
    auto at = std::find_if(subkeys_.begin(), subkeys_.end(), [&folded](const RegistryKey& key) {
        return FoldKey(key.name_) > folded;
    });
    return *subkeys_.insert(at, RegistryKey(std::string(name)));
}

bool RegistryKey::DeleteSubkey(std::string_view name) {
    auto it = std::as_const(*this).SubkeyNamed(name);
    if (it == subkeys_.end() || !it->subkeys_.empty()) return false;
    subkeys_.erase(it);
    return true;
}

std::vector<RegistryKey>::const_iterator RegistryKey::SubkeyNamed(std::string_view name) const {
    return std::find_if(subkeys_.begin(), subkeys_.end(),
                        [name](const RegistryKey& key) { return KeysEqual(key.name_, name); });
}

}  // namespace orvane
