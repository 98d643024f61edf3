#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "TempSettingsFolder.h"
#include "settings/RegAccess.h"
#include "settings/RegistryFile.h"

namespace orvane {
namespace {

using test::TempSettingsFolder;
using namespace std::string_literals;

constexpr std::int32_t kMachine = RegAccess::HKEY_LOCAL_MACHINE;
const std::string kNotFoundText = kNotFound;
const std::string kFailedName(2048, ' ');

// The names of a key's subkeys in enumeration order, as "a,b,".
std::string Subkeys(RegAccess& reg, const std::string& section) {
    std::string names;
    for (std::int32_t i = 0; i < 10; ++i) {
        const std::string name = reg.ReadRegistryGetSubkey(kMachine, section, i);
        if (name == kNotFoundText) break;
        names += name + ",";
    }
    return names;
}

TEST(RegAccess, WritesRoundTripWithTheirStoredTypeAndBytes) {
    const struct {
        const char* what;
        int valType;
        RegValue value;
        std::string read;
        std::int32_t storedType;
        std::string storedBytes;
    } cases[] = {
        // more than 16 values in one key, so the key indexes them
        {"string keeps its zero", ValString, "abc"s, "abc", 1, "abc\0"s},
        {"empty string", ValString, ""s, "", 1, "\0"s},
        {"expand string has no zero", ValXString, "abc"s, "ab", 1, "abc"},
        {"multi-string type", ValMultiString, "abc"s, "ab", 1, "abc"},
        {"number as string has no zero", ValString, std::int64_t{42}, "4", 1, "42"},
        {"fraction as string", ValString, 10.5, "10.", 1, "10.5"},
        {"dword 5", ValDWord, std::int64_t{5}, "005", 4, "\5\0\0\0"s},
        {"dword 70000", ValDWord, std::int64_t{70000}, "70000", 4, "\x70\x11\x01\0"s},
        {"dword from text", ValDWord, " 12 "s, "012", 4, "\x0c\0\0\0"s},
        {"dword from non-number", ValDWord, "abc"s, "000", 4, "\0\0\0\0"s},
        {"dword -1 reads unsigned", ValDWord, std::int64_t{-1}, "4294967295", 4,
         "\xff\xff\xff\xff"},
        {"dword rounds halves to even", ValDWord, 2.5, "002", 4, "\2\0\0\0"s},
        {"dword rounds 3.5 up", ValDWord, 3.5, "004", 4, "\4\0\0\0"s},
        {"dword out of range", ValDWord, std::int64_t{5000000000}, "000", 4, "\0\0\0\0"s},
        {"quotes and backslashes", ValString, "a\"b\\c"s, "a\"b\\c", 1, "a\"b\\c\0"s},
        {"non-ASCII", ValString, "Gr\xc3\xbc\xc3\x9f"s, "Gr\xc3\xbc\xc3\x9f", 1,
         "Gr\xc3\xbc\xc3\x9f\0"s},
        {"line breaks", ValString, "one\r\ntwo"s, "one\r\ntwo", 1, "one\r\ntwo\0"s},
        {"bytes that are not UTF-8", ValString, "\xff\xfe"s, "\xff\xfe", 1, "\xff\xfe\0"s},
        {"inner zero", ValXString, "a\0b\0"s, "a\0b"s, 1, "a\0b\0"s},
    };
    TempSettingsFolder folder;
    RegAccess reg;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        reg.WriteLocalMachine("SOFTWARE\\Types", c.what, c.valType, c.value);
        EXPECT_EQ(reg.ReadRegistry(kMachine, "SOFTWARE\\Types", c.what), c.read);
        const RegistryFile file =
            RegistryFile::Parse(folder.ReadFile("machine.reg"), "HKEY_LOCAL_MACHINE");
        const RegistryKey* key = file.FindKey("SOFTWARE\\Types");
        const RegistryKey::Value* stored = key == nullptr ? nullptr : key->FindValue(c.what);
        ASSERT_NE(stored, nullptr);
        EXPECT_EQ(stored->type, c.storedType);
        EXPECT_EQ(stored->data, c.storedBytes);
    }
    // Every value survived every later rewrite of the file.
    for (const auto& c : cases) {
        EXPECT_EQ(reg.ReadLocalMachine("SOFTWARE\\Types", c.what), c.read) << c.what;
    }
}

TEST(RegAccess, FileIsARegistryExportPerRoot) {
    TempSettingsFolder folder;
    RegAccess reg;
    const std::string key = "SOFTWARE\\Kestrade\\Orvane\\XML Schema";
    reg.WriteLocalMachine(key + "\\Font", "Name", ValString, "Courier \"New\""s);
    reg.WriteLocalMachine(key, "Count", ValDWord, std::int64_t{42});
    reg.WriteLocalMachine(key, "Path", ValXString, "abc"s);
    reg.WriteCurrentUser("Software\\Test", "", ValString, "default"s);
    EXPECT_EQ(folder.ReadFile("machine.reg"),
              "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\" + key +
                  "]\n\"Count\"=dword:0000002a\n\"Path\"=hex(1):61,62,63\n\n"
                  "[HKEY_LOCAL_MACHINE\\" +
                  key + "\\Font]\n\"Name\"=\"Courier \\\"New\\\"\"\n\n");
    EXPECT_EQ(folder.ReadFile("user.reg"),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\Software\\Test]\n@=\"default\"\n\n");
    // Each root reads only its own file; the others hold nothing and write nowhere.
    EXPECT_EQ(reg.ReadCurrentUser("Software\\Test", ""), "default");
    EXPECT_EQ(reg.ReadCurrentUser(key, "Count"), kNotFoundText);
    EXPECT_EQ(reg.ReadLocalMachine("Software\\Test", "", "none"), "none");
    EXPECT_EQ(reg.ReadLocalMachine(key, "Missing", "none"), "none");
    constexpr auto kClassesRoot = static_cast<std::int32_t>(0x80000000u);
    reg.WriteRegistry(kClassesRoot, "S", "Other", ValString, "o"s);
    EXPECT_EQ(reg.ReadRegistry(kClassesRoot, "S", "Other"), kNotFoundText);
    EXPECT_EQ(reg.ReadRegistryGetSubkey(kClassesRoot, "", 0), kNotFoundText);
    EXPECT_EQ(reg.ReadRegistryGetAll(kClassesRoot, "S", 0).data, kNotFoundText);
    EXPECT_EQ(
        folder.FilesStartingWith(""),
        (std::vector<std::string>{"machine.reg", "machine.reg.lock", "user.reg", "user.reg.lock"}));
}

TEST(RegAccess, KeysAreMadeWholeEnumerateInNameOrderAndKeepTheirFirstCase) {
    TempSettingsFolder folder;
    RegAccess reg;
    for (const char* name : {"gamma", "Alpha", "beta"}) {
        reg.WriteLocalMachine("Root\\"s + name + "\\Deep", "x", ValString, "1"s);
    }
    reg.WriteLocalMachine("ROOT\\ALPHA\\deep", "X", ValString, "2"s);
    EXPECT_EQ(Subkeys(reg, ""), "Root,");
    EXPECT_EQ(Subkeys(reg, "root"), "Alpha,beta,gamma,");
    EXPECT_EQ(Subkeys(reg, "Root\\alpha"), "Deep,");
    EXPECT_EQ(reg.ReadLocalMachine("\\root\\\\alpha\\DEEP\\", "x"), "2");
    EXPECT_EQ(reg.ReadRegistryGetAll(kMachine, "root\\alpha\\deep", 0).name, "x");
    EXPECT_EQ(reg.ReadRegistryGetSubkey(kMachine, "Root", -1), kNotFoundText);
    EXPECT_EQ(Subkeys(reg, "Missing"), "");
}

TEST(RegAccess, EnumeratesValuesAsTheyAreStored) {
    TempSettingsFolder folder;
    folder.WriteFile("machine.reg",
                     "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Tool]\r\n"
                     "\"Bin\"=hex:01,ab\r\n"
                     "\"Text\"=\"abc\"\r\n"
                     "\"Multi\"=hex(7):61,00,62,00,00\r\n"
                     "\"Long\"=hex:00,01,02,03,04,05,06,07,08,09,0A,0B,0C,0D,0E,0F,10,11,\\\r\n"
                     "  12,13,14,15\r\n"
                     "\"Short\"=dword:00000009\r\n"
                     "\"Empty\"=hex(1):\r\n");
    RegAccess reg;
    reg.WriteLocalMachine("Tool", "New", ValString, "n"s);
    const std::vector<RegValueEntry> expected = {
        {3, "Bin", "\x01"},
        {1, "Text", "abc"},
        {7, "Multi", "a\0b\0"s},
        {3, "Long",
         "\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d\x0e\x0f\x10\x11\x12\x13\x14"s},
        {4, "Short", "009"},
        {1, "Empty", ""},
        {1, "New", "n"},
        {0, kFailedName, kNotFoundText},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const RegValueEntry entry =
            reg.ReadRegistryGetAll(kMachine, "Tool", static_cast<std::int32_t>(i));
        EXPECT_EQ(entry.type, expected[i].type) << i;
        EXPECT_EQ(entry.name, expected[i].name) << i;
        EXPECT_EQ(entry.data, expected[i].data) << i;
    }
    EXPECT_EQ(reg.ReadRegistryGetAll(kMachine, "Tool", -1).name, kFailedName);
    // Read by name, bytes come as hexadecimal text.
    EXPECT_EQ(reg.ReadRegistry(kMachine, "Tool", "Bin"), "01AB");
    EXPECT_EQ(reg.ReadRegistry(kMachine, "Tool", "Long"),
              "000102030405060708090A0B0C0D0E0F101112131415");
    EXPECT_TRUE(folder.FilesStartingWith("machine.reg.damaged").empty());
}

TEST(RegAccess, DeletesAnswerEmptyAndRemoveOnlyWhatTheyName) {
    TempSettingsFolder folder;
    RegAccess reg;
    reg.WriteLocalMachine("P\\Leaf", "A", ValString, "a"s);
    reg.WriteLocalMachine("P\\Leaf", "B", ValString, "b"s);
    reg.WriteLocalMachine("P\\Parent\\Child", "C", ValString, "c"s);
    EXPECT_EQ(reg.DeleteValue(kMachine, "p\\leaf", "a"), "");
    EXPECT_EQ(reg.ReadLocalMachine("P\\Leaf", "A", "gone") + reg.ReadLocalMachine("P\\Leaf", "B"),
              "goneb");
    // A key with subkeys stays, as in the registry; a leaf key goes with its values.
    EXPECT_EQ(reg.DeleteSubkey(kMachine, "P\\Parent"), "");
    EXPECT_EQ(reg.ReadLocalMachine("P\\Parent\\Child", "C"), "c");
    for (const char* leaf : {"P\\Parent\\Child", "P\\Parent", "P\\Leaf", ""}) {
        EXPECT_EQ(reg.DeleteSubkey(kMachine, leaf), "");
    }
    EXPECT_EQ(Subkeys(reg, ""), "P,");
    EXPECT_EQ(Subkeys(reg, "P"), "");
}

TEST(RegAccess, DataAndNamesPastTheBuffersReadNotFound) {
    TempSettingsFolder folder;
    RegAccess reg;
    for (std::size_t bytes : {2047u, 2048u, 2049u}) {
        const std::string name = "V" + std::to_string(bytes);
        reg.WriteLocalMachine("Big", name, ValXString, std::string(bytes, 'x'));
        const std::string read = bytes <= 2048 ? std::string(bytes - 1, 'x') : kNotFoundText;
        EXPECT_EQ(reg.ReadRegistry(kMachine, "Big", name), read) << bytes;
        EXPECT_EQ(
            reg.ReadRegistryGetAll(kMachine, "Big", static_cast<std::int32_t>(bytes - 2047)).data,
            read);
    }
    EXPECT_EQ(reg.ReadLocalMachine("Big", "V2049", "dflt"), "dflt");
    // A name of 2047 characters fits its buffer with the zero; by name any length reads.
    const std::string fits(2047, 'n');
    const std::string tooLong(2048, 'n');
    reg.WriteLocalMachine("Names", fits, ValString, "a"s);
    reg.WriteLocalMachine("Names", tooLong, ValString, "b"s);
    reg.WriteLocalMachine("Names\\" + fits, "v", ValString, "c"s);
    reg.WriteLocalMachine("Names\\" + tooLong, "v", ValString, "d"s);
    EXPECT_EQ(reg.ReadRegistryGetAll(kMachine, "Names", 0).name, fits);
    EXPECT_EQ(reg.ReadRegistryGetAll(kMachine, "Names", 1).name, kFailedName);
    EXPECT_EQ(Subkeys(reg, "Names"), fits + ",");
    EXPECT_EQ(reg.ReadLocalMachine("Names", tooLong), "b");
}

TEST(RegAccess, NamesTheFileCannotHoldAreNotWritten) {
    TempSettingsFolder folder;
    RegAccess reg;
    reg.WriteLocalMachine("Keep", "Good", ValString, "g"s);
    const std::string before = folder.ReadFile("machine.reg");
    reg.WriteLocalMachine("Keep", "Two\nLines", ValString, "x"s);
    reg.WriteLocalMachine("Bad\rKey", "V", ValString, "x"s);
    reg.WriteLocalMachine("Keep", "Zero\0Name"s, ValString, "x"s);
    reg.WriteLocalMachine("Keep", "\xff", ValString, "x"s);
    EXPECT_EQ(folder.ReadFile("machine.reg"), before);
}

TEST(RegAccess, SettingsFolderFollowsTheEnvironment) {
    const struct {
        const char* configDir;
        const char* xdg;
        std::string expected;
    } cases[] = {
        {"/tmp/own", "/tmp/xdg", "/tmp/own"},
        {"", "/tmp/xdg", "/tmp/xdg/orvane"},
        {nullptr, "/tmp/xdg", "/tmp/xdg/orvane"},
        {nullptr, "relative", "/tmp/home/.config/orvane"},
        {nullptr, nullptr, "/tmp/home/.config/orvane"},
    };
    const char* names[] = {"ORVANE_CONFIG_DIR", "XDG_CONFIG_HOME", "HOME"};
    std::vector<std::optional<std::string>> before;
    const auto put = [](const char* name, const char* value) {
        value == nullptr ? unsetenv(name) : setenv(name, value, 1);
    };
    for (const char* name : names) {
        const char* value = std::getenv(name);
        before.push_back(value == nullptr ? std::nullopt : std::optional<std::string>(value));
    }
    for (const auto& c : cases) {
        put(names[0], c.configDir);
        put(names[1], c.xdg);
        put(names[2], "/tmp/home");
        EXPECT_EQ(RegAccess::SettingsFolder(), c.expected);
    }
    for (int i = 0; i < 3; ++i) put(names[i], before[i] ? before[i]->c_str() : nullptr);
}

}  // namespace
}  // namespace orvane
