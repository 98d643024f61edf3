#include "generator/SchemaTools.h"

#include "generator/XMLTools.h"
#include "model/ODBCTools.h"

namespace orvane {

std::string SchemaRootName(const std::string& alias, const std::string& suffix,
                           int documentCaseRule) {
    return XmlName(FixName(alias, documentCaseRule) + suffix);
}

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

}  // namespace orvane
