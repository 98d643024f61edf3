#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "generator/XMLTools.h"
#include "templates/Templates.h"

namespace orvane {
namespace {

TEST(XMLTools, CommentHeaderNamesTheUser) {
    EXPECT_EQ(CommentHeader("XML"), "<!-- XML Created by " + GetLoginName() + " -->\r\n");
    // "--" may not appear inside a comment.
    const std::string header = CommentHeader("a--b");
    EXPECT_EQ(header.substr(0, 12), "<!-- a- -b C");
    EXPECT_EQ(header.find("--", 4), header.size() - 5);
}

TEST(XMLTools, EscapeXmlText) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"plain", "plain"},
        {"O'Reilly & Söhne <GmbH>", "O'Reilly &amp; Söhne &lt;GmbH&gt;"},
        {"&&", "&amp;&amp;"},
        {"a]]>b", "a]]&gt;b"},
        {"\"quoted\"", "\"quoted\""},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(EscapeXmlText(text), expected) << text;
}

TEST(XMLTools, XmlNameEscapesOnlyWhatIsInvalid) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        // Valid names are left exactly as they are.
        {"Order_items", "Order_items"},
        {"a-b.c9", "a-b.c9"},
        {"_x", "_x"},
        {"\xC3\x86r\xC3\xB8", "\xC3\x86r\xC3\xB8"},
        {"\xE6\x9D\xB1\xE4\xBA\xAC", "\xE6\x9D\xB1\xE4\xBA\xAC"},
        // Only the offending characters are escaped.
        {"1st", "_x0031_st"},
        {"-x", "_x002D_x"},
        {".x", "_x002E_x"},
        {"Price$History", "Price_x0024_History"},
        {"Changed By", "Changed_x0020_By"},
        {"a:b", "a_x003A_b"},
        {"a/b(c)", "a_x002F_b_x0028_c_x0029_"},
        {"\xC2\xB7x", "_x00B7_x"},
        {"x\xEF\xBF\xBF", "x_xFFFF_"},
        // Letters only later XML editions take: libxml2's schema types reject them.
        {"na\xC3\xAFve\xE2\x82\xAC", "na\xC3\xAFve_x20AC_"},
        {"\xC3\x9F\xC8\x98", "\xC3\x9F_x0218_"},
        {"a\xFF", "a_x00FF_"},
        {"\xF3\xB0\x80\x80", "_x000F0000_"},
        // Text that reads as an escape has its "_" escaped, so decoding gives the name back.
        {"a_x0041_b", "a_x005F_x0041_b"},
        {"_x00000041_", "_x005F_x00000041_"},
        {"_x004_", "_x004_"},
        // A rule that blanks names still leaves a tag name.
        {"", "_"},
    };
    for (const auto& [name, expected] : cases) EXPECT_EQ(XmlName(name), expected) << name;
}

}  // namespace
}  // namespace orvane
