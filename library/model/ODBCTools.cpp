#include "model/ODBCTools.h"

#include <algorithm>
#include <cctype>

namespace orvane {

TypeClass ClassOf(int typeCode) {
    switch (typeCode) {
        case 20:
        case 14:
        case 3:
        case 5:
        case 131:
            return TypeClass::Numeric;
        case 7:
        case 133:
        case 135:
            return TypeClass::Date;
        default:
            return TypeClass::Text;
    }
}

namespace {
std::string ByClass(int typeCode, const char* numeric, const char* date, const char* text) {
    switch (ClassOf(typeCode)) {
        case TypeClass::Numeric:
            return numeric;
        case TypeClass::Date:
            return date;
        case TypeClass::Text:
            break;
    }
    return text;
}
}  // namespace

std::string MapJavaType(int typeCode) { return ByClass(typeCode, "Double", "Date", "String"); }
std::string MapCSharpType(int typeCode) { return ByClass(typeCode, "Double", "object", "String"); }
std::string MapVbType(int typeCode) { return ByClass(typeCode, "Variant", "Date", "String"); }
std::string JavaNamePrefix(int typeCode) { return ByClass(typeCode, "i_", "d_", "s_"); }
std::string VbNamePrefix(int typeCode) { return ByClass(typeCode, "n", "d", "s"); }
std::string MapAdoType(int typeCode) {
    return ByClass(typeCode, "adDecimal", "adDate", "adVarChar");
}

std::string MapJavaSqlType(int typeCode) {
    switch (typeCode) {
        case 3:
            return "Types.INTEGER";
        case 5:
            return "Types.DOUBLE";
        case 7:
        case 133:
            return "Types.DATE";
        case 14:
            return "Types.DECIMAL ";
        case 20:
            return "Types.BIGINT";
        case 128:
            return "Types.BINARY";
        case 131:
            return "Types.NUMERIC ";
        case 134:
            return "Types.TIME";
        case 135:
            return "Types.TIMESTAMP";
        case 201:
            return "Types.LONGVARCHAR";
        default:
            return "Types.VARCHAR";
    }
}

std::string MapXsdType(int typeCode) {
    switch (typeCode) {
        case 5:
        case 14:
        case 131:
            return "float";
        case 2:
        case 3:
        case 20:
            return "int";
        case 7:
        case 133:
        case 135:
            return "date";
        case 128:
        case 204:
        case 205:
            return "base64Binary";
        default:
            return "string";
    }
}

std::string MapDbType(int typeCode, int precision, int numericScale, int definedSize) {
    auto ps = [&] { return std::to_string(precision) + "," + std::to_string(numericScale) + ")"; };
    switch (typeCode) {
        case 3:
            return "INTEGER";
        case 5:
            return "DOUBLE(" + ps();
        case 7:
        case 133:
        case 135:
            return "DATE";
        case 14:
            return "DECIMAL(" + ps();
        case 20:
            return "BIGINT";
        case 128:
            return "BINARY";
        case 131:
            return "NUMERIC(" + ps();
        case 134:
            return "TIME";
        case 201:
            return "LONGVARCHAR";
        default:
            return "VARCHAR(" + std::to_string(definedSize) + ")";
    }
}

namespace {
std::string Trim(const std::string& s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return "";
    std::size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}
char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

std::string FixName(const std::string& name, int caseRule) {
    std::string s = Trim(name);
    std::replace(s.begin(), s.end(), '#', '_');
    std::replace(s.begin(), s.end(), ' ', '_');
    switch (caseRule) {
        case 0:
            std::transform(s.begin(), s.end(), s.begin(), Lower);
            if (!s.empty()) s[0] = Upper(s[0]);
            return s;
        case 1:
            std::transform(s.begin(), s.end(), s.begin(), Upper);
            return s;
        case 2:
            std::transform(s.begin(), s.end(), s.begin(), Lower);
            return s;
        case 3:
            return s;
        default:
            return "";
    }
}

}  // namespace orvane
