#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "settings/RegistryFile.h"

namespace orvane {
namespace {

using namespace std::string_literals;

const std::string kHeader = "Windows Registry Editor Version 5.00\n\n";

std::string Data(const RegistryFile& file, const std::string& path, const std::string& name) {
    const RegistryKey* key = file.FindKey(path);
    const RegistryKey::Value* value = key == nullptr ? nullptr : key->FindValue(name);
    return value == nullptr ? "<missing>" : value->data;
}

TEST(RegistryFile, EveryValueSurvivesSerialiseAndParse) {
    RegistryFile file("HKEY_LOCAL_MACHINE");
    RegistryKey& key = *file.CreateKey("A\\B");
    std::string allBytes;
    for (int i = 0; i < 256; ++i) allBytes += static_cast<char>(i);
    const std::vector<RegistryKey::Value> values = {
        {"text", 1, std::string("plain \"quoted\" \\ text\0", 23)},
        {"", 1, std::string("default\0", 8)},
        {"no zero", 1, "abc"},
        {"tab\tname", 1, std::string("tab\there\0", 9)},
        {"dword", 4, std::string("\x01\x02\x03\x04", 4)},
        {"short dword", 4, "\x01\x02"},
        {"binary", 3, allBytes},
        {"empty binary", 3, ""},
        {"multi", 7, std::string("a\0b\0\0", 5)},
        {"type 0", 0, "x"},
        {"large type", 0x12345678, "y"},
        {"unicode \xe2\x82\xac", 1, std::string("\xe2\x82\xac\0", 4)},
    };
    for (const auto& value : values) key.SetValue(value.name, value.type, value.data);
    const RegistryFile back = RegistryFile::Parse(file.Serialise(), "HKEY_LOCAL_MACHINE");
    EXPECT_FALSE(back.Damaged());
    const RegistryKey* read = back.FindKey("a\\b");
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->Values().size(), values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(read->Values()[i].name, values[i].name) << i;
        EXPECT_EQ(read->Values()[i].type, values[i].type) << values[i].name;
        EXPECT_EQ(read->Values()[i].data, values[i].data) << values[i].name;
    }
    EXPECT_EQ(back.Serialise(), file.Serialise());
}

TEST(RegistryFile, ReadsWhatItCanAndMarksTheRestDamaged) {
    struct Case {
        const char* what;
        std::string text;
        bool damaged;
        std::vector<std::pair<std::string, std::string>> values;  // name in key "K", data
    };
    const std::string good = "[HKEY_LOCAL_MACHINE\\K]\n\"Good\"=\"g\"\n";
    const auto utf16 = [](std::string_view ascii) {
        std::string bytes;
        for (char c : ascii) bytes += {c, '\0'};
        return bytes;
    };
    const std::vector<Case> cases = {
        // As the registry editor exports: a euro sign and U+1F600 (a surrogate pair).
        {"UTF-16 LE",
         "\xFF\xFE" + utf16(kHeader + good + "\"Wide\"=\"") + "\xAC\x20\x3D\xD8\x00\xDE"s +
             utf16("\"\r\n"),
         false,
         {{"Good", "g\0"s}, {"Wide", "\xE2\x82\xAC\xF0\x9F\x98\x80\0"s}}},
        {"UTF-16 LE with a lone surrogate",
         "\xFF\xFE" + utf16(kHeader + good + "\"Bad\"=\"") + "\x3D\xD8"s + utf16("\"\n"),
         true,
         {{"Good", "g\0"s}, {"Bad", "<missing>"}}},
        {"UTF-16 LE cut inside a character",
         "\xFF\xFE" + utf16(kHeader + good + "\"Cut\"=\"c\"") + "\x0A"s,
         true,
         {{"Good", "g\0"s}, {"Cut", "<missing>"}}},
        {"clean", kHeader + good, false, {{"Good", std::string("g\0", 2)}}},
        {"old header, comments, CRLF",
         "REGEDIT4\r\n; note\r\n[HKEY_LOCAL_MACHINE\\K]\r\n\"Good\"=\"g\"\r\n",
         false,
         {{"Good", std::string("g\0", 2)}}},
        {"byte order mark",
         "\xEF\xBB\xBF" + kHeader + good,
         false,
         {{"Good", std::string("g\0", 2)}}},
        {"no header", good, true, {{"Good", std::string("g\0", 2)}}},
        {"empty", "", true, {{"Good", "<missing>"}}},
        {"truncated in a value",
         kHeader + good + "\"Cut\"=\"abc",
         true,
         {{"Good", std::string("g\0", 2)}, {"Cut", "<missing>"}}},
        {"truncated byte list",
         kHeader + good + "\"Cut\"=hex:01,02,\\\n",
         true,
         {{"Good", std::string("g\0", 2)}, {"Cut", "<missing>"}}},
        {"byte list cut before a section",
         kHeader + "[HKEY_LOCAL_MACHINE\\X]\n\"Cut\"=hex:01,\\\n" + good,
         true,
         {{"Good", std::string("g\0", 2)}}},
        {"invalid UTF-8 line",
         kHeader + good + "\"Bad\"=\"\xff\xfe\"\n\"After\"=dword:00000001\n",
         true,
         {{"Good", std::string("g\0", 2)},
          {"Bad", "<missing>"},
          {"After", std::string("\1\0\0\0", 4)}}},
        {"overlong UTF-8",
         kHeader + good + "\"Bad\"=\"\xc0\xaf\"\n",
         true,
         {{"Good", std::string("g\0", 2)}, {"Bad", "<missing>"}}},
        {"zero byte in a line",
         kHeader + good + std::string("\"Bad\"=\"a\0b\"\n", 11),
         true,
         {{"Good", std::string("g\0", 2)}, {"Bad", "<missing>"}}},
        {"huge line",
         kHeader + std::string(3'000'000, 'x') + "\n" + good,
         true,
         {{"Good", std::string("g\0", 2)}}},
        {"value before any section",
         kHeader + "\"Lost\"=\"l\"\n" + good,
         true,
         {{"Good", std::string("g\0", 2)}, {"Lost", "<missing>"}}},
        {"another root",
         kHeader + "[HKEY_CURRENT_USER\\K]\n\"Other\"=\"o\"\n" + good,
         true,
         {{"Good", std::string("g\0", 2)}, {"Other", "<missing>"}}},
        {"deletion entries",
         kHeader + "[-HKEY_LOCAL_MACHINE\\K]\n" + good + "\"Good\"=-\n",
         true,
         {{"Good", std::string("g\0", 2)}}},
        {"bad dword", kHeader + good + "\"D\"=dword:123456789\n", true, {{"D", "<missing>"}}},
        {"bad byte", kHeader + good + "\"H\"=hex:1g\n", true, {{"H", "<missing>"}}},
        {"text after a string", kHeader + good + "\"S\"=\"a\" junk\n", true, {{"S", "<missing>"}}},
        {"unterminated section",
         kHeader + "[HKEY_LOCAL_MACHINE\\K\n\"V\"=\"v\"\n",
         true,
         {{"V", "<missing>"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RegistryFile file = RegistryFile::Parse(c.text, "HKEY_LOCAL_MACHINE");
        EXPECT_EQ(file.Damaged(), c.damaged);
        for (const auto& [name, data] : c.values) EXPECT_EQ(Data(file, "K", name), data) << name;
    }
}

TEST(RegistryFile, GarbageNeverCrashesTheParser) {
    std::string garbage;
    std::uint32_t seed = 7;
    for (int round = 0; round < 50; ++round) {
        garbage.clear();
        for (int i = 0; i < 4096; ++i) {
            seed = seed * 1664525u + 1013904223u;
            // Mostly the format's own characters, so the parser gets deep into its branches.
            const char alphabet[] = "[]\\\"=@:,hexdword()0123456789abcdef\n\r\t ;-\xff\xc3";
            garbage += (seed >> 24) % 4 == 0 ? static_cast<char>(seed >> 16)
                                             : alphabet[(seed >> 8) % (sizeof alphabet - 1)];
        }
        const RegistryFile file = RegistryFile::Parse(garbage, "HKEY_LOCAL_MACHINE");
        // Whatever was understood serialises to a clean file.
        const RegistryFile again = RegistryFile::Parse(file.Serialise(), "HKEY_LOCAL_MACHINE");
        EXPECT_FALSE(again.Damaged()) << round;
        EXPECT_EQ(again.Serialise(), file.Serialise()) << round;
    }
}

TEST(RegistryFile, MergeSetsEveryKeyAndValueOfTheOther) {
    RegistryFile store("HKEY_LOCAL_MACHINE");
    store.CreateKey("S\\Keep")->SetValue("Mine", 1, std::string("m\0", 2));
    store.CreateKey("S\\Both")->SetValue("V", 1, std::string("old\0", 4));
    RegistryFile other("HKEY_LOCAL_MACHINE");
    other.CreateKey("s\\both")->SetValue("v", 1, std::string("new\0", 4));
    other.CreateKey("S\\Added\\Deep");
    store.Merge(other);
    EXPECT_EQ(Data(store, "S\\Keep", "Mine"), std::string("m\0", 2));
    EXPECT_EQ(Data(store, "S\\Both", "V"), std::string("new\0", 4));
    EXPECT_NE(store.FindKey("S\\Added\\Deep"), nullptr);
    EXPECT_EQ(store.FindKey("S\\Both")->Values()[0].name, "V");
}

TEST(RegistryFile, LongByteListsWrapLikeRegedit) {
    RegistryFile file("HKEY_LOCAL_MACHINE");
    file.CreateKey("K")->SetValue("B", 3, std::string(60, '\x11'));
    const std::string text = file.Serialise();
    std::size_t longest = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        longest = std::max(longest, end - start);
        start = end + 1;
    }
    EXPECT_LE(longest, 80u);
    EXPECT_NE(text.find(",\\\n  11,"), std::string::npos);
}

}  // namespace
}  // namespace orvane
