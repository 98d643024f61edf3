#include <gtest/gtest.h>

#include "QtTestApp.h"
#include "common/Icons.h"
#include "viewer/CrLfText.h"
#include "viewer/StyleConvert.h"
#include "viewer/Twips.h"

namespace orvane {
namespace {

// Stored colours are BGR values; one outside 0..0xFFFFFF is none.
TEST(StyleConvertTest, ColoursAreBgrValuesAndTwipsFollowTheResolution) {
    EXPECT_EQ(ColorFromBgr(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(ColorToBgr(QColor(0x56, 0x34, 0x12)), 0x123456);
    for (std::int32_t bad : {-1, 0x1000000}) EXPECT_FALSE(ColorFromBgr(bad).isValid()) << bad;
    EXPECT_EQ(TwipsToPixels(100, 144), 10);
    EXPECT_EQ(TwipsToPixels(100, 96), 7);
    EXPECT_EQ(PixelsToTwips(10, 144), 100);
    EXPECT_EQ(PixelsToTwips(10, 0), 0);
}

TEST(CrLfTextTest, LineEndsBecomeLfForOtherProgramsAndCrLfFromThem) {
    const struct {
        const char16_t* text;
        const char16_t* lf;
        const char16_t* crLf;
    } cases[] = {
        {u"a\r\nb", u"a\nb", u"a\r\nb"},
        {u"", u"", u""},
        // A lone LF out of the pane is a line break inside a value.
        {u"a\nb", u"a\nb", u"a\r\nb"},
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

// Every picture is drawn from its file: a file missing from the resources, or no SVG support at
// run time, gives an empty icon.
TEST(IconsTest, EveryPictureLoads) {
    test::QtApp();
    std::vector<QIcon> icons;
    for (int image = 1; image <= 4; ++image) icons.push_back(Icons::TreeImage(image));
    for (int tool = 0; tool <= static_cast<int>(Icons::Tool::About); ++tool) {
        icons.push_back(Icons::ToolIcon(static_cast<Icons::Tool>(tool)));
    }
    for (int option = 0; option <= static_cast<int>(Icons::Option::Doc); ++option) {
        icons.push_back(Icons::OptionIcon(static_cast<Icons::Option>(option)));
    }
    for (std::size_t i = 0; i < icons.size(); ++i)
        EXPECT_FALSE(icons[i].pixmap(16, 16).isNull()) << i;
    EXPECT_EQ(Icons::Logo(64).size(), QSize(64, 64));
    EXPECT_TRUE(Icons::TreeImage(5).isNull());
}

}  // namespace
}  // namespace orvane
