#pragma once

#include <string>
#include <vector>

namespace orvane {

class Config;
class ODBCTable;

// The content list of the DTD's row element: names joined by ",", with a line break and two
// tabs before every fifth name, so the first line holds four names and every further line five.
std::string DtdColumnList(const std::vector<std::string>& names);

// The element names of a table's XML data document.
struct XmlDocumentNames {
    std::string root;
    std::string row;
    std::vector<std::string> columns;  // in the order of the table's columns
};

// Names made valid XML names, the column names kept apart from each other and from the root
// and row names (a DTD declares every element once, a schema's sequence must tell its
// elements apart). The first column of a name keeps it; a later one gets "_2", "_3" ... the
// first that no column, root or row holds as its own name.
XmlDocumentNames DistinctDocumentNames(const std::string& root, const std::string& row,
                                       const std::vector<std::string>& columns);

// The element names one screen gives the table's XML data document: the columns under the
// case rule of columnScreen, the row element from the alias under rowScreen's rule, the root
// from the alias under the XML data screen's rule (the name the document gives it), then
// rootScreen's suffix. With default settings every screen gets the document's own names.
XmlDocumentNames DocumentNames(const ODBCTable& table, const Config& config, int columnScreen,
                               int rowScreen, int rootScreen);

}  // namespace orvane
