#include <gtest/gtest.h>

#include "viewer/CrLfText.h"

namespace orvane {
namespace {

TEST(CrLfTextTest, ConvertsBetweenCrLfAndDocumentText) {
    const struct {
        const char16_t* crLf;
        const char16_t* document;
        const char16_t* back;  // what the document gives back as CR LF text
    } cases[] = {
        {u"a\r\nb", u"a\nb", u"a\r\nb"},
        {u"", u"", u""},
        {u"\r\n\r\n", u"\n\n", u"\r\n\r\n"},
        {u"x\r\n", u"x\n", u"x\r\n"},
        // A lone LF (a line break inside a value) stays a LF, held as a line separator.
        {u"a\nb", u"a\u2028b", u"a\nb"},
        {u"Line one\nLine two\r\n", u"Line one\u2028Line two\n", u"Line one\nLine two\r\n"},
        {u"a\rb", u"a\nb", u"a\r\nb"},  // and so is a lone CR
        {u"a\r\r\nb", u"a\n\nb", u"a\r\n\r\nb"},
        {u"\u00e9\t\u20ac\r\n", u"\u00e9\t\u20ac\n", u"\u00e9\t\u20ac\r\n"},
    };
    for (const auto& c : cases) {
        const QString crLf = QString::fromUtf16(c.crLf);
        EXPECT_EQ(CrLfText::toDocument(crLf), QString::fromUtf16(c.document)) << crLf.toStdString();
        EXPECT_EQ(CrLfText::fromDocument(QString::fromUtf16(c.document)),
                  QString::fromUtf16(c.back))
            << crLf.toStdString();
    }
    // A document's own paragraph separators are line ends as well; line separators are LFs.
    EXPECT_EQ(CrLfText::fromDocument(u"a\u2029b\u2028c"), QStringLiteral("a\r\nb\nc"));
}

TEST(CrLfTextTest, MapsPositionsBothWays) {
    // CR LF text "ab\r\n\r\ncd" is the document "ab\n\ncd".
    const CrLfText map(u"ab\n\ncd");
    const int toDocument[][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 3},
                                 {5, 4}, {6, 4}, {7, 5}, {8, 6}};
    for (const auto& [crLf, doc] : toDocument) {
        EXPECT_EQ(map.positionToDocument(crLf), doc) << crLf;
    }
    const int fromDocument[][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 4}, {4, 6}, {5, 7}, {6, 8}};
    for (const auto& [doc, crLf] : fromDocument) {
        EXPECT_EQ(map.positionFromDocument(doc), crLf) << doc;
    }
}

TEST(CrLfTextTest, EveryDocumentPositionSurvivesTheRoundTrip) {
    const QString document = QStringLiteral("\nfirst\n\n  second line\nx\n\n\nlast");
    const QString crLf = CrLfText::fromDocument(document);
    const CrLfText map(document);
    for (int doc = 0; doc <= document.size(); ++doc) {
        const int pos = map.positionFromDocument(doc);
        EXPECT_EQ(map.positionToDocument(pos), doc);
        if (doc < document.size() && !CrLfText::isDocumentLineEnd(document[doc])) {
            EXPECT_EQ(crLf[pos], document[doc]) << doc;
        }
    }
}

}  // namespace
}  // namespace orvane
