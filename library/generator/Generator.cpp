#include "generator/Generator.h"

#include "core/Host.h"
#include "core/OrvaneError.h"
#include "model/ODBCTable.h"
#include "model/ODBCTools.h"
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

void Generator::ForEachRow(std::size_t rows, const std::string& what,
                           const std::function<void(std::size_t)>& write) const {
    for (std::size_t i = 1; i <= rows; ++i) {
        write(i);
        if (!isActive()) break;
        Host::DoEvents();
        if (i % 100 == 0) RaiseNotify("Generated " + std::to_string(i) + " " + what + ".");
    }
}

bool Generator::Enabled(std::int32_t scr) const {
    return RequireConfig().Screens().Item(std::to_string(scr))->Enabled == 1;
}

std::string Generator::Generate(std::int32_t scr) {
    if (scr < XSD_CODE || scr > CSHARP_CODE) return {};
    // The routine runs even for a disabled screen; only its text is dropped.
    const bool enabled = Enabled(scr);
    std::string text;
    switch (scr) {
        case XSD_CODE:
            text = GenXSD();
            break;
        case BIZ_CODE:
            text = GenBiz();
            break;
        case DTD_CODE:
            text = GenDTD();
            break;
        case XML_CODE:
            text = GenXML();
            break;
        case SQL_CODE:
            text = GenSQL();
            break;
        case VB_CODE:
            text = GenVB();
            break;
        case JAVA_CODE:
            text = GenJava();
            break;
        case VBNET_CODE:
            text = GenVbNet();
            break;
        default:
            text = GenCSharp();
            break;
    }
    if (!enabled) return {};
    return text;
}

std::string Generator::FixFieldName(const std::string& FieldName, std::int32_t scr) const {
    return FixName(FieldName, RequireConfig().IsUppercase(scr));
}

}  // namespace orvane
