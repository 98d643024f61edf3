#include "model/ODBCField.h"

#include <utility>

#include "data/RecordSet.h"
#include "data/SqlNames.h"
#include "model/ODBCTools.h"

namespace orvane {

namespace {
const std::string& EmptyText() {
    static const std::string empty;
    return empty;
}
// The last n characters of a UTF-8 text (never cutting a character in two).
std::string LastCharacters(const std::string& text, std::int32_t n) {
    if (n <= 0) return {};
    std::size_t start = text.size();
    for (std::int32_t count = 0; start > 0 && count < n; ++count) {
        do {
            --start;
        } while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80);
    }
    return text.substr(start);
}
}  // namespace

ODBCField::ODBCField(std::shared_ptr<const data::ColumnMeta> meta, std::string value,
                     bool valueIsNull)
    : meta_(std::move(meta)), value_(std::move(value)), valueIsNull_(valueIsNull) {}

void ODBCField::Load(const data::DbField* objField, bool hasData, std::int16_t nRec) {
    if (objField == nullptr) return;
    meta_ = objField->Meta();
    valueIsNull_ = false;
    if (hasData) {
        valueIsNull_ = objField->IsNull();
        value_ = valueIsNull_ ? std::string() : objField->Value();
        return;
    }
    value_ = meta_ ? SampleValue(*meta_, nRec) : std::string();
}

std::string ODBCField::SampleValue(const data::ColumnMeta& meta, std::int16_t nRec) {
    const std::string row = std::to_string(nRec);
    switch (ClassOf(meta.type)) {
        case TypeClass::Numeric:
            return row;
        case TypeClass::Date:
            return "NULL";
        case TypeClass::Text:
            break;
    }
    return LastCharacters(meta.name + row, meta.definedSize);
}

const std::string& ODBCField::FieldName() const { return meta_ ? meta_->name : EmptyText(); }
std::int32_t ODBCField::ODBCType() const { return meta_ ? meta_->type : 0; }
std::int32_t ODBCField::FieldSize() const { return meta_ ? meta_->definedSize : 0; }
std::int32_t ODBCField::Precision() const { return meta_ ? meta_->precision : 0; }
std::int32_t ODBCField::NumericScale() const { return meta_ ? meta_->numericScale : 0; }
bool ODBCField::IsNull() const { return meta_ && (meta_->attributes & data::adFldIsNullable) != 0; }

// A field that was never loaded reports empty type names, like every other text.
std::string ODBCField::JavaType() const { return meta_ ? MapJavaType(ODBCType()) : ""; }
std::string ODBCField::CSharpType() const { return meta_ ? MapCSharpType(ODBCType()) : ""; }
std::string ODBCField::XsdType() const { return meta_ ? MapXsdType(ODBCType()) : ""; }
std::string ODBCField::JavaSqlType() const { return meta_ ? MapJavaSqlType(ODBCType()) : ""; }
std::string ODBCField::VbType() const { return meta_ ? MapVbType(ODBCType()) : ""; }
std::string ODBCField::DbType() const {
    return meta_ ? MapDbType(ODBCType(), Precision(), NumericScale(), FieldSize()) : "";
}

std::string ODBCField::FieldNameEx(std::int16_t nID) const { return FixName(FieldName(), nID); }

std::string ODBCField::FieldNameJava() const {
    return (meta_ ? JavaNamePrefix(ODBCType()) : "") + FieldNameEx(3);
}
std::string ODBCField::FieldNameJavaPK() const { return FieldNameJava() + "_PK"; }
std::string ODBCField::FieldNameVb() const {
    return (meta_ ? VbNamePrefix(ODBCType()) : "") + FieldNameEx(3);
}
std::string ODBCField::FieldNameVbPk() const { return FieldNameVb() + "_PK"; }

std::string ODBCField::FieldNameSQL() const {
    return data::QuoteName(FieldName(), data::NameQuoting::Script());
}

}  // namespace orvane
