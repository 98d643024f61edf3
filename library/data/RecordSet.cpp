#include "data/RecordSet.h"

#include "core/KeyedCollection.h"
#include "data/RecordSetImpl.h"
#include "data/ValueText.h"

namespace orvane::data {

namespace {

constexpr std::size_t kChunkSize = 8192;

}  // namespace

RecordSet::RecordSet(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
RecordSet::~RecordSet() = default;

bool RecordSet::IsEOF() const { return impl_->IsEOF(); }
void RecordSet::MoveNext() { impl_->MoveNext(); }
std::size_t RecordSet::FieldCount() const { return impl_->Fields().size(); }

const DbField& RecordSet::Field(std::size_t index) const {
    const std::vector<DbField>& fields = impl_->Fields();
    if (index >= fields.size()) {
        throw OrvaneError("There is no field at position " + std::to_string(index + 1) + " of " +
                          std::to_string(fields.size()));
    }
    return fields[index];
}

const DbField& RecordSet::Field(std::string_view name) const {
    const DbField* field = FindField(name);
    if (field == nullptr) throw OrvaneError("There is no field named " + std::string(name));
    return *field;
}

const DbField* RecordSet::FindField(std::string_view name) const {
    for (const DbField& field : impl_->Fields()) {
        if (KeysEqual(field.Name(), name)) return &field;
    }
    return nullptr;
}

RecordSet::Impl::Impl(std::shared_ptr<const OdbcSession> session, OdbcHandle statement,
                      const std::vector<ColumnMeta>& columns, std::vector<RowFilter> filters)
    : session_(std::move(session)),
      statement_(std::move(statement)),
      filters_(std::move(filters)),
      buffer_(kChunkSize) {
    fields_.resize(columns.size());
    readers_.reserve(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        fields_[i].meta_ = std::make_shared<const ColumnMeta>(columns[i]);
        readers_.push_back(ReaderFor(columns[i].type));
    }
    if (!fields_.empty()) Fetch();
}

RecordSet::Impl::Reader RecordSet::Impl::ReaderFor(int adoType) {
    switch (adoType) {
        case adNumeric:
        case adDecimal:
            return Reader::Decimal;
        case adSingle:
            return Reader::Float;
        case adDouble:
            return Reader::Double;
        case adBoolean:
            return Reader::Boolean;
        case adDate:
        case adDBDate:
        case adDBTimeStamp:
            return Reader::DateTime;
        case adDBTime:
            return Reader::Time;
        case adBinary:
        case adVarBinary:
        case adLongVarBinary:
            return Reader::Binary;
        default:
            return Reader::Text;
    }
}

void RecordSet::Impl::MoveNext() {
    if (!eof_) Fetch();
}

void RecordSet::Impl::Fetch() {
    do {
        SQLRETURN rc = SQLFetch(statement_.Get());
        if (rc == SQL_NO_DATA) {
            eof_ = true;
            for (DbField& field : fields_) {
                field.isNull_ = true;
                field.value_.clear();
            }
            return;
        }
        statement_.Check(rc, "Reading the next record failed");
        eof_ = false;
        for (std::size_t i = 0; i < fields_.size(); ++i) Read(i);
    } while (!PassesFilters());
}

bool RecordSet::Impl::PassesFilters() const {
    for (const RowFilter& filter : filters_) {
        const DbField& field = fields_[filter.column];
        if (field.isNull_ || field.value_ != filter.value) return false;
    }
    return true;
}

bool RecordSet::Impl::ReadChunks(std::size_t index, SQLSMALLINT cType) {
    raw_.clear();
    const std::size_t terminator = cType == SQL_C_CHAR ? 1 : 0;
    const auto column = static_cast<SQLUSMALLINT>(index + 1);
    while (true) {
        SQLLEN indicator = 0;
        SQLRETURN rc = SQLGetData(statement_.Get(), column, cType, buffer_.data(),
                                  static_cast<SQLLEN>(buffer_.size()), &indicator);
        if (rc == SQL_NO_DATA) return true;
        if (!SQL_SUCCEEDED(rc)) {
            statement_.Fail(rc, "Reading column " + fields_[index].Name() + " failed");
        }
        if (indicator == SQL_NULL_DATA) return false;
        const std::size_t room = buffer_.size() - terminator;
        const bool partial =
            indicator == SQL_NO_TOTAL || static_cast<std::size_t>(indicator) > room;
        raw_.append(buffer_.data(), partial ? room : static_cast<std::size_t>(indicator));
        if (!partial || rc == SQL_SUCCESS) return true;
        if (indicator != SQL_NO_TOTAL && raw_.capacity() < raw_.size() + indicator) {
            raw_.reserve(raw_.size() + static_cast<std::size_t>(indicator));
        }
    }
}

void RecordSet::Impl::Read(std::size_t index) {
    DbField& field = fields_[index];
    const auto column = static_cast<SQLUSMALLINT>(index + 1);
    const Reader reader = readers_[index];
    if (reader == Reader::Float || reader == Reader::Double) {
        double doubleValue = 0;
        float floatValue = 0;
        SQLLEN indicator = 0;
        SQLRETURN rc =
            reader == Reader::Double
                ? SQLGetData(statement_.Get(), column, SQL_C_DOUBLE, &doubleValue, 0, &indicator)
                : SQLGetData(statement_.Get(), column, SQL_C_FLOAT, &floatValue, 0, &indicator);
        statement_.Check(rc, "Reading column " + field.Name() + " failed");
        field.isNull_ = indicator == SQL_NULL_DATA;
        if (field.isNull_) {
            field.value_.clear();
        } else if (reader == Reader::Double) {
            valuetext::FormatDouble(doubleValue, field.value_);
        } else {
            valuetext::FormatFloat(floatValue, field.value_);
        }
        return;
    }
    field.isNull_ = !ReadChunks(index, reader == Reader::Binary ? SQL_C_BINARY : SQL_C_CHAR);
    if (field.isNull_) {
        field.value_.clear();
        return;
    }
    switch (reader) {
        case Reader::Decimal:
            valuetext::NormalizeDecimal(raw_, field.NumericScale(), field.value_);
            break;
        case Reader::Boolean:
            valuetext::NormalizeBoolean(raw_, field.value_);
            break;
        case Reader::DateTime:
            valuetext::NormalizeDateTime(raw_, field.value_);
            break;
        case Reader::Time:
            valuetext::NormalizeTime(raw_, field.value_);
            break;
        case Reader::Binary:
            valuetext::Base64(raw_, field.value_);
            break;
        default:
            field.value_.swap(raw_);
            break;
    }
}

}  // namespace orvane::data
