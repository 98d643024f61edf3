#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvane::test {

// A fresh settings folder for one test: ORVANE_CONFIG_DIR points at it while the object lives,
// then the previous value comes back and the folder is removed.
class TempSettingsFolder {
  public:
    TempSettingsFolder();
    ~TempSettingsFolder();
    TempSettingsFolder(const TempSettingsFolder&) = delete;
    TempSettingsFolder& operator=(const TempSettingsFolder&) = delete;

    const std::string& Folder() const { return folder_; }
    std::string Path(const std::string& name) const { return folder_ + "/" + name; }
    void WriteFile(const std::string& name, const std::string& bytes) const;
    std::string ReadFile(const std::string& name) const;
    // Names of the files in the folder that begin with prefix, sorted.
    std::vector<std::string> FilesStartingWith(const std::string& prefix) const;

  private:
    std::string folder_;
    std::optional<std::string> previous_;
};

}  // namespace orvane::test
