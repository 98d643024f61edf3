#include "generator/Generator.h"
#include "generator/SchemaTools.h"
#include "generator/XMLTools.h"
#include "model/ODBCTable.h"
#include "settings/Config.h"
#include "templates/Templates.h"

namespace orvane {

// Element names go through XmlName so the schema names elements exactly as the XML data
// document does; a valid name is left as the name rules made it.
std::string Generator::GenXSD() {
    const ODBCTable& table = RequireTable();
    const Config& config = RequireConfig();
    const std::int16_t rule = config.IsUppercase(XSD_CODE);

    ResetTemplateParams(6);
    FilledText elements;
    const std::size_t count = table.Fields().Count();
    for (std::size_t j = 1; j <= count; ++j) {
        const ODBCField& field = table.Fields().Item(j);
        SetTemplateParam(0, "FIELD_NAME", XmlName(field.FieldNameEx(rule)));
        SetTemplateParam(1, "FIELD_TYPE", field.XsdType());
        SetTemplateParam(2, "MIN_OCCURS", MinOccurs(field));
        SetTemplateParam(3, "MAX_OCCURS", "1");
        SetTemplateParam(4, "RESTRICTIONS", XsdRestrictions(field));
        elements += template_.FillTemplate("\\templates\\xsd\\element.tpl");
    }

    // The schema describes the XML screen's document, so its root takes that screen's suffix.
    SetTemplateParam(
        0, "XML_ROOT",
        SchemaRootName(table.Alias(), config.Suffix(XML_CODE), config.IsUppercase(XML_CODE)));
    SetTemplateParam(1, "COMMENTS", CommentHeader("XSD schema "));
    SetTemplateParam(2, "TABLE_NAME", XmlCommentText(FixFieldName(table.Name(), XSD_CODE)));
    SetTemplateParam(3, "ALIAS_NAME", XmlName(FixFieldName(table.Alias(), XSD_CODE)));
    SetTemplateParam(4, "ELEMENTS", std::move(elements));
    return template_.FillTemplate("\\templates\\xsd\\schema.tpl").Text();
}

}  // namespace orvane
