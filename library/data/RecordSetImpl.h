#pragma once

#include <memory>
#include <string>
#include <vector>

#include "data/OdbcHandle.h"
#include "data/OdbcSession.h"
#include "data/RecordSet.h"

namespace orvane::data {

// Reads an executed statement row by row. Every value of the current row is read when the row
// is fetched, into strings whose capacity is kept from row to row.
class RecordSet::Impl {
  public:
    // Rows whose column `column` does not hold exactly `value` are skipped (catalogue calls
    // take patterns, callers want exact names).
    struct RowFilter {
        std::size_t column;
        std::string value;
    };

    Impl(std::shared_ptr<const OdbcSession> session, OdbcHandle statement,
         const std::vector<ColumnMeta>& columns, std::vector<RowFilter> filters);

    bool IsEOF() const { return eof_; }
    void MoveNext();
    const std::vector<DbField>& Fields() const { return fields_; }

  private:
    enum class Reader { Text, Decimal, Float, Double, Boolean, DateTime, Time, Binary };

    static Reader ReaderFor(int adoType);
    void Fetch();
    bool PassesFilters() const;
    void Read(std::size_t index);
    // Reads the whole value in chunks into raw_; false for a database null.
    bool ReadChunks(std::size_t index, SQLSMALLINT cType);

    std::shared_ptr<const OdbcSession> session_;
    OdbcHandle statement_;
    std::vector<DbField> fields_;
    std::vector<Reader> readers_;
    std::vector<RowFilter> filters_;
    std::vector<char> buffer_;
    std::string raw_;
    bool eof_ = true;
};

}  // namespace orvane::data
