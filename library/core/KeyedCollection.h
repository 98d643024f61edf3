#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/Export.h"
#include "core/OrvaneError.h"

namespace orvane {

// Folds ASCII letters to lower case; keys of every collection compare this way.
ORVANE_API std::string FoldKey(std::string_view key);
ORVANE_API bool KeysEqual(std::string_view a, std::string_view b);

// An ordered collection addressable by position (from 1) and by a text key that compares
// without regard to letter case. Adding a key twice is an error, as is a missing key or position.
// Small collections (one table row) search linearly; a hash index appears only once a
// collection grows large, so the many small rows of a loaded table stay cheap.
template <class T>
class KeyedCollection {
  public:
    void Add(std::string key, T item) {
        if (Lookup(key) != kNone) {
            throw OrvaneError("Key is already associated with an element of this collection: " +
                              key);
        }
        if (!index_.empty() || items_.size() + 1 >= kIndexThreshold) {
            if (index_.empty()) BuildIndex();
            index_.emplace(FoldKey(key), items_.size());
        }
        items_.emplace_back(std::move(key), std::move(item));
    }

    // Adds an item whose key is known to differ from every key already held (the cells of a
    // row, whose names the column pass has checked); skips the search Add makes.
    void AddUnique(std::string key, T item) {
        if (!index_.empty()) index_.emplace(FoldKey(key), items_.size());
        items_.emplace_back(std::move(key), std::move(item));
    }

    std::size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    bool Contains(std::string_view key) const { return Lookup(key) != kNone; }

    // Position counted from 1.
    T& Item(std::size_t position) { return items_[CheckPosition(position) - 1].second; }
    const T& Item(std::size_t position) const { return items_[CheckPosition(position) - 1].second; }
    T& Item(std::string_view key) { return items_[Find(key)].second; }
    const T& Item(std::string_view key) const { return items_[Find(key)].second; }

    const std::string& KeyAt(std::size_t position) const {
        return items_[CheckPosition(position) - 1].first;
    }

    void Clear() {
        items_.clear();
        index_.clear();
    }
    void Reserve(std::size_t n) { items_.reserve(n); }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

  private:
    static constexpr std::size_t kIndexThreshold = 32;
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    void BuildIndex() {
        index_.reserve(items_.size() * 2);
        for (std::size_t i = 0; i < items_.size(); ++i) index_.emplace(FoldKey(items_[i].first), i);
    }
    std::size_t Lookup(std::string_view key) const {
        if (!index_.empty()) {
            auto it = index_.find(FoldKey(key));
            return it == index_.end() ? kNone : it->second;
        }
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (KeysEqual(items_[i].first, key)) return i;
        }
        return kNone;
    }
    std::size_t CheckPosition(std::size_t position) const {
        if (position < 1 || position > items_.size()) {
            throw OrvaneError("Invalid procedure call or argument: no item at position " +
                              std::to_string(position));
        }
        return position;
    }
    std::size_t Find(std::string_view key) const {
        std::size_t i = Lookup(key);
        if (i == kNone) {
            throw OrvaneError("Invalid procedure call or argument: no item with key " +
                              std::string(key));
        }
        return i;
    }

    std::vector<std::pair<std::string, T>> items_;
    std::unordered_map<std::string, std::size_t> index_;
};

}  // namespace orvane
