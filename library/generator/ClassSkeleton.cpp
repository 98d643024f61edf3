#include "generator/ClassSkeleton.h"

#include <unordered_map>

#include "core/Host.h"
#include "core/KeyedCollection.h"
#include "data/SqlNames.h"
#include "generator/Generator.h"
#include "generator/XMLTools.h"
#include "model/ODBCTable.h"
#include "model/ODBCTools.h"
#include "settings/Config.h"
#include "templates/Templates.h"

namespace orvane {

namespace {
constexpr std::size_t kColumnLoopEntries = 7;
}  // namespace

const FilledText& ClassContext::Text(const std::string& name) const {
    static const FilledText empty;
    auto it = texts.find(name);
    return it == texts.end() ? empty : it->second;
}

std::string JavaLoadLine(const std::string& member, const std::string& column, int typeCode) {
    const std::string indent(16, ' ');
    switch (ClassOf(typeCode)) {
        case TypeClass::Numeric:
            return indent + member + " = new Double(rs.getDouble(\"" + column + "\"));";
        case TypeClass::Date:
            return indent + member + " = rs.getDate(\"" + column + "\");";
        case TypeClass::Text:
            break;
    }
    return indent + member + "=rs.getString(\"" + column + "\");";
}

std::string AddParameterCall(const std::string& column, int typeCode) {
    const char* dbType = "DbType.String";
    switch (ClassOf(typeCode)) {
        case TypeClass::Numeric:
            dbType = "DbType.Double";
            break;
        case TypeClass::Date:
            dbType = "DbType.Date";
            break;
        case TypeClass::Text:
            break;
    }
    return "addParameter(da.SelectCommand, \"@" + column + "\"," + dbType + ", \"" + column + "\")";
}

ClassSkeleton::ClassSkeleton(Generator& generator, const ClassLanguage& language)
    : generator_(generator), language_(language) {}

ClassColumn ClassSkeleton::MakeColumn(const ODBCField& field, const ColumnCodeNames& names,
                                      const std::string& xmlName) const {
    Config& config = generator_.RequireConfig();
    const auto literal = language_.names->literal;
    ClassColumn column;
    column.field = &field;
    column.typeCode = field.ODBCType();
    column.codeBase = names.codeBase;
    column.code = names.code;
    column.codeMember = names.codeMember;
    column.member = names.member;
    column.keyMember = names.member + language_.keySuffix;
    column.type = language_.type(field);
    const std::string code = field.FieldNameEx(config.IsUppercase(language_.screen));
    column.codeText = literal(code);
    // Names the class's statements use stay one column name whatever they hold.
    column.codeSqlText = literal(data::QuoteName(code, data::NameQuoting::Script()));
    column.xmlText = literal(xmlName);
    column.sqlText = literal(data::QuoteName(field.FieldNameEx(config.IsUppercase(SQL_CODE)),
                                             data::NameQuoting::Script()));
    column.rawText = literal(field.FieldName());
    column.sqlNameText = literal(field.FieldNameSQL());
    return column;
}

void ClassSkeleton::Append(FilledText& text, const ClassLanguage::Fragment& fragment,
                           const ClassColumn& column, int position) {
    text += position == 1 ? fragment.firstStart : fragment.separator;
    text += fragment.piece(column, position);
}

std::string ClassSkeleton::Run() {
    const ODBCTable& table = generator_.RequireTable();
    Config& config = generator_.RequireConfig();
    const std::int16_t rule = config.IsUppercase(language_.screen);
    ::orvane::Template& templates = generator_.Template();

    CodeNames names(*language_.names);
    ClassContext context{generator_,
                         table,
                         config,
                         names.ClassName(table.Alias() + config.Suffix(language_.screen)),
                         language_.names->literal,
                         DocumentNames(table, config, XML_CODE, XML_CODE, XML_CODE),
                         {}};
    for (const auto& [text, start] : language_.startValues) context.texts[text] = start;

    ResetTemplateParams(kColumnLoopEntries);
    for (const ClassLanguage::Entry& entry : language_.classLevelEntries) {
        SetTemplateParam(entry.index, entry.name, entry.value(context));
    }

    // Every column's names are settled first, in column order, so that a key column gets the
    // same names in the key loop and an earlier column keeps its name in a clash.
    std::vector<ClassColumn> columns;
    std::unordered_map<std::string, std::size_t> byName;
    columns.reserve(table.Fields().Count());
    for (const auto& [key, field] : table.Fields()) {
        byName.emplace(FoldKey(field.FieldName()), columns.size());
        columns.push_back(MakeColumn(field,
                                     names.Column(field.FieldNameEx(rule), field.FieldNameEx(3),
                                                  language_.memberPrefix(field.ODBCType())),
                                     context.xmlNames.columns[columns.size()]));
    }

    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ClassColumn& column = columns[i];
        SetTemplateParam(3, "FIELD_NAME", column.code);
        SetTemplateParam(4, "FIELD_TYPE", column.type);
        SetTemplateParam(5, language_.memberEntry, column.member);
        if (language_.namesXmlType) SetTemplateParam(6, "FIELD_XML_TYPE", column.field->XsdType());
        // Filled but not flattened: what the template left open is filled by the class template.
        context.texts["properties"] +=
            templates.FillTemplate(language_.propertiesTemplate) + "\r\n";
        for (const ClassLanguage::Fragment& fragment : language_.columnFragments) {
            Append(context.texts[fragment.text], fragment, column, static_cast<int>(i) + 1);
        }
        if (!generator_.isActive()) break;
        Host::DoEvents();
    }

    int position = 0;
    for (const auto& [key, field] : table.PKs()) {
        ++position;
        auto found = byName.find(FoldKey(field.FieldName()));
        // A key column outside the selected columns still gets legal names of its own.
        CodeNames own(*language_.names);
        const ClassColumn column =
            found != byName.end()
                ? columns[found->second]
                : MakeColumn(field,
                             own.Column(field.FieldNameEx(rule), field.FieldNameEx(3),
                                        language_.memberPrefix(field.ODBCType())),
                             XmlName(field.FieldNameEx(config.IsUppercase(XML_CODE))));
        for (const ClassLanguage::Fragment& fragment : language_.keyFragments) {
            Append(context.texts[fragment.text], fragment, column, position);
        }
    }
    for (const auto& [text, tail] : language_.afterKeys) context.texts[text] += tail;

    ExtendTemplateParams(language_.classEntries);
    for (const ClassLanguage::Entry& entry : language_.classTemplateEntries) {
        SetTemplateParam(entry.index, entry.name, entry.value(context));
    }
    return templates.FillTemplate(language_.classTemplate).Text();
}

std::vector<ClassLanguage::Entry> DotNetClassTemplateEntries() {
    auto text = [](const char* name) {
        return [name](const ClassContext& c) { return c.Text(name); };
    };
    return {
        {5, "COPIRIGHT", [](const ClassContext& c) { return c.Literal(CreatedByText()); }},
        {6, "INIT_ADD_PARAMETERS", text("parameterDeclarations")},
        {7, "INIT_SET_PARAMETERS", text("keyCondition")},
        {8, "PROPERTIES", [](const ClassContext& c) { return "\r\n" + c.Text("properties"); }},
        {9, "PROPERTY", [](const ClassContext&) { return std::string(); }},
        {10, "PK_PARAMETERS", text("keyParameters")},
        {11, "PK_CONDITION", text("keyCondition")},
        {12, "LOAD_FIELD_ASSIGN", text("load")},
        {13, "CLASS_NAME", [](const ClassContext& c) { return c.className; }},
        XmlRootEntry(14),
        {15, "DSN_NAME",
         [](const ClassContext& c) {
             return c.Literal(c.config.ConnectionManager()->sSelectedDSN);
         }},
        {16, "OBJECT2DS", text("objectToRow")},
        {17, "LOAD_SET_PARAMETERS", text("parameterValues")},
        {18, "DS2OBJECT", text("populate")},
        XmlRowEntry(19),
        {20, "XML_NAMES", text("xmlNames")},
    };
}

ClassLanguage::Fragment DotNetXmlNamesFragment() {
    return {"xmlNames", ", ", "", [](const ClassColumn& c, int) {
                return "\"" + c.rawText + "\", \"" + c.xmlText + "\"";
            }};
}

ClassLanguage::Entry XmlRootEntry(std::size_t index) {
    return {index, "XML_ROOT", [](const ClassContext& c) { return c.Literal(c.xmlNames.root); }};
}

ClassLanguage::Entry XmlRowEntry(std::size_t index) {
    return {index, "XML_ALIAS_NAME",
            [](const ClassContext& c) { return c.Literal(c.xmlNames.row); }};
}

}  // namespace orvane
