#include "generator/Generator.h"
#include "generator/SchemaTools.h"
#include "generator/XMLTools.h"
#include "model/ODBCTable.h"
#include "settings/Config.h"
#include "templates/Templates.h"

namespace orvane {

// Element names are the XML data document's (DocumentNames), so the schema names elements
// exactly as the document does. A column whose type does not take every text the document
// writes for it gets a union with those texts, from a template of its own.
std::string Generator::GenXSD() {
    const ODBCTable& table = RequireTable();
    const Config& config = RequireConfig();
    // The schema describes the XML screen's document, so its root takes that screen's suffix.
    const XmlDocumentNames names = DocumentNames(table, config, XSD_CODE, XSD_CODE, XML_CODE);

    ResetTemplateParams(7);
    FilledText elements;
    const std::size_t count = table.Fields().Count();
    for (std::size_t j = 1; j <= count; ++j) {
        const ODBCField& field = table.Fields().Item(j);
        const std::string otherTexts = XsdOtherTexts(field, 12);
        SetTemplateParam(0, "FIELD_NAME", names.columns[j - 1]);
        SetTemplateParam(1, "FIELD_TYPE", field.XsdType());
        SetTemplateParam(2, "MIN_OCCURS", MinOccurs(field));
        SetTemplateParam(3, "MAX_OCCURS", "1");
        SetTemplateParam(4, "RESTRICTIONS", XsdRestrictions(field, otherTexts.empty() ? 10 : 12));
        SetTemplateParam(5, "OTHER_TEXTS", otherTexts);
        elements +=
            template_.FillTemplate(otherTexts.empty() ? "\\templates\\xsd\\element.tpl"
                                                      : "\\templates\\xsd\\elementunion.tpl");
    }

    SetTemplateParam(0, "XML_ROOT", names.root);
    SetTemplateParam(1, "COMMENTS", CommentHeader("XSD schema "));
    SetTemplateParam(2, "TABLE_NAME", XmlCommentText(FixFieldName(table.Name(), XSD_CODE)));
    SetTemplateParam(3, "ALIAS_NAME", names.row);
    SetTemplateParam(4, "ELEMENTS", std::move(elements));
    SetTemplateParam(5, "", "");
    return template_.FillTemplate("\\templates\\xsd\\schema.tpl").Text();
}

}  // namespace orvane
