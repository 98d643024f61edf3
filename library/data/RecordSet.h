#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Export.h"
#include "data/ColumnMeta.h"

namespace orvane::data {

// One column of a record set, positioned on the set's current record.
class ORVANE_API DbField {
  public:
    const std::string& Name() const { return meta_->name; }
    int Type() const { return meta_->type; }
    int DefinedSize() const { return meta_->definedSize; }
    int Precision() const { return meta_->precision; }
    int NumericScale() const { return meta_->numericScale; }
    int Attributes() const { return meta_->attributes; }
    const std::shared_ptr<const ColumnMeta>& Meta() const { return meta_; }

    // The current record's value as text (see the data layer's value rules), or a database null.
    bool IsNull() const { return isNull_; }
    const std::string& Value() const { return value_; }

  private:
    friend class RecordSet;
    std::shared_ptr<const ColumnMeta> meta_;
    bool isNull_ = true;
    std::string value_;
};

// A forward-only record set, positioned on its first record (or at its end) when it is made.
// Value text rules: dates "yyyy-mm-dd" (plus " hh:mm:ss" and a fraction only when the time is
// not midnight), times "hh:mm:ss", numbers in the C locale, booleans 1/0, binary as base64,
// text in UTF-8.
class ORVANE_API RecordSet {
  public:
    class Impl;
    explicit RecordSet(std::unique_ptr<Impl> impl);
    ~RecordSet();
    RecordSet(const RecordSet&) = delete;
    RecordSet& operator=(const RecordSet&) = delete;

    bool IsEOF() const;
    void MoveNext();
    std::size_t FieldCount() const;
    // Position from 0.
    const DbField& Field(std::size_t index) const;
    // By name, without regard to letter case; throws OrvaneError when there is none.
    const DbField& Field(std::string_view name) const;
    // The same, or null when there is none.
    const DbField* FindField(std::string_view name) const;

  private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace orvane::data
