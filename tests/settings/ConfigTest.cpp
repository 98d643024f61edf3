#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "Golden.h"
#include "TempSettingsFolder.h"
#include "core/Host.h"
#include "settings/Config.h"
#include "settings/RegAccess.h"
#include "settings/SettingsNumbers.h"

namespace orvane {
namespace {

using test::TempSettingsFolder;

const std::string kBase = "SOFTWARE\\Kestrade\\Orvane\\";

// Collects the library's messages, "(style, title): text", while it lives.
struct MessageCatcher {
    MessageCatcher() {
        Host::SetMessageSink([this](const std::string& text, int style, const std::string& title) {
            messages.push_back("(" + std::to_string(style) + ", " + title + "): " + text);
        });
    }
    ~MessageCatcher() { Host::SetMessageSink({}); }
    std::vector<std::string> messages;
};

TEST(LeadingNumber, TakesTheNumberATextBeginsWithWhateverTheLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    std::string log;
    for (const char* text :
         {"9",     "10.5", "  12.25pt", "\t7",       "-3",          "+4",  ".5",    "5.",
          "1.2.3", "abc",  "",          "Not Found", "-",           ".",   "10,5",  "1e3",
          "2E-1x", "5e",   "5e+",       "- 5",       "99999999999", "0.1", "-1.25", "12.3456"})
        log += "[" + std::string(text) + "] " + DecimalText(LeadingNumber(text)) + "\n";
    for (double number : {9.0, 10.5, 0.0, -1.25, 12.3456})
        EXPECT_DOUBLE_EQ(LeadingNumber(DecimalText(number)), number);
    std::setlocale(LC_ALL, before.c_str());
    test::expectGolden("leading-numbers.txt", log);
}

std::string Described(const ConfigRecord& r) {
    return r.Font.name + " " + std::to_string(r.Font.size) + ", color " + std::to_string(r.color) +
           ", highlight " + std::to_string(r.SynHighlight) + ", case " +
           std::to_string(r.IsUppercase) + ", suffix \"" + r.Suffix + "\", enabled " +
           std::to_string(r.Enabled) + ", dialect " + std::to_string(static_cast<int>(r.Dialect));
}

// Each stored text as the only setting there is: the screens it changes, and any message.
TEST(Config, StoredTextsBecomeFieldsOrAreReported) {
    const struct {
        std::string section, value;
        std::vector<std::string> stored;
    } cases[] = {{"Java\\Font", "Size", {"10.5", "large", "12.34567"}},
                 {"Java\\Font", "Name", {"Mono"}},
                 {"Java\\Color", "RGB", {"255", "65280.5"}},
                 {"Java", "UpperCase", {"Not Found", "2", ""}},
                 {"Java", "SyntaxHighlight", {"1"}},
                 {"Java", "Enabled", {"1.5", " 1 "}},
                 {"Java", "Suffix", {"Row"}},
                 {"XML Data\\Color", "RGB", {"99999999999"}},
                 {"XML Data", "Enabled", {"70000"}},
                 {"SQL", "Dialect", {"PostgreSQL", "sqlserver", "oracle", ""}},
                 {"Java", "Dialect", {"sqlite"}}};
    // Screens left as built in are not listed.
    ConfigRecord builtIn;
    {
        TempSettingsFolder empty;
        builtIn = *Config("").Screens().Item("0");
    }
    std::string log;
    for (const auto& [section, value, texts] : cases) {
        for (const std::string& stored : texts) {
            TempSettingsFolder folder;
            RegAccess().WriteLocalMachine(kBase + section, value, ValString, stored);
            MessageCatcher catcher;
            const Config config("");
            log += section + "\\" + value + " = \"" + stored + "\"\n";
            for (const auto& [key, record] : config.Screens()) {
                if (*record == builtIn) continue;
                log += "  " + config.GenNames[std::stoul(key)] + ": " + Described(*record) + "\n";
            }
            for (const std::string& message : catcher.messages)
                log += "  message " + message + "\n";
        }
    }
    test::expectGolden("config-stored-texts.txt", log);
}

TEST(Config, SaveThenLoadGivesEqualRecords) {
    TempSettingsFolder folder;
    Config config("");
    for (std::size_t i = 0; i < 9; ++i) {
        ConfigRecord& record = *config.Screens().Item(std::to_string(i));
        const auto n = static_cast<std::int16_t>(i);
        record.Font = FontSpec{"Font " + std::to_string(i), 8.0 + 0.25 * static_cast<double>(i)};
        record.color = 255 * (n + 1);
        record.SynHighlight = n % 2;
        record.IsUppercase = n % 4;
        record.Suffix = i == 3 ? "" : "Sfx\"\\" + std::to_string(i);
        record.Enabled = (n + 1) % 2;
    }
    config.Screens().Item("4")->Dialect = SqlDialectId::MariaDB;
    config.Save();
    Config loaded("");
    for (std::size_t i = 0; i < 9; ++i) {
        const std::string key = std::to_string(i);
        EXPECT_EQ(*loaded.Screens().Item(key), *config.Screens().Item(key)) << key;
    }
    // Stored as string values in the documented places.
    test::expectGolden("config-saved.reg", folder.ReadFile("machine.reg"));
    RegAccess reg;
    // A fresh instance reads what is stored now.
    reg.WriteLocalMachine(kBase + "VB", "Suffix", ValString, std::string("Later"));
    EXPECT_EQ(loaded.GetInstance()->Suffix(5), "Later");
}

// The shipped defaults go into an empty or damaged store only, and once; without them the
// built-in values hold and nothing is written.
TEST(Config, ShippedDefaultsFillOnlyAnEmptyOrDamagedStore) {
    const std::string mine = "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\" +
                             kBase + "XML Schema]\n\"Suffix\"=\"Mine\"\n";
    const struct {
        const char* what;
        std::string store;
        std::string defaults;
    } cases[] = {
        {"no defaults file", "", ""},
        {"missing defaults file", "", "missing.reg"},
        {"broken defaults file", "", "broken.reg"},
        {"shipped defaults, empty store", "", Config::DefaultsFile()},
        {"shipped defaults, damaged store", "\x01 not a settings file", Config::DefaultsFile()},
        {"shipped defaults, a suffix of the user's", mine, Config::DefaultsFile()}};
    std::string log;
    for (const auto& c : cases) {
        TempSettingsFolder folder;
        folder.WriteFile("broken.reg", "nonsense\n[elsewhere]\n");
        if (!c.store.empty()) folder.WriteFile("machine.reg", c.store);
        MessageCatcher catcher;
        const Config config(c.defaults.empty() || c.defaults[0] == '/' ? c.defaults
                                                                       : folder.Path(c.defaults));
        log += std::string(c.what) + ": " + std::to_string(catcher.messages.size()) + " messages\n";
        for (const auto& [key, record] : config.Screens()) {
            log += "  " + config.GenNames[std::stoul(key)] + ": " + Described(*record) + "\n";
        }
        // What the next start finds in the store.
        log += "  files:";
        for (const std::string& name : folder.FilesStartingWith("machine.reg")) {
            log += " " + name.substr(0, name.find('-'));
        }
        log += "\n  stored SQL font: " + RegAccess().ReadLocalMachine(kBase + "SQL\\Font", "Name") +
               "\n";
    }
    test::expectGolden("config-defaults.txt", log);
}

}  // namespace
}  // namespace orvane
