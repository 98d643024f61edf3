#include "settings/RegistryKey.h"

#include <algorithm>
#include <utility>

#include "core/KeyedCollection.h"

namespace orvane {

namespace {

// Few values are searched faster than indexed.
constexpr std::size_t kIndexFrom = 16;

unsigned char Folded(char c) {
    return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

}  // namespace

bool FoldedLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Folded(x) < Folded(y); });
}

RegistryKey::~RegistryKey() {
    std::vector<std::unique_ptr<RegistryKey>> doomed;
    for (auto& [name, key] : subkeys_) doomed.push_back(std::move(key));
    subkeys_.clear();
    while (!doomed.empty()) {
        const std::unique_ptr<RegistryKey> key = std::move(doomed.back());
        doomed.pop_back();
        for (auto& [name, child] : key->subkeys_) doomed.push_back(std::move(child));
        // Destroyed with no keys below it, so its own destructor goes no deeper.
        key->subkeys_.clear();
    }
}

std::size_t RegistryKey::ValuePosition(std::string_view name) const {
    if (!valueIndex_.empty()) {
        const auto found = valueIndex_.find(FoldKey(name));
        return found == valueIndex_.end() ? kNone : found->second;
    }
    for (std::size_t i = 0; i < values_.size(); ++i) {
        if (KeysEqual(values_[i].name, name)) return i;
    }
    return kNone;
}

void RegistryKey::IndexValues() {
    valueIndex_.clear();
    if (values_.size() < kIndexFrom) return;
    for (std::size_t i = 0; i < values_.size(); ++i)
        valueIndex_.emplace(FoldKey(values_[i].name), i);
}

const RegistryKey::Value* RegistryKey::FindValue(std::string_view name) const {
    const std::size_t at = ValuePosition(name);
    return at == kNone ? nullptr : &values_[at];
}

void RegistryKey::SetValue(std::string_view name, std::int32_t type, std::string data) {
    const std::size_t at = ValuePosition(name);
    if (at != kNone) {
        values_[at].type = type;
        values_[at].data = std::move(data);
        return;
    }
    values_.push_back(Value{std::string(name), type, std::move(data)});
    if (!valueIndex_.empty()) {
        valueIndex_.emplace(FoldKey(name), values_.size() - 1);
    } else if (values_.size() >= kIndexFrom) {
        IndexValues();
    }
}

bool RegistryKey::DeleteValue(std::string_view name) {
    const std::size_t at = ValuePosition(name);
    if (at == kNone) return false;
    values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(at));
    if (!valueIndex_.empty()) IndexValues();
    return true;
}

const RegistryKey* RegistryKey::FindSubkey(std::string_view name) const {
    const auto found = subkeys_.find(name);
    return found == subkeys_.end() ? nullptr : found->second.get();
}

RegistryKey* RegistryKey::FindSubkey(std::string_view name) {
    return const_cast<RegistryKey*>(std::as_const(*this).FindSubkey(name));
}

RegistryKey& RegistryKey::CreateSubkey(std::string_view name) {
    auto found = subkeys_.lower_bound(name);
    if (found == subkeys_.end() || FoldedLess()(name, found->first)) {
        found = subkeys_.emplace_hint(found, std::string(name),
                                      std::make_unique<RegistryKey>(std::string(name)));
    }
    return *found->second;
}

bool RegistryKey::DeleteSubkey(std::string_view name) {
    const auto found = subkeys_.find(name);
    if (found == subkeys_.end() || !found->second->subkeys_.empty()) return false;
    subkeys_.erase(found);
    return true;
}

}  // namespace orvane
