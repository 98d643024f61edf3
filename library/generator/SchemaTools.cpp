#include "generator/SchemaTools.h"

#include <unordered_set>

#include "generator/XMLTools.h"
#include "model/ODBCTable.h"
#include "model/ODBCTools.h"
#include "settings/Config.h"

namespace orvane {

std::string DtdColumnList(const std::vector<std::string>& names) {
    std::string list;
    for (std::size_t j = 1; j <= names.size(); ++j) {
        if (j != 1) {
            list += ",";
            if (j % 5 == 0) list += "\r\n" + Indent(2);
        }
        list += names[j - 1];
    }
    return list;
}

XmlDocumentNames DistinctDocumentNames(const std::string& root, const std::string& row,
                                       const std::vector<std::string>& columns) {
    XmlDocumentNames names{XmlName(root), XmlName(row), {}};
    names.columns.reserve(columns.size());
    std::unordered_set<std::string> own{names.root, names.row};
    for (const std::string& column : columns) own.insert(XmlName(column));
    std::unordered_set<std::string> taken{names.root, names.row};
    for (const std::string& column : columns) {
        const std::string name = XmlName(column);
        std::string unique = name;
        for (int n = 2; taken.count(unique) != 0 || (unique != name && own.count(unique) != 0);
             ++n) {
            unique = name + "_" + std::to_string(n);
        }
        taken.insert(unique);
        names.columns.push_back(unique);
    }
    return names;
}

XmlDocumentNames DocumentNames(const ODBCTable& table, const Config& config, int columnScreen,
                               int rowScreen, int rootScreen) {
    std::vector<std::string> columns;
    columns.reserve(table.Fields().Count());
    const int columnRule = config.IsUppercase(columnScreen);
    for (const auto& [key, field] : table.Fields())
        columns.push_back(field.FieldNameEx(columnRule));
    return DistinctDocumentNames(
        FixName(table.Alias(), config.IsUppercase(XML_CODE)) + config.Suffix(rootScreen),
        FixName(table.Alias(), config.IsUppercase(rowScreen)), columns);
}

}  // namespace orvane
