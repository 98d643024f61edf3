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

// The guarded copy of a recordset column into its member; field is the name after objRS!.
std::string VbPopulateLine(const std::string& field, const std::string& member, int typeCode) {
    const char* test = "if(Not isNull(objRS!";
    switch (ClassOf(typeCode)) {
        case TypeClass::Numeric:
            test = "if(isNumeric(objRS!";
            break;
        case TypeClass::Date:
            test = "if(isDate(objRS!";
            break;
        case TypeClass::Text:
            break;
    }
    return "            " + std::string(test) + field + ")) Then " + member + "=objRS!" + field;
}

std::string VbCleanLine(const std::string& member, int typeCode) {
    switch (ClassOf(typeCode)) {
        case TypeClass::Numeric:
            return "    " + member + "=0";
        case TypeClass::Date:
            return "    " + member + "=Empty";
        case TypeClass::Text:
            break;
    }
    return "    " + member + "=\"\"";
}

std::string VbType(const ODBCField& field) { return field.VbType(); }

const IdentifierRules& VbNames() {
    static const IdentifierRules rules = [] {
        IdentifierRules r;
        r.caseInsensitive = true;
        r.leadingPrefix = "F_";
        r.literal = &VbLiteral;
        r.typeNames = {
            "And",        "As",       "Attribute", "Boolean",    "ByRef",    "Byte",     "ByVal",
            "Call",       "Case",     "Class",     "Close",      "Const",    "Currency", "Date",
            "Decimal",    "Declare",  "DefBool",   "DefByte",    "DefCur",   "DefDate",  "DefDbl",
            "DefDec",     "DefInt",   "DefLng",    "DefObj",     "DefSng",   "DefStr",   "DefVar",
            "Dim",        "Do",       "Double",    "Each",       "Else",     "ElseIf",   "Empty",
            "End",        "Enum",     "Eqv",       "Erase",      "Error",    "Event",    "Exit",
            "False",      "For",      "Friend",    "Function",   "Get",      "Global",   "GoSub",
            "GoTo",       "If",       "Imp",       "Implements", "In",       "Input",    "Integer",
            "Is",         "Let",      "Like",      "Line",       "Lock",     "Long",     "Loop",
            "LSet",       "Me",       "Mod",       "New",        "Next",     "Not",      "Nothing",
            "Null",       "Object",   "On",        "Open",       "Option",   "Optional", "Or",
            "ParamArray", "Preserve", "Print",     "Private",    "Property", "Public",   "Put",
            "RaiseEvent", "ReDim",    "Rem",       "Resume",     "Return",   "RSet",     "Seek",
            "Select",     "Set",      "Single",    "Spc",        "Static",   "Step",     "Stop",
            "String",     "Sub",      "Tab",       "Then",       "To",       "True",     "Type",
            "TypeOf",     "Unlock",   "Until",     "Variant",    "Wend",     "While",    "With",
            "WithEvents", "Write",    "Xor",       "ADODB",      "MSXML2",   "VBA",      "Err",
            "Debug",
        };
        r.reserved = r.typeNames;
        // The class template's own members and the library names its code calls unqualified.
        for (const char* name : {"objConn",
                                 "objRS",
                                 "ConnectText",
                                 "OpenConnection",
                                 "Class_Initialize",
                                 "Class_Terminate",
                                 "Clear",
                                 "Load",
                                 "ReadRecord",
                                 "Insert",
                                 "Update",
                                 "SqlString",
                                 "GetXML",
                                 "SetXML",
                                 "getNodeData",
                                 "appendNode",
                                 "RS",
                                 "vNewValue",
                                 "IsNull",
                                 "IsEmpty",
                                 "IsNumeric",
                                 "IsDate",
                                 "Trim",
                                 "Str",
                                 "Format",
                                 "Replace",
                                 "CStr",
                                 "vbObjectError",
                                 "adStateOpen",
                                 "adOpenForwardOnly",
                                 "adLockReadOnly",
                                 "adDecimal",
                                 "adDate",
                                 "adVarChar"}) {
            r.reserved.emplace_back(name);
        }
        return r;
    }();
    return rules;
}

const ClassLanguage& VbLanguage() {
    static const ClassLanguage language = [] {
        ClassLanguage l;
        l.screen = VB_CODE;
        l.propertiesTemplate = "\\templates\\vb\\properties.tpl";
        l.classTemplate = "\\templates\\vb\\methods.tpl";
        l.classEntries = 18;
        l.memberEntry = "PRIVATE_FIELD_NAME";
        l.names = &VbNames();
        l.memberPrefix = &VbNamePrefix;
        l.type = &VbType;
        const std::string separator = "       \" ,";
        l.columnFragments = {
            {"insertNames", ",", "", [](const ClassColumn& c, int) { return c.sqlText; }},
            {"insertValues", separator, "",
             [](const ClassColumn& c, int) {
                 return "\"+ SqlString(" + c.member + "," + MapAdoType(c.typeCode) + " ) + _" +
                        kCrLf;
             }},
            {"update", separator, "       \"  ",
             [](const ClassColumn& c, int) {
                 return c.codeSqlText + " = \" + SqlString(" + c.member + "," +
                        MapAdoType(c.typeCode) + " ) + _" + kCrLf;
             }},
            {"populate", "", "",
             [](const ClassColumn& c, int) {
                 return kCrLf + VbPopulateLine(c.code, c.codeMember, c.typeCode);
             }},
            {"clean", "", "",
             [](const ClassColumn& c, int) {
                 return VbCleanLine(c.codeMember, c.typeCode) + kCrLf;
             }},
            {"declarations", "", "",
             [](const ClassColumn& c, int) {
                 return "Private " + c.member + " As " + c.type + kCrLf;
             }},
            {"setXml", "", "",
             [](const ClassColumn& c, int) {
                 return kCrLf + "    " + c.member + " = getNodeData(objNode, \"" + c.xmlText +
                        "\")";
             }},
            {"getXml", "", "",
             [](const ClassColumn& c, int) {
                 return kCrLf + "    appendNode objRoot, \"" + c.xmlText + "\", " + c.member;
             }},
        };
        l.keyFragments = {
            {"keyParameters", ",", "",
             [](const ClassColumn& c, int) { return "ByVal " + c.keyMember + " As " + c.type; }},
            {"keyCondition", " + _" + kCrLf + "       \" and ", "",
             [](const ClassColumn& c, int) {
                 return c.sqlNameText + " = \" + SqlString(" + c.keyMember + "," +
                        MapAdoType(c.typeCode) + " )";
             }},
        };
        l.classLevelEntries = {
            {0, "CLASS_NAME", [](const ClassContext& c) { return c.className; }},
            {1, "COPIRIGHT", [](const ClassContext& c) { return c.Literal(CreatedByText()); }},
            {2, "TABLE_NAME", [](const ClassContext& c) { return c.Literal(c.table.Name()); }},
        };
        auto text = [](const char* name) {
            return [name](const ClassContext& c) { return c.Text(name); };
        };
        l.classTemplateEntries = {
            {3, "ALIAS_NAME", [](const ClassContext& c) { return c.Literal(c.table.Alias()); }},
            {4, "PROPERTIES",
             [](const ClassContext& c) {
                 return c.Text("declarations") + kCrLf + c.Text("properties") + kCrLf +
                        "Public Property Get RS() As ADODB.Recordset" + kCrLf +
                        "    Set RS = objRS" + kCrLf + "End Property" + kCrLf;
             }},
            {5, "CONNECT_STRING",
             [](const ClassContext& c) {
                 return c.Literal(c.config.ConnectionManager()->sADOConnect);
             }},
            {6, "INSERT_FIELD_VALUES", text("insertValues")},
            {7, "INSERT_FIELD_NAMES", text("insertNames")},
            {8, "UPDATE_FIELD_ASSIGN", text("update")},
            {9, "PK_PARAMETERS", text("keyParameters")},
            {10, "PK_CONDITION", text("keyCondition")},
            {11, "POPULATE_FIELD_ASSIGN", text("populate")},
            {12, "FIELD_CLEAN", text("clean")},
            XmlRootEntry(13),
            XmlRowEntry(14),
            {15, "SET_XML", text("setXml")},
            {16, "GET_XML", text("getXml")},
        };
        return l;
    }();
    return language;
}

}  // namespace

std::string Generator::GenVB() { return ClassSkeleton(*this, VbLanguage()).Run(); }

}  // namespace orvane
