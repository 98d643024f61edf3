#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <string>
#include <vector>

#include "TempSettingsFolder.h"
#include "core/Host.h"
#include "core/LibraryFolder.h"
#include "core/OrvaneError.h"
#include "settings/Config.h"
#include "settings/RegAccess.h"
#include "settings/SettingsNumbers.h"

namespace orvane {
namespace {

using test::TempSettingsFolder;

const std::string kBase = "SOFTWARE\\Kestrade\\Orvane\\";

struct Message {
    std::string text;
    int style;
    std::string title;
};

// Collects the library's messages while it lives.
class MessageCatcher {
  public:
    MessageCatcher() {
        Host::SetMessageSink([this](const std::string& text, int style, const std::string& title) {
            messages.push_back({text, style, title});
        });
    }
    ~MessageCatcher() { Host::SetMessageSink({}); }
    std::vector<Message> messages;
};

ConfigRecord BuiltIn() {
    ConfigRecord record;
    record.Font = FontSpec{"Courier", 9.0};
    record.color = 16777215;
    record.IsUppercase = 3;
    return record;
}

TEST(LeadingNumber, TakesTheNumberATextBeginsWith) {
    const std::vector<std::pair<std::string, double>> cases = {
        {"9", 9},
        {"10.5", 10.5},
        {"  12.25pt", 12.25},
        {"\t7", 7},
        {"-3", -3},
        {"+4", 4},
        {".5", 0.5},
        {"5.", 5},
        {"1.2.3", 1.2},
        {"16777215", 16777215},
        {"abc", 0},
        {"", 0},
        {"Not Found", 0},
        {"-", 0},
        {".", 0},
        {"10,5", 10},
        {"1e3", 1000},
        {"2E-1x", 0.2},
        {"5e", 5},
        {"5e+", 5},
        {"- 5", 0},
        {"99999999999", 99999999999.0},
    };
    for (const auto& [text, number] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), number) << text;
}

TEST(LeadingNumber, IgnoresTheLocalesDecimalSeparator) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
    EXPECT_DOUBLE_EQ(LeadingNumber("10.5"), 10.5);
    EXPECT_EQ(DecimalText(10.5), "10.5");
    std::setlocale(LC_ALL, before.c_str());
}

TEST(DecimalText, WritesPlainShortNumbers) {
    const std::vector<std::pair<double, std::string>> cases = {
        {9, "9"}, {10.5, "10.5"}, {9.75, "9.75"}, {0, "0"}, {-1.25, "-1.25"}, {12.3456, "12.3456"}};
    for (const auto& [number, text] : cases) EXPECT_EQ(DecimalText(number), text);
}

TEST(Config, ScreensTableIsFixed) {
    TempSettingsFolder folder;
    Config config("");
    EXPECT_EQ(config.GenNames,
              (std::vector<std::string>{"XML Schema", "BizTalk Schema", "DTD", "XML Data", "SQL",
                                        "VB", "Java", "VB.NET", "C#"}));
    EXPECT_EQ(
        config.GenDescriptions,
        (std::vector<std::string>{"W3C XML Schema", "BizTalk XML Schema", "DTD", "XML Data Example",
                                  "SQL Insert Statements", "VB COM object to access the table",
                                  "Java bean to access the table", "VB.NET object", "C# Class"}));
    EXPECT_EQ(config.GenExtensions, (std::vector<std::string>{"xsd", "biz", "dtd", "xml", "sql",
                                                              "cls", "java", "vb", "csc"}));
    ASSERT_EQ(config.Screens().Count(), 9u);
    for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(config.Screens().KeyAt(i + 1), std::to_string(i));
    EXPECT_FALSE(config.Screens().Contains("9"));
    EXPECT_EQ(config.DBMSName, "");
}

TEST(Config, AnEmptyStoreGivesTheBuiltInValues) {
    TempSettingsFolder folder;
    MessageCatcher catcher;
    Config config("");
    for (const auto& [key, record] : config.Screens()) EXPECT_EQ(*record, BuiltIn()) << key;
    EXPECT_TRUE(catcher.messages.empty());
    // Loading only reads.
    EXPECT_TRUE(folder.FilesStartingWith("machine.reg").empty());
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
    RegAccess reg;
    const RegValueEntry size =
        reg.ReadRegistryGetAll(RegAccess::HKEY_LOCAL_MACHINE, kBase + "DTD\\Font", 1);
    EXPECT_EQ(size.type, ValString);
    EXPECT_EQ(size.name, "Size");
    EXPECT_EQ(size.data, "8.5");
    EXPECT_EQ(reg.ReadLocalMachine(kBase + "C#\\Color", "RGB"), "2295");
    EXPECT_EQ(reg.ReadLocalMachine(kBase + "SQL", "UpperCase"), "0");
    EXPECT_EQ(reg.ReadLocalMachine(kBase + "SQL", "Dialect"), "mariadb");
    EXPECT_EQ(reg.ReadLocalMachine(kBase + "Java", "Dialect", "none"), "none");
}

// The SQL screen's dialect: a name in any letter case; another text is reported and gives the
// classic script; other screens have none.
TEST(Config, TheSqlScreensDialectIsANameOfItsOwn) {
    const struct {
        std::string screen;
        std::string stored;
        SqlDialectId dialect;
        bool reported;
    } cases[] = {
        {"SQL", "PostgreSQL", SqlDialectId::PostgreSQL, false},
        {"SQL", "sqlserver", SqlDialectId::SqlServer, false},
        {"SQL", "oracle", SqlDialectId::Classic, true},
        {"SQL", "", SqlDialectId::Classic, true},
        {"Java", "sqlite", SqlDialectId::Classic, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen + " " + c.stored);
        TempSettingsFolder folder;
        RegAccess().WriteLocalMachine(kBase + c.screen, "Dialect", ValString, c.stored);
        MessageCatcher catcher;
        const Config config("");
        EXPECT_EQ(config.Screens().Item("4")->Dialect, c.dialect);
        EXPECT_EQ(config.Screens().Item("6")->Dialect, SqlDialectId::Classic);
        ASSERT_EQ(catcher.messages.size(), c.reported ? 1u : 0u);
        if (c.reported) {
            EXPECT_NE(catcher.messages[0].text.find("SQL\\Dialect"), std::string::npos);
        }
    }
}

TEST(Config, StoredTextsBecomeFields) {
    struct Case {
        const char* subkey;
        const char* value;
        std::string stored;
        void (*check)(const ConfigRecord&);
    };
    const std::vector<Case> cases = {
        {"\\Font", "Size", "10.5", [](const ConfigRecord& r) { EXPECT_EQ(r.Font.size, 10.5); }},
        {"\\Font", "Size", "large", [](const ConfigRecord& r) { EXPECT_EQ(r.Font.size, 0.0); }},
        {"\\Font", "Size", "12.34567",
         [](const ConfigRecord& r) { EXPECT_EQ(r.Font.size, 12.3457); }},
        {"\\Font", "Name", "DejaVu Sans Mono",
         [](const ConfigRecord& r) { EXPECT_EQ(r.Font.name, "DejaVu Sans Mono"); }},
        {"\\Color", "RGB", "255", [](const ConfigRecord& r) { EXPECT_EQ(r.color, 0x0000FF); }},
        {"\\Color", "RGB", "65280.5", [](const ConfigRecord& r) { EXPECT_EQ(r.color, 65280); }},
        {"", "UpperCase", "Not Found", [](const ConfigRecord& r) { EXPECT_EQ(r.IsUppercase, 0); }},
        {"", "UpperCase", "2", [](const ConfigRecord& r) { EXPECT_EQ(r.IsUppercase, 2); }},
        {"", "UpperCase", "", [](const ConfigRecord& r) { EXPECT_EQ(r.IsUppercase, 0); }},
        {"", "SyntaxHighlight", "1", [](const ConfigRecord& r) { EXPECT_EQ(r.SynHighlight, 1); }},
        {"", "Enabled", "1.5", [](const ConfigRecord& r) { EXPECT_EQ(r.Enabled, 2); }},
        {"", "Enabled", " 1 ", [](const ConfigRecord& r) { EXPECT_EQ(r.Enabled, 1); }},
        {"", "Suffix", "Row", [](const ConfigRecord& r) { EXPECT_EQ(r.Suffix, "Row"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " = " + c.stored);
        TempSettingsFolder folder;
        RegAccess().WriteLocalMachine(kBase + "Java" + c.subkey, c.value, ValString, c.stored);
        const Config config("");
        c.check(*config.Screens().Item("6"));
        // The other screens keep the built-in values.
        EXPECT_EQ(*config.Screens().Item("5"), BuiltIn());
    }
}

TEST(Config, ANumberAFieldCannotHoldIsReportedAndTheRestStillLoads) {
    TempSettingsFolder folder;
    RegAccess reg;
    reg.WriteLocalMachine(kBase + "XML Data\\Color", "RGB", ValString, std::string("99999999999"));
    reg.WriteLocalMachine(kBase + "XML Data", "Enabled", ValString, std::string("70000"));
    reg.WriteLocalMachine(kBase + "XML Data", "Suffix", ValString, std::string("Kept"));
    reg.WriteLocalMachine(kBase + "C#", "Enabled", ValString, std::string("1"));
    MessageCatcher catcher;
    const Config config("");
    ASSERT_EQ(catcher.messages.size(), 1u);
    const Message& message = catcher.messages[0];
    EXPECT_EQ(message.text.rfind("Unable to initialize Orvane library Configuration:Overflow", 0),
              0u)
        << message.text;
    EXPECT_NE(message.text.find("XML Data\\Color\\RGB"), std::string::npos);
    EXPECT_NE(message.text.find("XML Data\\Enabled"), std::string::npos);
    EXPECT_EQ(message.style, MsgNone);
    EXPECT_EQ(message.title, "OrvaneLib");
    const ConfigRecord& xml = *config.Screens().Item("3");
    EXPECT_EQ(xml.color, 16777215);
    EXPECT_EQ(xml.Enabled, 0);
    EXPECT_EQ(xml.Suffix, "Kept");
    EXPECT_EQ(config.Screens().Item("8")->Enabled, 1);
    EXPECT_EQ(config.Screens().Count(), 9u);
}

TEST(Config, ScreenAccessorsReadTheRecords) {
    TempSettingsFolder folder;
    Config config("");
    config.Screens().Item("4")->IsUppercase = 1;
    config.Screens().Item("4")->Suffix = "Tbl";
    EXPECT_EQ(config.IsUppercase(4), 1);
    EXPECT_EQ(config.Suffix(4), "Tbl");
    EXPECT_EQ(config.IsUppercase(0), 3);
    EXPECT_THROW(config.Suffix(9), OrvaneError);
}

TEST(Config, GetInstanceIsKeptPerConfig) {
    TempSettingsFolder folder;
    Config first("");
    Config second("");
    const auto instance = first.GetInstance();
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(first.GetInstance(), instance);
    EXPECT_NE(second.GetInstance(), instance);
    EXPECT_EQ(instance->Screens().Count(), 9u);
}

TEST(Config, GetInstanceLoadsTheStoreAfresh) {
    TempSettingsFolder folder;
    Config config("");
    RegAccess().WriteLocalMachine(kBase + "VB", "Suffix", ValString, std::string("Later"));
    EXPECT_EQ(config.Suffix(5), "");
    EXPECT_EQ(config.GetInstance()->Suffix(5), "Later");
}

TEST(Config, ConnectionManagerIsMadeOnFirstReadAndKept) {
    TempSettingsFolder folder;
    Config config("");
    const auto manager = config.ConnectionManager();
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(config.ConnectionManager(), manager);
    const auto replacement = std::make_shared<ConnectionManager>();
    config.SetConnectionManager(replacement);
    EXPECT_EQ(config.ConnectionManager(), replacement);
}

void ExpectShippedDefaults(const Config& config) {
    for (const auto& [key, record] : config.Screens()) {
        SCOPED_TRACE(key);
        EXPECT_EQ(record->Font, (FontSpec{"DejaVu Sans Mono", 10.0}));
        EXPECT_EQ(record->color, 16777215);
        EXPECT_EQ(record->SynHighlight, 1);
        EXPECT_EQ(record->IsUppercase, 3);
        EXPECT_EQ(record->Suffix, "");
        EXPECT_EQ(record->Enabled, 1);
    }
}

TEST(Config, ShippedDefaultsLieBesideTheLibrary) {
    const std::string folder = LibraryFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(std::filesystem::exists(folder + "/liborvane.so"));
    EXPECT_EQ(Config::DefaultsFile(), folder + "/templates/defaults.reg");
    EXPECT_TRUE(std::filesystem::is_regular_file(Config::DefaultsFile()));
}

TEST(Config, FirstStartImportsTheShippedDefaults) {
    TempSettingsFolder folder;
    MessageCatcher catcher;
    const Config config;
    ExpectShippedDefaults(config);
    EXPECT_TRUE(catcher.messages.empty());
    // Imported into the store, so the next start reads them from there.
    EXPECT_EQ(RegAccess().ReadLocalMachine(kBase + "SQL\\Font", "Name"), "DejaVu Sans Mono");
    ExpectShippedDefaults(Config(""));
}

TEST(Config, DefaultsDoNotOverrideAnythingUnderTheBaseKey) {
    TempSettingsFolder folder;
    RegAccess().WriteLocalMachine(kBase + "XML Schema", "Suffix", ValString, std::string("Mine"));
    const Config config(Config::DefaultsFile());
    EXPECT_EQ(config.Suffix(0), "Mine");
    ConfigRecord expected = BuiltIn();
    EXPECT_EQ(*config.Screens().Item("1"), expected);
    expected.Suffix = "Mine";
    EXPECT_EQ(*config.Screens().Item("0"), expected);
}

TEST(Config, DefaultsReplaceADamagedStoreWhichIsKeptAside) {
    TempSettingsFolder folder;
    folder.WriteFile("machine.reg", "\x01\x02 not a settings file \xff");
    ExpectShippedDefaults(Config(Config::DefaultsFile()));
    EXPECT_EQ(folder.FilesStartingWith("machine.reg.damaged-").size(), 1u);
}

TEST(Config, AMissingOrBrokenDefaultsFileLeavesTheBuiltInValues) {
    TempSettingsFolder folder;
    folder.WriteFile("broken.reg", "nonsense\n[elsewhere]\n");
    for (const std::string& defaults : {folder.Path("missing.reg"), folder.Path("broken.reg")}) {
        const Config config(defaults);
        for (const auto& [key, record] : config.Screens()) EXPECT_EQ(*record, BuiltIn()) << key;
    }
    EXPECT_TRUE(folder.FilesStartingWith("machine.reg").empty());
}

}  // namespace
}  // namespace orvane
