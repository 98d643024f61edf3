#include "generator/GenerateWorkflow.h"

#include "core/Host.h"
#include "generator/MakeAlias.h"
#include "model/ODBCTable.h"
#include "settings/Config.h"

namespace orvane {

GenerateWorkflow::GenerateWorkflow() : table_(std::make_shared<ODBCTable>()) {}

void GenerateWorkflow::SetConfig(std::shared_ptr<Config> config) {
    generator_.SetCurrentConfig(std::move(config));
}

void GenerateWorkflow::SetNotify(const std::function<void(const std::string&)>& notify) {
    generator_.Notify = notify;
    table_->Notify = notify;
}

bool GenerateWorkflow::IsActive() const { return generator_.isActive(); }

void GenerateWorkflow::Start() {
    generator_.Activate();
    table_->Activate();
}

void GenerateWorkflow::Stop() {
    generator_.DeActivate();
    table_->DeActivate();
}

std::int16_t GenerateWorkflow::MaxRows() const { return table_->MaxRows(); }
void GenerateWorkflow::SetMaxRows(std::int16_t rows) { table_->SetMaxRows(rows); }

GenerateStop GenerateWorkflow::NoDataSource() {
    return {"Please Select Data source", MsgExclamation};
}

GenerateStop GenerateWorkflow::NoTable() {
    return {"Please Select a table and a primary key.", MsgCritical};
}

GenerateStop GenerateWorkflow::NoKey(const std::string& tableName) {
    return {"Please Select a Primary Key for the [" + tableName +
                "] table.\r\nDoubleclick one the primary key fields to select or unselect them.",
            MsgCritical};
}

std::optional<GenerateStop> GenerateWorkflow::CheckConnection() const {
    const std::shared_ptr<Config> config = generator_.CurrentConfig();
    if (config && config->ConnectionManager()->dbconn) return std::nullopt;
    return NoDataSource();
}

std::optional<GenerateStop> GenerateWorkflow::Load(const TreeNode* node,
                                                   const std::optional<std::string>& alias) {
    const std::shared_ptr<Config> config = generator_.CurrentConfig();
    const auto connection = config ? config->ConnectionManager()->dbconn : nullptr;
    if (!table_->Load(connection.get(), node)) return GenerateStop{};
    if (table_->Name().empty()) return NoTable();
    if (table_->PKs().Empty()) return NoKey(table_->Name());
    table_->SetAlias(alias ? *alias : MakeAlias(table_->Name(), generator_));
    generator_.SetTable(table_);
    return std::nullopt;
}

std::string GenerateWorkflow::Generate(int screen) { return generator_.Generate(screen); }

}  // namespace orvane
