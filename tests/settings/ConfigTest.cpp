#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "TempSettingsFolder.h"
#include "core/Host.h"
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

TEST(LeadingNumber, TakesTheNumberATextBeginsWithWhateverTheLocale) {
    const std::vector<std::pair<std::string, double>> cases = {
        {"9", 9},      {"10.5", 10.5}, {"  12.25pt", 12.25},
        {"\t7", 7},    {"-3", -3},     {"+4", 4},
        {".5", 0.5},   {"5.", 5},      {"1.2.3", 1.2},
        {"abc", 0},    {"", 0},        {"Not Found", 0},
        {"-", 0},      {".", 0},       {"10,5", 10},
        {"1e3", 1000}, {"2E-1x", 0.2}, {"5e", 5},
        {"5e+", 5},    {"- 5", 0},     {"99999999999", 99999999999.0}};
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    for (const auto& [text, number] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), number) << text;
    for (double number : {9.0, 10.5, 0.0, -1.25, 12.3456}) {
        EXPECT_DOUBLE_EQ(LeadingNumber(DecimalText(number)), number);
        EXPECT_EQ(DecimalText(number).find_first_not_of("-.0123456789"), std::string::npos);
    }
    std::setlocale(LC_ALL, before.c_str());
}

// Each stored text as the one setting there is: that screen's field, the others built in.
TEST(Config, StoredTextsBecomeFieldsOrAreReported) {
    const struct {
        std::string section;
        const char* value;
        std::string stored;
        std::size_t screen;
        void (*expect)(ConfigRecord&);
        const char* reported = nullptr;  // how the message begins
    } cases[] = {
        {"Java\\Font", "Size", "10.5", JAVA_CODE, [](ConfigRecord& r) { r.Font.size = 10.5; }},
        {"Java\\Font", "Size", "large", JAVA_CODE, [](ConfigRecord& r) { r.Font.size = 0; }},
        {"Java\\Font", "Size", "12.34567", JAVA_CODE,
         [](ConfigRecord& r) { r.Font.size = 12.3457; }},
        {"Java\\Font", "Name", "Mono", JAVA_CODE, [](ConfigRecord& r) { r.Font.name = "Mono"; }},
        {"Java\\Color", "RGB", "255", JAVA_CODE, [](ConfigRecord& r) { r.color = 255; }},
        {"Java\\Color", "RGB", "65280.5", JAVA_CODE, [](ConfigRecord& r) { r.color = 65280; }},
        {"Java", "UpperCase", "Not Found", JAVA_CODE, [](ConfigRecord& r) { r.IsUppercase = 0; }},
        {"Java", "UpperCase", "2", JAVA_CODE, [](ConfigRecord& r) { r.IsUppercase = 2; }},
        {"Java", "UpperCase", "", JAVA_CODE, [](ConfigRecord& r) { r.IsUppercase = 0; }},
        {"Java", "SyntaxHighlight", "1", JAVA_CODE, [](ConfigRecord& r) { r.SynHighlight = 1; }},
        {"Java", "Enabled", "1.5", JAVA_CODE, [](ConfigRecord& r) { r.Enabled = 2; }},
        {"Java", "Enabled", " 1 ", JAVA_CODE, [](ConfigRecord& r) { r.Enabled = 1; }},
        {"Java", "Suffix", "Row", JAVA_CODE, [](ConfigRecord& r) { r.Suffix = "Row"; }},
        {"XML Data\\Color", "RGB", "99999999999", XML_CODE, [](ConfigRecord&) {},
         "Overflow: the setting XML Data\\Color\\RGB (99999999999)"},
        {"XML Data", "Enabled", "70000", XML_CODE, [](ConfigRecord&) {},
         "Overflow: the setting XML Data\\Enabled (70000)"},
        // The SQL screen's dialect: a name in any letter case; other screens have none.
        {"SQL", "Dialect", "PostgreSQL", SQL_CODE,
         [](ConfigRecord& r) { r.Dialect = SqlDialectId::PostgreSQL; }},
        {"SQL", "Dialect", "sqlserver", SQL_CODE,
         [](ConfigRecord& r) { r.Dialect = SqlDialectId::SqlServer; }},
        {"SQL", "Dialect", "oracle", SQL_CODE, [](ConfigRecord&) {},
         "The setting SQL\\Dialect (oracle)"},
        {"SQL", "Dialect", "", SQL_CODE, [](ConfigRecord&) {}, "The setting SQL\\Dialect ()"},
        {"Java", "Dialect", "sqlite", JAVA_CODE, [](ConfigRecord&) {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section + "\\" + c.value + " = " + c.stored);
        TempSettingsFolder folder;
        RegAccess().WriteLocalMachine(kBase + c.section, c.value, ValString, c.stored);
        MessageCatcher catcher;
        const Config config("");
        for (const auto& [key, record] : config.Screens()) {
            ConfigRecord expected = BuiltIn();
            if (key == std::to_string(c.screen)) c.expect(expected);
            EXPECT_EQ(*record, expected) << key;
        }
        ASSERT_EQ(catcher.messages.size(), c.reported ? 1u : 0u);
        if (c.reported) {
            const Message& message = catcher.messages[0];
            EXPECT_EQ(
                message.text.rfind(
                    std::string("Unable to initialize Orvane library Configuration:") + c.reported,
                    0),
                0u)
                << message.text;
            EXPECT_EQ(message.style, MsgNone);
            EXPECT_EQ(message.title, "OrvaneLib");
        }
    }
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
    EXPECT_EQ(size.name + "=" + size.data, "Size=8.5");
    EXPECT_EQ(reg.ReadLocalMachine(kBase + "C#\\Color", "RGB"), "2295");
    EXPECT_EQ(reg.ReadLocalMachine(kBase + "SQL", "UpperCase"), "0");
    EXPECT_EQ(reg.ReadLocalMachine(kBase + "SQL", "Dialect"), "mariadb");
    EXPECT_EQ(reg.ReadLocalMachine(kBase + "Java", "Dialect", "none"), "none");
    // A fresh instance reads what is stored now.
    reg.WriteLocalMachine(kBase + "VB", "Suffix", ValString, std::string("Later"));
    EXPECT_EQ(loaded.GetInstance()->Suffix(5), "Later");
}

void ExpectShippedDefaults(const Config& config) {
    for (const auto& [key, record] : config.Screens()) {
        ConfigRecord expected;
        expected.Font = FontSpec{"DejaVu Sans Mono", 10.0};
        expected.color = 16777215;
        expected.SynHighlight = expected.Enabled = 1;
        expected.IsUppercase = 3;
        EXPECT_EQ(*record, expected) << key;
    }
}

TEST(Config, FirstStartImportsTheShippedDefaults) {
    TempSettingsFolder folder;
    MessageCatcher catcher;
    ExpectShippedDefaults(Config());
    EXPECT_TRUE(catcher.messages.empty());
    // Imported into the store, so the next start reads them from there.
    EXPECT_EQ(RegAccess().ReadLocalMachine(kBase + "SQL\\Font", "Name"), "DejaVu Sans Mono");
    ExpectShippedDefaults(Config(""));
}

TEST(Config, DefaultsDoNotOverrideAnythingUnderTheBaseKey) {
    TempSettingsFolder folder;
    RegAccess().WriteLocalMachine(kBase + "XML Schema", "Suffix", ValString, std::string("Mine"));
    const Config config(Config::DefaultsFile());
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

TEST(Config, NoOrABrokenDefaultsFileLeavesTheBuiltInValuesAndWritesNothing) {
    TempSettingsFolder folder;
    folder.WriteFile("broken.reg", "nonsense\n[elsewhere]\n");
    MessageCatcher catcher;
    for (const std::string& defaults :
         {std::string(), folder.Path("missing.reg"), folder.Path("broken.reg")}) {
        const Config config(defaults);
        for (const auto& [key, record] : config.Screens()) EXPECT_EQ(*record, BuiltIn()) << key;
    }
    EXPECT_TRUE(catcher.messages.empty());
    EXPECT_TRUE(folder.FilesStartingWith("machine.reg").empty());
}

}  // namespace
}  // namespace orvane
