// Whole-process benchmark of loading, generation and the catalogue. orvane-gen runs as a user
// runs it, beside yardsticks run the same way in the same run:
//  - fetch_loop (fetch_loop.c): the bare ODBC fetch loop, every cell read as text, nothing else;
//  - the sqlite3 shell writing the same rows with ".mode insert";
//  - PostgreSQL's own query_to_xml of the same rows, through psql.
// Every figure is the median of --repeat runs, taken in turns so that a change of the machine's
// load touches all of them alike; peak memory is the largest of the runs. The catalogue part
// times `orvane-gen --list` on data sources of tables of 10 columns, which it makes in the test
// environment the first time and keeps there.
//
//   bench_generate [--env DIR] [--rows N] [--repeat N] [--tables N[,N...]] [--timeout S]
//
// --env names a test environment made by scripts/test-env.sh (odbc.ini, pg.port); without it
// $ORVANE_TEST_ENV is used when it holds one, else the benchmark starts its own and stops it.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "BenchSupport.h"

namespace {

namespace fs = std::filesystem;

const char* const kPgUser = "orvane";
const char* const kPgPassword = "orvane_pw";

using Check = std::function<std::string(const std::string& output)>;

struct Job {
    Job(std::string source_, std::string work_, std::vector<std::string> args_, Check check_)
        : source(std::move(source_)),
          work(std::move(work_)),
          args(std::move(args_)),
          check(std::move(check_)) {}

    std::string source;
    std::string work;
    std::vector<std::string> args;
    // Checks what the run left in its output file; returns why it is wrong, or "".
    Check check;
    std::vector<double> seconds;
    std::vector<double> cpuSeconds;
    long peakKb = 0;
    std::string error;

    bool Ok() const { return error.empty() && !seconds.empty(); }
    double Median() const { return MedianOf(seconds); }
    double CpuMedian() const { return MedianOf(cpuSeconds); }
    static double MedianOf(std::vector<double> sorted) {
        std::sort(sorted.begin(), sorted.end());
        const std::size_t n = sorted.size();
        return n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    }
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::size_t CountOf(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

// A check that the output holds `what` at least `times` times.
Check Holds(std::string what, std::size_t times) {
    return [what, times](const std::string& output) -> std::string {
        const std::size_t found = CountOf(ReadFile(output), what);
        if (found >= times) return "";
        return "output holds \"" + what + "\" " + std::to_string(found) + " times, not " +
               std::to_string(times);
    };
}

// Runs the jobs in turns, `repeat` rounds; a job that fails once is not run again.
void RunRounds(std::vector<Job>& jobs, int repeat, const std::string& scratch, double timeout) {
    const std::string output = scratch + "/out";
    const std::string errors = scratch + "/err";
    for (int round = 0; round < repeat; ++round) {
        for (Job& job : jobs) {
            if (!job.error.empty()) continue;
            fs::remove_all(scratch + "/texts");
            const bench::ProcessRun run = bench::RunProcess(job.args, output, errors, timeout);
            if (run.timedOut) {
                job.error = "over " + std::to_string(static_cast<int>(timeout)) + " s";
            } else if (!run.ok) {
                job.error = run.error;
            } else if (job.check && round == 0) {
                job.error = job.check(output);
            }
            if (!job.error.empty()) continue;
            job.seconds.push_back(run.seconds);
            job.cpuSeconds.push_back(run.cpuSeconds);
            job.peakKb = std::max(job.peakKb, run.peakKb);
        }
    }
    fs::remove_all(scratch + "/texts");
}

std::string Seconds(const Job& job) {
    if (!job.Ok()) return job.error.rfind("over ", 0) == 0 ? "> " + job.error.substr(5) : "failed";
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", job.Median());
    return text;
}

std::string LoadAverage() {
    double load[3] = {0, 0, 0};
    if (getloadavg(load, 3) < 0) return "?";
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %.2f %.2f", load[0], load[1], load[2]);
    return text;
}

struct Sources {
    std::string binDir;
    std::string envDir;
    std::string pgPort;
    std::string pgSocketDir;
};

// psql as the server's superuser over its socket, or as the test user over TCP.
std::vector<std::string> PsqlArgs(const Sources& s, bool superuser, const std::string& database,
                                  const std::string& sql) {
    std::vector<std::string> args{"psql", "-X", "-q", "-A", "-t", "-v", "ON_ERROR_STOP=1"};
    if (superuser) {
        args.insert(args.end(), {"-h", s.pgSocketDir, "-p", s.pgPort, "-U", "postgres"});
    } else {
        args.insert(args.end(), {"-h", "127.0.0.1", "-p", s.pgPort, "-U", kPgUser});
    }
    args.insert(args.end(), {"-d", database, "-c", sql});
    return args;
}

bool Run(const std::vector<std::string>& args, const std::string& scratch, double timeout,
         std::string* output = nullptr) {
    const bench::ProcessRun run =
        bench::RunProcess(args, scratch + "/out", scratch + "/err", timeout);
    if (!run.ok) {
        std::fprintf(stderr, "bench_generate: %s: %s\n", args[0].c_str(),
                     run.timedOut ? "timed out" : run.error.c_str());
    }
    if (output != nullptr) *output = ReadFile(scratch + "/out");
    return run.ok;
}

// The statement that makes catalogue table k: ten columns of the common types.
std::string CreateTable(int k, bool postgres) {
    const std::string name = "cat_" + std::to_string(k);
    return "create table " + name +
           " (id integer primary key, code varchar(20) not null, title varchar(200), amount " +
           "numeric(12,2), ratio " + (postgres ? "double precision" : "real") +
           ", born date, stamp timestamp, notes text, flag smallint, counter bigint)";
}

// Makes the SQLite file of `tables` tables once; an interrupted making leaves no file.
bool MakeSqliteCatalogue(int tables, const std::string& file, const std::string& scratch) {
    if (fs::exists(file)) return true;
    std::fprintf(stderr, "bench_generate: making %d SQLite tables...\n", tables);
    const std::string script = scratch + "/catalogue.sql";
    {
        std::ofstream sql(script);
        sql << "begin;\n";
        for (int k = 1; k <= tables; ++k) sql << CreateTable(k, false) << ";\n";
        sql << "commit;\n";
    }
    const std::string partial = file + ".partial";
    fs::remove(partial);
    if (!Run({"sqlite3", partial, ".read " + script}, scratch, 600)) return false;
    fs::rename(partial, file);
    return true;
}

// Makes the PostgreSQL database of `tables` tables once: under a temporary name, renamed when
// complete. Commits every 1000 tables (one transaction cannot lock them all).
bool MakePgCatalogue(const Sources& s, int tables, const std::string& database,
                     const std::string& scratch) {
    std::string found;
    if (!Run(PsqlArgs(s, true, "postgres",
                      "select 1 from pg_database where datname = '" + database + "'"),
             scratch, 60, &found)) {
        return false;
    }
    if (found.find('1') != std::string::npos) return true;
    std::fprintf(stderr, "bench_generate: making %d PostgreSQL tables...\n", tables);
    const std::string partial = database + "_partial";
    std::string body;
    for (char c : CreateTable(0, true)) body += c == '\'' ? std::string("''") : std::string(1, c);
    const std::string make = "do $$ begin for k in 1.." + std::to_string(tables) +
                             " loop execute replace('" + body +
                             "', 'cat_0', 'cat_' || k); if k % 1000 = 0 then commit; end if; "
                             "end loop; end $$";
    return Run(PsqlArgs(s, true, "postgres", "drop database if exists " + partial), scratch, 600) &&
           Run(PsqlArgs(s, true, "postgres",
                        "create database " + partial + " owner " + std::string(kPgUser)),
               scratch, 60) &&
           Run(PsqlArgs(s, false, partial, make), scratch, 3600) &&
           Run(PsqlArgs(s, true, "postgres",
                        "alter database " + partial + " rename to " + database),
               scratch, 60);
}

// The environment's odbc.ini plus one data source per catalogue database.
std::string CatalogueIni(const Sources& s, const std::vector<int>& sizes) {
    std::string ini = ReadFile(s.envDir + "/odbc.ini");
    for (int tables : sizes) {
        const std::string n = std::to_string(tables);
        ini += "\n[OrvaneCatLite" + n + "]\nDriver=SQLite3\nDatabase=" + s.envDir + "/cat-" + n +
               ".db\n";
        ini += "\n[OrvaneCatPg" + n +
               "]\nDriver=PostgreSQL Unicode\nServername=127.0.0.1\nPort=" + s.pgPort +
               "\nDatabase=orvane_cat_" + n + "\nUsername=" + kPgUser +
               "\nPassword=" + kPgPassword + "\n";
    }
    const std::string path = s.envDir + "/bench-odbc.ini";
    std::ofstream(path) << ini;
    return path;
}

std::vector<Job> GenerationJobs(const Sources& s, int rows, const std::string& scratch) {
    const std::string gen = s.binDir + "/orvane-gen";
    const std::string fetch = s.binDir + "/fetch_loop";
    const std::string n = std::to_string(rows);
    const auto orvane = [&](const std::string& dsn, const std::string& table,
                            const std::string& screens) {
        std::vector<std::string> args{gen,       "--dsn",  dsn, "--table",   table,   "--keys",
                                      "EventID", "--rows", n,   "--screens", screens, "--quiet"};
        if (screens == "all") args.insert(args.end(), {"--out", scratch + "/texts"});
        return args;
    };
    const auto allNine = [scratch](const std::string&) -> std::string {
        std::size_t files = 0;
        for (const auto& entry : fs::directory_iterator(scratch + "/texts")) {
            files += entry.file_size() > 0 ? 1 : 0;
        }
        return files == 9 ? "" : std::to_string(files) + " texts written, not 9";
    };
    const std::string pgTable = "public.\"EventLog\"";
    std::vector<Job> jobs;
    jobs.push_back({"SQLite",
                    "fetch loop",
                    {fetch, "DSN=OrvaneSample;", "select * from EventLog", n},
                    Holds(n + " rows", 1)});
    jobs.push_back({"SQLite", "Load + XML data", orvane("OrvaneSample", "EventLog", "xml"),
                    Holds("\t<EventLog>", rows)});
    jobs.push_back({"SQLite",
                    "sqlite3 .mode insert",
                    {"sqlite3", "-cmd", ".mode insert EventLog", s.envDir + "/OrvaneSample.db",
                     "select * from EventLog limit " + n},
                    Holds("INSERT INTO", rows)});
    jobs.push_back({"SQLite", "Load + SQL script", orvane("OrvaneSample", "EventLog", "sql"),
                    Holds("insert into", rows)});
    jobs.push_back(
        {"SQLite", "Load + all nine texts", orvane("OrvaneSample", "EventLog", "all"), allNine});
    jobs.push_back({"PostgreSQL",
                    "fetch loop",
                    {fetch, "DSN=OrvanePgTest;", "select * from " + pgTable, n},
                    Holds(n + " rows", 1)});
    jobs.push_back({"PostgreSQL", "query_to_xml (psql)",
                    PsqlArgs(s, false, "orvane_test",
                             "select query_to_xml('select * from \"EventLog\" limit " + n +
                                 "', true, false, '')"),
                    Holds("<row>", rows)});
    jobs.push_back({"PostgreSQL", "Load + XML data", orvane("OrvanePgTest", pgTable, "xml"),
                    Holds("\t<EventLog>", rows)});
    jobs.push_back({"PostgreSQL", "Load + SQL script", orvane("OrvanePgTest", pgTable, "sql"),
                    Holds("insert into", rows)});
    jobs.push_back(
        {"PostgreSQL", "Load + all nine texts", orvane("OrvanePgTest", pgTable, "all"), allNine});
    return jobs;
}

const Job& Find(const std::vector<Job>& jobs, const std::string& source, const std::string& work) {
    for (const Job& job : jobs) {
        if (job.source == source && job.work == work) return job;
    }
    throw std::runtime_error("no job " + work);
}

// "work / yardstick" by wall and by CPU time; the goal (at most `limit`) is on wall time.
void PrintRatio(const std::vector<Job>& jobs, const std::string& source, const std::string& work,
                const std::string& yardstick, double limit) {
    const Job& job = Find(jobs, source, work);
    const Job& base = Find(jobs, source, yardstick);
    const std::string what = source + ": " + work + " / " + yardstick;
    char goal[32];
    std::snprintf(goal, sizeof goal, "%s %.1f", limit == 1 ? "<" : "<=", limit);
    if (!job.Ok() || !base.Ok()) {
        std::printf("| %s | - | - | %s | not measured |\n", what.c_str(), goal);
        return;
    }
    const double ratio = job.Median() / base.Median();
    const bool met = limit == 1 ? ratio < limit : ratio <= limit;
    std::printf("| %s | %.2f | %.2f | %s | %s |\n", what.c_str(), ratio,
                job.CpuMedian() / base.CpuMedian(), goal, met ? "met" : "NOT met");
}

std::vector<int> ParseSizes(const std::string& text) {
    std::vector<int> sizes;
    std::stringstream in(text);
    for (std::string item; std::getline(in, item, ',');) {
        if (!item.empty()) sizes.push_back(std::max(1, std::atoi(item.c_str())));
    }
    return sizes;
}

}  // namespace

int main(int argc, char** argv) {
    std::string envDir;
    int rows = 32767;
    int repeat = 7;
    double timeout = 120;
    std::vector<int> sizes{5000, 50000};
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--env") {
            envDir = argv[i + 1];
        } else if (option == "--rows") {
            rows = std::clamp(std::atoi(argv[i + 1]), 1, 32767);
        } else if (option == "--repeat") {
            repeat = std::max(1, std::atoi(argv[i + 1]));
        } else if (option == "--tables") {
            sizes = ParseSizes(argv[i + 1]);
        } else if (option == "--timeout") {
            timeout = std::max(1.0, std::atof(argv[i + 1]));
        } else {
            std::fprintf(stderr,
                         "usage: bench_generate [--env DIR] [--rows N] [--repeat N] "
                         "[--tables N[,N...]] [--timeout S]\n");
            return 2;
        }
    }
    try {
        const bench::TestEnv env(envDir);
        env.Use();
        Sources s;
        s.binDir = fs::canonical("/proc/self/exe").parent_path().string();
        s.envDir = fs::absolute(env.Dir()).string();
        s.pgSocketDir = s.envDir + "/pg";
        std::ifstream(s.envDir + "/pg.port") >> s.pgPort;
        setenv("PGPASSWORD", kPgPassword, 1);
        const std::string scratch = s.envDir + "/bench-" + std::to_string(getpid());
        fs::create_directories(scratch);

        std::printf(
            "Orvane whole-process benchmark: EventLog, %d rows x 20 columns; median of "
            "%d runs\nload average at start: %s\n\n",
            rows, repeat, LoadAverage().c_str());
        std::vector<Job> jobs = GenerationJobs(s, rows, scratch);
        RunRounds(jobs, repeat, scratch, timeout);
        std::printf("| source | work | wall s | CPU s | peak MB |\n|---|---|---|---|---|\n");
        for (const Job& job : jobs) {
            std::printf("| %s | %s | %s | %.3f | %.1f |\n", job.source.c_str(), job.work.c_str(),
                        Seconds(job).c_str(), job.Ok() ? job.CpuMedian() : 0.0,
                        job.peakKb / 1024.0);
        }
        std::printf("\n| ratio | wall | CPU | goal (wall) | |\n|---|---|---|---|---|\n");
        PrintRatio(jobs, "SQLite", "Load + XML data", "fetch loop", 1.5);
        PrintRatio(jobs, "SQLite", "Load + SQL script", "sqlite3 .mode insert", 1.5);
        PrintRatio(jobs, "SQLite", "Load + all nine texts", "fetch loop", 2.5);
        PrintRatio(jobs, "PostgreSQL", "Load + XML data", "fetch loop", 1.5);
        PrintRatio(jobs, "PostgreSQL", "Load + XML data", "query_to_xml (psql)", 1);
        PrintRatio(jobs, "PostgreSQL", "Load + SQL script", "fetch loop", 1.5);
        PrintRatio(jobs, "PostgreSQL", "Load + all nine texts", "fetch loop", 2.5);
        for (const char* source : {"SQLite", "PostgreSQL"}) {
            const Job& all = Find(jobs, source, "Load + all nine texts");
            std::printf("| %s: Load + all nine texts, peak MB | %.1f | | <= 80 | %s |\n", source,
                        all.peakKb / 1024.0,
                        all.Ok() && all.peakKb <= 80 * 1024 ? "met" : "NOT met");
        }

        if (!sizes.empty()) {
            const std::string ini = CatalogueIni(s, sizes);
            setenv("ODBCINI", ini.c_str(), 1);
            std::vector<Job> lists;
            for (int tables : sizes) {
                const std::string n = std::to_string(tables);
                const bool lite =
                    MakeSqliteCatalogue(tables, s.envDir + "/cat-" + n + ".db", scratch);
                const bool pg = MakePgCatalogue(s, tables, "orvane_cat_" + n, scratch);
                // Every table shows its last column.
                const auto check = Holds("      counter\n", static_cast<std::size_t>(tables));
                lists.push_back({"SQLite",
                                 n,
                                 {s.binDir + "/orvane-gen", "--dsn", "OrvaneCatLite" + n, "--list"},
                                 check});
                lists.push_back({"PostgreSQL",
                                 n,
                                 {s.binDir + "/orvane-gen", "--dsn", "OrvaneCatPg" + n, "--list"},
                                 check});
                if (!lite) lists[lists.size() - 2].error = "cannot make the tables";
                if (!pg) lists.back().error = "cannot make the tables";
            }
            const int listRepeat = std::min(repeat, 3);
            RunRounds(lists, listRepeat, scratch, timeout);
            std::printf("\nCatalogue: orvane-gen --list, tables of 10 columns, median of %d\n\n",
                        listRepeat);
            std::printf("| tables | SQLite s | PostgreSQL s | goal |\n|---|---|---|---|\n");
            for (std::size_t k = 0; k + 1 < lists.size(); k += 2) {
                const int tables = std::atoi(lists[k].work.c_str());
                const std::string goal = tables <= 5000    ? "< 1 s"
                                         : tables <= 50000 ? "< 10 s"
                                                           : "-";
                std::printf("| %d | %s | %s | %s |\n", tables, Seconds(lists[k]).c_str(),
                            Seconds(lists[k + 1]).c_str(), goal.c_str());
            }
        }
        std::printf("\nload average at end: %s\n", LoadAverage().c_str());
        fs::remove_all(scratch);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_generate: %s\n", e.what());
        return 1;
    }
    return 0;
}
