#include "templates/Template.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "model/LibraryFolder.h"
#include "templates/Templates.h"

namespace orvane {

void Template::ClearTemplates() { cache_.Clear(); }

std::string Template::TemplatePath(const std::string& sTemplateName) {
    std::string relative = sTemplateName;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    if (relative.empty() || relative.front() != '/') relative.insert(relative.begin(), '/');
    return LibraryFolder() + relative;
}

std::string Template::LoadTemplate(const std::string& sTemplateName) {
    if (cache_.Contains(sTemplateName)) {
        const std::string& cached = cache_.Item(sTemplateName);
        if (!cached.empty()) return cached;
    }
    std::ifstream file(TemplatePath(sTemplateName), std::ios::binary);
    if (!file) return {};
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) return {};
    std::string text = content.str();
    // An empty text counts as not cached, so an empty file is simply read again next time.
    if (!text.empty()) {
        if (cache_.Contains(sTemplateName)) {
            cache_.Item(sTemplateName) = text;
        } else {
            cache_.Add(sTemplateName, text);
        }
    }
    return text;
}

std::string Template::ProcessTemplate(std::string& str) const {
    for (const TemplateParam& param : TemplateParams()) {
        if (param.Name.empty()) break;
        const std::string placeholder = "$" + param.Name + "$";
        std::string result;
        result.reserve(str.size());
        std::size_t from = 0;
        for (std::size_t at = str.find(placeholder); at != std::string::npos;
             at = str.find(placeholder, from)) {
            result.append(str, from, at - from);
            result += param.Value;
            from = at + placeholder.size();
        }
        if (from == 0) continue;
        result.append(str, from, std::string::npos);
        str = std::move(result);
    }
    return str;
}

}  // namespace orvane
