#include "templates/Template.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

#include "core/LibraryFolder.h"
#include "core/OrvaneError.h"
#include "core/RegularFile.h"
#include "templates/Templates.h"

namespace orvane {

namespace {

// One filling: the output grows only by appending, so the work is linear in the template, the
// values and the output.
class Filler {
  public:
    Filler(const std::vector<TemplateParam>& params, std::size_t cap, std::string_view name)
        : params_(params), cap_(cap), name_(name) {
        for (std::size_t i = 0; i < params.size() && !params[i].Name.empty(); ++i) {
            byName_.emplace(params[i].Name, i);
        }
        resolved_.resize(params.size());
        busy_.resize(params.size());
    }

    // Every placeholder of a template's own text can be filled.
    FilledText FillAll(std::string_view text) {
        Output out;
        std::size_t copied = 0;
        std::size_t from = 0;
        std::size_t lastOpenEnd = std::string_view::npos;
        for (;;) {
            const std::size_t start = text.find('$', from);
            if (start == std::string_view::npos) break;
            const std::size_t end = text.find('$', start + 1);
            if (end == std::string_view::npos) break;
            const std::string_view name = text.substr(start + 1, end - start - 1);
            if (const FilledText* value = Value(name)) {
                // The closing sign of an unfilled name opens this one, so that one is no
                // placeholder after all.
                if (start == lastOpenEnd) out.open.pop_back();
                Append(out, text.substr(copied, start - copied));
                Append(out, *value);
                copied = from = end + 1;
            } else {
                if (!name.empty()) {
                    out.open.push_back(out.text.size() + (start - copied));
                    lastOpenEnd = end;
                }
                // That closing sign may open the next placeholder.
                from = end;
            }
        }
        Append(out, text.substr(copied));
        return FilledText(std::move(out.text), std::move(out.open));
    }

  private:
    struct Output {
        std::string text;
        std::vector<std::size_t> open;
    };

    // Only the placeholders a filled template left open can be filled.
    FilledText FillOpen(const FilledText& filled) {
        const std::string_view text = filled.Text();
        Output out;
        std::size_t copied = 0;
        for (std::size_t start : filled.Open()) {
            const std::size_t end = text.find('$', start + 1);
            if (const FilledText* value = Value(text.substr(start + 1, end - start - 1))) {
                Append(out, text.substr(copied, start - copied));
                Append(out, *value);
                copied = end + 1;
            } else {
                out.open.push_back(out.text.size() + (start - copied));
            }
        }
        Append(out, text.substr(copied));
        return FilledText(std::move(out.text), std::move(out.open));
    }

    // The entry's value with its own open placeholders filled, each entry at most once per
    // filling; nullptr for a name no entry has, or one whose value is being filled (a value
    // that names itself keeps that placeholder).
    const FilledText* Value(std::string_view name) {
        const auto found = byName_.find(name);
        if (found == byName_.end()) return nullptr;
        const std::size_t i = found->second;
        const FilledText& value = params_[i].Value;
        if (value.Open().empty()) return &value;
        if (!resolved_[i]) {
            if (busy_[i]) return nullptr;
            busy_[i] = true;
            resolved_[i] = std::make_unique<FilledText>(FillOpen(value));
            busy_[i] = false;
        }
        return resolved_[i].get();
    }

    void Check(std::size_t size, std::size_t more) const {
        if (more <= cap_ && size <= cap_ - more) return;
        const std::string what =
            name_.empty() ? std::string("a template") : "the template " + std::string(name_);
        const std::string limit = cap_ % (1u << 20) == 0 ? std::to_string(cap_ >> 20) + " MB"
                                                         : std::to_string(cap_) + " bytes";
        throw OrvaneError("Filling " + what + " gives more than " + limit +
                          " of text, far more than any table needs; the generation stops. " +
                          "Check the template and its placeholders.");
    }
    void Append(Output& out, std::string_view data) const {
        Check(out.text.size(), data.size());
        out.text += data;
    }
    void Append(Output& out, const FilledText& value) const {
        Check(out.text.size(), value.Text().size());
        for (std::size_t at : value.Open()) out.open.push_back(out.text.size() + at);
        out.text += value.Text();
    }

    const std::vector<TemplateParam>& params_;
    std::size_t cap_;
    std::string_view name_;
    std::unordered_map<std::string_view, std::size_t> byName_;
    std::vector<std::unique_ptr<FilledText>> resolved_;
    std::vector<bool> busy_;
};

}  // namespace

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
    const std::string path = TemplatePath(sTemplateName);
    const RegularFile file(path);
    if (file.Status() == RegularFile::State::NotRegular) {
        throw OrvaneError("The template " + path +
                          " is not a regular file, so it is not read; the generation stops.");
    }
    std::string text;
    switch (file.ReadAll(kFileCap, text)) {
        case RegularFile::Contents::Failed:
            return {};
        case RegularFile::Contents::TooLarge:
            throw OrvaneError("The template " + path + " is larger than " +
                              std::to_string(kFileCap >> 20) +
                              " MB, far larger than any template needs; the generation stops.");
        case RegularFile::Contents::Whole:
            break;
    }
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
    str = Fill(str).Text();
    return str;
}

FilledText Template::Fill(std::string_view text, std::string_view name) const {
    return Filler(TemplateParams(), outputCap_, name).FillAll(text);
}

FilledText Template::FillTemplate(const std::string& sTemplateName) {
    return Fill(LoadTemplate(sTemplateName), sTemplateName);
}

}  // namespace orvane
