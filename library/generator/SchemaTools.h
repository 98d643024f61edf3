#pragma once

#include <string>
#include <vector>

namespace orvane {

// The root element name of a schema: the name the XML data document gives its root, made from
// the alias under the data document's case rule, then the schema's suffix. For an alias that
// is already a valid XML name, under the default rule 3, this is exactly alias + suffix.
std::string SchemaRootName(const std::string& alias, const std::string& suffix,
                           int documentCaseRule);

// The content list of the DTD's row element: names joined by ",", with a line break and two
// tabs before every fifth name, so the first line holds four names and every further line five.
std::string DtdColumnList(const std::vector<std::string>& names);

}  // namespace orvane
