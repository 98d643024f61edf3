#include "generator/Generator.h"
#include "generator/SchemaTools.h"
#include "generator/XMLTools.h"
#include "model/ODBCTable.h"
#include "settings/Config.h"
#include "templates/Templates.h"

namespace orvane {

std::string Generator::GenBiz() {
    const ODBCTable& table = RequireTable();
    const Config& config = RequireConfig();
    // Column names follow the W3C schema screen's case rule, so both schemas agree on them.
    const XmlDocumentNames names = DocumentNames(table, config, XSD_CODE, BIZ_CODE, BIZ_CODE);

    ResetTemplateParams(7);
    FilledText elements;
    FilledText elementTypes;
    const std::size_t count = table.Fields().Count();
    for (std::size_t j = 1; j <= count; ++j) {
        const ODBCField& field = table.Fields().Item(j);
        SetTemplateParam(0, "FIELD_NAME", names.columns[j - 1]);
        SetTemplateParam(1, "MIN_OCCURS", MinOccurs(field));
        SetTemplateParam(2, "MAX_OCCURS", "1");
        elements += template_.FillTemplate("\\templates\\biz\\element.tpl");

        SetTemplateParam(1, "FIELD_TYPE", field.XsdType());
        SetTemplateParam(2, "RESTRICTIONS", BizRestrictions(field));
        elementTypes += template_.FillTemplate("\\templates\\biz\\elementtype.tpl");
    }

    SetTemplateParam(0, "XML_ROOT", names.root);
    SetTemplateParam(1, "COMMENTS", CommentHeader("Biztalk schema "));
    SetTemplateParam(2, "TABLE_NAME", XmlCommentText(FixFieldName(table.Name(), BIZ_CODE)));
    SetTemplateParam(3, "ALIAS_NAME", names.row);
    SetTemplateParam(4, "ELEMENTS", std::move(elements));
    SetTemplateParam(5, "ELEMENT_TYPES", std::move(elementTypes));
    return template_.FillTemplate("\\templates\\biz\\schema.tpl").Text();
}

}  // namespace orvane
