#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Export.h"
#include "core/KeyedCollection.h"
#include "core/Screens.h"
#include "model/ConnectionManager.h"
#include "settings/ConfigRecord.h"

namespace orvane {

// The per-screen settings, loaded from the settings store on construction.
class ORVANE_API Config {
  public:
    // Loads the settings; an empty store first receives the shipped defaults beside the library.
    Config();
    // The same, with the shipped defaults taken from defaultsFile ("" imports nothing).
    explicit Config(std::string defaultsFile);

    // templates/defaults.reg in the library's folder.
    static std::string DefaultsFile();

    std::vector<std::string> GenNames;
    std::vector<std::string> GenDescriptions;
    std::vector<std::string> GenExtensions;
    std::string DBMSName;

    // Created on first use, then kept; may be replaced.
    std::shared_ptr<::orvane::ConnectionManager> ConnectionManager();
    void SetConnectionManager(std::shared_ptr<::orvane::ConnectionManager> manager);

    // Nine records keyed "0" to "8".
    KeyedCollection<std::shared_ptr<ConfigRecord>>& Screens() { return screens_; }
    const KeyedCollection<std::shared_ptr<ConfigRecord>>& Screens() const { return screens_; }

    std::int16_t IsUppercase(std::int32_t nID) const;
    std::string Suffix(std::int32_t nID) const;

    std::shared_ptr<Config> GetInstance();
    // Writes the values changed since loading or the last Save into the store as it is now;
    // throws OrvaneError when the store cannot be written.
    void Save();

  private:
    struct StoredText {
        std::string section;
        std::string name;
        std::string text;
    };

    void Load();
    // Every record's values as the store holds them, in the order they are written.
    std::vector<StoredText> StoredTexts() const;
    void Remember(const std::vector<StoredText>& texts);

    std::string defaultsFile_;
    // The stored texts as loaded or last saved, by key path and value name: Save writes only
    // what differs from them.
    std::map<std::string, std::string> saved_;
    KeyedCollection<std::shared_ptr<ConfigRecord>> screens_;
    std::shared_ptr<::orvane::ConnectionManager> connectionManager_;
    std::shared_ptr<Config> instance_;
};

}  // namespace orvane
