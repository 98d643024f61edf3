#include "core/Screens.h"

#include "core/OrvaneError.h"

namespace orvane {

std::string FileNamePart(const std::string& text) {
    std::string part = text;
    for (char& c : part) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F) c = '_';
    }
    // Dots alone would name the folder itself, its parent or a nameless hidden file.
    if (part.find_first_not_of('.') == std::string::npos) {
        throw OrvaneError("\"" + part +
                          "\" gives no file name: an alias or suffix needs a character other "
                          "than \".\"");
    }
    return part;
}

std::string ScreenFileName(const std::string& base, int screen, const std::string& suffix) {
    if (screen < 0 || screen >= kScreenCount) return FileNamePart(base);
    const ScreenInfo& info = kScreenTable[static_cast<std::size_t>(screen)];
    return FileNamePart(base + (info.classOutput ? suffix : std::string())) + "." +
           info.fileExtension;
}

}  // namespace orvane
