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

// The statements that copy the data row's column into its member, each line indented by
// indent.
std::string VbNetPopulateLines(const std::string& member, const std::string& column,
                               const std::string& type, const std::string& indent) {
    if (type == "String") return indent + member + " = row(\"" + column + "\").ToString()";
    const std::string test = indent + "If row.IsNull(\"" + column + "\") Then" + kCrLf;
    const std::string parse = "(row(\"" + column + "\").ToString())";
    if (type == "object") {
        return test + indent + "\t" + member + " = Convert.DBNull  " + kCrLf + indent + "Else" +
               kCrLf + indent + "\t" + member + " = DateTime.Parse" + parse + kCrLf + indent +
               "End If";
    }
    return test + indent + "\t" + member + " = 0 " + kCrLf + indent + "Else" + kCrLf + indent +
           "\t" + member + " = [" + type + "].Parse" + parse + kCrLf + indent + "End If";
}

std::string VbNetSetParameterLine(const std::string& keyMember, int k) {
    return "CType(da.SelectCommand.Parameters(" + std::to_string(k - 1) +
           "), IDataParameter).Value = " + keyMember;
}

std::string VbNetType(const ODBCField& field) { return field.VbNetType(); }

const IdentifierRules& VbNetNames() {
    static const IdentifierRules rules = [] {
        IdentifierRules r;
        r.caseInsensitive = true;
        r.leadingPrefix = "F_";
        r.literal = &VbLiteral;
        r.typeNames = {
            "AddHandler",
            "AddressOf",
            "Alias",
            "And",
            "AndAlso",
            "As",
            "Boolean",
            "ByRef",
            "Byte",
            "ByVal",
            "Call",
            "Case",
            "Catch",
            "CBool",
            "CByte",
            "CChar",
            "CDate",
            "CDbl",
            "CDec",
            "Char",
            "CInt",
            "Class",
            "CLng",
            "CObj",
            "Const",
            "Continue",
            "CSByte",
            "CShort",
            "CSng",
            "CStr",
            "CType",
            "CUInt",
            "CULng",
            "CUShort",
            "Date",
            "Decimal",
            "Declare",
            "Default",
            "Delegate",
            "Dim",
            "DirectCast",
            "Do",
            "Double",
            "Each",
            "Else",
            "ElseIf",
            "End",
            "EndIf",
            "Enum",
            "Erase",
            "Error",
            "Event",
            "Exit",
            "False",
            "Finally",
            "For",
            "Friend",
            "Function",
            "Get",
            "GetType",
            "GetXMLNamespace",
            "Global",
            "GoSub",
            "GoTo",
            "Handles",
            "If",
            "Implements",
            "Imports",
            "In",
            "Inherits",
            "Integer",
            "Interface",
            "Is",
            "IsNot",
            "Let",
            "Lib",
            "Like",
            "Long",
            "Loop",
            "Me",
            "Mod",
            "Module",
            "MustInherit",
            "MustOverride",
            "MyBase",
            "MyClass",
            "Namespace",
            "Narrowing",
            "New",
            "Next",
            "Not",
            "Nothing",
            "NotInheritable",
            "NotOverridable",
            "Object",
            "Of",
            "On",
            "Operator",
            "Option",
            "Optional",
            "Or",
            "OrElse",
            "Out",
            "Overloads",
            "Overridable",
            "Overrides",
            "ParamArray",
            "Partial",
            "Private",
            "Property",
            "Protected",
            "Public",
            "RaiseEvent",
            "ReadOnly",
            "ReDim",
            "REM",
            "RemoveHandler",
            "Resume",
            "Return",
            "SByte",
            "Select",
            "Set",
            "Shadows",
            "Shared",
            "Short",
            "Single",
            "Static",
            "Step",
            "Stop",
            "String",
            "Structure",
            "Sub",
            "SyncLock",
            "Then",
            "Throw",
            "To",
            "True",
            "Try",
            "TryCast",
            "TypeOf",
            "UInteger",
            "ULong",
            "UShort",
            "Using",
            "Variant",
            "Wend",
            "When",
            "While",
            "Widening",
            "With",
            "WithEvents",
            "WriteOnly",
            "Xor",
        };
        AddDotNetTemplateNames(r);
        return r;
    }();
    return rules;
}

const ClassLanguage& VbNetLanguage() {
    static const ClassLanguage language = [] {
        ClassLanguage l;
        l.screen = VBNET_CODE;
        l.propertiesTemplate = "\\templates\\vb.net\\properties.tpl";
        l.classTemplate = "\\templates\\vb.net\\methods.tpl";
        l.classEntries = 21;
        l.memberEntry = "VBNET_FIELD_NAME";
        l.namesXmlType = true;
        l.names = &VbNetNames();
        l.memberPrefix = &VbNamePrefix;
        l.keySuffix = "_PK";
        l.type = &VbNetType;
        l.columnFragments = {
            {"load", "", "",
             [](const ClassColumn& c, int) {
                 // Java syntax and Java member names, as in the bean of the same table.
                 return kCrLf + JavaLoadLine(JavaNamePrefix(c.typeCode) + c.codeBase, c.codeText,
                                             c.typeCode);
             }},
            {"populate", "", "",
             [](const ClassColumn& c, int) {
                 return kCrLf + VbNetPopulateLines(c.member, c.rawText, c.type, kTab3);
             }},
            {"objectToRow", "", "",
             [](const ClassColumn& c, int) {
                 return kTab3 + "row(\"" + c.rawText + "\") = " + c.member + kCrLf;
             }},
            DotNetXmlNamesFragment(),
        };
        l.keyFragments = {
            {"keyParameters", ",", "",
             [](const ClassColumn& c, int) { return c.keyMember + " As " + c.type; }},
            {"keyCondition", " and ", "",
             [](const ClassColumn& c, int) { return c.sqlNameText + " = ? "; }},
            {"parameterValues", "", "",
             [](const ClassColumn& c, int k) {
                 return kCrLf + kTab4 + VbNetSetParameterLine(c.keyMember, k);
             }},
            {"parameterDeclarations", "", "",
             [](const ClassColumn& c, int) {
                 return kCrLf + kTab3 + AddParameterCall(c.rawText, c.typeCode) + " ";
             }},
        };
        l.classLevelEntries = {
            {0, "TABLE_NAME", [](const ClassContext& c) { return c.Literal(c.table.Name()); }},
            {1, "ALIAS_NAME", [](const ClassContext& c) { return c.Literal(c.table.Alias()); }},
            {2, "CONNECT_STRING",
             [](const ClassContext& c) {
                 return c.Literal(c.config.ConnectionManager()->sADOConnect);
             }},
        };
        l.classTemplateEntries = DotNetClassTemplateEntries();
        return l;
    }();
    return language;
}

}  // namespace

std::string Generator::GenVbNet() { return ClassSkeleton(*this, VbNetLanguage()).Run(); }

}  // namespace orvane
