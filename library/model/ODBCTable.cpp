#include "model/ODBCTable.h"

#include <exception>
#include <memory>
#include <utility>
#include <vector>

#include "core/Host.h"
#include "data/Connection.h"
#include "data/RecordSet.h"
#include "data/SqlNames.h"
#include "model/DbTreeTools.h"
#include "model/TreeNode.h"

namespace orvane {

namespace {
// Loads one field per column from the first record into Fields and PKs and returns the
// positions of the selected columns. The selection is read from the tree once: the rows
// must all carry the same columns as Fields, even if the user changes ticks while we load.
std::vector<std::size_t> LoadColumns(const data::RecordSet& records, const TreeNode& node,
                                     KeyedCollection<ODBCField>& fields,
                                     KeyedCollection<ODBCField>& pks) {
    std::vector<std::size_t> selected;
    const bool hasData = !records.IsEOF();
    for (std::size_t k = 0; k < records.FieldCount(); ++k) {
        ODBCField field;
        field.Load(&records.Field(k), hasData, 0);
        if (IsFieldSelected(&node, field.FieldName())) {
            fields.Add(field.FieldName(), field);
            selected.push_back(k);
        }
        if (IsPrimaryKeyField(&node, field.FieldName())) {
            std::string key = field.FieldName();
            pks.Add(std::move(key), std::move(field));
        }
    }
    return selected;
}
}  // namespace

std::string ODBCTable::TableName() const {
    // A dot inside a quoted part belongs to the name.
    if (auto parts = data::SplitFullName(name_)) return parts->back().written;
    const std::size_t dot = name_.rfind('.');
    return dot == std::string::npos ? name_ : name_.substr(dot + 1);
}

bool ODBCTable::Load(data::Connection* objConnection, const TreeNode* objNode) {
    if (objConnection == nullptr || objNode == nullptr) return false;
    name_ = objNode->Text();
    fields_ = {};
    pks_ = {};
    values_.Reset({});
    dataRows_ = 0;
    try {
        std::unique_ptr<data::RecordSet> records =
            objConnection->Execute(data::SelectAllFrom(name_));
        if (!records) return false;
        // Row 0 reads the same record as the column pass: no move in between.
        const std::vector<std::size_t> selected = LoadColumns(*records, *objNode, fields_, pks_);
        std::vector<std::shared_ptr<const data::ColumnMeta>> columns;
        for (std::size_t k : selected) columns.push_back(records->Field(k).Meta());
        values_.Reset(std::move(columns));
        const int rowCount = maxRows_ > 0 ? maxRows_ : 0;
        values_.Reserve(static_cast<std::size_t>(rowCount));
        for (int i = 0; i < rowCount; ++i) {
            const bool hasData = !records->IsEOF();
            for (std::size_t k : selected) {
                const data::DbField& field = records->Field(k);
                if (hasData) {
                    values_.AppendCell(field.Value(), field.IsNull());
                } else {
                    values_.AppendCell(
                        ODBCField::SampleValue(*field.Meta(), static_cast<std::int16_t>(i)), false);
                }
            }
            values_.EndRow();
            if (hasData) ++dataRows_;
            if (!records->IsEOF()) records->MoveNext();
            if (!active_) break;
            if (i % 100 == 0) {
                Host::DoEvents();
                if (Notify) Notify("Loaded " + std::to_string(i) + " records.");
            }
        }
    } catch (const std::exception& error) {
        Host::ShowMessage(
            "Unable to load information from table " + name_ + " Error: " + error.what(), MsgNone,
            "OrvaneLib");
        return false;
    }
    return true;
}

}  // namespace orvane
