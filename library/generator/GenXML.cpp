#include <algorithm>
#include <string>
#include <vector>

#include "generator/Cache.h"
#include "generator/Generator.h"
#include "generator/SchemaTools.h"
#include "generator/XMLTools.h"
#include "model/ODBCTable.h"
#include "settings/Config.h"

namespace orvane {

std::string Generator::GenXML() {
    ODBCTable& table = RequireTable();
    Config& config = RequireConfig();

    // The schemas and the classes name the elements by the same function.
    const XmlDocumentNames names = DocumentNames(table, config, XML_CODE, XML_CODE, XML_CODE);
    const std::string& rowName = names.row;
    const std::string& rootName = names.root;

    // Tag texts are the same in every row; build them once.
    const std::size_t columns = table.Fields().Count();
    std::vector<std::string> openTags;
    std::vector<std::string> closeTags;
    openTags.reserve(columns);
    closeTags.reserve(columns);
    for (const std::string& name : names.columns) {
        openTags.push_back(OpenTag(name, 2));
        closeTags.push_back(CloseTag(name, 0));
    }
    const std::string rowOpen = OpenTag(rowName, 1) + "\r\n";
    const std::string rowClose = CloseTag(rowName, 1);
    const std::string rootClose = CloseTag(rootName, 0);

    // The document is built in the cache's text, after its head.
    Cache cache(AddXmlDeclaration(CommentHeader("XML")));
    cache.WriteTofile(OpenTag(rootName, 0) + "\r\n");
    const auto rows = static_cast<std::size_t>(std::max<int>(table.MaxRows(), 0));
    std::size_t markup = rowOpen.size() + rowClose.size() + rootClose.size();
    for (std::size_t j = 0; j < columns; ++j) markup += openTags[j].size() + closeTags[j].size();
    // The values, their markup and an eighth more for escapes.
    const std::size_t values = table.Values().TextSize();
    cache.Reserve(values + values / 8 + markup * rows);

    std::string row;
    ForEachRow(rows, "XML records", [&](std::size_t i) {
        const ODBCTable::Row cells = table.Values().Item(i);
        row = rowOpen;
        for (std::size_t j = 1; j <= columns; ++j) {
            row += openTags[j - 1];
            AppendEscapedXmlText(row, cells.Value(j));
            row += closeTags[j - 1];
        }
        row += rowClose;
        cache.WriteTofile(row);
    });
    cache.WriteTofile(rootClose);
    return cache.GetFile();
}

}  // namespace orvane
