#include <gtest/gtest.h>

#include "viewer/CrLfText.h"

namespace orvane {
namespace {

TEST(CrLfTextTest, LineEndsBecomeLfForTheClipboard) {
    const struct {
        const char16_t* crLf;
        const char16_t* lf;
    } cases[] = {
        {u"a\r\nb", u"a\nb"},
        {u"", u""},
        {u"\r\n\r\n", u"\n\n"},
        {u"a\nb", u"a\nb"},  // a line break inside a value
        {u"a\rb", u"a\nb"},
        {u"a\r\r\nb\r", u"a\n\nb\n"},
        {u"\u00e9\t\u20ac\r\n", u"\u00e9\t\u20ac\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CrLfText::ToLf(QString::fromUtf16(c.crLf)), QString::fromUtf16(c.lf));
    }
}

}  // namespace
}  // namespace orvane
