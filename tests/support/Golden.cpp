#include "Golden.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "Programs.h"
#include "TestSupport.h"

namespace orvane::test {

void expectGolden(const std::string& name, const std::string& text) {
    const std::string golden =
        EnvOr("ORVANE_SOURCE_DIR", ORVANE_TEST_SOURCE_DIR) + "/tests/golden/" + name;
    if (EnvOr("ORVANE_UPDATE_GOLDEN", "") == "1") return WriteFile(golden, text);
    if (std::filesystem::exists(golden) && ReadFile(golden) == text) return;
    const std::string folder = MakeTempDir("orvane-golden-");
    WriteFile(folder + "/actual", text);
    const std::string diff = RunProgram({"diff", "-u", golden, folder + "/actual"}).out;
    std::filesystem::remove_all(folder);
    ADD_FAILURE() << "output differs from " << golden << " (ORVANE_UPDATE_GOLDEN=1 rewrites it)\n"
                  << diff;
}

}  // namespace orvane::test
