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
const std::string kTab2 = "\t\t";

std::string JavaType(const ODBCField& field) { return field.JavaType(); }

const IdentifierRules& JavaNames() {
    static const IdentifierRules rules = [] {
        IdentifierRules r;
        r.dollarInNames = true;
        r.leadingPrefix = "_";
        // Code names only follow get and set, so a leading digit is harmless there.
        r.codeNameStandsAlone = false;
        r.accessorPrefixes = {"get", "set"};
        r.literal = &JavaLiteral;
        // Object.getClass is final: a getter of that name cannot be declared.
        r.reserved = {"getClass"};
        r.typeNames = {
            "abstract",
            "assert",
            "boolean",
            "break",
            "byte",
            "case",
            "catch",
            "char",
            "class",
            "const",
            "continue",
            "default",
            "do",
            "double",
            "else",
            "enum",
            "extends",
            "final",
            "finally",
            "float",
            "for",
            "goto",
            "if",
            "implements",
            "import",
            "instanceof",
            "int",
            "interface",
            "long",
            "native",
            "new",
            "package",
            "private",
            "protected",
            "public",
            "return",
            "short",
            "static",
            "strictfp",
            "super",
            "switch",
            "synchronized",
            "this",
            "throw",
            "throws",
            "transient",
            "try",
            "void",
            "volatile",
            "while",
            "true",
            "false",
            "null",
            "_",
            "var",
            "yield",
            "record",
            "sealed",
            "permits",
            // Types and packages the class template and the fragments name unqualified.
            "String",
            "Double",
            "Date",
            "Types",
            "Object",
            "Number",
            "Exception",
            "SQLException",
            "IllegalArgumentException",
            "Connection",
            "DriverManager",
            "Statement",
            "ResultSet",
            "java",
            "javax",
            "org",
        };
        return r;
    }();
    return rules;
}

const ClassLanguage& JavaLanguage() {
    static const ClassLanguage language = [] {
        ClassLanguage l;
        l.screen = JAVA_CODE;
        l.propertiesTemplate = "\\templates\\java\\properties.tpl";
        l.classTemplate = "\\templates\\java\\methods.tpl";
        l.classEntries = 19;
        l.memberEntry = "JAVA_FIELD_NAME";
        l.names = &JavaNames();
        l.memberPrefix = &JavaNamePrefix;
        l.keySuffix = "_PK";
        l.type = &JavaType;
        l.startValues = {{"update", kCrLf + kTab2 + "\"  "}, {"setXml", kCrLf}, {"getXml", kCrLf}};
        const std::string separator = kTab2 + "\" ,";
        l.columnFragments = {
            {"declarations", "", "",
             [](const ClassColumn& c, int) {
                 return kCrLf + "  private " + c.type + "    " + c.member + ";";
             }},
            {"insertNames", ",", "", [](const ClassColumn& c, int) { return c.codeSqlText; }},
            {"insertValues", separator, "",
             [](const ClassColumn& c, int) {
                 return "\"+ SqlString(" + c.member + "," + c.field->JavaSqlType() + " ) + " +
                        kCrLf;
             }},
            {"update", separator, "",
             [](const ClassColumn& c, int) {
                 return c.codeSqlText + " = \" + SqlString(" + c.member + "," +
                        c.field->JavaSqlType() + " ) + " + kCrLf;
             }},
            {"load", "", "",
             [](const ClassColumn& c, int) {
                 return kCrLf + JavaLoadLine(c.codeMember, c.codeText, c.typeCode);
             }},
            {"setXml", "", "",
             [](const ClassColumn& c, int) {
                 return "\t" + c.member + " = (" + MapJavaType(c.typeCode) +
                        ")getFirstNodeValue(firstElement,\"" + c.xmlText + "\"," +
                        MapJavaSqlType(c.typeCode) + ");" + kCrLf;
             }},
            {"getXml", "", "",
             [](const ClassColumn& c, int) {
                 return kTab2 + "addNode(doc,first,\"" + c.xmlText + "\"," + c.member + ");" +
                        kCrLf;
             }},
        };
        l.keyFragments = {
            {"keyParameters", ",", "",
             [](const ClassColumn& c, int) { return c.type + " " + c.keyMember; }},
            {"keyCondition", " + " + kCrLf + kTab2 + "\" and ", "",
             [](const ClassColumn& c, int) {
                 return c.sqlNameText + " = \" + SqlString(" + c.keyMember + "," +
                        c.field->JavaSqlType() + " ) ";
             }},
        };
        l.afterKeys = {{"keyCondition", ";"}};
        l.classLevelEntries = {
            {0, "TABLE_NAME", [](const ClassContext& c) { return c.Literal(c.table.Name()); }},
            {1, "ALIAS_NAME", [](const ClassContext& c) { return c.Literal(c.table.Alias()); }},
            {2, "CONNECT_STRING",
             [](const ClassContext& c) {
                 // Already code: the quoted argument list the connection dialog composes.
                 return c.config.ConnectionManager()->sJavaConnect;
             }},
        };
        auto text = [](const char* name) {
            return [name](const ClassContext& c) { return c.Text(name); };
        };
        l.classTemplateEntries = {
            {5, "COPIRIGHT", [](const ClassContext& c) { return c.Literal(CreatedByText()); }},
            {6, "INSERT_FIELD_VALUES", text("insertValues")},
            {7, "INSERT_FIELD_NAMES", text("insertNames")},
            {8, "PROPERTIES",
             [](const ClassContext& c) {
                 return c.Text("declarations") + kCrLf + c.Text("properties");
             }},
            {9, "UPDATE_FIELD_ASSIGN", text("update")},
            {10, "PK_PARAMETERS", text("keyParameters")},
            {11, "PK_CONDITION", text("keyCondition")},
            {12, "LOAD_FIELD_ASSIGN", text("load")},
            {13, "CLASS_NAME", [](const ClassContext& c) { return c.className; }},
            XmlRootEntry(14),
            {15, "SET_XML", text("setXml")},
            {16, "GET_XML", text("getXml")},
            XmlRowEntry(17),
        };
        return l;
    }();
    return language;
}

}  // namespace

std::string Generator::GenJava() { return ClassSkeleton(*this, JavaLanguage()).Run(); }

}  // namespace orvane
