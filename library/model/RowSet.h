#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Export.h"
#include "data/ColumnMeta.h"
#include "model/ODBCField.h"

namespace orvane {

// The loaded rows of a table: every cell's text back to back in one buffer, each cell one end
// offset, so a table of many rows costs its text and eight bytes a cell, not an object a cell.
// Rows are addressed by position (from 1) or by key: row k - 1 has the key "k - 1". The cells of
// a row are addressed by position (from 1) or by column name without regard to letter case.
class ORVANE_API RowSet {
  public:
    // One row, as a view into its set: valid while the set is unchanged.
    class ORVANE_API Row {
      public:
        std::size_t Count() const { return set_->columns_.size(); }
        // The cell's text (empty for a database null) and whether it is a database null, by
        // position from 1; the hot loops of the generators read cells this way.
        std::string_view Value(std::size_t position) const;
        bool ValueIsNull(std::size_t position) const;
        // The cell as a field with its column's metadata (a copy of the value).
        ODBCField Item(std::size_t position) const;
        ODBCField Item(std::string_view name) const;
        bool Contains(std::string_view name) const;
        // The column name at a position (from 1).
        const std::string& KeyAt(std::size_t position) const;

      private:
        friend class RowSet;
        Row(const RowSet* set, std::size_t row) : set_(set), row_(row) {}
        std::size_t Cell(std::size_t position) const;
        // The position of the named column, or 0.
        std::size_t Find(std::string_view name) const;

        const RowSet* set_;
        std::size_t row_;
    };

    // Empties the set and names the columns every row that follows holds.
    void Reset(std::vector<std::shared_ptr<const data::ColumnMeta>> columns);
    void Reserve(std::size_t rows);
    // Appends the next cell of the row being built; EndRow closes it.
    void AppendCell(std::string_view value, bool isNull);
    void EndRow() { ++rows_; }

    std::size_t Count() const { return rows_; }
    // The bytes of all cells' text, for sizing what is built from them.
    std::size_t TextSize() const { return text_.size(); }
    bool Empty() const { return rows_ == 0; }
    Row Item(std::size_t position) const;
    Row Item(std::string_view key) const;
    std::string KeyAt(std::size_t position) const;

  private:
    static constexpr std::uint64_t kNullBit = std::uint64_t{1} << 63;

    std::size_t CheckPosition(std::size_t position) const;

    std::vector<std::shared_ptr<const data::ColumnMeta>> columns_;
    std::string text_;
    // Where each cell's text ends in text_, with kNullBit set for a database null.
    std::vector<std::uint64_t> ends_;
    std::size_t rows_ = 0;
};

}  // namespace orvane
