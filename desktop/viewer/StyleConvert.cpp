#include "viewer/StyleConvert.h"

namespace orvane {

QFont ToQFont(const FontSpec& spec) {
    QFont font;
    if (!spec.name.empty()) font.setFamilies({QString::fromStdString(spec.name)});
    if (spec.size > 0.0) font.setPointSizeF(spec.size);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    return font;
}

FontSpec ToFontSpec(const QFont& font) {
    FontSpec spec;
    spec.name = font.family().toStdString();
    spec.size = font.pointSizeF() > 0.0 ? font.pointSizeF() : 0.0;
    spec.bold = font.bold();
    spec.italic = font.italic();
    spec.underline = font.underline();
    spec.strikeOut = font.strikeOut();
    return spec;
}

QColor ColorFromBgr(std::int32_t bgr) {
    if (bgr < 0 || bgr > 0xFFFFFF) return {};
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

std::int32_t ColorToBgr(const QColor& color) {
    const QColor rgb = color.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

}  // namespace orvane
