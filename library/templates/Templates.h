#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "templates/FilledText.h"

namespace orvane {

// One placeholder name and its value. A value is data, except for the unfilled placeholders
// of a template filled into it earlier.
struct TemplateParam {
    std::string Name;
    FilledText Value;
};

// The process-wide parameter table the generation routines fill before processing a template;
// it is why one generation runs at a time in a process (see GenerateWorkflow).
// An entry with an empty Name ends the table.
std::vector<TemplateParam>& TemplateParams();
// Re-creates the table with n empty entries.
void ResetTemplateParams(std::size_t n);
// Grows the table to n entries, keeping the entries it holds.
void ExtendTemplateParams(std::size_t n);
void SetTemplateParam(std::size_t index, std::string name, FilledText value);

// The login name of the user running the program (the passwd entry of the effective user),
// or the empty text.
std::string GetLoginName();
// "Created by " + the login name.
std::string CreatedByText();

}  // namespace orvane
