#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>

#include "settings/FontSpec.h"

namespace orvane {

// Settings hold fonts as FontSpec and colours as 0x00BBGGRR values; the panes use Qt's types.

QFont ToQFont(const FontSpec& spec);
FontSpec ToFontSpec(const QFont& font);

// A value outside 0..0xFFFFFF (such as a system-colour reference) gives an invalid QColor,
// which callers treat as "keep the current colour".
QColor ColorFromBgr(std::int32_t bgr);
std::int32_t ColorToBgr(const QColor& color);

}  // namespace orvane
