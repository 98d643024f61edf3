#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/Export.h"
#include "data/ColumnMeta.h"

namespace orvane {

namespace data {
class DbField;
}

// One column of the loaded table with its value in one row. The column's metadata is shared
// between every cell of the column, so a loaded table costs little more than its values.
class ORVANE_API ODBCField {
  public:
    ODBCField() = default;
    // A field built straight from metadata and a value (tests, sample data).
    ODBCField(std::shared_ptr<const data::ColumnMeta> meta, std::string value,
              bool valueIsNull = false);

    // Copies name, type, size, precision, scale, nullability and the value (or a made-up
    // sample value for row nRec when hasData is false) out of the record set's field.
    void Load(const data::DbField* objField, bool hasData, std::int16_t nRec);
    // The made-up value of a column in row nRec when the data source has no such row.
    static std::string SampleValue(const data::ColumnMeta& meta, std::int16_t nRec);

    const std::string& FieldName() const;
    std::string FieldType() const { return {}; }
    std::string FieldNameJava() const;
    std::string FieldNameJavaPK() const;
    std::string FieldNameVb() const;
    std::string FieldNameVbPk() const;
    std::string JavaType() const;
    std::string CSharpType() const;
    std::string XsdType() const;
    std::string JavaSqlType() const;
    std::string VbType() const;
    std::string VbNetType() const { return CSharpType(); }
    std::string DbType() const;
    std::int32_t FieldSize() const;
    std::int32_t Precision() const;
    std::int32_t NumericScale() const;
    const std::string& Value() const { return value_; }
    std::int32_t ODBCType() const;
    bool IsNull() const;

    std::string FieldNameEx(std::int16_t nID) const;
    // The name as the SQL script writes it: plain, bracketed, or in double quotes when it holds
    // more than letters, digits, blanks, "_", "$" and "#", so no name can end or split a statement.
    std::string FieldNameSQL() const;

    // True when the value came from a database null (the value text is then empty).
    bool ValueIsNull() const { return valueIsNull_; }
    const std::shared_ptr<const data::ColumnMeta>& Meta() const { return meta_; }

  private:
    std::shared_ptr<const data::ColumnMeta> meta_;
    std::string value_;
    bool valueIsNull_ = false;
};

}  // namespace orvane
