#include "core/Screens.h"

namespace orvane {

namespace {
// A piece of a file name: a folder separator or a control character becomes "_", so an alias
// or suffix can never reach another folder.
std::string FileNamePart(const std::string& text) {
    std::string part = text;
    for (char& c : part) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F) c = '_';
    }
    return part;
}
}  // namespace

std::string ScreenFileName(const std::string& base, int screen, const std::string& suffix) {
    if (screen < 0 || screen >= kScreenCount) return FileNamePart(base);
    const ScreenInfo& info = kScreenTable[static_cast<std::size_t>(screen)];
    return FileNamePart(base + (info.classOutput ? suffix : std::string())) + "." +
           info.fileExtension;
}

}  // namespace orvane
