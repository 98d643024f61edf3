#include <gtest/gtest.h>

#include <ostream>

#include "core/Screens.h"
#include "viewer/Highliter.h"
#include "viewer/IncrementalColouring.h"

namespace orvane {

void PrintTo(const ColorRange& r, std::ostream* os) {
    *os << "{" << r.start << "," << r.length << "," << r.color << "}";
}

namespace {

// The colours as BGR values: dark red, dark blue, green, grey.
constexpr std::int32_t R = 127, B = 8323072, G = 32512, Q = 8355711;

struct ScanCase {
    const char* what;
    int screen;
    const char* text;
    std::vector<ColorRange> expected;
};

const ScanCase kScanCases[] = {
    {"// up to the CR", JAVA_CODE, "int x = 1; // note\r\n", {{0, 3, R}, {11, 8, G}}},
    {"a word at the very end stays plain", JAVA_CODE, "\"a\" + b", {{0, 3, Q}}},
    {"word after a literal", JAVA_CODE, "\"a\" +int;", {{0, 3, Q}, {5, 3, R}}},
    {"a literal does not end the word before it", JAVA_CODE, "int\"x\" ;", {{3, 3, Q}, {0, 3, R}}},
    {"the character after a literal is skipped", JAVA_CODE, "int\"x\" ", {{3, 3, Q}}},
    {"dotted names are one word", JAVA_CODE, "System.out System 1.0 ", {{11, 6, B}}},
    {"a lone slash neither ends nor joins", JAVA_CODE, "in/t x", {{0, 3, R}}},
    {"block comment, next character skipped", JAVA_CODE, "a /* c */ int ", {{2, 7, G}, {10, 3, R}}},
    {"empty block comment", JAVA_CODE, "/**/ int ", {{0, 4, G}, {5, 3, R}}},
    {"end marker searched from the second char", JAVA_CODE, "/*/ int ", {{0, 3, G}, {4, 3, R}}},
    {"skipped character starts a word", JAVA_CODE, "/**/int ", {{0, 4, G}}},
    {"unterminated block comment", JAVA_CODE, "x /* int ", {{5, 3, R}}},
    {"any case; in both lists is blue", JAVA_CODE, "INT byte ", {{0, 3, R}, {4, 4, B}}},
    {"entries with # never match", JAVA_CODE, "#Double ", {{1, 6, R}}},
    {"unterminated line comment", JAVA_CODE, "// int ", {{3, 3, R}}},
    {"lone quote", JAVA_CODE, "x \" int ", {{2, 1, Q}, {4, 3, R}}},
    {"C#", CSHARP_CODE, "using System; void f() {} ", {{0, 5, B}, {6, 6, B}, {14, 4, R}}},
    {"SQL -- at the end",
     SQL_CODE,
     "CREATE TABLE T (ID INTEGER) -- c",
     {{0, 6, B}, {7, 5, B}, {19, 7, R}}},
    {"SQL doubled quote", SQL_CODE, "SELECT 'it''s' FROM", {{0, 6, B}, {7, 4, Q}, {13, 1, Q}}},
    {"SQL line comment", SQL_CODE, "-- c\r\nEND ", {{0, 5, G}, {6, 3, B}}},
    {"colon splits :NEW", SQL_CODE, ":NEW ", {{1, 3, B}}},
    {"SQL block comment", SQL_CODE, "/* x */ NULL ", {{0, 7, G}, {8, 4, R}}},
    {"a lone minus does not end the word", SQL_CODE, "DAT-E ", {{0, 4, R}}},
    {"a minus is no comment", SQL_CODE, "1 - NULL ", {{4, 4, R}}},
    {"VB", VB_CODE, "Dim s As String ' c\r\n", {{0, 3, B}, {6, 2, B}, {9, 6, B}, {16, 4, G}}},
    {"VB directive", VB_CODE, "#If x", {{1, 2, B}}},
    {"VB.NET", VBNET_CODE, "x = Len(\"a\")", {{4, 3, R}, {8, 3, Q}}},
    {"XSD", XSD_CODE, "<xsd:element name=\"ID\"/>", {{1, 3, B}, {5, 7, B}, {13, 4, R}, {18, 4, Q}}},
    {"XML comment", BIZ_CODE, "<!-- c --><b>", {{0, 10, G}, {11, 1, B}}},
    {"DTD", DTD_CODE, "<!ELEMENT ROW (#PCDATA)>", {{2, 7, B}, {16, 6, R}}},
    {"XML names",
     XML_CODE,
     "<ROWS><ROW><ID>1</ID></ROW></ROWS>",
     {{1, 4, B}, {7, 3, B}, {12, 2, B}, {18, 2, B}, {23, 3, B}, {29, 4, B}}},
    {"xmlns",
     XML_CODE,
     "<TABLE xmlns=\"urn:x\"><ROW/></TABLE>",
     {{1, 5, B}, {13, 7, Q}, {29, 5, B}}},
    {"XML declaration", XML_CODE, "<?xml version=\"1.0\"?>", {{2, 3, R}, {6, 7, R}, {14, 5, Q}}},
    // Characters, not bytes, are counted.
    {"word of characters", JAVA_CODE, "i\"\xc3\xa9\"xnt ;", {{1, 4, Q}, {0, 4, R}}},
    {"whole character skipped", JAVA_CODE, "in\"x\"\xc3\xa9t ;", {{2, 3, Q}, {0, 3, R}}},
};

TEST(HighliterScan, ColoursTheRangesOfEachExample) {
    for (const ScanCase& c : kScanCases) {
        const auto profile = Highliter::ProfileForScreen(c.screen, c.text);
        ASSERT_TRUE(profile.has_value()) << c.what;
        EXPECT_EQ(Highliter::HighlightWords(c.text, *profile), c.expected) << c.what;
    }
}

// The styles of a whole text after one scan.
std::vector<unsigned char> OneScan(std::string_view text, const HighlightProfile& profile) {
    std::vector<unsigned char> styles(text.size(), 0);
    for (const ColorRange& r : Highliter::HighlightWords(text, profile)) {
        std::fill_n(styles.begin() + static_cast<std::ptrdiff_t>(r.start), r.length,
                    IncrementalColouring::StyleOf(r.color));
    }
    return styles;
}

// Colours up to `upTo` in steps of `step` bytes, writing what it finds into styles.
void ColourInSteps(IncrementalColouring& colouring, std::string_view text, std::size_t upTo,
                   std::size_t step, std::vector<unsigned char>& styles) {
    std::vector<unsigned char> piece;
    while (colouring.colouredTo() < std::min(upTo, text.size())) {
        const std::size_t from = colouring.colour(text, colouring.colouredTo() + step, piece);
        std::copy(piece.begin(), piece.end(), styles.begin() + static_cast<std::ptrdiff_t>(from));
    }
}

TEST(IncrementalColouringTest, StepsAndEditsGiveWhatOneScanGives) {
    // Long enough for several restart points; literals, comments and words cross step ends.
    std::string text;
    for (int i = 0; i < 6000; ++i) {
        text += "int a" + std::to_string(i) + " = \"s\" + b; /* c */ // d\r\n";
    }
    const HighlightProfile profile = Highliter::JavaProfile();
    for (std::size_t step : {997, 65536}) {
        IncrementalColouring colouring([&profile](std::string_view) { return profile; });
        std::vector<unsigned char> styles(text.size(), 0);
        ColourInSteps(colouring, text, text.size(), step, styles);
        EXPECT_EQ(styles, OneScan(text, profile)) << step;
    }

    // Edits like a user's: each one changes the colours of the rest of the text.
    const struct {
        std::size_t at;
        std::size_t removed;
        std::string inserted;
        std::size_t colouredBefore;  // how far the colouring had come when the edit came
    } edits[] = {
        {100000, 0, "\"", SIZE_MAX},  // an unpaired quote
        {150000, 0, "/*", SIZE_MAX},  // a comment that runs to the next end marker
        {50, 20, "", SIZE_MAX},
        {200000, 2, "int ", 30000},  // far ahead of the colouring
        {text.size() - 100, 0, " int ", SIZE_MAX},
    };
    IncrementalColouring colouring([&profile](std::string_view) { return profile; });
    std::vector<unsigned char> styles(text.size(), 0);
    ColourInSteps(colouring, text, text.size(), 4096, styles);
    for (const auto& e : edits) {
        SCOPED_TRACE(e.at);
        if (e.colouredBefore != SIZE_MAX) {
            // Coloured afresh from the start, only this far when the edit comes.
            colouring.textChangedAt(0);
            ColourInSteps(colouring, text, e.colouredBefore, 4096, styles);
            ASSERT_LT(colouring.colouredTo(), e.at);
        }
        text.replace(e.at, e.removed, e.inserted);
        // An editor keeps the styles of the text around an edit; new text is plain.
        styles.erase(styles.begin() + static_cast<std::ptrdiff_t>(e.at),
                     styles.begin() + static_cast<std::ptrdiff_t>(e.at + e.removed));
        styles.insert(styles.begin() + static_cast<std::ptrdiff_t>(e.at), e.inserted.size(), 0);
        colouring.textChangedAt(e.at);
        ColourInSteps(colouring, text, text.size(), 4096, styles);
        EXPECT_EQ(styles, OneScan(text, profile));
    }
}

}  // namespace
}  // namespace orvane
