#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Golden.h"
#include "TempSettingsFolder.h"
#include "TestSupport.h"
#include "settings/RegAccess.h"
#include "settings/RegistryFile.h"

namespace orvane {
namespace {

using test::Shown;
using test::TempSettingsFolder;
using test::Utf16;
using namespace std::string_literals;

constexpr std::int32_t kMachine = RegAccess::HKEY_LOCAL_MACHINE;
const std::string kRoot = "HKEY_LOCAL_MACHINE";
const std::string kHeader = "Windows Registry Editor Version 5.00\n\n";

// A key's values as "name=type:data; ...", or "no key".
std::string Values(const RegistryFile& file, const std::string& path) {
    const RegistryKey* key = file.FindKey(path);
    if (key == nullptr) return "no key";
    std::string out;
    for (const auto& v : key->Values()) {
        out += (out.empty() ? "" : "; ") + Shown(v.name) + "=" + std::to_string(v.type) + ":" +
               Shown(v.data);
    }
    return out;
}

TEST(RegistryFile, EveryValueAndEmptyKeySurvivesSerialiseAndParse) {
    std::string allBytes;
    for (int i = 0; i < 256; ++i) allBytes += static_cast<char>(i);
    RegistryFile file(kRoot);
    for (const RegistryKey::Value& value :
         std::vector<RegistryKey::Value>{{"text", 1, "plain \"quoted\" \\ text\0"s},
                                         {"", 1, "default\0"s},
                                         {"tab\tname", 1, "tab\there\0"s},
                                         {"no zero", 1, "abc"},
                                         {"dword", 4, "\1\2\3\4"},
                                         {"short dword", 4, "\1\2"},
                                         {"binary", 3, allBytes},
                                         {"empty binary", 3, ""},
                                         {"multi", 7, "a\0b\0\0"s},
                                         {"large type", 0x12345678, "y"},
                                         {"unicode \xe2\x82\xac", 1, "\xe2\x82\xac\0"s}}) {
        file.CreateKey("A\\B")->SetValue(value.name, value.type, value.data);
    }
    file.CreateKey("A\\Empty");
    const std::string text = file.Serialise();
    const RegistryFile back = RegistryFile::Parse(text, kRoot);
    EXPECT_FALSE(back.Damaged());
    EXPECT_EQ(back.Serialise(), text);
    EXPECT_EQ(Values(back, "a\\empty"), "");
    // Like regedit: byte lists go on over indented lines of at most 80 characters.
    test::expectGolden("registry-every-value.reg", text);
}

TEST(RegistryFile, ReadsWhatItCanAndMarksTheRestDamaged) {
    const std::string good = "[HKEY_LOCAL_MACHINE\\K]\n\"Good\"=\"g\"\n";
    const std::vector<std::pair<const char*, std::string>> cases = {
        // As the registry editor exports: a euro sign and U+1F600 (a surrogate pair).
        {"UTF-16", "\xFF\xFE" + Utf16(kHeader + good + "\"W\"=\"") + "\xAC\x20\x3D\xD8\x00\xDE"s +
                       Utf16("\"\r\n")},
        {"UTF-16 lone surrogate",
         "\xFF\xFE" + Utf16(kHeader + good + "\"Bad\"=\"") + "\x3D\xD8"s + Utf16("\"\n")},
        {"UTF-16 cut inside a character",
         "\xFF\xFE" + Utf16(kHeader + good + "\"C\"=\"c\"") + "\n"},
        {"clean", kHeader + good},
        {"old header, comments, CRLF", "REGEDIT4\r\n; note\r\n" + good + "\r\n"},
        {"byte order mark", "\xEF\xBB\xBF" + kHeader + good},
        {"no header", good},
        {"empty", ""},
        {"truncated in a value", kHeader + good + "\"Cut\"=\"abc"},
        {"truncated byte list", kHeader + good + "\"Cut\"=hex:01,02,\\\n"},
        {"byte list cut before a section",
         kHeader + "[HKEY_LOCAL_MACHINE\\X]\n\"C\"=hex:01,\\\n" + good},
        {"invalid UTF-8", kHeader + good + "\"Bad\"=\"\xff\xfe\"\n\"After\"=dword:0000000A\n"},
        {"overlong UTF-8", kHeader + good + "\"Bad\"=\"\xc0\xaf\"\n"},
        {"zero byte in a line", kHeader + good + "\"Bad\"=\"a\0b\"\n"s},
        {"huge line", kHeader + std::string(3'000'000, 'x') + "\n" + good},
        {"value before any section", kHeader + "\"Lost\"=\"l\"\n" + good},
        {"another root", kHeader + "[HKEY_CURRENT_USER\\K]\n\"Other\"=\"o\"\n" + good},
        {"deletion entries", kHeader + "[-HKEY_LOCAL_MACHINE\\K]\n" + good + "\"Good\"=-\n"},
        {"bad dword", kHeader + good + "\"D\"=dword:123456789\n"},
        {"bad byte", kHeader + good + "\"H\"=hex:1g\n"},
        {"text after a string", kHeader + good + "\"S\"=\"a\" junk\n"},
        {"unterminated section", kHeader + "[HKEY_LOCAL_MACHINE\\K\n\"V\"=\"v\"\n"},
    };
    std::string log;
    for (const auto& [what, text] : cases) {
        const RegistryFile file = RegistryFile::Parse(text, kRoot);
        log += what + (file.Damaged() ? ": damaged: "s : ": clean: ") + Values(file, "K") + "\n";
    }
    test::expectGolden("registry-file-reads.txt", log);
}

TEST(RegistryFile, GarbageNeverCrashesTheParser) {
    std::uint32_t seed = 7;
    for (int round = 0; round < 50; ++round) {
        std::string garbage;
        for (int i = 0; i < 4096; ++i) {
            seed = seed * 1664525u + 1013904223u;
            // Mostly the format's own characters, so the parser gets deep into its branches.
            const char alphabet[] = "[]\\\"=@:,hexdword()0123456789abcdef\n\r\t ;-\xff\xc3";
            garbage += (seed >> 24) % 4 == 0 ? static_cast<char>(seed >> 16)
                                             : alphabet[(seed >> 8) % (sizeof alphabet - 1)];
        }
        // Whatever was understood serialises to a clean file.
        const RegistryFile file = RegistryFile::Parse(garbage, kRoot);
        const RegistryFile again = RegistryFile::Parse(file.Serialise(), kRoot);
        EXPECT_FALSE(again.Damaged()) << round;
        EXPECT_EQ(again.Serialise(), file.Serialise()) << round;
    }
}

// The names of a key's subkeys in enumeration order, as "a,b,".
std::string Subkeys(RegAccess& reg, const std::string& section) {
    std::string names;
    for (std::int32_t i = 0; reg.ReadRegistryGetSubkey(kMachine, section, i) != kNotFound; ++i) {
        names += reg.ReadRegistryGetSubkey(kMachine, section, i) + ",";
    }
    return names;
}

// Writes of every type beside another tool's values, keys made and deleted, what reads and
// enumerations give, and the files as they are stored.
TEST(RegAccess, WritesReadsEnumerationsAndTheStoredFiles) {
    TempSettingsFolder folder;
    folder.WriteFile("machine.reg",
                     "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Tool]\r\n"
                     "\"Bin\"=hex:01,ab\r\n\"Multi\"=hex(7):61,00,62,00,00\r\n"
                     "\"Long\"=hex:00,01,02,03,04,05,06,07,08,09,0A,0B,0C,0D,\\\r\n"
                     "  0E,0F,10,11,12,13,14,15\r\n\"Empty\"=hex(1):\r\n");
    const struct {
        std::string name;
        int valType;
        RegValue value;
    } writes[] = {
        // more than 16 values in one key, so the key indexes them
        {"string", ValString, "abc"s},
        {"empty string", ValString, ""s},
        {"expand string", ValXString, "abc"s},
        {"multi-string", ValMultiString, "abc"s},
        {"number as string", ValString, std::int64_t{42}},
        {"fraction as string", ValString, 10.5},
        {"dword 5", ValDWord, std::int64_t{5}},
        {"dword 70000", ValDWord, std::int64_t{70000}},
        {"dword from text", ValDWord, " 12 "s},
        {"dword from non-number", ValDWord, "abc"s},
        {"dword -1", ValDWord, std::int64_t{-1}},
        {"dword 2.5", ValDWord, 2.5},
        {"dword 3.5", ValDWord, 3.5},
        {"dword out of range", ValDWord, std::int64_t{5000000000}},
        {"quotes \"and\" \\", ValString, "a\"b\\c"s},
        {"non-ASCII", ValString, "Gr\xc3\xbc\xc3\x9f"s},
        {"line breaks", ValString, "one\r\ntwo"s},
        {"not UTF-8", ValString, "\xff\xfe"s},
        {"inner zero", ValXString, "a\0b\0"s},
        {"Two\nLines", ValString, "not written"s},
        {"Zero\0Name"s, ValString, "not written"s},
        {"\xff", ValString, "not written"s},
    };
    RegAccess reg;
    for (const auto& w : writes)
        reg.WriteLocalMachine("SOFTWARE\\Types", w.name, w.valType, w.value);
    reg.WriteCurrentUser("Software\\User", "", ValString, "default"s);
    // Keys: made whole, named without case in their first case; only leaves are deleted.
    for (const char* name : {"gamma", "Alpha", "beta"}) {
        reg.WriteLocalMachine("Root\\"s + name + "\\Deep", "x", ValString, "1"s);
    }
    reg.WriteLocalMachine("\\ROOT\\\\ALPHA\\deep\\", "X", ValString, "2"s);
    reg.DeleteValue(kMachine, "root\\gamma\\deep", "X");
    for (const char* key : {"Root\\Alpha", "Root\\beta\\Deep", "", "Missing"}) {
        EXPECT_EQ(reg.DeleteSubkey(kMachine, key), "");
    }
    std::string log = "subkeys: " + Subkeys(reg, "") + " " + Subkeys(reg, "root") + " " +
                      Subkeys(reg, "Root\\alpha") + " " +
                      reg.ReadRegistryGetSubkey(kMachine, "Root", -1) + "\n";
    for (const char* key : {"Tool", "SOFTWARE\\Types"}) {
        for (std::int32_t i = 0;; ++i) {
            const RegValueEntry entry = reg.ReadRegistryGetAll(kMachine, key, i);
            log += std::to_string(entry.type) + " " + Shown(entry.name.substr(0, 30)) + " = " +
                   Shown(entry.data) +
                   " | read: " + Shown(reg.ReadRegistry(kMachine, key, entry.name)) + "\n";
            if (entry.data == kNotFound) break;
        }
    }
    test::expectGolden("registry-store.txt",
                       log + folder.ReadFile("machine.reg") + folder.ReadFile("user.reg"));
    // Each root reads only its own file; the others hold nothing and write nowhere.
    EXPECT_EQ(reg.ReadCurrentUser("Software\\User", ""), "default");
    EXPECT_EQ(reg.ReadCurrentUser("Tool", "Bin"), kNotFound);
    EXPECT_EQ(reg.ReadLocalMachine("Software\\User", "", "none"), "none");
    constexpr auto kClassesRoot = static_cast<std::int32_t>(0x80000000u);
    reg.WriteRegistry(kClassesRoot, "S", "Other", ValString, "o"s);
    EXPECT_EQ(reg.ReadRegistry(kClassesRoot, "S", "Other"), kNotFound);
    EXPECT_EQ(reg.ReadRegistryGetSubkey(kClassesRoot, "", 0), kNotFound);
    EXPECT_EQ(
        folder.FilesStartingWith(""),
        (std::vector<std::string>{"machine.reg", "machine.reg.lock", "user.reg", "user.reg.lock"}));
}

TEST(RegAccess, DataAndNamesPastTheBuffersReadNotFound) {
    TempSettingsFolder folder;
    RegAccess reg;
    for (std::size_t bytes : {2047u, 2048u, 2049u}) {
        const std::string name = "V" + std::to_string(bytes);
        reg.WriteLocalMachine("Big", name, ValXString, std::string(bytes, 'x'));
        const std::string read = bytes <= 2048 ? std::string(bytes - 1, 'x') : kNotFound;
        EXPECT_EQ(reg.ReadRegistry(kMachine, "Big", name), read) << bytes;
        EXPECT_EQ(
            reg.ReadRegistryGetAll(kMachine, "Big", static_cast<std::int32_t>(bytes - 2047)).data,
            read)
            << bytes;
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
    EXPECT_EQ(reg.ReadRegistryGetAll(kMachine, "Names", 1).name, std::string(2048, ' '));
    EXPECT_EQ(Subkeys(reg, "Names"), fits + ",");
    EXPECT_EQ(reg.ReadLocalMachine("Names", tooLong), "b");
}

}  // namespace
}  // namespace orvane
