#include <vector>

#include "generator/Generator.h"
#include "generator/SchemaTools.h"
#include "generator/XMLTools.h"
#include "model/ODBCTable.h"
#include "settings/Config.h"
#include "templates/Templates.h"

namespace orvane {

std::string Generator::GenDTD() {
    const ODBCTable& table = RequireTable();
    const Config& config = RequireConfig();
    const XmlDocumentNames names = DocumentNames(table, config, DTD_CODE, DTD_CODE, DTD_CODE);

    ResetTemplateParams(7);
    FilledText elements;
    for (const std::string& name : names.columns) {
        SetTemplateParam(0, "FIELD_NAME", name);
        elements += template_.FillTemplate("\\templates\\dtd\\element.tpl") + "\r\n";
    }

    SetTemplateParam(0, "XML_ROOT", names.root);
    SetTemplateParam(1, "COMMENTS", CommentHeader("DTD "));
    SetTemplateParam(2, "TABLE_NAME", XmlCommentText(FixFieldName(table.Name(), DTD_CODE)));
    SetTemplateParam(3, "ALIAS_NAME", names.row);
    SetTemplateParam(4, "FIELDS", DtdColumnList(names.columns));
    SetTemplateParam(5, "ELEMENTS", std::move(elements));
    return template_.FillTemplate("\\templates\\dtd\\dtd.tpl").Text();
}

}  // namespace orvane
