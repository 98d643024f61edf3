#include <algorithm>
#include <string>
#include <vector>

#include "core/Host.h"
#include "core/OrvaneError.h"
#include "data/ColumnMeta.h"
#include "data/SqlNames.h"
#include "generator/Cache.h"
#include "generator/Generator.h"
#include "generator/XMLTools.h"
#include "model/ODBCTable.h"
#include "model/ODBCTools.h"
#include "settings/Config.h"
#include "templates/Templates.h"

namespace orvane {

namespace {
constexpr const char* kCrLf = "\r\n";

// The pieces of the script that are built from the columns alone (with the first row).
struct ColumnTexts {
    std::string create;
    std::string select;
    std::string sqlServerFields;
    std::string oracleFields;
};

// Element names stand inside string literals of the script (and a shell command of the SQL
// Server trigger): as valid XML names they hold no quote, blank or shell character.
void AddColumnTexts(ColumnTexts& texts, const ODBCField& f, bool first, int sqlRule, int xmlRule,
                    const std::string& oraChar) {
    const std::string name = f.FieldNameSQL();
    if (!first) {
        texts.create += std::string(",") + kCrLf + "\t";
        texts.select += std::string("||") + kCrLf + "\t";
    }
    texts.create += name + " " + f.DbType() + NullConstraint(f);

    const std::string sqlName = XmlName(f.FieldNameEx(static_cast<std::int16_t>(sqlRule)));
    texts.select += "'<" + sqlName + ">'||" + name + "||'</" + sqlName + ">'";

    const std::string xmlName = XmlName(f.FieldNameEx(static_cast<std::int16_t>(xmlRule)));
    texts.sqlServerFields += "^<" + xmlName + "^>'+convert(varchar(" +
                             std::to_string(f.FieldSize()) + "),isnull(" + name + ",''))+'^</" +
                             xmlName + "^>";
    texts.oracleFields += "  UTL_FILE.put(iFile_Handle,'<" + xmlName + ">'||" + oraChar + "||'</" +
                          xmlName + ">');" + kCrLf;
}

// A name or suffix as a plain SQL word: ASCII letters, digits and "_", everything else "_".
std::string ScriptWord(const std::string& text) {
    std::string word = text;
    for (char& c : word) {
        const bool keep =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!keep) c = '_';
    }
    return word;
}

// The triggers' name: valid unquoted in both dialects for any table name.
std::string TriggerName(const ODBCTable& table) {
    const auto parts = data::SplitFullName(table.Name());
    return "trg_" + ScriptWord(parts ? parts->back().name : table.TableName()) + "_xml";
}
}  // namespace

std::string Generator::ToOraChar(const ODBCField& field) const {
    const std::string s =
        ":new." + data::QuoteName(field.FieldName(), data::NameQuoting::DoubleQuotes());
    switch (field.ODBCType()) {
        case data::adSmallInt:
        case data::adInteger:
        case data::adDouble:
        case data::adDecimal:
        case data::adTinyInt:
        case data::adBigInt:
        case data::adNumeric:
            return "to_char(" + s + ")";
        case data::adDate:
        case data::adDBDate:
        case data::adDBTimeStamp:
            return "to_char(" + s + ",'mm/dd/yyyy')";
        default:
            return s;
    }
}

std::string Generator::GenSQL() {
    const ODBCTable& table = RequireTable();
    const Config& config = RequireConfig();
    // The trigger needs the key column; fail before any work rather than after it.
    if (table.PKs().Empty()) {
        throw OrvaneError("The SQL script needs a primary key column, and table " + table.Name() +
                          " has none marked");
    }
    const int sqlRule = config.IsUppercase(SQL_CODE);
    const int xmlRule = config.IsUppercase(XML_CODE);
    const auto& fields = table.Fields();
    const std::size_t columns = fields.Count();

    ColumnTexts texts;
    texts.create = "create table " + table.Name() + " (" + kCrLf + "\t";
    const std::string alias = XmlName(table.Alias());
    texts.select = std::string("select ") + kCrLf + "'<" + alias + ">'||" + kCrLf + "\t";

    // Every row names the same columns; only the values differ.
    std::string columnList = "(";
    std::vector<int> types;
    types.reserve(columns);
    for (std::size_t j = 1; j <= columns; ++j) {
        if (j != 1) columnList += ",";
        columnList += fields.Item(j).FieldNameSQL();
        types.push_back(fields.Item(j).ODBCType());
    }
    columnList += ") ";
    const std::string insertInto = "insert into " + table.Name();

    const std::size_t rows = table.MaxRows() > 0
                                 ? std::min<std::size_t>(static_cast<std::size_t>(table.MaxRows()),
                                                         table.Values().Count())
                                 : 0;
    // The statements go to a temporary file, not into a growing text; the file is deleted
    // when the cache goes out of scope, also when a row fails.
    std::string inserts;
    {
        Cache cache;
        std::string statement;
        for (std::size_t i = 1; i <= rows; ++i) {
            cache.WriteTofile(insertInto);
            const ODBCTable::Row& row = table.Values().Item(i);
            statement = columnList;
            statement += " values (";
            for (std::size_t j = 1; j <= columns; ++j) {
                if (j != 1) statement += ',';
                const ODBCField& cell = row.Item(j);
                statement += FormatSqlValue(cell.Value(), cell.ValueIsNull(), types[j - 1]);
                if (i == 1) {
                    const ODBCField& f = fields.Item(j);
                    AddColumnTexts(texts, f, j == 1, sqlRule, xmlRule, ToOraChar(f));
                }
            }
            statement += ") ";
            statement += kCrLf;
            statement += ";";
            statement += kCrLf;
            cache.WriteTofile(statement);
            if (!isActive()) break;
            Host::DoEvents();
            if (i % 100 == 0) RaiseNotify("Generated " + std::to_string(i) + " Insert statements.");
        }
        inserts = cache.GetFile();
    }

    ResetTemplateParams(7);
    SetTemplateParam(0, "TABLE_NAME", table.TableName());
    // Part of a file name inside string literals and a shell command.
    SetTemplateParam(1, "XML_SUFFIX", ScriptWord(config.Suffix(XML_CODE)));
    SetTemplateParam(2, "XML_FIELDS", texts.sqlServerFields);
    SetTemplateParam(3, "PK_NAME", table.PKs().Item(1).FieldNameSQL());
    SetTemplateParam(4, "ALIAS", alias);
    SetTemplateParam(5, "TRIGGER_NAME", TriggerName(table));
    const std::string sqlServer =
        Template().FillTemplate("\\templates\\sql\\sqlservertrigger.tpl").Text();

    SetTemplateParam(2, "XML_FIELDS", texts.oracleFields);
    SetTemplateParam(3, "LONG_TABLE_NAME", table.Name());
    const std::string oracle =
        Template().FillTemplate("\\templates\\sql\\oracletrigger.tpl").Text();

    texts.select +=
        std::string(kCrLf) + "||'</" + alias + ">'" + kCrLf + "from " + table.Name() + ";" + kCrLf;

    std::string result;
    result.reserve(texts.create.size() + sqlServer.size() + oracle.size() + texts.select.size() +
                   inserts.size() + 16);
    result += texts.create + kCrLf + ");" + kCrLf;
    result += sqlServer + kCrLf;
    result += oracle + kCrLf;
    result += texts.select + kCrLf;
    result += inserts;
    return result;
}

}  // namespace orvane
