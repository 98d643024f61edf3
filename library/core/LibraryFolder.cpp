#include "core/LibraryFolder.h"

#include <dlfcn.h>
#include <sys/auxv.h>

#include <filesystem>
#include <system_error>

namespace orvane {

namespace {
// The base address of the module that holds an address, or nullptr.
const void* ModuleBase(const void* address, Dl_info& info) {
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) return nullptr;
    return info.dli_fbase;
}
}  // namespace

std::string LibraryFolder() {
    Dl_info self{};
    // Any function of this library names the library's file; this one is at hand.
    const void* base = ModuleBase(reinterpret_cast<const void*>(&LibraryFolder), self);
    if (base == nullptr) return {};
    Dl_info program{};
    const bool linkedIntoProgram =
        base == ModuleBase(reinterpret_cast<const void*>(getauxval(AT_ENTRY)), program);
    std::error_code error;
    std::filesystem::path file = linkedIntoProgram
                                     ? std::filesystem::canonical("/proc/self/exe", error)
                                     : std::filesystem::canonical(self.dli_fname, error);
    if (error && !linkedIntoProgram) file = std::filesystem::absolute(self.dli_fname, error);
    if (error || file.empty()) return {};
    if (!linkedIntoProgram) return file.parent_path().string();
    return (file.parent_path().parent_path() / "lib" / "orvane").string();
}

}  // namespace orvane
