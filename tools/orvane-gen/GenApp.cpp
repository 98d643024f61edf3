#include "GenApp.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <ostream>
#include <set>
#include <utility>

#include "TerminalText.h"
#include "core/AtomicFile.h"
#include "core/Host.h"
#include "core/KeyedCollection.h"
#include "core/Screens.h"
#include "data/Connection.h"
#include "generator/GenerateWorkflow.h"
#include "model/ConnectionManager.h"
#include "model/ConnectionTexts.h"
#include "model/ODBCTable.h"
#include "model/PlainTreeNode.h"
#include "model/TreeNode.h"
#include "settings/Config.h"

namespace orvane::gen {

namespace {
constexpr const char* kCannotWrite = "Cannot write to standard output";

std::string Unix(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 1);
    }
    return text;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The column a name on the command line means: the one of exactly that name, else the one name
// that differs only in letter case. Several of those make the name ambiguous: a usage error.
std::string ResolveColumn(const DbCatalog::Table& table, const std::string& name) {
    if (Contains(table.columns, name)) return name;
    std::vector<std::string> folded;
    for (const std::string& column : table.columns) {
        if (KeysEqual(column, name)) folded.push_back(column);
    }
    if (folded.size() == 1) return folded.front();
    if (folded.empty()) {
        throw GenApp::Failure("Unknown column \"" + name + "\" in table " + table.fullName);
    }
    std::string list;
    for (const std::string& column : folded) list += (list.empty() ? "\"" : ", \"") + column + "\"";
    throw GenOptions::UsageError("Column \"" + name + "\" of " + table.fullName +
                                 " differs only in letter case from " + list +
                                 "; give the exact name");
}

std::string UnknownTable(const std::string& name) {
    return "Unknown table \"" + name + "\" (orvane-gen --list shows the tables of the data source)";
}

// Lets library messages (a failed load, a broken settings file) reach stderr while the app
// runs, and takes the sink away again afterwards.
class MessageSinkScope {
  public:
    explicit MessageSinkScope(std::ostream& err) {
        Host::SetMessageSink([&err](const std::string& text, int, const std::string&) {
            err << "orvane-gen: " << TerminalText(Unix(text), true) << '\n';
        });
    }
    ~MessageSinkScope() { Host::SetMessageSink({}); }
    MessageSinkScope(const MessageSinkScope&) = delete;
    MessageSinkScope& operator=(const MessageSinkScope&) = delete;
};
}  // namespace

GenApp::GenApp(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

int GenApp::Run(const std::vector<std::string>& args) {
    GenOptions options;
    try {
        options = GenOptions::Parse(args);
    } catch (const GenOptions::UsageError& e) {
        err_ << "orvane-gen: " << TerminalText(e.what(), true)
             << "\nTry 'orvane-gen --help' for more information.\n";
        return 2;
    }
    if (options.help) {
        out_ << GenOptions::Usage();
        if (out_.flush()) return 0;
        err_ << "orvane-gen: " << kCannotWrite << '\n';
        return 1;
    }
    quiet_ = options.quiet;
    MessageSinkScope sink(err_);
    try {
        return Execute(options);
    } catch (const GenOptions::UsageError& e) {
        err_ << "orvane-gen: " << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) {
        // An empty text: the library has already said what went wrong.
        if (*e.what() != '\0') err_ << "orvane-gen: " << TerminalText(Unix(e.what()), true) << '\n';
        return 1;
    }
}

int GenApp::Execute(const GenOptions& options) {
    auto config = std::make_shared<Config>();
    // For this run only: the settings are not saved.
    if (options.dialect)
        config->Screens().Item(std::to_string(SQL_CODE))->Dialect = *options.dialect;
    if (!options.HasConnection()) throw Failure(GenerateWorkflow::NoDataSource().message);
    std::shared_ptr<data::Connection> connection = Connect(options, *config);
    const DbCatalog catalog = DbCatalog::Read(*connection);
    if (options.list) {
        List(catalog, *config);
        if (!out_.flush()) throw Failure(kCannotWrite);
        return 0;
    }
    if (options.Batch()) return GenerateEach(options, catalog, *connection, config);
    Generate(options, catalog, config);
    return 0;
}

std::shared_ptr<data::Connection> GenApp::Connect(const GenOptions& options, Config& config) {
    ConnectionInput input;
    input.dsn = options.dsn;
    input.uid = options.user;
    input.pwd = options.password;
    input.database = options.database;
    input.driver = options.driver;
    input.server = options.server;
    std::shared_ptr<ConnectionManager> manager = config.ConnectionManager();
    ConnectionTexts::Compose(input, *manager);

    auto connection = std::make_shared<data::Connection>();
    try {
        connection->Open(manager->ADOConnect());
    } catch (const std::exception& e) {
        throw Failure(std::string("Cannot connect to the data source: ") + e.what());
    }
    manager->dbconn = connection;
    config.DBMSName = connection->DbmsName();
    return connection;
}

void GenApp::List(const DbCatalog& catalog, Config& config) {
    out_ << TerminalText(
                DbCatalog::RootText(config.ConnectionManager()->SelectedDsn(), catalog.dbmsName))
         << '\n';
    for (const DbCatalog::Folder& folder : catalog.folders) {
        out_ << "  " << folder.name << '\n';
        for (const DbCatalog::Table& table : folder.tables) {
            out_ << "    " << TerminalText(table.fullName) << '\n';
            for (const std::string& column : table.columns) {
                out_ << "      " << TerminalText(column) << '\n';
            }
        }
    }
}

const DbCatalog::Table* GenApp::FindTable(const DbCatalog& catalog, const std::string& name) {
    const DbCatalog::Table* folded = nullptr;
    int foldedMatches = 0;
    for (const DbCatalog::Folder& folder : catalog.folders) {
        for (const DbCatalog::Table& table : folder.tables) {
            // The name as --list prints it finds the table too.
            if (table.fullName == name || TerminalText(table.fullName) == name) return &table;
            if (KeysEqual(table.fullName, name)) {
                folded = &table;
                ++foldedMatches;
            }
        }
    }
    return foldedMatches == 1 ? folded : nullptr;
}

std::unique_ptr<PlainTreeNode> GenApp::TableNode(const DbCatalog::Table& table,
                                                 const std::vector<std::string>& columns,
                                                 const std::vector<std::string>& keys) {
    std::vector<std::string> chosen;
    std::vector<std::string> keyColumns;
    for (const std::string& name : columns) chosen.push_back(ResolveColumn(table, name));
    for (const std::string& name : keys) keyColumns.push_back(ResolveColumn(table, name));
    return DbCatalog::TableNode(
        table,
        [&](const std::string& column) { return columns.empty() || Contains(chosen, column); },
        [&](const std::string& column) { return Contains(keyColumns, column); });
}

void GenApp::Progress(const std::string& message) const {
    // The load reports row 0 at once; only the later messages say anything about a long run.
    if (quiet_ || message == "Loaded 0 records.") return;
    err_ << TerminalText(message, true) << '\n';
}

void GenApp::Generate(const GenOptions& options, const DbCatalog& catalog,
                      const std::shared_ptr<Config>& config) {
    if (options.tables.empty()) throw Failure(GenerateWorkflow::NoTable().message);
    const DbCatalog::Table* found = FindTable(catalog, options.tables.front());
    if (found == nullptr) throw Failure(UnknownTable(options.tables.front()));
    for (const std::string& path :
         GenerateTable(options, *found, options.keys, options.outDir, config)) {
        Progress("Wrote " + path);
    }
}

int GenApp::GenerateEach(const GenOptions& options, const DbCatalog& catalog,
                         data::Connection& connection, const std::shared_ptr<Config>& config) {
    std::vector<std::pair<std::string, const DbCatalog::Table*>> tables;
    if (options.allTables) {
        for (const DbCatalog::Table& table : catalog.Tables().tables) {
            tables.emplace_back(table.fullName, &table);
        }
    } else {
        for (const std::string& name : options.tables) {
            tables.emplace_back(name, FindTable(catalog, name));
        }
    }
    std::set<std::string> folders;
    int status = 0;
    for (const auto& [name, table] : tables) {
        const std::string shown = TerminalText(name, true);
        try {
            if (table == nullptr) throw Failure(UnknownTable(name));
            const std::vector<std::string> keys =
                options.keys.empty() ? connection.PrimaryKeyColumns(table->schema, table->name)
                                     : options.keys;
            if (keys.empty()) {
                throw Failure(
                    "skipped: the data source reports no primary key (name one with "
                    "--keys)");
            }
            // The name without the quotes a query needs: "Order Details", "public.Orders".
            const std::string folder = FileNamePart(
                table->schema.empty() ? table->name : table->schema + "." + table->name);
            if (!folders.insert(folder).second) {
                throw Failure("skipped: its folder " + folder + " holds another table already");
            }
            const std::string dir = (std::filesystem::path(options.outDir) / folder).string();
            GenerateTable(options, *table, keys, dir, config);
            if (!quiet_) err_ << shown << ": written into " << TerminalText(dir, true) << '\n';
        } catch (const std::exception& e) {
            status = 1;
            // An empty text: the library has already said what went wrong.
            err_ << shown << ": "
                 << (*e.what() == '\0' ? std::string("failed") : TerminalText(Unix(e.what()), true))
                 << '\n';
        }
    }
    return status;
}

std::vector<std::string> GenApp::GenerateTable(const GenOptions& options,
                                               const DbCatalog::Table& table,
                                               const std::vector<std::string>& keys,
                                               const std::string& dir,
                                               const std::shared_ptr<Config>& config) {
    const std::unique_ptr<PlainTreeNode> node = TableNode(table, options.columns, keys);

    GenerateWorkflow workflow;
    workflow.SetConfig(config);
    workflow.SetNotify([this](const std::string& message) { Progress(message); });
    workflow.SetMaxRows(options.rows);
    workflow.Start();
    const std::unique_ptr<TreeNode> view = node->View();
    // An empty message: a failed load has shown its own through the host.
    const auto stop = workflow.Load(
        view.get(), options.aliasGiven ? std::optional<std::string>(options.alias) : std::nullopt);
    if (stop) throw Failure(stop->message);
    // Every file's name before any work: an alias or suffix that gives none stops the run.
    std::vector<std::string> paths;
    for (int screen : options.screens) {
        if (dir.empty()) break;
        const std::string name =
            ScreenFileName(workflow.Table().Alias(), screen, config->Suffix(screen));
        paths.push_back((std::filesystem::path(dir) / name).string());
    }
    // Screens named here are generated whatever the settings say; the settings are not saved.
    for (int screen : options.screens) config->Screens().Item(std::to_string(screen))->Enabled = 1;

    if (dir.empty()) {
        // Every screen named is generated, as with a folder; the first is printed.
        std::string first;
        for (std::size_t k = 0; k < options.screens.size(); ++k) {
            std::string text = workflow.Generate(options.screens[k]);
            if (k == 0) first = std::move(text);
        }
        workflow.Stop();
        out_ << first;
        if (!out_.flush()) throw Failure(kCannotWrite);
        return paths;
    }
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) throw Failure("Cannot create the folder " + dir + ": " + error.message());
    // Each text goes to its temporary file as soon as it is made, so only one is held at a time;
    // the files replace their targets once all are made, and a failed run leaves none.
    std::vector<std::unique_ptr<AtomicFile>> files;
    for (std::size_t k = 0; k < paths.size(); ++k) {
        files.push_back(std::make_unique<AtomicFile>(paths[k]));
        files.back()->Write(workflow.Generate(options.screens[k]));
    }
    workflow.Stop();
    for (const auto& file : files) file->Commit();
    return paths;
}

}  // namespace orvane::gen
