#pragma once

#include <cstdint>
#include <string>

#include "core/SqlDialects.h"
#include "settings/FontSpec.h"

namespace orvane {

// The settings of one screen. Plain fields, shared by reference between the configuration,
// the options dialog and the generator.
struct ConfigRecord {
    FontSpec Font{"Courier", 9.0};
    std::int32_t color = 0;         // 0x00BBGGRR
    std::int16_t SynHighlight = 0;  // 1: highlight after generation
    std::int16_t IsUppercase = 0;   // name-case rule 0..3
    std::string Suffix;
    std::int16_t Enabled = 0;  // exactly 1: the screen is generated
    // The database the SQL screen writes its script for; read and saved for that screen only.
    SqlDialectId Dialect = SqlDialectId::Classic;

    bool operator==(const ConfigRecord&) const = default;
};

}  // namespace orvane
