#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/Export.h"
#include "core/KeyedCollection.h"
#include "templates/FilledText.h"

namespace orvane {

// Reads template files once and fills their $NAME$ placeholders from TemplateParams().
class ORVANE_API Template {
  public:
    // A larger template file, or one that is no regular file, stops the generation with an error.
    static constexpr std::size_t kFileCap = 1u << 20;
    // More than any table needs; a filling that would pass it stops with an error.
    static constexpr std::size_t kOutputCap = 64u << 20;

    explicit Template(std::size_t outputCap = kOutputCap) : outputCap_(outputCap) {}

    // Forgets every cached template, so edited files are read again.
    void ClearTemplates();
    // The template's unfilled text: from the cache, else from the file below the library's
    // folder ("\templates\xsd\schema.tpl" style names). A missing or unreadable file gives the
    // empty text, silently, and is tried again next time; see kFileCap for the others.
    std::string LoadTemplate(const std::string& sTemplateName);
    // Fills str in place, as Fill does, and returns it.
    std::string ProcessTemplate(std::string& str) const;
    // Fills a template's text in one pass: each placeholder named by an entry of the table (up to
    // the first entry without a name; the first of equal names wins) is replaced by the entry's
    // value. Inserted values are never searched for placeholders, except for those a filled
    // template left open in them. name only goes into the error for an output past the cap.
    FilledText Fill(std::string_view text, std::string_view name = {}) const;
    // LoadTemplate, then Fill.
    FilledText FillTemplate(const std::string& sTemplateName);

    // The file a template name stands for.
    static std::string TemplatePath(const std::string& sTemplateName);

  private:
    KeyedCollection<std::string> cache_;
    std::size_t outputCap_;
};

}  // namespace orvane
