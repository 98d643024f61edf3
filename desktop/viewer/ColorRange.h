#pragma once

#include <cstddef>
#include <cstdint>

namespace orvane {

// A run of bytes of a UTF-8 text to colour (a line end is CR LF, two bytes); color is
// 0x00BBGGRR.
struct ColorRange {
    std::size_t start = 0;
    std::size_t length = 0;
    std::int32_t color = 0;

    bool operator==(const ColorRange&) const = default;
};

}  // namespace orvane
