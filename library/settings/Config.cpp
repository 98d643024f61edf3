#include "settings/Config.h"

#include <cmath>
#include <exception>
#include <filesystem>
#include <limits>
#include <system_error>

#include "core/Host.h"
#include "core/LibraryFolder.h"
#include "core/OrvaneError.h"
#include "core/Screens.h"
#include "core/SqlDialects.h"
#include "settings/RegAccess.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsNumbers.h"

namespace orvane {

namespace {

constexpr const char* kBaseKey = "SOFTWARE\\Kestrade\\Orvane";
constexpr const char* kFailureMessage = "Unable to initialize Orvane library Configuration:";

// Built-in values for settings the store does not have.
constexpr const char* kFontName = "Courier";
constexpr double kFontSize = 9.0;
constexpr std::int32_t kWhite = 16777215;
constexpr std::int16_t kCaseUnchanged = 3;
constexpr const char* kClassic = "classic";

// The font size is a fixed-point number with four decimals.
constexpr double kSizeScale = 10000.0;
constexpr double kSizeLimit = 922337203685477.5807;

ConfigRecord BuiltInRecord() {
    ConfigRecord record;
    record.Font = FontSpec{kFontName, kFontSize};
    record.color = kWhite;
    record.IsUppercase = kCaseUnchanged;
    return record;
}

// The leading number of a stored text, rounded to 1/scale with halves to even. A number the field
// cannot hold is reported and the built-in value is used instead.
double Fit(const std::string& text, double builtIn, double scale, double lowest, double highest,
           const std::string& where, std::vector<std::string>& errors) {
    const double value = std::nearbyint(LeadingNumber(text) * scale) / scale;
    if (std::isfinite(value) && value >= lowest && value <= highest) return value;
    errors.push_back("Overflow: the setting " + where + " (" + text.substr(0, 40) +
                     ") is out of range; the built-in value is used.");
    return builtIn;
}

std::int16_t FitShort(const std::string& text, std::int16_t builtIn, const std::string& where,
                      std::vector<std::string>& errors) {
    return static_cast<std::int16_t>(Fit(text, builtIn, 1.0,
                                         std::numeric_limits<std::int16_t>::min(),
                                         std::numeric_limits<std::int16_t>::max(), where, errors));
}

// A name that is no dialect is reported, and the classic script is written instead.
SqlDialectId LoadDialect(RegAccess& reg, const std::string& section,
                         std::vector<std::string>& errors) {
    const std::string text = reg.ReadLocalMachine(section, "Dialect", kClassic);
    if (text == kNotFound) return SqlDialectId::Classic;
    if (const auto id = SqlDialectByName(text)) return *id;
    errors.push_back("The setting SQL\\Dialect (" + text.substr(0, 40) + ") is none of " +
                     SqlDialectNames() + "; the classic script is written.");
    return SqlDialectId::Classic;
}

ConfigRecord LoadRecord(RegAccess& reg, std::size_t screen, const std::string& name,
                        std::vector<std::string>& errors) {
    ConfigRecord record;
    const std::string section = std::string(kBaseKey) + "\\" + name;
    const std::string font = section + "\\Font";
    const std::string color = section + "\\Color";

    record.Font.name = reg.ReadLocalMachine(font, "Name", kFontName);
    record.Font.size = Fit(reg.ReadLocalMachine(font, "Size", DecimalText(kFontSize)), kFontSize,
                           kSizeScale, -kSizeLimit, kSizeLimit, name + "\\Font\\Size", errors);
    record.color = static_cast<std::int32_t>(
        Fit(reg.ReadLocalMachine(color, "RGB", std::to_string(kWhite)), kWhite, 1.0,
            std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
            name + "\\Color\\RGB", errors));
    record.Suffix = reg.ReadLocalMachine(section, "Suffix");

    // A stored text "Not Found" leaves these fields as the record starts them.
    const struct {
        const char* value;
        std::int16_t builtIn;
        std::int16_t& field;
    } shorts[] = {{"UpperCase", kCaseUnchanged, record.IsUppercase},
                  {"SyntaxHighlight", 0, record.SynHighlight},
                  {"Enabled", 0, record.Enabled}};
    for (const auto& setting : shorts) {
        const std::string text =
            reg.ReadLocalMachine(section, setting.value, std::to_string(setting.builtIn));
        if (text != kNotFound) {
            setting.field = FitShort(text, setting.builtIn, name + "\\" + setting.value, errors);
        }
    }
    if (screen == SQL_CODE) record.Dialect = LoadDialect(reg, section, errors);
    return record;
}

bool BaseKeyEmpty(const RegistryFile& file) {
    const RegistryKey* base = file.FindKey(kBaseKey);
    return base == nullptr || base->Empty();
}

// As an installer would: the shipped defaults go into an empty store before the first load.
void ImportDefaults(const std::string& defaultsFile) {
    if (defaultsFile.empty()) return;
    const auto machine = SettingsFile::ForRoot(RegAccess::HKEY_LOCAL_MACHINE);
    if (!machine || !BaseKeyEmpty(*machine->Read())) return;
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(defaultsFile, error);
    if (error) return;
    const auto defaults =
        SettingsFile(path.parent_path().string(), path.filename().string(), machine->RootName())
            .Read();
    if (BaseKeyEmpty(*defaults)) return;
    // Checked again under the lock: another program may have imported in the meantime.
    machine->Update([&defaults](RegistryFile& store) {
        if (!BaseKeyEmpty(store)) return false;
        store.Merge(*defaults);
        return true;
    });
}

}  // namespace

Config::Config() : Config(DefaultsFile()) {}

Config::Config(std::string defaultsFile) : defaultsFile_(std::move(defaultsFile)) {
    for (const ScreenInfo& screen : kScreenTable) {
        GenNames.emplace_back(screen.name);
        GenDescriptions.emplace_back(screen.description);
        GenExtensions.emplace_back(screen.extension);
    }
    Load();
}

std::string Config::DefaultsFile() {
    const std::string folder = LibraryFolder();
    return folder.empty() ? std::string() : folder + "/templates/defaults.reg";
}

void Config::Load() {
    std::vector<std::string> errors;
    try {
        ImportDefaults(defaultsFile_);
        if (const auto machine = SettingsFile::ForRoot(RegAccess::HKEY_LOCAL_MACHINE)) {
            const auto file = machine->Read();
            if (!file->Problem().empty()) errors.push_back(file->Problem());
        }
        RegAccess reg;
        for (std::size_t i = 0; i < GenNames.size(); ++i) {
            screens_.Add(std::to_string(i),
                         std::make_shared<ConfigRecord>(LoadRecord(reg, i, GenNames[i], errors)));
        }
    } catch (const std::exception& error) {
        errors.push_back(error.what());
    }
    // Every reader counts on a record per screen; screens not loaded get the built-in values.
    for (std::size_t i = screens_.Count(); i < GenNames.size(); ++i) {
        screens_.Add(std::to_string(i), std::make_shared<ConfigRecord>(BuiltInRecord()));
    }
    Remember(StoredTexts());
    if (errors.empty()) return;
    std::string text = kFailureMessage;
    for (std::size_t i = 0; i < errors.size(); ++i) text += (i == 0 ? "" : "\n") + errors[i];
    Host::ShowMessage(text, MsgNone, "OrvaneLib");
}

std::shared_ptr<::orvane::ConnectionManager> Config::ConnectionManager() {
    if (!connectionManager_) connectionManager_ = std::make_shared<::orvane::ConnectionManager>();
    return connectionManager_;
}

void Config::SetConnectionManager(std::shared_ptr<::orvane::ConnectionManager> manager) {
    connectionManager_ = std::move(manager);
}

std::int16_t Config::IsUppercase(std::int32_t nID) const {
    return screens_.Item(std::to_string(nID))->IsUppercase;
}

std::string Config::Suffix(std::int32_t nID) const {
    return screens_.Item(std::to_string(nID))->Suffix;
}

std::shared_ptr<Config> Config::GetInstance() {
    if (!instance_) instance_ = std::make_shared<Config>(defaultsFile_);
    return instance_;
}

std::vector<Config::StoredText> Config::StoredTexts() const {
    std::vector<StoredText> texts;
    for (std::size_t i = 0; i < GenNames.size(); ++i) {
        const std::string key = std::to_string(i);
        if (!screens_.Contains(key) || !screens_.Item(key)) continue;
        const ConfigRecord& record = *screens_.Item(key);
        const std::string section = std::string(kBaseKey) + "\\" + GenNames[i];
        texts.push_back({section + "\\Font", "Name", record.Font.name});
        texts.push_back({section + "\\Font", "Size", DecimalText(record.Font.size)});
        texts.push_back({section + "\\Color", "RGB", std::to_string(record.color)});
        texts.push_back({section, "Suffix", record.Suffix});
        texts.push_back({section, "UpperCase", std::to_string(record.IsUppercase)});
        texts.push_back({section, "SyntaxHighlight", std::to_string(record.SynHighlight)});
        texts.push_back({section, "Enabled", std::to_string(record.Enabled)});
        if (i == SQL_CODE) {
            texts.push_back({section, "Dialect", std::string(SqlDialectOf(record.Dialect).name)});
        }
    }
    return texts;
}

void Config::Remember(const std::vector<StoredText>& texts) {
    for (const StoredText& stored : texts)
        saved_[stored.section + '\n' + stored.name] = stored.text;
}

void Config::Save() {
    // Only what this object changed goes to the file, set on what is there now, under the
    // writers' lock: another program or dialog saving other settings keeps its changes.
    std::vector<StoredText> changed;
    for (StoredText& stored : StoredTexts()) {
        const auto found = saved_.find(stored.section + '\n' + stored.name);
        if (found == saved_.end() || found->second != stored.text) {
            changed.push_back(std::move(stored));
        }
    }
    if (changed.empty()) return;
    const auto machine = SettingsFile::ForRoot(RegAccess::HKEY_LOCAL_MACHINE);
    if (!machine) throw OrvaneError("There is no settings folder to save to.");
    // All of them in one replacement of the file, each a string value with its terminating
    // zero as a ValString write stores it.
    const bool written = machine->Update([&changed](RegistryFile& store) {
        for (const StoredText& stored : changed) {
            if (RegistryKey* key = store.CreateKey(stored.section)) {
                key->SetValue(stored.name, ValString, stored.text + '\0');
            }
        }
        return true;
    });
    // The caller tells the user; the values stay changed here, so a later save tries again.
    if (!written)
        throw OrvaneError("The settings file " + machine->Path() + " could not be written.");
    Remember(changed);
}

}  // namespace orvane
