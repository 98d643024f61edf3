#include "SchemaFixture.h"

#include "templates/Templates.h"

namespace orvane::test {

std::string Expand(std::string_view pattern) {
    static const std::string created = CreatedByText();
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.compare(i, 9, "{CREATED}") == 0) {
            text += created;
            i += 8;
        } else if (pattern[i] == '~') {
            text += '\t';
        } else if (pattern[i] == '\n') {
            text += "\r\n";
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace orvane::test
