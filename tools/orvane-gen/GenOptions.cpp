#include "GenOptions.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "core/Screens.h"

namespace orvane::gen {

namespace {
std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// "A,B" -> {"A", "B"}; an empty item is a mistake, not a column.
std::vector<std::string> SplitList(const std::string& option, const std::string& text) {
    std::vector<std::string> items;
    std::size_t from = 0;
    while (true) {
        const std::size_t comma = text.find(',', from);
        std::string item = text.substr(from, comma == std::string::npos ? comma : comma - from);
        if (item.empty())
            throw GenOptions::UsageError(option + " has an empty name in \"" + text + "\"");
        items.push_back(std::move(item));
        if (comma == std::string::npos) return items;
        from = comma + 1;
    }
}

std::int16_t ParseRows(const std::string& text) {
    const bool digits =
        !text.empty() && text.size() <= 5 &&
        std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
    const long value = digits ? std::stol(text) : -1;
    if (value < 0 || value > 32767) {
        throw GenOptions::UsageError("--rows needs a whole number from 0 to 32767, not \"" + text +
                                     "\"");
    }
    return static_cast<std::int16_t>(value);
}

// The screen number of a name on the command line, or -1.
int ScreenByName(const std::string& name) {
    const std::string lower = Lower(name);
    for (const ScreenInfo& info : kScreenTable) {
        if (lower == info.key) return info.id;
    }
    return -1;
}

std::vector<int> ParseScreens(const std::string& text) {
    std::set<int> screens;
    if (Lower(text) == "all") {
        for (const ScreenInfo& info : kScreenTable) screens.insert(info.id);
        return {screens.begin(), screens.end()};
    }
    for (const std::string& name : SplitList("--screens", text)) {
        const int screen = ScreenByName(name);
        if (screen < 0) {
            std::string names;
            for (const ScreenInfo& info : kScreenTable) names += std::string(info.key) + ", ";
            names.resize(names.size() - 2);
            throw GenOptions::UsageError("unknown screen \"" + name + "\" (use " + names +
                                         " or all)");
        }
        screens.insert(screen);
    }
    return {screens.begin(), screens.end()};
}
}  // namespace

GenOptions GenOptions::Parse(const std::vector<std::string>& args) {
    GenOptions options;
    options.screens = ParseScreens("all");
    if (std::find_if(args.begin(), args.end(), [](const std::string& a) {
            return a == "--help" || a == "-h";
        }) != args.end()) {
        options.help = true;
        return options;
    }

    std::set<std::string> seen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool hasValue = false;
        if (name.rfind("--", 0) != 0) {
            throw UsageError("unexpected argument \"" + name + "\"");
        }
        if (const std::size_t eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
            hasValue = true;
        }
        static const std::set<std::string> kValued = {
            "--dsn",      "--driver",  "--server",  "--database", "--user",
            "--password", "--table",   "--columns", "--keys",     "--rows",
            "--alias",    "--screens", "--out",     "--dialect"};
        static const std::set<std::string> kFlags = {"--list", "--quiet", "--all-tables"};
        const bool flag = kFlags.count(name) != 0;
        if (!flag && kValued.count(name) == 0) throw UsageError("unknown option " + name);
        if (!seen.insert(name).second && name != "--table") {
            throw UsageError(name + " is given more than once");
        }

        if (flag) {
            if (hasValue) throw UsageError(name + " takes no value");
            (name == "--list"    ? options.list
             : name == "--quiet" ? options.quiet
                                 : options.allTables) = true;
            continue;
        }
        if (!hasValue) {
            if (i + 1 >= args.size()) throw UsageError(name + " needs a value");
            value = args[++i];
        }
        if (name == "--dsn") {
            options.dsn = value;
        } else if (name == "--driver") {
            options.driver = value;
        } else if (name == "--server") {
            options.server = value;
        } else if (name == "--database") {
            options.database = value;
        } else if (name == "--user") {
            options.user = value;
        } else if (name == "--password") {
            options.password = value;
        } else if (name == "--table") {
            options.tables.push_back(value);
        } else if (name == "--columns") {
            options.columns = SplitList(name, value);
        } else if (name == "--keys") {
            options.keys = SplitList(name, value);
        } else if (name == "--rows") {
            options.rows = ParseRows(value);
        } else if (name == "--alias") {
            options.alias = value;
            options.aliasGiven = true;
        } else if (name == "--screens") {
            options.screens = ParseScreens(value);
        } else if (name == "--dialect") {
            options.dialect = SqlDialectByName(value);
            if (!options.dialect) {
                throw UsageError("unknown dialect \"" + value + "\" (use " + SqlDialectNames() +
                                 ")");
            }
        } else {
            if (value.empty()) throw UsageError("--out needs a folder");
            options.outDir = value;
        }
    }

    if (!options.dsn.empty() && (!options.driver.empty() || !options.server.empty())) {
        throw UsageError("--dsn cannot be combined with --driver or --server");
    }
    if (!options.server.empty() && options.driver.empty()) {
        throw UsageError("--server needs --driver");
    }
    if (!options.outDir.empty() && options.alias.find('/') != std::string::npos) {
        throw UsageError("--alias names the output files and cannot contain \"/\"");
    }
    if (options.allTables && !options.tables.empty()) {
        throw UsageError("--all-tables cannot be combined with --table");
    }
    if (options.Batch() && options.outDir.empty()) {
        throw UsageError("several tables are written one folder each: give --out DIR");
    }
    if (options.Batch() && options.aliasGiven) {
        throw UsageError("--alias names the files of one table and cannot be used with several");
    }
    if (!options.list && options.outDir.empty() && options.screens.size() > 1) {
        throw UsageError(
            "more than one screen: name one with --screens, or write files with --out DIR");
    }
    return options;
}

std::string GenOptions::Usage() {
    return R"(Usage:
  orvane-gen CONNECTION --list
  orvane-gen CONNECTION --table NAME --keys K[,K...] [OPTIONS]
  orvane-gen CONNECTION --all-tables|--table NAME --table NAME... --out DIR [OPTIONS]

Generates the outputs of a table (schemas, XML data, SQL, classes) without the desktop.

Connection (as in the connection dialog):
  --dsn NAME            an ODBC data source
  --driver NAME         an ODBC driver, for a connection without a data source
  --server HOST         the server, for drivers that need one
  --database NAME       the database (for SQLite: the database file)
  --user NAME           user name
  --password TEXT       password

Generation:
  --list                print the folders, tables and columns of the data source
  --table NAME          the table, by its full name as --list prints it; given more than
                        once, each table is written as --all-tables writes it
  --all-tables          every table of the Tables folder (not the system tables or views),
                        each into a folder of its own below --out, named after the table
  --columns A,B,...     the columns to use (default: all)
  --keys K,...          the primary-key columns (default for several tables: the primary
                        key the data source reports; a table without one is skipped)
  --rows N              rows of data to read, 0 to 32767 (default 10)
  --alias A             the alias (default: the table name as the desktop proposes it)
  --screens LIST        xsd,biz,dtd,xml,sql,vb,java,vbnet,csharp or all (default all)
  --dialect NAME        the SQL script for classic, sqlite, postgresql, mariadb or sqlserver
                        (default: the SQL screen's setting, at first classic)
  --out DIR             write one file per screen into DIR, named as Save All names them;
                        without --out exactly one screen is printed to standard output
  --quiet               no progress messages on standard error
  --help                this text

With several tables, standard error gets one line a table; the tables that fail are
skipped and the others still written.

Exit status: 0 done, 1 failure (connection, table, column, query; for several tables: any
of them), 2 usage error.
)";
}

}  // namespace orvane::gen
