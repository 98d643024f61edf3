#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace orvane {

// How a target language spells identifiers and string literals, as far as generated classes
// need it.
struct IdentifierRules {
    bool caseInsensitive = false;
    bool dollarInNames = false;
    // Put before a name that is empty or starts with a digit, where a name stands alone.
    std::string leadingPrefix;
    // False where a column's code name only ever follows accessor prefixes (Java's get/set),
    // so a leading digit needs no mending.
    bool codeNameStandsAlone = true;
    // The identifiers a column's code name yields in the class: prefix + code name each.
    std::vector<std::string> accessorPrefixes{""};
    // Member names must differ from the class's own name (C#).
    bool membersAvoidClassName = false;
    // Keywords and the class-level names of the class template: no column may take them.
    std::vector<std::string> reserved;
    // Names a class may not take: keywords and the types the class template names unqualified.
    std::vector<std::string> typeNames;
    // The text as the inside of a string literal of the language.
    std::string (*literal)(const std::string& text) = nullptr;
};

// Adds what the C# and VB.NET class templates share: the .NET types they name unqualified (a
// member of the same name would hide them inside the class) as type names, and those plus the
// templates' own class-level members as reserved names.
void AddDotNetTemplateNames(IdentifierRules& rules);

// The identifiers one column contributes to a generated class.
struct ColumnCodeNames {
    std::string codeBase;    // the code name with legal characters, before any leading prefix
    std::string code;        // the code name where it stands as an identifier
    std::string codeMember;  // member prefix + code name (the member the load lines assign)
    std::string member;      // the declared member
};

// Makes the names of one generated class legal identifiers and keeps them apart. A name that
// already compiles is left exactly as it is; a name that would not gets the smallest change:
// characters an identifier cannot hold become "_", a name that is empty or starts with a digit
// gets the language's leading prefix, and a name that a keyword, a member of the class template
// or an earlier column already holds gets "_", then "_2", "_3" ... appended. Each column's
// names move together, so every fragment of a column keeps referring to the same member.
class CodeNames {
  public:
    explicit CodeNames(const IdentifierRules& rules);

    // The class's name (the alias with its suffix).
    std::string ClassName(const std::string& name);
    // The names of the next column. codeName is the column's name under the screen's case
    // rule, memberBase under the unchanged rule, memberPrefix the type prefix of its member.
    ColumnCodeNames Column(const std::string& codeName, const std::string& memberBase,
                           const std::string& memberPrefix);

    // Every character an identifier cannot hold replaced by "_" (a multibyte letter counts as
    // one character).
    static std::string LegalCharacters(const std::string& name, bool dollarInNames);

  private:
    std::string Fold(const std::string& name) const;
    std::string Standalone(const std::string& name) const;
    bool Taken(const std::string& name) const;
    void Claim(const std::string& name);

    const IdentifierRules& rules_;
    std::unordered_set<std::string> taken_;
    std::unordered_set<std::string> typeNames_;
};

}  // namespace orvane
