#include "TempSettingsFolder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "Programs.h"
#include "TestSupport.h"

namespace orvane::test {

TempSettingsFolder::TempSettingsFolder() : folder_(MakeTempDir("orvane-settings-")) {
    if (const char* value = std::getenv("ORVANE_CONFIG_DIR")) previous_ = value;
    setenv("ORVANE_CONFIG_DIR", folder_.c_str(), 1);
}

TempSettingsFolder::~TempSettingsFolder() {
    if (previous_) {
        setenv("ORVANE_CONFIG_DIR", previous_->c_str(), 1);
    } else {
        unsetenv("ORVANE_CONFIG_DIR");
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void TempSettingsFolder::WriteFile(const std::string& name, const std::string& bytes) const {
    test::WriteFile(Path(name), bytes);
}

std::string TempSettingsFolder::ReadFile(const std::string& name) const {
    return test::ReadFile(Path(name));
}

std::vector<std::string> TempSettingsFolder::FilesStartingWith(const std::string& prefix) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) == 0) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace orvane::test
