#include "generator/CodeNames.h"

#include "core/KeyedCollection.h"
#include "core/Utf8.h"

namespace orvane {

namespace {

bool IsAsciiIdentifierChar(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Letters that Java, C# and VB accept in identifiers alike: Latin, Greek, basic Cyrillic and
// the CJK ideographs. Other characters are not worth the risk of a name that fails to compile.
bool IsLetterCodePoint(char32_t cp) {
    return (cp >= 0xC0 && cp <= 0xD6) || (cp >= 0xD8 && cp <= 0xF6) ||
           (cp >= 0xF8 && cp <= 0x24F) || (cp >= 0x391 && cp <= 0x3A1) ||
           (cp >= 0x3A3 && cp <= 0x3C9) || cp == 0x401 || (cp >= 0x410 && cp <= 0x44F) ||
           cp == 0x451 || (cp >= 0x4E00 && cp <= 0x9FFF);
}

bool StartsWithDigit(const std::string& name) {
    return !name.empty() && name.front() >= '0' && name.front() <= '9';
}

}  // namespace

CodeNames::CodeNames(const IdentifierRules& rules) : rules_(rules) {
    for (const std::string& name : rules_.reserved) taken_.insert(Fold(name));
    for (const std::string& name : rules_.typeNames) typeNames_.insert(Fold(name));
}

std::string CodeNames::LegalCharacters(const std::string& name, bool dollarInNames) {
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c < 0x80) {
            out += (IsAsciiIdentifierChar(c) || (dollarInNames && c == '$')) ? name[i] : '_';
            ++i;
            continue;
        }
        unsigned cp = 0;
        const std::size_t length = DecodeUtf8(name, i, cp);
        if (length != 0 && IsLetterCodePoint(cp)) {
            out.append(name, i, length);
            i += length;
        } else {
            out += '_';
            i += length == 0 ? 1 : length;
        }
    }
    return out;
}

std::string CodeNames::Fold(const std::string& name) const {
    return rules_.caseInsensitive ? FoldKey(name) : name;
}

std::string CodeNames::Standalone(const std::string& name) const {
    return (name.empty() || StartsWithDigit(name)) ? rules_.leadingPrefix + name : name;
}

bool CodeNames::Taken(const std::string& name) const { return taken_.count(Fold(name)) != 0; }

void CodeNames::Claim(const std::string& name) { taken_.insert(Fold(name)); }

std::string CodeNames::ClassName(const std::string& name) {
    std::string result = Standalone(LegalCharacters(name, rules_.dollarInNames));
    while (typeNames_.count(Fold(result)) != 0 || taken_.count(Fold(result)) != 0) result += '_';
    if (rules_.membersAvoidClassName) Claim(result);
    return result;
}

ColumnCodeNames CodeNames::Column(const std::string& codeName, const std::string& memberBase,
                                  const std::string& memberPrefix) {
    const std::string code = LegalCharacters(codeName, rules_.dollarInNames);
    const std::string base = LegalCharacters(memberBase, rules_.dollarInNames);
    for (int attempt = 0;; ++attempt) {
        const std::string tail =
            attempt == 0 ? "" : (attempt == 1 ? "_" : "_" + std::to_string(attempt));
        ColumnCodeNames names;
        names.codeBase = code + tail;
        names.code = rules_.codeNameStandsAlone ? Standalone(names.codeBase) : names.codeBase;
        names.codeMember = memberPrefix + names.codeBase;
        names.member = memberPrefix + base + tail;
        std::vector<std::string> claims{names.member};
        for (const std::string& accessor : rules_.accessorPrefixes) {
            claims.push_back(accessor + names.code);
        }
        bool free = true;
        for (const std::string& claim : claims) free = free && !Taken(claim);
        if (!free) continue;
        for (const std::string& claim : claims) Claim(claim);
        return names;
    }
}

void AddDotNetTemplateNames(IdentifierRules& rules) {
    for (const char* type :
         {"System", "Convert", "DateTime", "DBNull", "DbType", "IDataParameter", "IDbDataParameter",
          "IDbCommand", "DataSet", "DataTable", "DataRow", "SchemaType", "XmlReadMode",
          "OdbcConnection", "OdbcDataAdapter", "OdbcCommandBuilder", "ArgumentException",
          "InvalidOperationException"}) {
        rules.typeNames.emplace_back(type);
    }
    rules.reserved = rules.typeNames;
    for (const char* name :
         {"ConnectString", "SelectByKey", "connection", "da", "ds", "Load", "Insert", "Update",
          "Schema", "Save", "GetXml", "SetXml", "addParameter", "XmlNames", "XmlTable",
          "RenameXmlColumns", "XmlColumnName"}) {
        rules.reserved.emplace_back(name);
    }
}

}  // namespace orvane
