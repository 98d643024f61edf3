#include <algorithm>
#include <string>
#include <vector>

#include "core/OrvaneError.h"
#include "data/ColumnMeta.h"
#include "data/SqlNames.h"
#include "generator/Cache.h"
#include "generator/Generator.h"
#include "generator/SqlDialect.h"
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

// One column of the SQL Server trigger's record: a piece of a T-SQL string expression whose
// angle brackets are escaped for the command shell.
std::string SqlServerField(const std::string& xmlName, const std::string& varcharSize,
                           const std::string& name) {
    return "^<" + xmlName + "^>'+convert(varchar(" + varcharSize + "),isnull(" + name +
           ",''))+'^</" + xmlName + "^>";
}

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
    texts.sqlServerFields += SqlServerField(xmlName, std::to_string(f.FieldSize()), name);
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

// The table's own name, without schema or quotes.
std::string OwnName(const ODBCTable& table) {
    const auto parts = data::SplitFullName(table.Name());
    return parts ? parts->back().name : table.TableName();
}

// The triggers' name: valid unquoted in both dialects for any table name.
std::string TriggerName(const ODBCTable& table) {
    return "trg_" + ScriptWord(OwnName(table)) + "_xml";
}

// The rows the INSERT statements are written for: the first MaxRows that were loaded.
std::size_t RowsToWrite(const ODBCTable& table, std::size_t loaded) {
    return table.MaxRows() > 0
               ? std::min<std::size_t>(static_cast<std::size_t>(table.MaxRows()), loaded)
               : 0;
}

// The SQL Server trigger of the classic script (entries 0 to 5 of the parameters).
std::string SqlServerTrigger(Generator& generator, const Config& config, const ODBCTable& table,
                             const std::string& tableName, const std::string& fields,
                             const std::string& keyName) {
    ResetTemplateParams(7);
    SetTemplateParam(0, "TABLE_NAME", tableName);
    // Part of a file name inside string literals and a shell command.
    SetTemplateParam(1, "XML_SUFFIX", ScriptWord(config.Suffix(XML_CODE)));
    SetTemplateParam(2, "XML_FIELDS", fields);
    SetTemplateParam(3, "PK_NAME", keyName);
    SetTemplateParam(4, "ALIAS", XmlName(table.Alias()));
    SetTemplateParam(5, "TRIGGER_NAME", TriggerName(table));
    return generator.Template().FillTemplate("\\templates\\sql\\sqlservertrigger.tpl").Text();
}

// The script in a database's own dialect: the table's selected columns with its key, the
// SQL Server trigger where the dialect keeps it, the XML select and one INSERT per row that
// came from the data source (made-up sample rows are no data to carry).
std::string DialectScript(Generator& generator, const Config& config, const ODBCTable& table,
                          const SqlDialect& dialect) {
    const int sqlRule = config.IsUppercase(SQL_CODE);
    const int xmlRule = config.IsUppercase(XML_CODE);
    ScriptTable script;
    script.name = OwnName(table);
    script.alias = XmlName(table.Alias());
    std::string triggerFields;
    for (std::size_t j = 1; j <= table.Fields().Count(); ++j) {
        const ODBCField& f = table.Fields().Item(j);
        script.columns.push_back(
            {f.FieldName(), XmlName(f.FieldNameEx(static_cast<std::int16_t>(sqlRule))),
             f.ODBCType(), f.FieldSize(), f.Precision(), f.NumericScale(), f.IsNull()});
        if (table.PKs().Contains(f.FieldName())) script.keys.push_back(f.FieldName());
        // varchar(max): a column's size in bytes is no length of its text.
        if (dialect.KeepsSqlServerTrigger()) {
            triggerFields +=
                SqlServerField(XmlName(f.FieldNameEx(static_cast<std::int16_t>(xmlRule))), "max",
                               dialect.Name(f.FieldName()));
        }
    }

    std::string text = dialect.Prologue() + "\r\n" + dialect.CreateTable(script) + "\r\n";
    if (dialect.KeepsSqlServerTrigger()) {
        text += SqlServerTrigger(generator, config, table, dialect.Name(script.name), triggerFields,
                                 dialect.Name(table.PKs().Item(1).FieldName()));
        text += "\r\n-- The Oracle trigger of the classic script is left out.\r\n\r\n";
    } else {
        text +=
            "-- The XML triggers of the classic script are left out: they are written for SQL "
            "Server and Oracle.\r\n\r\n";
    }
    text += dialect.XmlSelect(script) + "\r\n";

    const std::string start = dialect.InsertStart(script);
    const std::size_t rows = RowsToWrite(table, std::min(table.Values().Count(), table.DataRows()));
    text += dialect.BeginInserts();
    generator.ForEachRow(rows, "Insert statements", [&](std::size_t i) {
        const ODBCTable::Row row = table.Values().Item(i);
        text += start;
        for (std::size_t j = 1; j <= script.columns.size(); ++j) {
            if (j != 1) text += ',';
            dialect.AppendValue(text, row.Value(j), row.ValueIsNull(j), script.columns[j - 1].type);
        }
        text += SqlDialect::kInsertEnd;
    });
    return text + dialect.EndInserts();
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
    const SqlDialectId dialect = config.Screens().Item(std::to_string(SQL_CODE))->Dialect;
    if (dialect != SqlDialectId::Classic) {
        return DialectScript(*this, config, table, SqlDialect::For(dialect));
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

    const std::size_t rows = RowsToWrite(table, table.Values().Count());
    // The statements go to the cache, which moves them to a file when they grow large.
    Cache cache;
    // The values, an eighth more for quotes, and each statement's own text.
    const std::size_t values = table.Values().TextSize();
    cache.Reserve(values + values / 8 +
                  rows * (insertInto.size() + columnList.size() + 16 + 4 * columns));
    std::string statement;
    ForEachRow(rows, "Insert statements", [&](std::size_t i) {
        cache.WriteTofile(insertInto);
        const ODBCTable::Row row = table.Values().Item(i);
        statement = columnList;
        statement += " values (";
        for (std::size_t j = 1; j <= columns; ++j) {
            if (j != 1) statement += ',';
            AppendSqlValue(statement, row.Value(j), row.ValueIsNull(j), types[j - 1]);
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
    });

    const std::string sqlServer =
        SqlServerTrigger(*this, config, table, table.TableName(), texts.sqlServerFields,
                         table.PKs().Item(1).FieldNameSQL());

    SetTemplateParam(2, "XML_FIELDS", texts.oracleFields);
    SetTemplateParam(3, "LONG_TABLE_NAME", table.Name());
    const std::string oracle =
        Template().FillTemplate("\\templates\\sql\\oracletrigger.tpl").Text();

    texts.select +=
        std::string(kCrLf) + "||'</" + alias + ">'" + kCrLf + "from " + table.Name() + ";" + kCrLf;

    std::string result = texts.create + kCrLf + ");" + kCrLf;
    result += sqlServer + kCrLf;
    result += oracle + kCrLf;
    result += texts.select + kCrLf;
    result += cache.GetFile();
    return result;
}

}  // namespace orvane
