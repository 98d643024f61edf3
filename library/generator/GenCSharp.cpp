#include "generator/ClassSkeleton.h"
#include "generator/Generator.h"
#include "model/CodeLiterals.h"
#include "model/ODBCField.h"
#include "model/ODBCTable.h"
#include "model/ODBCTools.h"
#include "settings/Config.h"
#include "templates/Templates.h"

namespace orvane {

namespace {

const std::string kCrLf = "\r\n";
const std::string kTab3 = "\t\t\t";
const std::string kTab4 = "\t\t\t\t";

// The statement that copies the data row's column into its member.
std::string CSharpPopulateLine(const std::string& member, const std::string& column,
                               const std::string& type) {
    if (type == "String") return member + " = row[\"" + column + "\"].ToString();";
    if (type == "object") {
        return member + " = (row.IsNull(\"" + column +
               "\") ? Convert.DBNull : DateTime.Parse(row[\"" + column + "\"].ToString()));";
    }
    return member + " = (row.IsNull(\"" + column + "\") ? 0 :" + type + ".Parse(row[\"" + column +
           "\"].ToString()));";
}

std::string CSharpSetParameterLine(const std::string& keyMember, int k) {
    return "((IDataParameter)(da.SelectCommand.Parameters[" + std::to_string(k - 1) +
           "])).Value= " + keyMember + ";";
}

std::string CSharpType(const ODBCField& field) { return field.CSharpType(); }

const IdentifierRules& CSharpNames() {
    static const IdentifierRules rules = [] {
        IdentifierRules r;
        r.leadingPrefix = "_";
        r.membersAvoidClassName = true;
        r.literal = &CSharpLiteral;
        r.typeNames = {
            "abstract",
            "as",
            "base",
            "bool",
            "break",
            "byte",
            "case",
            "catch",
            "char",
            "checked",
            "class",
            "const",
            "continue",
            "decimal",
            "default",
            "delegate",
            "do",
            "double",
            "else",
            "enum",
            "event",
            "explicit",
            "extern",
            "false",
            "finally",
            "fixed",
            "float",
            "for",
            "foreach",
            "goto",
            "if",
            "implicit",
            "in",
            "int",
            "interface",
            "internal",
            "is",
            "lock",
            "long",
            "namespace",
            "new",
            "null",
            "object",
            "operator",
            "out",
            "override",
            "params",
            "private",
            "protected",
            "public",
            "readonly",
            "ref",
            "return",
            "sbyte",
            "sealed",
            "short",
            "sizeof",
            "stackalloc",
            "static",
            "string",
            "struct",
            "switch",
            "this",
            "throw",
            "true",
            "try",
            "typeof",
            "uint",
            "ulong",
            "unchecked",
            "unsafe",
            "ushort",
            "using",
            "virtual",
            "void",
            "volatile",
            "while",
            "__arglist",
            "__makeref",
            "__reftype",
            "__refvalue",
            // Types the C# fragments name unqualified besides the .NET template's own.
            "String",
            "Double",
        };
        AddDotNetTemplateNames(r);
        return r;
    }();
    return rules;
}

const ClassLanguage& CSharpLanguage() {
    static const ClassLanguage language = [] {
        ClassLanguage l;
        l.screen = CSHARP_CODE;
        l.propertiesTemplate = "\\templates\\csharp\\properties.tpl";
        l.classTemplate = "\\templates\\csharp\\methods.tpl";
        l.classEntries = 21;
        l.memberEntry = "CSHARP_FIELD_NAME";
        l.namesXmlType = true;
        l.names = &CSharpNames();
        l.memberPrefix = &JavaNamePrefix;
        l.keySuffix = "_PK";
        l.type = &CSharpType;
        l.columnFragments = {
            {"load", "", "",
             [](const ClassColumn& c, int) {
                 return kCrLf + JavaLoadLine(c.codeMember, c.codeText, c.typeCode);
             }},
            {"populate", "", "",
             [](const ClassColumn& c, int) {
                 return kCrLf + kTab3 + CSharpPopulateLine(c.member, c.rawText, c.type);
             }},
            {"objectToRow", "", "",
             [](const ClassColumn& c, int) {
                 return kCrLf + kTab3 + "row[\"" + c.rawText + "\"]=" + c.member + ";";
             }},
            DotNetXmlNamesFragment(),
        };
        l.keyFragments = {
            {"keyParameters", ",", "",
             [](const ClassColumn& c, int) { return c.type + " " + c.keyMember; }},
            {"keyCondition", " and ", "",
             [](const ClassColumn& c, int) { return c.sqlNameText + " = ? "; }},
            {"parameterValues", "", "",
             [](const ClassColumn& c, int k) {
                 return kCrLf + kTab4 + CSharpSetParameterLine(c.keyMember, k);
             }},
            {"parameterDeclarations", "", "",
             [](const ClassColumn& c, int) {
                 return kCrLf + kTab3 + AddParameterCall(c.rawText, c.typeCode) + ";";
             }},
        };
        l.classLevelEntries = {
            {0, "TABLE_NAME", [](const ClassContext& c) { return c.Literal(c.table.Name()); }},
            {1, "ALIAS_NAME", [](const ClassContext& c) { return c.Literal(c.table.Alias()); }},
            {2, "CONNECT_STRING",
             [](const ClassContext& c) {
                 // Already code: the quoted argument list the connection dialog composes.
                 return c.config.ConnectionManager()->sCSharpConnect;
             }},
        };
        l.classTemplateEntries = DotNetClassTemplateEntries();
        return l;
    }();
    return language;
}

}  // namespace

std::string Generator::GenCSharp() { return ClassSkeleton(*this, CSharpLanguage()).Run(); }

}  // namespace orvane
