#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "generator/CodeNames.h"
#include "generator/SchemaTools.h"
#include "templates/FilledText.h"

namespace orvane {

class Config;
class Generator;
class ODBCField;
class ODBCTable;

// One column (or key column) as the fragments of a class use it: identifiers already legal in
// the target language, names inside string literals already escaped for it.
struct ClassColumn {
    const ODBCField* field = nullptr;
    int typeCode = 0;
    std::string codeBase;     // the code name with legal characters, before a leading prefix
    std::string code;         // the code name as an identifier (FIELD_NAME)
    std::string codeMember;   // member prefix + code name
    std::string member;       // the declared member
    std::string keyMember;    // the member's name as a key parameter
    std::string type;         // the language's type name
    std::string codeText;     // the code name inside a string literal
    std::string codeSqlText;  // the code name as a column of the class's SQL (quoted if need be)
    std::string xmlText;      // the column's element name in the XML data document
    std::string sqlText;      // the SQL screen's name as a column of the class's SQL
    std::string rawText;      // the column's name as the data source reports it
    std::string sqlNameText;  // the column's name as written in SQL (bracketed when needed)
};

// What the class-level template entries are computed from.
struct ClassContext {
    Generator& generator;
    const ODBCTable& table;
    Config& config;
    std::string className;
    std::string (*literal)(const std::string&);
    // The element names of the XML data document, which the class reads and writes.
    XmlDocumentNames xmlNames;
    std::map<std::string, FilledText> texts;

    const FilledText& Text(const std::string& name) const;
    // A text inside a string literal of the language.
    std::string Literal(const std::string& text) const { return literal(text); }
};

// What one language puts on the skeleton: its screen, templates, names and fragments.
struct ClassLanguage {
    using Piece = std::function<std::string(const ClassColumn& column, int position)>;
    // Appended to a working text per column or key: the separator before every one but the
    // first, the start for the first one only, then the piece.
    struct Fragment {
        std::string text;
        std::string separator;
        std::string firstStart;
        Piece piece;
    };
    // One template parameter entry.
    struct Entry {
        std::size_t index;
        std::string name;
        std::function<FilledText(const ClassContext&)> value;
    };

    int screen = 0;
    std::string propertiesTemplate;
    std::string classTemplate;
    std::size_t classEntries = 18;
    std::string memberEntry;  // the properties template's member-name placeholder
    bool namesXmlType = false;
    const IdentifierRules* names = nullptr;
    std::string (*memberPrefix)(int typeCode) = nullptr;
    std::string keySuffix;  // key parameters: the member name + this
    std::string (*type)(const ODBCField& field) = nullptr;
    std::vector<std::pair<std::string, std::string>> startValues;
    std::vector<Fragment> columnFragments;
    std::vector<Fragment> keyFragments;
    std::vector<std::pair<std::string, std::string>> afterKeys;  // appended after the key loop
    std::vector<Entry> classLevelEntries;                        // entries 0 to 2
    std::vector<Entry> classTemplateEntries;
};

// The class-template entries 5 to 20 that the C# and VB.NET classes fill alike.
std::vector<ClassLanguage::Entry> DotNetClassTemplateEntries();
// The column fragment of the C# and VB.NET classes that pairs each column's name in the data
// source with its element name, as string literals: "a b", "a_b".
ClassLanguage::Fragment DotNetXmlNamesFragment();

// The entries naming the XML data document's root and row elements, as the inside of string
// literals.
ClassLanguage::Entry XmlRootEntry(std::size_t index);
ClassLanguage::Entry XmlRowEntry(std::size_t index);

// The one walk over a table that the four class generators share: per-column and per-key
// fragments collected into named texts, a properties template per column and a class template
// to finish.
class ClassSkeleton {
  public:
    ClassSkeleton(Generator& generator, const ClassLanguage& language);
    std::string Run();

  private:
    ClassColumn MakeColumn(const ODBCField& field, const ColumnCodeNames& names,
                           const std::string& xmlName) const;
    static void Append(FilledText& text, const ClassLanguage::Fragment& fragment,
                       const ClassColumn& column, int position);

    Generator& generator_;
    const ClassLanguage& language_;
};

// The JDBC line that copies a result-set column into its member (Java syntax, also carried by
// the C# and VB.NET classes). member is assigned, column read from rs.
std::string JavaLoadLine(const std::string& member, const std::string& column, int typeCode);

// The call that declares a key parameter of the data adapter's select (C# and VB.NET alike,
// without the statement's end).
std::string AddParameterCall(const std::string& column, int typeCode);

}  // namespace orvane
