// Generation benchmark: loads the first rows of a wide table through ODBC and generates their
// XML data document, from SQLite and from PostgreSQL, and compares the PostgreSQL figures with
// the server's own query_to_xml (through psql) and with a bare ODBC fetch loop (the floor).
// The same rows' INSERT statements are compared with the SQLite shell's ".mode insert" output
// and with pg_dump --inserts of the PostgreSQL table.
// Each measurement runs in a child process of its own, so peak memory is per measurement.
//
//   bench_generate [--env DIR] [--rows N] [--repeat N]
//
// --env names a test environment made by scripts/test-env.sh (odbc.ini, pg.port); without it
// $ORVANE_TEST_ENV is used when it holds one, else the benchmark starts its own and stops it.
#include <sql.h>
#include <sqlext.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "data/Connection.h"
#include "generator/Generator.h"
#include "model/DbCatalog.h"
#include "model/ODBCTable.h"
#include "model/PlainTreeNode.h"
#include "model/TreeNode.h"
#include "settings/Config.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Figures {
    bool ok = false;
    double seconds = 0;      // the measured work
    double loadSeconds = 0;  // of which loading the table (Orvane runs)
    double cpuSeconds = 0;   // user + system time of the measuring process for the same work
    double loadCpuSeconds = 0;
    long peakKb = 0;  // ru_maxrss of the measuring process
    long loadKb = 0;  // resident memory the loaded table added
    long outputBytes = 0;
    std::string error;
};

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

long CurrentRssKb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs work in a child process and brings its figures back.
Figures InChild(const std::function<Figures()>& work) {
    const bench::ChildRun run = bench::InChild([&work] {
        Figures f;
        try {
            f = work();
        } catch (const std::exception& e) {
            f.ok = false;
            f.error = e.what();
        }
        std::ostringstream line;
        line << f.ok << ' ' << f.seconds << ' ' << f.loadSeconds << ' ' << f.cpuSeconds << ' '
             << f.loadCpuSeconds << ' ' << f.loadKb << ' ' << f.outputBytes << ' ' << f.error
             << '\n';
        return line.str();
    });
    Figures f;
    std::istringstream in(run.output);
    if (!(in >> f.ok >> f.seconds >> f.loadSeconds >> f.cpuSeconds >> f.loadCpuSeconds >>
          f.loadKb >> f.outputBytes)) {
        f.ok = false;
        f.error = "the measuring process died";
        return f;
    }
    std::getline(in >> std::ws, f.error);
    f.peakKb = run.peakKb;
    return f;
}

// Best time of n runs; memory of the largest.
Figures Best(int n, const std::function<Figures()>& work) {
    Figures best;
    for (int i = 0; i < n; ++i) {
        Figures f = InChild(work);
        if (!f.ok) return f;
        if (!best.ok || f.seconds < best.seconds) {
            const long peak = std::max(best.peakKb, f.peakKb);
            best = f;
            best.peakKb = peak;
        } else {
            best.peakKb = std::max(best.peakKb, f.peakKb);
        }
    }
    return best;
}

struct Source {
    std::string label;
    std::string connect;    // connection text
    std::string tableText;  // the table node's text: used unchanged in the query
};

std::vector<std::string> ColumnsOf(const Source& source) {
    orvane::data::Connection connection;
    connection.Open(source.connect);
    const orvane::DbCatalog catalog = orvane::DbCatalog::Read(connection);
    for (const auto& folder : catalog.folders) {
        for (const auto& table : folder.tables) {
            const std::string& name = table.fullName;
            if (name.size() >= 8 && name.compare(name.size() - 8, 8, "EventLog") == 0) {
                return table.columns;
            }
        }
    }
    throw std::runtime_error("no EventLog table in " + source.label);
}

// Orvane's own path: ODBCTable.Load of the table node, then Generate(screen).
Figures OrvaneRun(const Source& source, const std::vector<std::string>& columns, int rows,
                  int screen) {
    orvane::data::Connection connection;
    connection.Open(source.connect);
    orvane::PlainTreeNode node(orvane::DbCatalog::TableKey(source.tableText), source.tableText,
                               orvane::ImageTable, true);
    for (std::size_t j = 0; j < columns.size(); ++j) {
        node.AddChild(orvane::DbCatalog::ColumnKey(source.tableText, columns[j]), columns[j],
                      j == 0 ? orvane::ImagePk : orvane::ImageField, true);
    }
    auto config = std::make_shared<orvane::Config>();
    config->Screens().Item(std::to_string(screen))->Enabled = 1;
    auto table = std::make_shared<orvane::ODBCTable>();
    table->SetMaxRows(static_cast<std::int16_t>(rows));
    table->SetAlias("EventLog");
    table->Activate();
    const std::unique_ptr<orvane::TreeNode> view = node.View();

    Figures f;
    const long before = CurrentRssKb();
    const double cpu = CpuSeconds();
    const auto start = Clock::now();
    if (!table->Load(&connection, view.get())) return {.error = "load failed"};
    f.loadSeconds = Since(start);
    f.loadCpuSeconds = CpuSeconds() - cpu;
    f.loadKb = CurrentRssKb() - before;

    orvane::Generator generator;
    generator.SetCurrentConfig(config);
    generator.SetTable(table);
    generator.Activate();
    const std::string text = generator.Generate(screen);
    f.seconds = Since(start);
    f.cpuSeconds = CpuSeconds() - cpu;
    f.outputBytes = static_cast<long>(text.size());
    f.ok = table->Values().Count() == static_cast<std::size_t>(rows) && !text.empty();
    if (!f.ok) f.error = "incomplete result";
    return f;
}

// The floor: the same query, the same rows fetched as text, nothing else done with them.
Figures FloorRun(const Source& source, int rows, int columns) {
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    struct Handles {
        SQLHENV& env;
        SQLHDBC& dbc;
        SQLHSTMT& stmt;
        ~Handles() {
            if (stmt != SQL_NULL_HSTMT) SQLFreeHandle(SQL_HANDLE_STMT, stmt);
            if (dbc != SQL_NULL_HDBC) {
                SQLDisconnect(dbc);
                SQLFreeHandle(SQL_HANDLE_DBC, dbc);
            }
            if (env != SQL_NULL_HENV) SQLFreeHandle(SQL_HANDLE_ENV, env);
        }
    } handles{env, dbc, stmt};
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    std::string connect = source.connect;
    if (!SQL_SUCCEEDED(SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(connect.data()),
                                        SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT))) {
        return {.error = "floor: connect failed"};
    }
    SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
    std::string query = "select * from " + source.tableText;

    Figures f;
    const double cpu = CpuSeconds();
    const auto start = Clock::now();
    if (!SQL_SUCCEEDED(SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(query.data()), SQL_NTS))) {
        return {.error = "floor: query failed"};
    }
    std::vector<char> buffer(8192);
    long bytes = 0;
    int fetched = 0;
    while (fetched < rows && SQL_SUCCEEDED(SQLFetch(stmt))) {
        for (int c = 1; c <= columns; ++c) {
            SQLLEN length = 0;
            SQLGetData(stmt, static_cast<SQLUSMALLINT>(c), SQL_C_CHAR, buffer.data(),
                       static_cast<SQLLEN>(buffer.size()), &length);
            if (length > 0) bytes += length;
        }
        ++fetched;
    }
    SQLCloseCursor(stmt);
    f.seconds = Since(start);
    f.cpuSeconds = CpuSeconds() - cpu;
    f.outputBytes = bytes;
    f.ok = fetched == rows;
    if (!f.ok) f.error = "floor: fetched " + std::to_string(fetched) + " rows";
    return f;
}

// PostgreSQL's own XML of the same rows, written to a file by psql. The time of a psql run
// that does nothing (connection set-up) is measured too and taken off.
Figures QueryToXmlRun(const std::string& envDir, const std::string& sql, const std::string& out) {
    std::ifstream portFile(envDir + "/pg.port");
    std::string port;
    portFile >> port;
    const std::string psql = "PGPASSWORD=orvane_pw psql -X -q -A -t -h 127.0.0.1 -p " + port +
                             " -U orvane -d orvane_test -v ON_ERROR_STOP=1 -o " +
                             bench::ShellQuote(out) + " -c ";
    Figures f;
    auto start = Clock::now();
    if (std::system((psql + bench::ShellQuote("select 1")).c_str()) != 0)
        return {.error = "psql failed"};
    const double startup = Since(start);
    start = Clock::now();
    if (std::system((psql + bench::ShellQuote(sql)).c_str()) != 0)
        return {.error = "query_to_xml failed"};
    f.seconds = std::max(0.0, Since(start) - startup);
    std::error_code error;
    f.outputBytes = static_cast<long>(fs::file_size(out, error));
    f.ok = !error;
    fs::remove(out, error);
    return f;
}

// A command-line tool's own output of the same rows, written to a file.
Figures CommandRun(const std::string& command, const std::string& out) {
    Figures f;
    const auto start = Clock::now();
    if (std::system((command + " > " + bench::ShellQuote(out)).c_str()) != 0) {
        return {.error = "command failed: " + command};
    }
    f.seconds = Since(start);
    std::error_code error;
    f.outputBytes = static_cast<long>(fs::file_size(out, error));
    f.ok = !error && f.outputBytes > 0;
    fs::remove(out, error);
    return f;
}

// The generation part of a load + generate run.
Figures WithoutLoad(Figures f) {
    f.seconds -= f.loadSeconds;
    f.loadKb = 0;
    return f;
}

long CountRows(const Source& source) {
    orvane::data::Connection connection;
    connection.Open(source.connect);
    return std::stol(connection.Execute("select count(*) from " + source.tableText)
                         ->Field(std::size_t{0})
                         .Value());
}

void PrintRow(const std::string& source, const std::string& what, const Figures& f, int rows,
              int cells) {
    if (!f.ok) {
        std::printf("%-11s %-30s FAILED: %s\n", source.c_str(), what.c_str(), f.error.c_str());
        return;
    }
    std::printf("%-11s %-30s %8.3f", source.c_str(), what.c_str(), f.seconds);
    for (double value : {f.loadSeconds, f.cpuSeconds, f.loadCpuSeconds}) {
        if (value > 0) {
            std::printf(" %8.3f", value);
        } else {
            std::printf(" %8s", "-");
        }
    }
    std::printf(" %10.0f %9.1f", f.seconds > 0 ? rows / f.seconds : 0.0, f.peakKb / 1024.0);
    if (f.loadKb > 0) {
        std::printf(" %9.1f", f.loadKb * 1024.0 / cells);
    } else {
        std::printf(" %9s", "-");
    }
    std::printf(" %9.1f\n", f.outputBytes / (1024.0 * 1024.0));
}

void PrintRatio(const std::string& what, double value, const std::string& goal, bool met) {
    std::printf("  %-44s %6.2f   (goal %s: %s)\n", what.c_str(), value, goal.c_str(),
                met ? "met" : "NOT met");
}

}  // namespace

int main(int argc, char** argv) {
    std::string envDir;
    int rows = 32767;
    int repeat = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--env") {
            envDir = argv[i + 1];
        } else if (option == "--rows") {
            rows = std::clamp(std::atoi(argv[i + 1]), 1, 32767);
        } else if (option == "--repeat") {
            repeat = std::max(1, std::atoi(argv[i + 1]));
        } else {
            std::fprintf(stderr, "usage: bench_generate [--env DIR] [--rows N] [--repeat N]\n");
            return 2;
        }
    }
    try {
        const bench::TestEnv env(envDir);
        env.Use();

        const Source sqlite{"SQLite", "DSN=OrvaneSample;", "EventLog"};
        const Source pg{"PostgreSQL", "DSN=OrvanePgTest;", "\"EventLog\""};
        const std::vector<std::string> columns = ColumnsOf(sqlite);
        const int cells = rows * static_cast<int>(columns.size());

        std::printf("Orvane generation benchmark: %d rows x %zu columns (%d cells), best of %d\n\n",
                    rows, columns.size(), cells, repeat);
        std::printf("%-11s %-30s %8s %8s %8s %8s %10s %9s %9s %9s\n", "source", "measurement",
                    "seconds", "load s", "cpu s", "load cpu", "rows/s", "peak MB", "B/cell",
                    "out MB");

        const int xml = orvane::XML_CODE;
        const Figures sqliteXml =
            Best(repeat, [&] { return OrvaneRun(sqlite, columns, rows, xml); });
        PrintRow("SQLite", "load + XML data (Orvane)", sqliteXml, rows, cells);
        const Figures sqliteFloor =
            Best(repeat, [&] { return FloorRun(sqlite, rows, static_cast<int>(columns.size())); });
        PrintRow("SQLite", "ODBC fetch as text (floor)", sqliteFloor, rows, cells);

        const Figures pgXml = Best(repeat, [&] { return OrvaneRun(pg, columns, rows, xml); });
        PrintRow("PostgreSQL", "load + XML data (Orvane)", pgXml, rows, cells);
        const Figures pgFloor =
            Best(repeat, [&] { return FloorRun(pg, rows, static_cast<int>(columns.size())); });
        PrintRow("PostgreSQL", "ODBC fetch as text (floor)", pgFloor, rows, cells);
        const std::string xmlSql = "select query_to_xml('select * from \"EventLog\" limit " +
                                   std::to_string(rows) + "', true, false, '')";
        const Figures pgNative = Best(repeat, [&] {
            return QueryToXmlRun(env.Dir(), xmlSql,
                                 env.Dir() + "/query_to_xml." + std::to_string(getpid()));
        });
        PrintRow("PostgreSQL", "query_to_xml via psql", pgNative, rows, cells);

        // INSERT statements (SQL screen) beside the tools' own INSERT output.
        const int sql = orvane::SQL_CODE;
        const std::string scratch = env.Dir() + "/bench-out." + std::to_string(getpid());
        const Figures sqliteSql =
            Best(repeat, [&] { return OrvaneRun(sqlite, columns, rows, sql); });
        PrintRow("SQLite", "load + INSERT stmts (Orvane)", sqliteSql, rows, cells);
        const Figures sqliteSqlOnly = WithoutLoad(sqliteSql);
        PrintRow("SQLite", "  INSERT generation alone", sqliteSqlOnly, rows, cells);
        const std::string shell =
            "sqlite3 -cmd " + bench::ShellQuote(".mode insert EventLog") + " " +
            bench::ShellQuote(env.Dir() + "/OrvaneSample.db") + " " +
            bench::ShellQuote("select * from EventLog limit " + std::to_string(rows));
        const Figures sqliteShell = Best(repeat, [&] { return CommandRun(shell, scratch); });
        PrintRow("SQLite", "sqlite3 .mode insert (shell)", sqliteShell, rows, cells);

        const Figures pgSql = Best(repeat, [&] { return OrvaneRun(pg, columns, rows, sql); });
        PrintRow("PostgreSQL", "load + INSERT stmts (Orvane)", pgSql, rows, cells);
        PrintRow("PostgreSQL", "  INSERT generation alone", WithoutLoad(pgSql), rows, cells);
        // pg_dump cannot stop after n rows: it writes the whole table, counted as such.
        const long pgRows = CountRows(pg);
        std::string port;
        std::ifstream(env.Dir() + "/pg.port") >> port;
        const std::string dump = "PGPASSWORD=orvane_pw pg_dump --inserts -h 127.0.0.1 -p " + port +
                                 " -U orvane -t " + bench::ShellQuote("\"EventLog\"") +
                                 " orvane_test";
        const Figures pgDump = Best(repeat, [&] { return CommandRun(dump, scratch); });
        PrintRow("PostgreSQL", "pg_dump --inserts (" + std::to_string(pgRows) + " rows)", pgDump,
                 static_cast<int>(pgRows), static_cast<int>(pgRows) * (cells / rows));

        std::printf("\n");
        if (sqliteXml.ok) {
            PrintRatio("SQLite: Orvane / floor", sqliteXml.seconds / sqliteFloor.seconds, "<= 2",
                       sqliteXml.seconds <= 2 * sqliteFloor.seconds);
        }
        if (pgXml.ok && pgNative.ok && pgFloor.ok) {
            PrintRatio("PostgreSQL: Orvane / query_to_xml", pgXml.seconds / pgNative.seconds,
                       "<= 1", pgXml.seconds <= pgNative.seconds);
            PrintRatio("PostgreSQL: Orvane / floor", pgXml.seconds / pgFloor.seconds, "<= 2",
                       pgXml.seconds <= 2 * pgFloor.seconds);
        }
        if (sqliteSql.ok && sqliteShell.ok) {
            PrintRatio("SQLite: INSERT generation / sqlite3 shell",
                       sqliteSqlOnly.seconds / sqliteShell.seconds, "<= 2",
                       sqliteSqlOnly.seconds <= 2 * sqliteShell.seconds);
            std::printf("  %-44s %6.2f\n", "SQLite: load + INSERT / sqlite3 shell",
                        sqliteSql.seconds / sqliteShell.seconds);
        }
        if (pgSql.ok && pgDump.ok) {
            std::printf("  %-44s %6.2f\n", "PostgreSQL: load + INSERT / pg_dump, per row",
                        (pgSql.seconds / rows) / (pgDump.seconds / static_cast<double>(pgRows)));
        }
        const long peak = std::max(sqliteXml.peakKb, pgXml.peakKb);
        PrintRatio("peak memory of load + XML text (MB)", peak / 1024.0, "< 150",
                   peak < 150 * 1024);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_generate: %s\n", e.what());
        return 1;
    }
    return 0;
}
