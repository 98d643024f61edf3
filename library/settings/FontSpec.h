#pragma once

#include <string>

namespace orvane {

// A screen's pane font as the settings hold it; the desktop maps it to a QFont.
struct FontSpec {
    std::string name;
    double size = 0.0;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontSpec&) const = default;
};

}  // namespace orvane
