// INSERT statement generation for 32 767 rows x 20 columns of the sample EventLog table,
// beside the SQLite shell's own INSERT output of the same rows and pg_dump --inserts of the
// PostgreSQL copy, in the same run.
//
//   bench_sql [<test environment folder>]   (default: $ORVANE_TEST_ENV)
//
// The folder is the one scripts/test-env.sh start makes (odbc.ini, OrvaneSample.db, pg.port).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

#include "data/Connection.h"
#include "data/RecordSet.h"
#include "generator/Generator.h"
#include "model/DbCatalog.h"
#include "model/ODBCTable.h"
#include "model/TreeNode.h"
#include "settings/Config.h"

namespace {

constexpr int kRows = 32767;
constexpr int kRuns = 5;
constexpr const char* kTable = "EventLog";

using Clock = std::chrono::steady_clock;

// Best of kRuns, in milliseconds.
double BestOf(const std::function<void()>& run) {
    double best = 1e300;
    for (int k = 0; k < kRuns; ++k) {
        const auto start = Clock::now();
        run();
        best =
            std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

std::string ShellQuote(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

bool Succeeds(const std::string& command) { return std::system(command.c_str()) == 0; }

// Best time of a shell command whose output goes to /dev/null, or a negative value when it
// fails.
double TimeCommand(const std::string& command) {
    if (!Succeeds(command + " >/dev/null 2>&1")) return -1;
    return BestOf([&] { Succeeds(command + " >/dev/null 2>&1"); });
}

std::string ReadFirstLine(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

void Row(const std::string& what, double ms, const std::string& note = "") {
    std::printf("  %-34s %10.1f ms  %s\n", what.c_str(), ms, note.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    using namespace orvane;
    const char* envVar = std::getenv("ORVANE_TEST_ENV");
    const std::string env = argc > 1 ? argv[1] : (envVar != nullptr ? envVar : "");
    const std::string db = env + "/OrvaneSample.db";
    if (env.empty() || !std::filesystem::exists(db)) {
        std::cerr << "bench_sql: no test environment (run scripts/test-env.sh start <folder> "
                     "and pass the folder)\n";
        return 2;
    }
    // The environment's own ini files and settings, never the user's.
    setenv("ODBCINI", (env + "/odbc.ini").c_str(), 1);
    setenv("ODBCSYSINI", env.c_str(), 1);
    setenv("ORVANE_CONFIG_DIR", (env + "/config").c_str(), 1);

    try {
        data::Connection connection;
        connection.Open("DSN=OrvaneSample;");
        const DbCatalog catalog = DbCatalog::Read(connection);
        auto tree = catalog.BuildTree("OrvaneSample");
        std::string fullName;
        for (const auto& folder : catalog.folders) {
            for (const auto& entry : folder.tables) {
                const std::string& name = entry.fullName;
                if (name == kTable || name.ends_with(std::string(".") + kTable)) fullName = name;
            }
        }
        PlainTreeNode* node = nullptr;
        std::function<void(PlainTreeNode&)> find = [&](PlainTreeNode& n) {
            if (n.Key() == DbCatalog::TableKey(fullName)) node = &n;
            for (const auto& child : n.Children()) find(*child);
        };
        find(*tree);
        if (node == nullptr) throw std::runtime_error(std::string("no table ") + kTable);
        node->SetChecked(true);
        for (const auto& column : node->Children()) column->SetChecked(true);
        node->Children().front()->SetImage(ImagePk);

        auto table = std::make_shared<ODBCTable>();
        table->SetMaxRows(kRows);
        const auto loadStart = Clock::now();
        if (!table->Load(&connection, node->View().get())) return 1;
        const double loadMs =
            std::chrono::duration<double, std::milli>(Clock::now() - loadStart).count();
        table->SetAlias(kTable);

        auto config = std::make_shared<Config>();
        Generator generator;
        generator.SetCurrentConfig(config);
        generator.SetTable(table);
        std::size_t bytes = 0;
        const double genMs = BestOf([&] {
            generator.Activate();
            bytes = generator.GenSQL().size();
            generator.DeActivate();
        });

        const std::string sqliteCmd =
            "sqlite3 -cmd " + ShellQuote(std::string(".mode insert ") + kTable) + " " +
            ShellQuote(db) + " " +
            ShellQuote("select * from " + std::string(kTable) + " limit " + std::to_string(kRows));
        const double sqliteMs = TimeCommand(sqliteCmd);

        const std::string total =
            connection.Execute("select count(*) from " + fullName)->Field(std::size_t{0}).Value();
        const std::string port = ReadFirstLine(env + "/pg.port");
        double pgMs = -1;
        if (!port.empty()) {
            pgMs =
                TimeCommand("PGPASSWORD=orvane_pw pg_dump --inserts -h " + ShellQuote(env + "/pg") +
                            " -p " + port + " -U orvane -t '\"EventLog\"' orvane_test");
        }

        std::printf("INSERT statements for %d rows x %zu columns of %s (best of %d runs)\n", kRows,
                    table->Fields().Count(), kTable, kRuns);
        Row("ODBCTable::Load (once, for reference)", loadMs);
        Row("Generator::GenSQL", genMs, std::to_string(bytes / 1024) + " KiB of script");
        if (sqliteMs >= 0) {
            Row("sqlite3 -cmd '.mode insert' (same rows)", sqliteMs);
            std::printf("  %-34s %10.2f x\n", "GenSQL / sqlite3", genMs / sqliteMs);
        } else {
            std::printf("  sqlite3 shell: not available\n");
        }
        if (pgMs >= 0) {
            // pg_dump cannot stop early: it writes the whole table, so scale to kRows too.
            const double all = std::stod(total);
            Row("pg_dump --inserts (all " + total + " rows)", pgMs,
                "~" + std::to_string(static_cast<int>(pgMs * kRows / all)) + " ms per " +
                    std::to_string(kRows) + " rows");
        } else {
            std::printf("  pg_dump: PostgreSQL test server not reachable\n");
        }
    } catch (const std::exception& error) {
        std::cerr << "bench_sql: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
