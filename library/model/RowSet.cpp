#include "model/RowSet.h"

#include <charconv>
#include <utility>

#include "core/KeyedCollection.h"
#include "core/OrvaneError.h"

namespace orvane {

namespace {
[[noreturn]] void NoPosition(std::size_t position) {
    throw OrvaneError("Invalid procedure call or argument: no item at position " +
                      std::to_string(position));
}
[[noreturn]] void NoKey(std::string_view key) {
    throw OrvaneError("Invalid procedure call or argument: no item with key " + std::string(key));
}
}  // namespace

void RowSet::Reset(std::vector<std::shared_ptr<const data::ColumnMeta>> columns) {
    columns_ = std::move(columns);
    text_.clear();
    ends_.clear();
    rows_ = 0;
}

void RowSet::Reserve(std::size_t rows) { ends_.reserve(rows * columns_.size()); }

void RowSet::AppendCell(std::string_view value, bool isNull) {
    text_.append(value);
    ends_.push_back(text_.size() | (isNull ? kNullBit : 0));
}

std::size_t RowSet::CheckPosition(std::size_t position) const {
    if (position < 1 || position > rows_) NoPosition(position);
    return position;
}

RowSet::Row RowSet::Item(std::size_t position) const { return {this, CheckPosition(position) - 1}; }

RowSet::Row RowSet::Item(std::string_view key) const {
    // Keys are the row numbers from 0 as plain decimal text.
    std::size_t row = 0;
    const char* end = key.data() + key.size();
    const auto [at, error] = std::from_chars(key.data(), end, row);
    if (key.empty() || error != std::errc() || at != end || row >= rows_ ||
        (key.size() > 1 && key[0] == '0')) {
        NoKey(key);
    }
    return {this, row};
}

std::string RowSet::KeyAt(std::size_t position) const {
    return std::to_string(CheckPosition(position) - 1);
}

std::size_t RowSet::Row::Cell(std::size_t position) const {
    if (position < 1 || position > Count()) NoPosition(position);
    return row_ * Count() + position - 1;
}

std::string_view RowSet::Row::Value(std::size_t position) const {
    const std::size_t cell = Cell(position);
    const std::uint64_t from = cell == 0 ? 0 : set_->ends_[cell - 1] & ~kNullBit;
    const std::uint64_t to = set_->ends_[cell] & ~kNullBit;
    return std::string_view(set_->text_).substr(from, to - from);
}

bool RowSet::Row::ValueIsNull(std::size_t position) const {
    return (set_->ends_[Cell(position)] & kNullBit) != 0;
}

ODBCField RowSet::Row::Item(std::size_t position) const {
    const std::string_view value = Value(position);  // checks the position
    return ODBCField(set_->columns_[position - 1], std::string(value), ValueIsNull(position));
}

std::size_t RowSet::Row::Find(std::string_view name) const {
    for (std::size_t j = 1; j <= Count(); ++j) {
        if (KeysEqual(KeyAt(j), name)) return j;
    }
    return 0;
}

ODBCField RowSet::Row::Item(std::string_view name) const {
    const std::size_t position = Find(name);
    if (position == 0) NoKey(name);
    return Item(position);
}

bool RowSet::Row::Contains(std::string_view name) const { return Find(name) != 0; }

const std::string& RowSet::Row::KeyAt(std::size_t position) const {
    if (position < 1 || position > Count()) NoPosition(position);
    return set_->columns_[position - 1]->name;
}

}  // namespace orvane
