#include <gtest/gtest.h>

#include <ostream>

#include "core/Screens.h"
#include "viewer/Highliter.h"
#include "viewer/WordList.h"

namespace orvane {

void PrintTo(const ColorRange& r, std::ostream* os) {
    *os << "{" << r.start << "," << r.length << "," << r.color << "}";
}

namespace {

constexpr std::int32_t R = HighlightScanner::kFirstListColor;   // dark red
constexpr std::int32_t B = HighlightScanner::kSecondListColor;  // dark blue
constexpr std::int32_t G = HighlightScanner::kCommentColor;     // green
constexpr std::int32_t Q = HighlightScanner::kLiteralColor;     // grey

TEST(HighliterColors, AreTheFourColourValues) {
    EXPECT_EQ(R, 127);
    EXPECT_EQ(B, 8323072);
    EXPECT_EQ(G, 32512);
    EXPECT_EQ(Q, 8355711);
}

struct ScanCase {
    const char* what;
    int screen;
    const char16_t* text;
    std::vector<ColorRange> expected;
};

const ScanCase kScanCases[] = {
    // Java
    {"type, then a line comment up to and with the CR",
     JAVA_CODE,
     u"int x = 1; // note\r\n",
     {{0, 3, R}, {11, 8, G}}},
    {"literal; the blank after it is passed over; a word at the end stays plain",
     JAVA_CODE,
     u"\"a\" + b",
     {{0, 3, Q}}},
    {"word after a literal is looked up at the next delimiter",
     JAVA_CODE,
     u"\"a\" +int;",
     {{0, 3, Q}, {5, 3, R}}},
    {"a literal does not end the word before it", JAVA_CODE, u"int\"x\" ;", {{3, 3, Q}, {0, 3, R}}},
    {"the character after a literal is never examined", JAVA_CODE, u"int\"x\" ", {{3, 3, Q}}},
    {"a word at the very end is not coloured", JAVA_CODE, u"int", {}},
    {"dotted names are one word", JAVA_CODE, u"System.out System 1.0 ", {{11, 6, B}}},
    {"a lone slash neither ends nor joins the word", JAVA_CODE, u"in/t x", {{0, 3, R}}},
    {"block comment, then the character after it is skipped",
     JAVA_CODE,
     u"a /* c */ int ",
     {{2, 7, G}, {10, 3, R}}},
    {"a block comment may start where a line comment could",
     JAVA_CODE,
     u"/**/ int ",
     {{0, 4, G}, {5, 3, R}}},
    {"the end marker is looked for from the second character on",
     JAVA_CODE,
     u"/*/ int ",
     {{0, 3, G}, {4, 3, R}}},
    {"the skipped character may be the start of a word", JAVA_CODE, u"/**/int ", {{0, 4, G}}},
    {"unterminated block comment colours nothing and scanning goes on inside",
     JAVA_CODE,
     u"x /* int ",
     {{5, 3, R}}},
    {"case-insensitive lookup; in both lists ends dark blue",
     JAVA_CODE,
     u"INT byte ",
     {{0, 3, R}, {4, 4, B}}},
    {"entries with # never match", JAVA_CODE, u"#Double ", {{1, 6, R}}},
    {"unterminated line comment colours nothing", JAVA_CODE, u"// int ", {{3, 3, R}}},
    {"lone quote colours only itself", JAVA_CODE, u"x \" int ", {{2, 1, Q}, {4, 3, R}}},
    // C#
    {"C# lists", CSHARP_CODE, u"using System; void f() {} ", {{0, 5, B}, {6, 6, B}, {14, 4, R}}},
    // SQL
    {"SQL with a line comment that has no line end",
     SQL_CODE,
     u"CREATE TABLE T (ID INTEGER) -- c",
     {{0, 6, B}, {7, 5, B}, {19, 7, R}}},
    {"SQL literal with a doubled quote",
     SQL_CODE,
     u"SELECT 'it''s' FROM",
     {{0, 6, B}, {7, 4, Q}, {13, 1, Q}}},
    {"SQL line comment then a keyword on the next line",
     SQL_CODE,
     u"-- c\r\nEND ",
     {{0, 5, G}, {6, 3, B}}},
    {"colon splits :NEW", SQL_CODE, u":NEW ", {{1, 3, B}}},
    {"SQL block comment", SQL_CODE, u"/* x */ NULL ", {{0, 7, G}, {8, 4, R}}},
    {"a lone minus does not end the word", SQL_CODE, u"DAT-E ", {{0, 4, R}}},
    // VB and VB.NET
    {"VB declaration with a comment",
     VB_CODE,
     u"Dim s As String ' c\r\n",
     {{0, 3, B}, {6, 2, B}, {9, 6, B}, {16, 4, G}}},
    {"VB directive: the hash keeps its colour", VB_CODE, u"#If x", {{1, 2, B}}},
    {"VB function and literal", VBNET_CODE, u"x = Len(\"a\")", {{4, 3, R}, {8, 3, Q}}},
    // Schema, BizTalk schema, DTD
    {"schema element with an attribute",
     XSD_CODE,
     u"<xsd:element name=\"ID\"/>",
     {{1, 3, B}, {5, 7, B}, {13, 4, R}, {18, 4, Q}}},
    {"XML comment skips the character after it",
     BIZ_CODE,
     u"<!-- c --><b>",
     {{0, 10, G}, {11, 1, B}}},
    {"DTD declaration; #PCDATA never matches",
     DTD_CODE,
     u"<!ELEMENT ROW (#PCDATA)>",
     {{2, 7, B}, {16, 6, R}}},
    // XML data: the element names come from the text
    {"element names collected and coloured",
     XML_CODE,
     u"<ROWS><ROW><ID>1</ID></ROW></ROWS>",
     {{1, 4, B}, {7, 3, B}, {12, 2, B}, {18, 2, B}, {23, 3, B}, {29, 4, B}}},
    {"attribute ends the name; xmlns stays plain; value grey",
     XML_CODE,
     u"<TABLE xmlns=\"urn:x\"><ROW/></TABLE>",
     {{1, 5, B}, {13, 7, Q}, {29, 5, B}}},
    {"XML declaration", XML_CODE, u"<?xml version=\"1.0\"?>", {{2, 3, R}, {6, 7, R}, {14, 5, Q}}},
};

TEST(HighliterScan, ColoursTheRangesOfEachExample) {
    for (const ScanCase& c : kScanCases) {
        const QString text = QString::fromUtf16(c.text);
        const auto profile = Highliter::ProfileForScreen(c.screen, text);
        ASSERT_TRUE(profile.has_value()) << c.what;
        EXPECT_EQ(Highliter::HighlightWords(text, *profile), c.expected) << c.what;
    }
}

TEST(HighliterScan, SlicedScanFindsTheSameRangesAsOnePass) {
    const QString text = QStringLiteral(
        "/* head */\r\npublic int f(String s) { // c\r\n  return \"x\" + s.length(); }\r\n");
    const HighlightProfile profile = Highliter::JavaProfile();
    for (qsizetype slice : {1, 3, 7}) {
        HighlightScanner scanner(text, profile);
        while (!scanner.scanTo(scanner.position() + slice)) {
        }
        EXPECT_EQ(scanner.ranges(), Highliter::HighlightWords(text, profile)) << slice;
    }
}

TEST(HighliterScan, ScreensOutsideTheNineHaveNoProfile) {
    for (int scr : {-1, 9, 100}) EXPECT_FALSE(Highliter::ProfileForScreen(scr, u"int x;"));
    for (int scr = XSD_CODE; scr <= CSHARP_CODE; ++scr) {
        EXPECT_TRUE(Highliter::ProfileForScreen(scr, u"")) << scr;
    }
}

TEST(HighliterScan, ProfilesUseTheirMarkers) {
    struct Case {
        HighlightProfile profile;
        const char16_t* quote;
        const char16_t* blockStart;
        const char16_t* blockEnd;
        const char16_t* line;
    };
    const Case cases[] = {
        {Highliter::JavaProfile(), u"\"", u"/*", u"*/", u"//"},
        {Highliter::CSharpProfile(), u"\"", u"/*", u"*/", u"//"},
        {Highliter::SqlProfile(), u"'", u"/*", u"*/", u"--"},
        {Highliter::VbProfile(), u"\"", u"", u"", u"'"},
        {Highliter::SchemaProfile(), u"\"", u"<!--", u"-->", u""},
        {Highliter::DtdProfile(), u"\"", u"<!--", u"-->", u""},
        {Highliter::XmlDataProfile(u""), u"\"", u"<!--", u"-->", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.profile.quote, QString::fromUtf16(c.quote));
        EXPECT_EQ(c.profile.blockStart, QString::fromUtf16(c.blockStart));
        EXPECT_EQ(c.profile.blockEnd, QString::fromUtf16(c.blockEnd));
        EXPECT_EQ(c.profile.lineMarker, QString::fromUtf16(c.line));
    }
}

TEST(HighliterScan, CollectTagNames) {
    const struct {
        const char16_t* text;
        const char16_t* expected;
    } cases[] = {
        {u"<ROWS><ROW><ID>1</ID></ROW></ROWS>", u"*ROWS*ROW*ID*"},
        {u"<a><b x='1'><a>", u"*a*b*a*"},
        {u"</a><!-- x --><?xml?>", u"*"},
        {u"<a", u"*"},
        {u"<a b", u"*"},
        {u"< x>", u"*"},
        {u"<a\r\n>", u"*a\r\n*"},
        {u"<a/>", u"*a/*"},
        {u"", u"*"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Highliter::CollectTagNames(QString::fromUtf16(c.text)),
                  QString::fromUtf16(c.expected))
            << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(WordListTest, MatchesWholeEntriesBetweenAsterisksIgnoringCase) {
    const WordList list(u"lead*Double*#Long*:NEW*End If**b*trail");
    const struct {
        const char* word;
        bool expected;
    } cases[] = {
        {"double", true}, {"b", true},     {"lead", false}, {"trail", false},
        {"doubl", false}, {"long", false}, {"new", false},  {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(list.contains(c.word), c.expected) << c.word;
    EXPECT_FALSE(WordList(u"no asterisks").contains("no"));
}

}  // namespace
}  // namespace orvane
