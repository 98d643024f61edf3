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
    const std::int16_t rule = config.IsUppercase(DTD_CODE);

    ResetTemplateParams(7);
    FilledText elements;
    std::vector<std::string> names;
    const std::size_t count = table.Fields().Count();
    for (std::size_t j = 1; j <= count; ++j) {
        names.push_back(XmlName(table.Fields().Item(j).FieldNameEx(rule)));
        SetTemplateParam(0, "FIELD_NAME", names.back());
        elements += template_.FillTemplate("\\templates\\dtd\\element.tpl") + "\r\n";
    }

    SetTemplateParam(
        0, "XML_ROOT",
        SchemaRootName(table.Alias(), config.Suffix(DTD_CODE), config.IsUppercase(XML_CODE)));
    SetTemplateParam(1, "COMMENTS", CommentHeader("DTD "));
    SetTemplateParam(2, "TABLE_NAME", XmlCommentText(FixFieldName(table.Name(), DTD_CODE)));
    SetTemplateParam(3, "ALIAS_NAME", XmlName(FixFieldName(table.Alias(), DTD_CODE)));
    SetTemplateParam(4, "FIELDS", DtdColumnList(names));
    SetTemplateParam(5, "ELEMENTS", std::move(elements));
    return template_.FillTemplate("\\templates\\dtd\\dtd.tpl").Text();
}

}  // namespace orvane
