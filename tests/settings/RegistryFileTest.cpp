#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/RegistryFile.h"

namespace orvane {
namespace {

using namespace std::string_literals;

const std::string kHeader = "Windows Registry Editor Version 5.00\n\n";
const std::string kRoot = "HKEY_LOCAL_MACHINE";

// The values of a key as "name=data;" each, or "<no key>".
std::string Values(const RegistryFile& file, const std::string& path) {
    const RegistryKey* key = file.FindKey(path);
    if (key == nullptr) return "<no key>";
    std::string out;
    for (const auto& value : key->Values()) out += value.name + "=" + value.data + ";";
    return out;
}

std::string Utf16(std::string_view ascii) {
    std::string bytes;
    for (char c : ascii) bytes += {c, '\0'};
    return bytes;
}

TEST(RegistryFile, EveryValueAndEmptyKeySurvivesSerialiseAndParse) {
    std::string allBytes;
    for (int i = 0; i < 256; ++i) allBytes += static_cast<char>(i);
    const std::vector<RegistryKey::Value> values = {
        {"text", 1, "plain \"quoted\" \\ text\0"s},
        {"", 1, "default\0"s},
        {"no zero", 1, "abc"},
        {"tab\tname", 1, "tab\there\0"s},
        {"dword", 4, "\x01\x02\x03\x04"},
        {"short dword", 4, "\x01\x02"},
        {"binary", 3, allBytes},
        {"empty binary", 3, ""},
        {"multi", 7, "a\0b\0\0"s},
        {"large type", 0x12345678, "y"},
        {"unicode \xe2\x82\xac", 1, "\xe2\x82\xac\0"s},
    };
    RegistryFile file(kRoot);
    for (const auto& value : values) {
        file.CreateKey("A\\B")->SetValue(value.name, value.type, value.data);
    }
    file.CreateKey("A\\Empty");
    const std::string text = file.Serialise();
    const RegistryFile back = RegistryFile::Parse(text, kRoot);
    EXPECT_FALSE(back.Damaged());
    EXPECT_EQ(Values(back, "a\\b"), Values(file, "A\\B"));
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(back.FindKey("A\\B")->Values()[i].type, values[i].type) << values[i].name;
    }
    EXPECT_EQ(Values(back, "A\\Empty"), "");
    EXPECT_EQ(back.Serialise(), text);
    // Like regedit: byte lists go on over indented lines of at most 80 characters.
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1) {
        EXPECT_LE(end - start, 80u);
    }
    EXPECT_NE(text.find(",\\\n  "), std::string::npos);
}

TEST(RegistryFile, ReadsWhatItCanAndMarksTheRestDamaged) {
    const std::string good = "[HKEY_LOCAL_MACHINE\\K]\n\"Good\"=\"g\"\n";
    const std::string kept = "Good=g\0;"s;
    const struct {
        const char* what;
        std::string text;
        bool damaged;
        std::string values;  // of key K
    } cases[] = {
        // As the registry editor exports: a euro sign and U+1F600 (a surrogate pair).
        {"UTF-16 LE",
         "\xFF\xFE" + Utf16(kHeader + good + "\"Wide\"=\"") + "\xAC\x20\x3D\xD8\x00\xDE"s +
             Utf16("\"\r\n"),
         false, kept + "Wide=\xE2\x82\xAC\xF0\x9F\x98\x80\0;"s},
        {"UTF-16 LE with a lone surrogate",
         "\xFF\xFE" + Utf16(kHeader + good + "\"Bad\"=\"") + "\x3D\xD8"s + Utf16("\"\n"), true,
         kept},
        {"UTF-16 LE cut inside a character",
         "\xFF\xFE" + Utf16(kHeader + good + "\"Cut\"=\"c\"") + "\x0A"s, true, kept},
        {"clean", kHeader + good, false, kept},
        {"old header, comments, CRLF",
         "REGEDIT4\r\n; note\r\n[HKEY_LOCAL_MACHINE\\K]\r\n\"Good\"=\"g\"\r\n", false, kept},
        {"byte order mark", "\xEF\xBB\xBF" + kHeader + good, false, kept},
        {"no header", good, true, kept},
        {"empty", "", true, "<no key>"},
        {"truncated in a value", kHeader + good + "\"Cut\"=\"abc", true, kept},
        {"truncated byte list", kHeader + good + "\"Cut\"=hex:01,02,\\\n", true, kept},
        {"byte list cut before a section",
         kHeader + "[HKEY_LOCAL_MACHINE\\X]\n\"Cut\"=hex:01,\\\n" + good, true, kept},
        {"invalid UTF-8 line", kHeader + good + "\"Bad\"=\"\xff\xfe\"\n\"After\"=dword:00000001\n",
         true, kept + "After=\1\0\0\0;"s},
        {"overlong UTF-8", kHeader + good + "\"Bad\"=\"\xc0\xaf\"\n", true, kept},
        {"zero byte in a line", kHeader + good + "\"Bad\"=\"a\0b\"\n"s, true, kept},
        {"huge line", kHeader + std::string(3'000'000, 'x') + "\n" + good, true, kept},
        {"value before any section", kHeader + "\"Lost\"=\"l\"\n" + good, true, kept},
        {"another root", kHeader + "[HKEY_CURRENT_USER\\K]\n\"Other\"=\"o\"\n" + good, true, kept},
        {"deletion entries", kHeader + "[-HKEY_LOCAL_MACHINE\\K]\n" + good + "\"Good\"=-\n", true,
         kept},
        {"bad dword", kHeader + good + "\"D\"=dword:123456789\n", true, kept},
        {"bad byte", kHeader + good + "\"H\"=hex:1g\n", true, kept},
        {"text after a string", kHeader + good + "\"S\"=\"a\" junk\n", true, kept},
        {"unterminated section", kHeader + "[HKEY_LOCAL_MACHINE\\K\n\"V\"=\"v\"\n", true,
         "<no key>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const RegistryFile file = RegistryFile::Parse(c.text, kRoot);
        EXPECT_EQ(file.Damaged(), c.damaged);
        EXPECT_EQ(Values(file, "K"), c.values);
    }
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

TEST(RegistryFile, MergeSetsEveryKeyAndValueOfTheOther) {
    RegistryFile store(kRoot);
    store.CreateKey("S\\Keep")->SetValue("Mine", 1, "m");
    store.CreateKey("S\\Both")->SetValue("V", 1, "old");
    RegistryFile other(kRoot);
    other.CreateKey("s\\both")->SetValue("v", 1, "new");
    other.CreateKey("S\\Added\\Deep");
    store.Merge(other);
    EXPECT_EQ(Values(store, "S\\Keep"), "Mine=m;");
    EXPECT_EQ(Values(store, "S\\Both"), "V=new;");
    EXPECT_EQ(Values(store, "S\\Added\\Deep"), "");
}

}  // namespace
}  // namespace orvane
