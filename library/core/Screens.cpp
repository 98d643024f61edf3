#include "core/Screens.h"

namespace orvane {

std::string ScreenFileName(const std::string& base, int screen, const std::string& suffix) {
    if (screen < 0 || screen >= kScreenCount) return base;
    const ScreenInfo& info = kScreenTable[static_cast<std::size_t>(screen)];
    return base + (info.classOutput ? suffix : std::string()) + "." + info.fileExtension;
}

}  // namespace orvane
