#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/Export.h"
#include "core/KeyedCollection.h"
#include "model/ODBCField.h"
#include "model/RowSet.h"

namespace orvane {

namespace data {
class Connection;
}
class TreeNode;

// The one table the user has chosen: its selected columns, key columns and first rows.
class ORVANE_API ODBCTable {
  public:
    using Row = RowSet::Row;

    bool isActive() const { return active_; }
    void Activate() { active_ = true; }
    void DeActivate() { active_ = false; }

    // Rows keyed "0", "1", ...; position k (from 1) holds row k - 1.
    RowSet& Values() { return values_; }
    const RowSet& Values() const { return values_; }
    KeyedCollection<ODBCField>& Fields() { return fields_; }
    const KeyedCollection<ODBCField>& Fields() const { return fields_; }
    KeyedCollection<ODBCField>& PKs() { return pks_; }
    const KeyedCollection<ODBCField>& PKs() const { return pks_; }

    const std::string& Name() const { return name_; }
    // The part of Name after its last "." outside quotes, as written; all of Name when it has
    // none.
    std::string TableName() const;
    const std::string& Alias() const { return alias_; }
    void SetAlias(std::string alias) { alias_ = std::move(alias); }
    std::int16_t MaxRows() const { return maxRows_; }
    // How many of the rows came from the data source; the rows after them are made up. All of
    // them for a table built in memory.
    std::size_t DataRows() const { return dataRows_; }
    void SetMaxRows(std::int16_t rows) { maxRows_ = rows; }
    std::string Provider() const { return {}; }
    // Sets Name without a load (tables built in memory): a full name as the tree writes it.
    void SetName(std::string name) { name_ = std::move(name); }

    // Loads the table of a tree node: its ticked columns, its key-marked columns and the
    // first MaxRows rows (made-up sample rows past the end of the data). Shows a message and
    // returns false when the data source fails.
    bool Load(data::Connection* objConnection, const TreeNode* objNode);

    // Progress for the status line ("Loaded n records.").
    std::function<void(const std::string&)> Notify;

  private:
    bool active_ = false;
    std::string name_;
    std::string alias_;
    std::int16_t maxRows_ = 0;
    std::size_t dataRows_ = static_cast<std::size_t>(-1);
    KeyedCollection<ODBCField> fields_;
    RowSet values_;
    KeyedCollection<ODBCField> pks_;
};

}  // namespace orvane
