#include "SampleSource.h"

#include <algorithm>
#include <stdexcept>

#include "model/PlainTreeNode.h"
#include "model/TreeNode.h"

namespace orvane::test {

SampleSource::SampleSource() : connection_(std::make_shared<data::Connection>()) {
    connection_->Open("DSN=OrvaneSample;");
    catalog_ = DbCatalog::Read(*connection_);
}

std::shared_ptr<ODBCTable> SampleSource::Load(const std::string& fullName,
                                              const std::vector<std::string>& columns,
                                              std::int16_t rows, bool all,
                                              const std::vector<std::string>& keys) {
    const DbCatalog::Table* found = nullptr;
    for (const auto& folder : catalog_.folders) {
        for (const auto& table : folder.tables) {
            if (table.fullName == fullName) found = &table;
        }
    }
    if (found == nullptr) throw std::runtime_error("no sample table " + fullName);
    const auto among = [](const std::vector<std::string>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    const std::unique_ptr<PlainTreeNode> tableNode = DbCatalog::TableNode(
        *found, [&](const std::string& column) { return all || among(columns, column); },
        [&](const std::string& column) { return among(keys, column); });
    auto table = std::make_shared<ODBCTable>();
    table->SetMaxRows(rows);
    table->Activate();
    const std::unique_ptr<TreeNode> view = tableNode->View();
    if (!table->Load(connection_.get(), view.get())) {
        throw std::runtime_error("cannot load sample table " + fullName);
    }
    table->DeActivate();
    return table;
}

}  // namespace orvane::test
