#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestSupport.h"

namespace orvane {
namespace {

// Generated texts end their lines with CR LF; a template with bare LFs would give mixed line
// ends (and line comments the highlighter cannot end).
TEST(ShippedTemplates, EveryTemplateEndsItsLinesWithCrLf) {
    const std::filesystem::path folder =
        std::filesystem::path(test::EnvOr("ORVANE_SOURCE_DIR", ".")) / "templates";
    int templates = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.path().extension() != ".tpl") continue;
        ++templates;
        std::ifstream file(entry.path(), std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        const std::string content = text.str();
        for (std::size_t i = 0; i < content.size(); ++i) {
            if (content[i] == '\n') {
                ASSERT_TRUE(i > 0 && content[i - 1] == '\r')
                    << entry.path() << ": bare LF at byte " << i;
            }
        }
    }
    EXPECT_EQ(templates, 18);
}

}  // namespace
}  // namespace orvane
