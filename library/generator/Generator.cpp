#include "generator/Generator.h"

#include "model/ODBCTable.h"
#include "model/ODBCTools.h"
#include "model/OrvaneError.h"
#include "settings/Config.h"

namespace orvane {

ODBCTable& Generator::RequireTable() const {
    if (!table_) throw OrvaneError("No table has been loaded for generation");
    return *table_;
}

Config& Generator::RequireConfig() const {
    if (!config_) throw OrvaneError("The generator has no configuration");
    return *config_;
}

void Generator::RaiseNotify(const std::string& message) const {
    if (Notify) Notify(message);
}

bool Generator::Enabled(std::int32_t scr) const {
    return RequireConfig().Screens().Item(std::to_string(scr))->Enabled == 1;
}

std::string Generator::Generate(std::int32_t scr) {
    using Routine = std::string (Generator::*)();
    static constexpr Routine kRoutines[] = {
        &Generator::GenXSD,  &Generator::GenBiz,   &Generator::GenDTD,
        &Generator::GenXML,  &Generator::GenSQL,   &Generator::GenVB,
        &Generator::GenJava, &Generator::GenVbNet, &Generator::GenCSharp,
    };
    if (scr < 0 || scr >= static_cast<std::int32_t>(std::size(kRoutines))) return {};
    // The routine runs even for a disabled screen; only its text is dropped.
    const bool enabled = Enabled(scr);
    const Routine routine = kRoutines[static_cast<std::size_t>(scr)];
    std::string text = (this->*routine)();
    return enabled ? text : std::string();
}

std::string Generator::FixFieldName(const std::string& FieldName, std::int32_t scr) const {
    return FixName(FieldName, RequireConfig().IsUppercase(scr));
}

}  // namespace orvane
