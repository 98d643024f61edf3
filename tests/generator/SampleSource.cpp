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
    const std::unique_ptr<PlainTreeNode> root = catalog_.BuildTree("OrvaneSample");
    PlainTreeNode* tableNode = nullptr;
    for (const auto& folder : root->Children()) {
        for (const auto& table : folder->Children()) {
            if (table->Text() == fullName) tableNode = table.get();
        }
    }
    if (tableNode == nullptr) throw std::runtime_error("no sample table " + fullName);
    tableNode->SetChecked(true);
    for (const auto& column : tableNode->Children()) {
        const bool ticked =
            all || std::find(columns.begin(), columns.end(), column->Text()) != columns.end();
        column->SetChecked(ticked);
        if (std::find(keys.begin(), keys.end(), column->Text()) != keys.end()) column->SetImage(4);
    }
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
