#include <gtest/gtest.h>

#include <QString>
#include <map>
#include <vector>

#include "Golden.h"
#include "core/Screens.h"
#include "viewer/Highliter.h"
#include "viewer/IncrementalColouring.h"

namespace orvane {

namespace {

// Each example as the screen, the text and the words coloured in scan order, with their colour.
TEST(HighliterScan, ColoursTheWordsOfEachExample) {
    const std::pair<int, std::vector<const char*>> examples[] = {
        {JAVA_CODE,
         {"int x = 1; // note\r\n", "\"a\" + b", "\"a\" +int;", "int\"x\" ;", "int\"x\" ",
          "System.out System 1.0 ", "in/t x", "a /* c */ int ", "/**/ int ", "/*/ int ", "/**/int ",
          "x /* int ", "INT byte ", "#Double ", "// int ", "x \" int ", "i\"\xc3\xa9\"xnt ;",
          "in\"x\"\xc3\xa9t ;"}},
        {CSHARP_CODE, {"using System; void f() {} "}},
        {SQL_CODE,
         {"CREATE TABLE T (ID INTEGER) -- c", "SELECT 'it''s' FROM", "-- c\r\nEND ", ":NEW ",
          "/* x */ NULL ", "DAT-E ", "1 - NULL\r\n"}},
        {VB_CODE, {"Dim s As String ' c\r\n", "#If x"}},
        {VBNET_CODE, {"x = Len(\"a\")"}},
        {XSD_CODE, {"<xsd:element name=\"ID\"/>"}},
        {BIZ_CODE, {"<!-- c --><b>"}},
        {DTD_CODE, {"<!ELEMENT ROW (#PCDATA)>"}},
        {XML_CODE,
         {"<ROWS><ROW><ID>1</ID></ROW></ROWS>", "<TABLE xmlns=\"urn:x\"><ROW/></TABLE>",
          "<?xml version=\"1.0\"?>"}}};
    const std::map<std::int32_t, const char*> colours = {
        {127, "red"}, {8323072, "blue"}, {32512, "green"}, {8355711, "grey"}};
    QString dump;
    for (const auto& [screen, texts] : examples)
        for (const char* text : texts) {
            const auto profile = Highliter::ProfileForScreen(screen, text);
            ASSERT_TRUE(profile.has_value()) << text;
            // Ranges count characters, not bytes.
            const QString shown = QString::fromUtf8(text);
            const auto visible = [](QString s) {
                return s.replace("\r", "\\r").replace("\n", "\\n");
            };
            dump += QString("%1 %2\n").arg(screen).arg(visible(shown));
            for (const ColorRange& r : Highliter::HighlightWords(text, *profile)) {
                dump += QString("  %1 %2\n")
                            .arg(visible(
                                shown.mid(static_cast<int>(r.start), static_cast<int>(r.length))))
                            .arg(colours.count(r.color) != 0 ? colours.at(r.color) : "?");
            }
        }
    test::expectGolden("highlighter-scan.txt", dump.toStdString());
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
    IncrementalColouring colouring([&profile](std::string_view) { return profile; });
    std::vector<unsigned char> styles(text.size(), 0);
    ColourInSteps(colouring, text, text.size(), 997, styles);
    EXPECT_EQ(styles, OneScan(text, profile));

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
