#include "templates/Templates.h"

#include <pwd.h>
#include <unistd.h>

#include <utility>

namespace orvane {

std::vector<TemplateParam>& TemplateParams() {
    static std::vector<TemplateParam> params;
    return params;
}

void ResetTemplateParams(std::size_t n) { TemplateParams().assign(n, TemplateParam{}); }

void ExtendTemplateParams(std::size_t n) {
    if (TemplateParams().size() < n) TemplateParams().resize(n);
}

void SetTemplateParam(std::size_t index, std::string name, FilledText value) {
    auto& params = TemplateParams();
    if (index >= params.size()) params.resize(index + 1);
    params[index].Name = std::move(name);
    params[index].Value = std::move(value);
}

std::string GetLoginName() {
    struct passwd entry {};
    struct passwd* result = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &result) != 0 ||
        result == nullptr || result->pw_name == nullptr) {
        return {};
    }
    return result->pw_name;
}

std::string CreatedByText() { return "Created by " + GetLoginName(); }

}  // namespace orvane
