#pragma once

#include <string>

#include "model/KeyedCollection.h"

namespace orvane {

// Reads template files once and fills their $NAME$ placeholders from TemplateParams().
class Template {
  public:
    // Forgets every cached template, so edited files are read again.
    void ClearTemplates();
    // The template's unfilled text: from the cache, else from the file below the library's
    // folder ("\templates\xsd\schema.tpl" style names). A missing or unreadable file gives the
    // empty text, silently, and is tried again next time.
    std::string LoadTemplate(const std::string& sTemplateName);
    // Fills every placeholder of the current parameter table, entry by entry, in place.
    std::string ProcessTemplate(std::string& str) const;

    // The file a template name stands for.
    static std::string TemplatePath(const std::string& sTemplateName);

  private:
    KeyedCollection<std::string> cache_;
};

}  // namespace orvane
