#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/SqlDialects.h"

namespace orvane {

// One column of a dialect script, as the data source describes it.
struct ScriptColumn {
    std::string name;     // the column's own name
    std::string element;  // its element name in the XML select
    int type = 0;         // ADO type code
    int size = 0;         // characters or bytes
    int precision = 0;
    int scale = 0;
    bool nullable = true;
};

// What a dialect script is written from, besides the rows.
struct ScriptTable {
    std::string name;   // the table's own name, without its schema
    std::string alias;  // the root element of the XML select
    std::vector<ScriptColumn> columns;
    std::vector<std::string> keys;  // the key columns, in key order
};

// The SQL of one database: how it quotes names, which column types it has and how it writes
// values, so that its own shell runs the script as it is and every value comes back exactly.
// The pieces are pure functions of their arguments; each text piece ends with CR LF.
class SqlDialect {
  public:
    enum class Special { Infinity, MinusInfinity, NaN };

    virtual ~SqlDialect() = default;
    // The dialect of an id other than Classic (which has none and gives SQLite's).
    static const SqlDialect& For(SqlDialectId id);

    virtual SqlDialectId Id() const = 0;
    // Comment lines saying what the script is for, and the settings its shell needs.
    virtual std::string Prologue() const = 0;
    std::string CreateTable(const ScriptTable& table) const;
    // One SELECT that writes each row as an XML element, NULL-safe, with & < > escaped.
    std::string XmlSelect(const ScriptTable& table) const;
    // "INSERT INTO t (a,b) VALUES (": the start of every row's statement.
    std::string InsertStart(const ScriptTable& table) const;
    // The end of every row's statement.
    static constexpr std::string_view kInsertEnd = ");\r\n";
    // A stored value (the data layer's text of it) as a literal of a column of ADO type `type`.
    void AppendValue(std::string& out, std::string_view value, bool isNull, int type) const;
    virtual std::string BeginInserts() const = 0;
    virtual std::string EndInserts() const = 0;
    // Whether the dialect keeps the SQL Server trigger of the classic script.
    virtual bool KeepsSqlServerTrigger() const { return false; }

    // A name as the dialect quotes it: always quoted, so no name is taken for a keyword.
    // Throws OrvaneError for a name the dialect's shell cannot carry.
    std::string Name(std::string_view name) const;
    // The column's type from its ADO type, size, precision and scale.
    std::string ColumnType(const ScriptColumn& column) const;
    // A text literal that survives line-end conversion: control characters are spelled out.
    virtual void AppendText(std::string& out, std::string_view text) const = 0;

  protected:
    // The dialect's type names. A sized type takes its size in parentheses; a size of 0 or
    // beyond the dialect's limit takes the long type instead.
    struct TypeNames {
        std::string_view smallInt, integer, single, doubleType, boolean, tinyInt, unsignedTinyInt,
            bigInt, guid, date, time, timestamp;
        std::string_view decimal;  // written with (precision,scale)
        int maxPrecision, maxScale;
        std::string_view fixedText, varText, wideFixedText, wideVarText, longText, wideLongText;
        int maxFixedText, maxVarText;
        std::string_view fixedBinary, varBinary, longBinary;  // empty: the long type
        int maxFixedBinary, maxVarBinary;
    };
    virtual const TypeNames& Types() const = 0;

    virtual char OpenQuote() const { return '"'; }
    virtual char CloseQuote() const { return '"'; }
    // Text that a name must not hold in this dialect's shell beyond control characters.
    virtual std::string_view ForbiddenInNames() const { return {}; }
    virtual void AppendBinary(std::string& out, std::string_view bytes) const = 0;
    virtual void AppendBoolean(std::string& out, bool value) const = 0;
    // The literals of infinity, minus infinity and NaN, in the order of Special. Empty: written
    // as text, which the database rejects loudly rather than guess.
    virtual std::array<std::string_view, 3> SpecialLiterals() const { return {}; }
    // The column's value as text for the XML select (binary as hexadecimal digits).
    virtual std::string TextOf(const std::string& name, const ScriptColumn& column) const = 0;
    // How the XML select joins its parts: "a || b" by default.
    virtual std::string_view ConcatOpen() const { return {}; }
    virtual std::string_view ConcatJoin() const { return " || "; }
    virtual std::string_view ConcatClose() const { return {}; }
    // After the closing parenthesis of CREATE TABLE.
    virtual std::string TableOptions() const { return {}; }

    static bool IsBinary(const ScriptColumn& column);
    // Hexadecimal digits of bytes, upper or lower case.
    static std::string Hex(std::string_view bytes, bool upper = true);
    // A text literal that spells control characters, and the characters of `spelled`, as
    // calls of a character function joined to quoted runs: 'a' || char(10) || 'b'. `prefix`
    // goes before each opening quote.
    static void AppendJoinedText(std::string& out, std::string_view text, std::string_view prefix,
                                 std::string_view join, std::string_view charFunction,
                                 std::string_view spelled = {});
};

}  // namespace orvane
