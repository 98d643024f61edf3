#include <gtest/gtest.h>

#include "viewer/CrLfText.h"

namespace orvane {
namespace {

TEST(CrLfTextTest, LineEndsBecomeLfForOtherProgramsAndCrLfFromThem) {
    const struct {
        const char16_t* text;
        const char16_t* lf;
        const char16_t* crLf;
    } cases[] = {
        {u"a\r\nb", u"a\nb", u"a\r\nb"},
        {u"", u"", u""},
        {u"\r\n\r\n", u"\n\n", u"\r\n\r\n"},
        // A lone LF out of the pane is a line break inside a value.
        {u"a\nb", u"a\nb", u"a\r\nb"},
        {u"a\rb", u"a\nb", u"a\r\nb"},
        {u"a\r\r\nb\r", u"a\n\nb\n", u"a\r\n\r\nb\r\n"},
        {u"\n\r", u"\n\n", u"\r\n\r\n"},
        {u"\u00e9\t\u20ac\r\n", u"\u00e9\t\u20ac\n", u"\u00e9\t\u20ac\r\n"},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(CrLfText::ToLf(text), QString::fromUtf16(c.lf)) << text.toStdString();
        EXPECT_EQ(CrLfText::ToCrLf(text), QString::fromUtf16(c.crLf)) << text.toStdString();
    }
}

}  // namespace
}  // namespace orvane
