#include "model/LibraryFolder.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace orvane {

std::string LibraryFolder() {
    Dl_info info{};
    // Any function of this library names the library's file; this one is at hand.
    if (dladdr(reinterpret_cast<const void*>(&LibraryFolder), &info) == 0 ||
        info.dli_fname == nullptr || *info.dli_fname == '\0') {
        return {};
    }
    std::error_code error;
    std::filesystem::path file = std::filesystem::canonical(info.dli_fname, error);
    if (error) file = std::filesystem::absolute(info.dli_fname, error);
    if (error) return {};
    return file.parent_path().string();
}

}  // namespace orvane
