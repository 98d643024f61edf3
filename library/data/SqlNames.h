#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::data {

// A table name split into its parts, quotes removed.
struct QualifiedName {
    std::string catalog;
    std::string schema;
    std::string table;
};

// How SQL text encloses a name that cannot stand plain.
struct NameQuoting {
    char open = '[';
    char close = ']';
    // Unquoted names fold to lower case (PostgreSQL): only plain lower-case names stay plain.
    bool foldsToLower = false;
    // "#" may stand in a plain name (the SQL script's dialects take it; MySQL reads a comment).
    bool hashInNames = false;

    // The quoting of a data source: brackets where the tree has always shown them, double
    // quotes on Oracle and PostgreSQL, and the driver's own quote character (SQLGetInfo) where
    // it is another one, such as MySQL's backtick.
    static NameQuoting For(std::string_view dbmsName, std::string_view driverQuote);
    // The SQL script's: brackets, with "#" plain.
    static NameQuoting Script();
    // Double quotes, for the Oracle trigger.
    static NameQuoting DoubleQuotes();
};

// A name as SQL text writes it: unchanged when it is plain (letters, digits, "_", not starting
// with a digit; or empty), else enclosed with the closing quote doubled inside. Brackets take
// only names of letters, digits, blanks, "_", "$" and "#"; any other name goes in double quotes,
// since SQLite ends a bracketed name at its first "]" and its driver reads no brackets at all.
std::string QuoteName(std::string_view name, const NameQuoting& quoting);

// One part of a full name: as written ("[Order Details]") and as named ("Order Details").
struct NamePart {
    std::string written;
    std::string name;
};

// The parts of a full name such as schema.[table], each plain or enclosed in [], "" or ``; none
// when the text holds anything else (blanks, a comment, a second statement).
std::optional<std::vector<NamePart>> SplitFullName(std::string_view fullName);

// The one query that reads a table, "select * from " + its full name. Throws OrvaneError when
// the text is not one full name of at most three parts, so nothing else can ever be sent.
std::string SelectAllFrom(std::string_view fullName);

// The table of a simple "select * from NAME" statement, NAME a full name as above, optionally
// followed by ";". Anything else (joins, where clauses, sub-queries) gives no name.
std::optional<QualifiedName> TableOfSimpleSelect(std::string_view statement);

}  // namespace orvane::data
