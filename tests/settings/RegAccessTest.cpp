#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "TempSettingsFolder.h"
#include "settings/RegAccess.h"
#include "settings/RegistryFile.h"

namespace orvane {
namespace {

using test::TempSettingsFolder;

constexpr std::int32_t kMachine = RegAccess::HKEY_LOCAL_MACHINE;
constexpr std::int32_t kUser = RegAccess::HKEY_CURRENT_USER;
const std::string kNotFoundText = kNotFound;
const std::string kFailedName(2048, ' ');

// The stored type and bytes of a value, straight from the file.
RegistryKey::Value Stored(const TempSettingsFolder& folder, const std::string& section,
                          const std::string& name) {
    const RegistryFile file =
        RegistryFile::Parse(folder.ReadFile("machine.reg"), "HKEY_LOCAL_MACHINE");
    EXPECT_FALSE(file.Damaged());
    const RegistryKey* key = file.FindKey(section);
    const RegistryKey::Value* value = key == nullptr ? nullptr : key->FindValue(name);
    return value == nullptr ? RegistryKey::Value{"<missing>", -1, {}} : *value;
}

TEST(RegAccess, MissingValuesReadNotFoundOrTheDefault) {
    TempSettingsFolder folder;
    RegAccess reg;
    EXPECT_EQ(reg.ReadRegistry(kMachine, "SOFTWARE\\Nothing", "Name"), kNotFoundText);
    EXPECT_EQ(reg.ReadCurrentUser("SOFTWARE\\Nothing", "Name"), kNotFoundText);
    EXPECT_EQ(reg.ReadLocalMachine("SOFTWARE\\Nothing", "Name"), "");
    EXPECT_EQ(reg.ReadLocalMachine("SOFTWARE\\Nothing", "Name", "Courier"), "Courier");
    // The key exists, the value does not.
    reg.WriteLocalMachine("SOFTWARE\\Some", "Other", ValString, std::string("x"));
    EXPECT_EQ(reg.ReadLocalMachine("SOFTWARE\\Some", "Name", "dflt"), "dflt");
    EXPECT_EQ(reg.ReadRegistry(kMachine, "SOFTWARE\\Some", "Name"), kNotFoundText);
}

TEST(RegAccess, WritesRoundTripWithTheirStoredTypeAndBytes) {
    struct Case {
        const char* what;
        int valType;
        RegValue value;
        std::string read;
        std::int32_t storedType;
        std::string storedBytes;
    };
    const std::vector<Case> cases = {
        {"string keeps its zero", ValString, std::string("abc"), "abc", 1, std::string("abc\0", 4)},
        {"empty string", ValString, std::string(), "", 1, std::string(1, '\0')},
        {"expand string has no zero", ValXString, std::string("abc"), "ab", 1, "abc"},
        {"null type", ValNull, std::string("abc"), "ab", 1, "abc"},
        {"binary type", ValBinary, std::string("abc"), "ab", 1, "abc"},
        {"link type", ValLink, std::string("abc"), "ab", 1, "abc"},
        {"multi-string type", ValMultiString, std::string("abc"), "ab", 1, "abc"},
        {"resource list type", ValResList, std::string("abc"), "ab", 1, "abc"},
        {"number as string has no zero", ValString, std::int64_t{42}, "4", 1, "42"},
        {"fraction as string", ValString, 10.5, "10.", 1, "10.5"},
        {"dword 5", ValDWord, std::int64_t{5}, "005", 4, std::string("\5\0\0\0", 4)},
        {"dword 70000", ValDWord, std::int64_t{70000}, "70000", 4,
         std::string("\x70\x11\x01\0", 4)},
        {"dword 16777215", ValDWord, std::int64_t{16777215}, "16777215", 4,
         std::string("\xff\xff\xff\0", 4)},
        {"dword from text", ValDWord, std::string(" 12 "), "012", 4, std::string("\x0c\0\0\0", 4)},
        {"dword from non-number", ValDWord, std::string("abc"), "000", 4, std::string(4, '\0')},
        {"dword -1 reads unsigned", ValDWord, std::int64_t{-1}, "4294967295", 4,
         std::string(4, '\xff')},
        {"dword rounds halves to even", ValDWord, 2.5, "002", 4, std::string("\2\0\0\0", 4)},
        {"dword rounds 3.5 up", ValDWord, 3.5, "004", 4, std::string("\4\0\0\0", 4)},
        {"dword out of range stores 0", ValDWord, std::int64_t{5000000000}, "000", 4,
         std::string(4, '\0')},
        {"quotes and backslashes", ValString, std::string("a\"b\\c"), "a\"b\\c", 1,
         std::string("a\"b\\c\0", 6)},
        {"non-ASCII text", ValString,
         std::string("Gr\xc3\xbc\xc3\x9f"
                     "e"),
         "Gr\xc3\xbc\xc3\x9f"
         "e",
         1,
         std::string("Gr\xc3\xbc\xc3\x9f"
                     "e\0",
                     8)},
        {"line breaks", ValString, std::string("one\r\ntwo"), "one\r\ntwo", 1,
         std::string("one\r\ntwo\0", 9)},
        {"bytes that are not UTF-8", ValString, std::string("\xff\xfe"), "\xff\xfe", 1,
         std::string("\xff\xfe\0", 3)},
        {"inner zero", ValXString, std::string("a\0b\0", 4), std::string("a\0b", 3), 1,
         std::string("a\0b\0", 4)},
    };
    TempSettingsFolder folder;
    RegAccess reg;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reg.WriteLocalMachine("SOFTWARE\\Types", c.what, c.valType, c.value);
        EXPECT_EQ(reg.ReadRegistry(kMachine, "SOFTWARE\\Types", c.what), c.read);
        const RegistryKey::Value stored = Stored(folder, "SOFTWARE\\Types", c.what);
        EXPECT_EQ(stored.type, c.storedType);
        EXPECT_EQ(stored.data, c.storedBytes);
    }
    // Every value survived every later rewrite of the file.
    for (const Case& c : cases) {
        EXPECT_EQ(reg.ReadLocalMachine("SOFTWARE\\Types", c.what), c.read) << c.what;
    }
}

TEST(RegAccess, FileIsARegistryExport) {
    TempSettingsFolder folder;
    RegAccess reg;
    reg.WriteLocalMachine("SOFTWARE\\Kestrade\\Orvane\\XML Schema\\Font", "Name", ValString,
                          std::string("Courier \"New\""));
    reg.WriteLocalMachine("SOFTWARE\\Kestrade\\Orvane\\XML Schema", "Count", ValDWord,
                          std::int64_t{42});
    reg.WriteLocalMachine("SOFTWARE\\Kestrade\\Orvane\\XML Schema", "Path", ValXString,
                          std::string("abc"));
    EXPECT_EQ(folder.ReadFile("machine.reg"),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrade\\Orvane\\XML Schema]\n"
              "\"Count\"=dword:0000002a\n"
              "\"Path\"=hex(1):61,62,63\n\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrade\\Orvane\\XML Schema\\Font]\n"
              "\"Name\"=\"Courier \\\"New\\\"\"\n\n");
    reg.WriteCurrentUser("Software\\Test", "", ValString, std::string("default"));
    EXPECT_EQ(folder.ReadFile("user.reg"),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\Software\\Test]\n"
              "@=\"default\"\n\n");
}

TEST(RegAccess, RootsAreSeparateAndOtherRootsHoldNothing) {
    TempSettingsFolder folder;
    RegAccess reg;
    reg.WriteLocalMachine("S", "Machine", ValString, std::string("m"));
    reg.WriteCurrentUser("S", "User", ValString, std::string("u"));
    EXPECT_EQ(reg.ReadLocalMachine("S", "Machine"), "m");
    EXPECT_EQ(reg.ReadCurrentUser("S", "User"), "u");
    EXPECT_EQ(reg.ReadCurrentUser("S", "Machine"), kNotFoundText);
    EXPECT_EQ(reg.ReadLocalMachine("S", "User", "none"), "none");

    constexpr std::int32_t kClassesRoot = static_cast<std::int32_t>(0x80000000u);
    reg.WriteRegistry(kClassesRoot, "S", "Other", ValString, std::string("o"));
    EXPECT_EQ(reg.ReadRegistry(kClassesRoot, "S", "Other"), kNotFoundText);
    EXPECT_EQ(reg.ReadRegistryGetSubkey(kClassesRoot, "", 0), kNotFoundText);
    EXPECT_EQ(reg.ReadRegistryGetAll(kClassesRoot, "S", 0).data, kNotFoundText);
    EXPECT_EQ(reg.DeleteSubkey(kClassesRoot, "S"), "");
    EXPECT_EQ(
        folder.FilesStartingWith(""),
        (std::vector<std::string>{"machine.reg", "machine.reg.lock", "user.reg", "user.reg.lock"}));
}

TEST(RegAccess, WriteCreatesTheWholeKeyPath) {
    TempSettingsFolder folder;
    RegAccess reg;
    reg.WriteLocalMachine("A\\B\\C\\D", "V", ValString, std::string("deep"));
    EXPECT_EQ(reg.ReadLocalMachine("A\\B\\C\\D", "V"), "deep");
    const std::vector<std::string> parents = {"", "A", "A\\B", "A\\B\\C"};
    const std::vector<std::string> children = {"A", "B", "C", "D"};
    for (std::size_t i = 0; i < parents.size(); ++i) {
        EXPECT_EQ(reg.ReadRegistryGetSubkey(kMachine, parents[i], 0), children[i]);
        EXPECT_EQ(reg.ReadRegistryGetSubkey(kMachine, parents[i], 1), kNotFoundText);
    }
    // Empty parts of a path are ignored.
    EXPECT_EQ(reg.ReadLocalMachine("A\\\\B\\C\\D\\", "V"), "deep");
}

TEST(RegAccess, EnumeratesSubkeysInNameOrderThenNotFound) {
    TempSettingsFolder folder;
    RegAccess reg;
    for (const char* name : {"gamma", "Alpha", "beta"}) {
        reg.WriteLocalMachine(std::string("Root\\") + name, "x", ValString, std::string("1"));
    }
    std::vector<std::string> names;
    for (std::int32_t idx = 0; idx < 10; ++idx) {
        std::string name = reg.ReadRegistryGetSubkey(kMachine, "Root", idx);
        if (name == kNotFoundText) break;
        names.push_back(name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    EXPECT_EQ(reg.ReadRegistryGetSubkey(kMachine, "Root", -1), kNotFoundText);
    EXPECT_EQ(reg.ReadRegistryGetSubkey(kMachine, "Missing", 0), kNotFoundText);
}

TEST(RegAccess, EnumeratesValuesWithTypeNameAndData) {
    TempSettingsFolder folder;
    RegAccess reg;
    reg.WriteLocalMachine("K", "Text", ValString, std::string("abc"));
    reg.WriteLocalMachine("K", "Number", ValDWord, std::int64_t{7});
    reg.WriteLocalMachine("K", "Raw", ValXString, std::string("xyz"));
    const std::vector<RegValueEntry> expected = {{1, "Text", "abc"},
                                                 {4, "Number", "007"},
                                                 {1, "Raw", "xy"},
                                                 {0, kFailedName, kNotFoundText}};
    for (std::size_t idx = 0; idx < expected.size(); ++idx) {
        const RegValueEntry entry =
            reg.ReadRegistryGetAll(kMachine, "K", static_cast<std::int32_t>(idx));
        EXPECT_EQ(entry.type, expected[idx].type) << idx;
        EXPECT_EQ(entry.name, expected[idx].name) << idx;
        EXPECT_EQ(entry.data, expected[idx].data) << idx;
    }
    EXPECT_EQ(reg.ReadRegistryGetAll(kMachine, "K", -1).name, kFailedName);
    EXPECT_EQ(reg.ReadRegistryGetAll(kMachine, "Missing", 0).data, kNotFoundText);
}

TEST(RegAccess, ReadsBinaryAndOtherTypesWrittenByOtherTools) {
    TempSettingsFolder folder;
    folder.WriteFile(
        "machine.reg",
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\Tool]\r\n"
        "\"Bin\"=hex:01,ab\r\n"
        "\"Bin2\"=hex:0A,FF\r\n"
        "\"Multi\"=hex(7):61,00,62,00,00\r\n"
        "\"Long\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,\\\r\n"
        "  14,15\r\n"
        "\"Short\"=dword:00000009\r\n"
        "\"Empty\"=hex(1):\r\n");
    RegAccess reg;
    const std::vector<std::pair<std::string, std::string>> reads = {
        {"Bin", "01AB"},
        {"Bin2", "0AFF"},
        {"Multi", std::string("a\0b\0", 4)},
        {"Long", "000102030405060708090A0B0C0D0E0F101112131415"},
        {"Short", "009"},
        {"Empty", ""}};
    for (const auto& [name, text] : reads) {
        EXPECT_EQ(reg.ReadRegistry(kMachine, "Tool", name), text) << name;
    }
    // Enumeration gives binary data as its bytes less the final one.
    const RegValueEntry bin = reg.ReadRegistryGetAll(kMachine, "Tool", 0);
    EXPECT_EQ(bin.type, 3);
    EXPECT_EQ(bin.data, "\x01");
    // A write keeps the other tool's values exactly.
    reg.WriteLocalMachine("Tool", "New", ValString, std::string("n"));
    for (const auto& [name, text] : reads) {
        EXPECT_EQ(reg.ReadRegistry(kMachine, "Tool", name), text) << name;
    }
    EXPECT_TRUE(folder.FilesStartingWith("machine.reg.damaged").empty());
}

TEST(RegAccess, NamesCompareWithoutCaseAndKeepTheirFirstCase) {
    TempSettingsFolder folder;
    RegAccess reg;
    reg.WriteLocalMachine("Software\\MixedKey", "ValueName", ValString, std::string("first"));
    reg.WriteLocalMachine("SOFTWARE\\mixedkey", "VALUENAME", ValString, std::string("second"));
    EXPECT_EQ(reg.ReadLocalMachine("software\\MIXEDKEY", "valuename"), "second");
    EXPECT_EQ(reg.ReadRegistryGetSubkey(kMachine, "", 0), "Software");
    EXPECT_EQ(reg.ReadRegistryGetSubkey(kMachine, "", 1), kNotFoundText);
    EXPECT_EQ(reg.ReadRegistryGetSubkey(kMachine, "SOFTWARE", 0), "MixedKey");
    const RegValueEntry entry = reg.ReadRegistryGetAll(kMachine, "software\\mixedkey", 0);
    EXPECT_EQ(entry.name, "ValueName");
    EXPECT_EQ(entry.data, "second");
    EXPECT_EQ(reg.ReadRegistryGetAll(kMachine, "software\\mixedkey", 1).data, kNotFoundText);
}

TEST(RegAccess, DeletesAnswerEmptyAndRemoveOnlyWhatTheyName) {
    TempSettingsFolder folder;
    RegAccess reg;
    reg.WriteLocalMachine("P\\Leaf", "A", ValString, std::string("a"));
    reg.WriteLocalMachine("P\\Leaf", "B", ValString, std::string("b"));
    reg.WriteLocalMachine("P\\Parent\\Child", "C", ValString, std::string("c"));

    EXPECT_EQ(reg.DeleteValue(kMachine, "p\\leaf", "a"), "");
    EXPECT_EQ(reg.ReadLocalMachine("P\\Leaf", "A", "gone"), "gone");
    EXPECT_EQ(reg.ReadLocalMachine("P\\Leaf", "B"), "b");

    const std::string before = folder.ReadFile("machine.reg");
    EXPECT_EQ(reg.DeleteValue(kMachine, "P\\Leaf", "Missing"), "");
    EXPECT_EQ(reg.DeleteValue(kMachine, "P\\Nowhere", "B"), "");
    EXPECT_EQ(folder.ReadFile("machine.reg"), before);

    // A key with subkeys stays, as in the registry; a leaf key goes with its values.
    EXPECT_EQ(reg.DeleteSubkey(kMachine, "P\\Parent"), "");
    EXPECT_EQ(reg.ReadLocalMachine("P\\Parent\\Child", "C"), "c");
    EXPECT_EQ(reg.DeleteSubkey(kMachine, "P\\Parent\\Child"), "");
    EXPECT_EQ(reg.DeleteSubkey(kMachine, "P\\Parent"), "");
    EXPECT_EQ(reg.DeleteSubkey(kMachine, "P\\Leaf"), "");
    EXPECT_EQ(reg.ReadRegistryGetSubkey(kMachine, "P", 0), kNotFoundText);
    EXPECT_EQ(reg.DeleteSubkey(kMachine, ""), "");
    EXPECT_EQ(reg.ReadRegistryGetSubkey(kMachine, "", 0), "P");
}

TEST(RegAccess, BuffersHold2048BytesOfData) {
    TempSettingsFolder folder;
    RegAccess reg;
    const struct {
        std::size_t bytes;
        bool readable;
    } cases[] = {{2047, true}, {2048, true}, {2049, false}, {5000, false}};
    for (const auto& c : cases) {
        const std::string name = "V" + std::to_string(c.bytes);
        reg.WriteLocalMachine("Big", name, ValXString, std::string(c.bytes, 'x'));
        const std::string expected = c.readable ? std::string(c.bytes - 1, 'x') : kNotFoundText;
        EXPECT_EQ(reg.ReadRegistry(kMachine, "Big", name), expected) << c.bytes;
        EXPECT_EQ(reg.ReadLocalMachine("Big", name, "dflt"), c.readable ? expected : "dflt");
    }
    // A string of 2047 characters fits with its zero; one more does not.
    reg.WriteLocalMachine("Big", "S2047", ValString, std::string(2047, 's'));
    reg.WriteLocalMachine("Big", "S2048", ValString, std::string(2048, 's'));
    EXPECT_EQ(reg.ReadLocalMachine("Big", "S2047"), std::string(2047, 's'));
    EXPECT_EQ(reg.ReadRegistry(kMachine, "Big", "S2048"), kNotFoundText);
    EXPECT_EQ(reg.ReadRegistryGetAll(kMachine, "Big", 2).data, kNotFoundText);  // V2049
    EXPECT_EQ(reg.ReadRegistryGetAll(kMachine, "Big", 1).data, std::string(2047, 'x'));
}

TEST(RegAccess, NamesUpTo2047CharactersEnumerate) {
    TempSettingsFolder folder;
    RegAccess reg;
    const std::string fits(2047, 'n');
    const std::string tooLong(2048, 'n');
    reg.WriteLocalMachine("Names", fits, ValString, std::string("a"));
    reg.WriteLocalMachine("Names", tooLong, ValString, std::string("b"));
    reg.WriteLocalMachine("Names\\" + fits, "v", ValString, std::string("c"));
    reg.WriteLocalMachine("Names\\" + tooLong, "v", ValString, std::string("d"));
    EXPECT_EQ(reg.ReadRegistryGetAll(kMachine, "Names", 0).name, fits);
    EXPECT_EQ(reg.ReadRegistryGetAll(kMachine, "Names", 1).name, kFailedName);
    EXPECT_EQ(reg.ReadRegistryGetSubkey(kMachine, "Names", 0), fits);
    EXPECT_EQ(reg.ReadRegistryGetSubkey(kMachine, "Names", 1), kNotFoundText);
    // Read by name, a long name is no obstacle.
    EXPECT_EQ(reg.ReadLocalMachine("Names", tooLong), "b");
}

TEST(RegAccess, NamesTheFileCannotHoldAreNotWritten) {
    TempSettingsFolder folder;
    RegAccess reg;
    reg.WriteLocalMachine("Keep", "Good", ValString, std::string("g"));
    const std::string before = folder.ReadFile("machine.reg");
    reg.WriteLocalMachine("Keep", "Two\nLines", ValString, std::string("x"));
    reg.WriteLocalMachine("Bad\rKey", "V", ValString, std::string("x"));
    reg.WriteLocalMachine("Keep", std::string("Zero\0Name", 9), ValString, std::string("x"));
    reg.WriteLocalMachine("Keep", "\xff", ValString, std::string("x"));
    EXPECT_EQ(folder.ReadFile("machine.reg"), before);
    EXPECT_EQ(reg.ReadLocalMachine("Keep", "Good"), "g");
}

TEST(RegAccess, SettingsFolderFollowsTheEnvironment) {
    struct Case {
        const char* configDir;
        const char* xdg;
        const char* home;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"/tmp/own", "/tmp/xdg", "/tmp/home", "/tmp/own"},
        {"", "/tmp/xdg", "/tmp/home", "/tmp/xdg/orvane"},
        {nullptr, "/tmp/xdg", "/tmp/home", "/tmp/xdg/orvane"},
        {nullptr, "relative", "/tmp/home", "/tmp/home/.config/orvane"},
        {nullptr, nullptr, "/tmp/home", "/tmp/home/.config/orvane"},
    };
    const auto saved = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        return value == nullptr ? std::nullopt : std::optional<std::string>(value);
    };
    const auto put = [](const char* name, const char* value) {
        if (value == nullptr) {
            unsetenv(name);
        } else {
            setenv(name, value, 1);
        }
    };
    const char* names[] = {"ORVANE_CONFIG_DIR", "XDG_CONFIG_HOME", "HOME"};
    std::optional<std::string> before[3];
    for (int i = 0; i < 3; ++i) before[i] = saved(names[i]);
    for (const Case& c : cases) {
        put(names[0], c.configDir);
        put(names[1], c.xdg);
        put(names[2], c.home);
        EXPECT_EQ(RegAccess::SettingsFolder(), c.expected);
    }
    for (int i = 0; i < 3; ++i) put(names[i], before[i] ? before[i]->c_str() : nullptr);
}

}  // namespace
}  // namespace orvane
