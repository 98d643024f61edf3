#pragma once

#include <cstdint>

namespace orvane {

// A run of characters to colour: start and length count a line end as CR LF (two characters);
// color is 0x00BBGGRR.
struct ColorRange {
    int start = 0;
    int length = 0;
    std::int32_t color = 0;

    bool operator==(const ColorRange&) const = default;
};

}  // namespace orvane
