#include "model/ODBCTools.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "core/Utf8.h"
#include "model/ODBCField.h"

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
        case 4:
        case 14:
        case 131:
            return "float";
        case 5:
            return "double";
        case 2:
        case 3:
        case 16:
        case 17:
            return "int";
        case 20:
            return "long";
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
}  // namespace

std::string FixName(const std::string& name, int caseRule) {
    std::string s = Trim(name);
    std::replace(s.begin(), s.end(), '#', '_');
    std::replace(s.begin(), s.end(), ' ', '_');
    switch (caseRule) {
        case 0:
            return ToUpperUtf8(ToLowerUtf8(s), 1);
        case 1:
            return ToUpperUtf8(s);
        case 2:
            return ToLowerUtf8(s);
        case 3:
            return s;
        default:
            return "";
    }
}

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits from position at onward; returns how many there were.
std::size_t SkipDigits(std::string_view s, std::size_t& at) {
    const std::size_t from = at;
    while (at < s.size() && IsDigit(s[at])) ++at;
    return at - from;
}
}  // namespace

bool IsPlainNumber(std::string_view s) {
    std::size_t at = 0;
    if (at < s.size() && (s[at] == '+' || s[at] == '-')) ++at;
    std::size_t digits = SkipDigits(s, at);
    if (at < s.size() && s[at] == '.') {
        ++at;
        digits += SkipDigits(s, at);
    }
    if (digits == 0) return false;
    if (at < s.size() && (s[at] == 'e' || s[at] == 'E')) {
        ++at;
        if (at < s.size() && (s[at] == '+' || s[at] == '-')) ++at;
        if (SkipDigits(s, at) == 0) return false;
    }
    return at == s.size();
}

namespace {
// The number written by exactly n digits at s[at...], or -1.
int FixedNumber(std::string_view s, std::size_t at, std::size_t n) {
    if (at + n > s.size()) return -1;
    int value = 0;
    for (std::size_t k = at; k < at + n; ++k) {
        if (!IsDigit(s[k])) return -1;
        value = value * 10 + (s[k] - '0');
    }
    return value;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// "hh:mm[:ss[.fraction]]" from position at to the end of s.
bool IsIsoTime(std::string_view s, std::size_t at) {
    const int hour = FixedNumber(s, at, 2);
    const int minute = FixedNumber(s, at + 3, 2);
    if (minute < 0 || hour < 0 || hour > 23 || minute > 59 || s[at + 2] != ':') return false;
    at += 5;
    if (at == s.size()) return true;
    const int second = FixedNumber(s, at + 1, 2);
    if (s[at] != ':' || second < 0 || second > 59) return false;
    at += 3;
    if (at == s.size()) return true;
    if (s[at] != '.') return false;
    ++at;
    return SkipDigits(s, at) > 0 && at == s.size();
}

// The year of an ISO date "yyyy-mm-dd", optionally followed by " " or "T" and a time of day;
// -1 when the text is not such a date.
int IsoDateYear(std::string_view s) {
    const int year = FixedNumber(s, 0, 4);
    const int month = FixedNumber(s, 5, 2);
    const int day = FixedNumber(s, 8, 2);
    if (day < 0 || year < 0 || s[4] != '-' || s[7] != '-' || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        return -1;
    }
    if (s.size() == 10) return year;
    if ((s[10] != ' ' && s[10] != 'T') || !IsIsoTime(s, 11)) return -1;
    return year;
}

void AppendQuotedText(std::string& out, std::string_view value) {
    out += '\'';
    for (std::size_t from = 0;;) {
        const std::size_t quote = value.find('\'', from);
        if (quote == std::string_view::npos) {
            out.append(value.substr(from));
            break;
        }
        out.append(value.substr(from, quote + 1 - from));
        out += '\'';
        from = quote + 1;
    }
    out += '\'';
}
}  // namespace

void AppendSqlValue(std::string& out, std::string_view value, bool isNull, int typeCode) {
    if (isNull) {
        out += "NULL";
        return;
    }
    switch (ClassOf(typeCode)) {
        case TypeClass::Numeric:
            if (value.empty()) {
                out += '0';
            } else if (IsPlainNumber(value)) {
                out.append(value);
            } else {
                AppendQuotedText(out, value);
            }
            return;
        case TypeClass::Date:
            if (value.empty() || value == "NULL" || IsoDateYear(value) < 1900) {
                out += "NULL";
            } else {
                out += "{d'";
                out.append(value.substr(0, 10));
                out += "'}";
            }
            return;
        case TypeClass::Text:
            break;
    }
    AppendQuotedText(out, value);
}

std::string NullConstraint(const ODBCField& field) { return field.IsNull() ? "" : " NOT NULL"; }

}  // namespace orvane
