#include "data/Connection.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <optional>
#include <tuple>

#include "data/ConnectionText.h"
#include "data/OdbcSession.h"
#include "data/RecordSetImpl.h"
#include "data/SqlNames.h"

namespace orvane::data {

namespace {

// A text argument of an ODBC call: null when empty, which the catalogue calls take as "any".
SQLCHAR* TextArg(std::string& text) {
    return text.empty() ? nullptr : reinterpret_cast<SQLCHAR*>(text.data());
}

SQLSMALLINT LengthArg(const std::string& text) { return static_cast<SQLSMALLINT>(text.size()); }

SQLRETURN ExecDirect(const OdbcHandle& statement, std::string& sql) {
    return SQLExecDirect(statement.Get(), reinterpret_cast<SQLCHAR*>(sql.data()),
                         static_cast<SQLINTEGER>(sql.size()));
}

std::string ColumnText(const OdbcHandle& statement, SQLUSMALLINT column, SQLUSMALLINT field) {
    char buffer[512];
    SQLSMALLINT length = 0;
    SQLRETURN rc =
        SQLColAttribute(statement.Get(), column, field, buffer, sizeof buffer, &length, nullptr);
    if (!SQL_SUCCEEDED(rc) || length <= 0) return {};
    return std::string(buffer,
                       std::min<std::size_t>(static_cast<std::size_t>(length), sizeof buffer - 1));
}

SQLLEN ColumnNumber(const OdbcHandle& statement, SQLUSMALLINT column, SQLUSMALLINT field) {
    SQLLEN value = 0;
    SQLRETURN rc = SQLColAttribute(statement.Get(), column, field, nullptr, 0, nullptr, &value);
    return SQL_SUCCEEDED(rc) ? value : 0;
}

// What the driver says of each column of an executed statement; base names only when asked.
std::vector<DescribedColumn> DescribeResult(const OdbcHandle& statement, const DriverQuirks& quirks,
                                            bool withBaseNames) {
    SQLSMALLINT count = 0;
    statement.Check(SQLNumResultCols(statement.Get(), &count), "Reading the result columns failed");
    std::vector<DescribedColumn> columns(static_cast<std::size_t>(count));
    for (SQLUSMALLINT i = 1; i <= static_cast<SQLUSMALLINT>(count); ++i) {
        DescribedColumn& column = columns[i - 1];
        std::vector<SQLCHAR> name(256);
        SQLSMALLINT nameLength = 0, sqlType = 0, digits = 0, nullable = SQL_NULLABLE_UNKNOWN;
        SQLULEN size = 0;
        for (int attempt = 0; attempt < 2; ++attempt) {
            statement.Check(SQLDescribeCol(statement.Get(), i, name.data(),
                                           static_cast<SQLSMALLINT>(name.size()), &nameLength,
                                           &sqlType, &size, &digits, &nullable),
                            "Describing result column " + std::to_string(i) + " failed");
            if (static_cast<std::size_t>(nameLength) < name.size()) break;
            name.resize(static_cast<std::size_t>(nameLength) + 1);
        }
        column.name.assign(
            reinterpret_cast<const char*>(name.data()),
            std::min<std::size_t>(static_cast<std::size_t>(nameLength), name.size() - 1));
        column.sqlType = sqlType;
        column.columnSize = static_cast<std::int64_t>(size);
        column.decimalDigits = digits;
        column.nullable = nullable;
        column.isUnsigned = ColumnNumber(statement, i, SQL_DESC_UNSIGNED) == SQL_TRUE;
        column.typeName = ColumnText(statement, i, SQL_DESC_TYPE_NAME);
        if (withBaseNames && quirks.NeedsCatalogue(column)) {
            column.baseColumn = ColumnText(statement, i, SQL_DESC_BASE_COLUMN_NAME);
            column.baseTable = ColumnText(statement, i, SQL_DESC_BASE_TABLE_NAME);
            if (column.baseTable.empty()) {
                column.baseTable = ColumnText(statement, i, SQL_DESC_TABLE_NAME);
            }
            column.baseSchema = ColumnText(statement, i, SQL_DESC_SCHEMA_NAME);
            column.baseCatalog = ColumnText(statement, i, SQL_DESC_CATALOG_NAME);
        }
    }
    return columns;
}

// "_" and "%" are wildcards in catalogue arguments; escaped, they match themselves.
std::string EscapePattern(const std::string& text, const std::string& escape) {
    if (escape.empty()) return text;
    std::string result;
    for (char c : text) {
        if (c == '_' || c == '%' || escape.find(c) != std::string::npos) result += escape;
        result += c;
    }
    return result;
}

// The ADO names of catalogue fields.
std::string AdoCatalogueName(const std::string& name) {
    if (name == "TABLE_SCHEM") return "TABLE_SCHEMA";
    if (name == "TABLE_CAT") return "TABLE_CATALOG";
    return name;
}

using CatalogueKey = std::tuple<std::string, std::string, std::string>;
using CatalogueColumns = std::map<std::string, CatalogColumn>;

}  // namespace

class Connection::Impl {
  public:
    std::shared_ptr<OdbcSession> session;
    std::string connectionText;

    const OdbcSession& Session() const {
        if (!session) throw OrvaneError("The connection is not open");
        return *session;
    }

    // A record set over an executed statement: catalogue results keep the driver's column
    // metadata (renamed to ADO names), query results are corrected by the driver's quirks.
    std::unique_ptr<RecordSet> MakeRecordSet(OdbcHandle statement, bool isCatalogue,
                                             const std::string& statementText,
                                             std::vector<RecordSet::Impl::RowFilter> filters) {
        std::vector<DescribedColumn> described =
            DescribeResult(statement, Session().Quirks(), !isCatalogue);
        return MakeRecordSet(std::move(statement), std::move(described), isCatalogue, statementText,
                             std::move(filters));
    }

    // The same over columns described before the statement ran.
    std::unique_ptr<RecordSet> MakeRecordSet(OdbcHandle statement,
                                             std::vector<DescribedColumn> described,
                                             bool isCatalogue, const std::string& statementText,
                                             std::vector<RecordSet::Impl::RowFilter> filters) {
        const DriverQuirks& quirks = Session().Quirks();
        std::vector<ColumnMeta> columns;
        columns.reserve(described.size());
        std::map<CatalogueKey, CatalogueColumns> catalogues;
        std::optional<QualifiedName> parsedTable;
        bool parsed = false;
        for (DescribedColumn& column : described) {
            const CatalogColumn* catalogue = nullptr;
            if (!isCatalogue && quirks.NeedsCatalogue(column)) {
                if (column.baseTable.empty()) {
                    if (!parsed) {
                        parsedTable = TableOfSimpleSelect(statementText);
                        parsed = true;
                    }
                    if (parsedTable) {
                        column.baseCatalog = parsedTable->catalog;
                        column.baseSchema = parsedTable->schema;
                        column.baseTable = parsedTable->table;
                    }
                }
                if (!column.baseTable.empty()) {
                    CatalogueKey key{column.baseCatalog, column.baseSchema, column.baseTable};
                    auto found = catalogues.find(key);
                    if (found == catalogues.end()) {
                        found = catalogues.emplace(key, ReadCatalogue(key)).first;
                    }
                    const std::string& name =
                        column.baseColumn.empty() ? column.name : column.baseColumn;
                    auto entry = found->second.find(name);
                    if (entry != found->second.end()) catalogue = &entry->second;
                }
            }
            ColumnMeta meta = quirks.Describe(column, catalogue);
            if (isCatalogue) meta.name = AdoCatalogueName(meta.name);
            columns.push_back(std::move(meta));
        }
        return std::make_unique<RecordSet>(std::make_unique<RecordSet::Impl>(
            session, std::move(statement), columns, std::move(filters)));
    }

    std::unique_ptr<RecordSet> Columns(const std::string& catalog, const std::string& schema,
                                       const std::string& table) {
        const std::string& escape = Session().PatternEscape();
        // Columns 1 to 3 of SQLColumns: catalogue, schema and table name.
        std::vector<RecordSet::Impl::RowFilter> filters;
        if (!catalog.empty()) filters.push_back({0, catalog});
        if (!schema.empty()) filters.push_back({1, schema});
        if (!table.empty()) filters.push_back({2, table});
        return ColumnsMatching(catalog, EscapePattern(schema, escape), EscapePattern(table, escape),
                               std::move(filters), "Reading the columns of " + table + " failed");
    }

    // SQLColumns over search patterns (empty: no restriction).
    std::unique_ptr<RecordSet> ColumnsMatching(std::string catalog, std::string schemaPattern,
                                               std::string tablePattern,
                                               std::vector<RecordSet::Impl::RowFilter> filters,
                                               const std::string& failure) {
        OdbcHandle statement = Session().NewStatement();
        statement.Check(SQLColumns(statement.Get(), TextArg(catalog), LengthArg(catalog),
                                   TextArg(schemaPattern), LengthArg(schemaPattern),
                                   TextArg(tablePattern), LengthArg(tablePattern), nullptr, 0),
                        failure);
        return MakeRecordSet(std::move(statement), true, {}, std::move(filters));
    }

    // Best effort: a table the catalogue cannot describe leaves the driver's metadata as is.
    CatalogueColumns ReadCatalogue(const CatalogueKey& key) {
        CatalogueColumns result;
        try {
            std::unique_ptr<RecordSet> rows =
                // The catalogue name a driver reports for a result column ("main") need not be
                // the one its catalogue lists, so only schema and table restrict the search.
                Columns({}, std::get<1>(key), std::get<2>(key));
            const DbField& name = rows->Field("COLUMN_NAME");
            const DbField& typeName = rows->Field("TYPE_NAME");
            const DbField& nullable = rows->Field("NULLABLE");
            // psqlODBC's own field: -1 where no length was declared.
            const DbField* typmod = rows->FindField("TYPMOD");
            for (; !rows->IsEOF(); rows->MoveNext()) {
                CatalogColumn column;
                column.name = name.Value();
                column.typeName = typeName.Value();
                column.nullable =
                    nullable.IsNull() ? SQL_NULLABLE_UNKNOWN : std::atoi(nullable.Value().c_str());
                column.noDeclaredLength =
                    typmod != nullptr && !typmod->IsNull() && typmod->Value() == "-1";
                result.emplace(column.name, std::move(column));
            }
        } catch (const OrvaneError&) {
            result.clear();
        }
        return result;
    }

    // A simple select whose columns the driver cannot pass on exactly runs with a select list
    // that casts them on the server; the record set keeps the columns' own metadata. Falls
    // back to the statement as written when the server rejects the rewritten one.
    std::unique_ptr<RecordSet> ExecuteWithExactText(const std::string& statementText) {
        const DriverQuirks& quirks = Session().Quirks();
        OdbcHandle statement = Session().NewStatement();
        std::string text = statementText;
        auto prepare = [](const OdbcHandle& handle, std::string& sql) {
            SQLSMALLINT count = 0;
            SQLRETURN rc = SQLPrepare(handle.Get(), reinterpret_cast<SQLCHAR*>(sql.data()),
                                      static_cast<SQLINTEGER>(sql.size()));
            // The driver may send the statement to the server only when asked for its columns.
            return SQL_SUCCEEDED(rc) ? SQLNumResultCols(handle.Get(), &count) : rc;
        };
        statement.Check(prepare(statement, text), "Query failed");
        std::vector<DescribedColumn> described = DescribeResult(statement, quirks, true);
        const NameQuoting quoting =
            NameQuoting::For(Session().DbmsName(), Session().IdentifierQuote());
        std::string selectList;
        bool casts = false;
        for (const DescribedColumn& column : described) {
            const std::string_view cast = quirks.ExactTextCast(column);
            casts = casts || !cast.empty();
            if (!selectList.empty()) selectList += ", ";
            selectList += QuoteName(column.name, quoting);
            selectList += cast;
        }
        // Run as a direct statement, not the prepared one: psqlODBC takes a direct statement's
        // rows as they arrive, but holds a prepared one's whole result twice over.
        auto run = [&](OdbcHandle prepared, std::string& sql) {
            prepared.Check(ExecDirect(prepared, sql), "Query failed");
            return MakeRecordSet(std::move(prepared), std::move(described), false, statementText,
                                 {});
        };
        if (casts) {
            OdbcHandle rewritten = Session().NewStatement();
            std::string cast = "select " + selectList + " from (" + statementText + ") as t";
            if (SQL_SUCCEEDED(prepare(rewritten, cast))) return run(std::move(rewritten), cast);
        }
        return run(std::move(statement), text);
    }
};

Connection::Connection() : impl_(std::make_unique<Impl>()) {}
Connection::~Connection() = default;

void Connection::Open(const std::string& connectionText) {
    Close();
    impl_->connectionText = connectionText;
    auto session = std::make_shared<OdbcSession>();
    const std::vector<ConnectionAttribute> attributes = ParseConnectionText(connectionText);
    std::map<std::string, std::string> byKey;
    for (const ConnectionAttribute& attribute : attributes) {
        std::string key;
        for (char c : attribute.key)
            key += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        byKey.emplace(key, attribute.value);
    }
    const bool onlyDataSource =
        byKey.count("DSN") != 0 && byKey.size() == attributes.size() &&
        std::all_of(byKey.begin(), byKey.end(), [](const auto& entry) {
            return entry.first == "DSN" || entry.first == "UID" || entry.first == "PWD";
        });
    if (onlyDataSource) {
        // No connection string for the driver to misread (some take no braces).
        session->ConnectDataSource(byKey["DSN"], byKey["UID"], byKey["PWD"]);
    } else {
        session->Connect(NormalizeConnectionText(connectionText));
    }
    impl_->session = std::move(session);
}

bool Connection::IsOpen() const { return impl_->session != nullptr; }

void Connection::Close() { impl_->session.reset(); }

std::string Connection::DbmsName() const { return impl_->Session().DbmsName(); }

NameQuoting Connection::Quoting() const {
    const OdbcSession& session = impl_->Session();
    return NameQuoting::For(session.DbmsName(), session.IdentifierQuote());
}

const std::string& Connection::ConnectionString() const { return impl_->connectionText; }

std::unique_ptr<RecordSet> Connection::Execute(const std::string& statementText) {
    if (impl_->Session().Quirks().CastsForExactText() && TableOfSimpleSelect(statementText)) {
        return impl_->ExecuteWithExactText(statementText);
    }
    OdbcHandle statement = impl_->Session().NewStatement();
    std::string text = statementText;
    SQLRETURN rc = ExecDirect(statement, text);
    // A statement that touches no rows answers SQL_NO_DATA; that is no failure.
    if (rc != SQL_NO_DATA) statement.Check(rc, "Query failed");
    return impl_->MakeRecordSet(std::move(statement), false, statementText, {});
}

std::unique_ptr<RecordSet> Connection::OpenSchemaTables() {
    const OdbcSession& session = impl_->Session();
    OdbcHandle statement = session.NewStatement();
    const DriverQuirks& quirks = session.Quirks();
    std::string schema = quirks.TablesSchemaPattern() ? quirks.TablesSchemaPattern() : "";
    std::string types = quirks.TablesTypes() ? quirks.TablesTypes() : "";
    statement.Check(SQLTables(statement.Get(), nullptr, 0, TextArg(schema), LengthArg(schema),
                              nullptr, 0, TextArg(types), LengthArg(types)),
                    "Reading the list of tables failed");
    return impl_->MakeRecordSet(std::move(statement), true, {}, {});
}

std::unique_ptr<RecordSet> Connection::OpenSchemaColumns(const std::string& catalog,
                                                         const std::string& schema,
                                                         const std::string& table) {
    return impl_->Columns(catalog, schema, table);
}

std::unique_ptr<RecordSet> Connection::OpenSchemaAllColumns() {
    const OdbcSession& session = impl_->Session();
    const char* query = session.Quirks().AllColumnsQuery();
    if (query == nullptr) {
        const char* schemas = session.Quirks().TablesSchemaPattern();
        return impl_->ColumnsMatching({}, schemas != nullptr ? schemas : "", "%", {},
                                      "Reading the columns of all tables failed");
    }
    OdbcHandle statement = session.NewStatement();
    std::string text = query;
    statement.Check(ExecDirect(statement, text), "Reading the columns of all tables failed");
    return impl_->MakeRecordSet(std::move(statement), true, {}, {});
}

std::vector<std::string> Connection::PrimaryKeyColumns(const std::string& schema,
                                                       const std::string& table) {
    OdbcHandle statement = impl_->Session().NewStatement();
    std::string schemaArg = schema;
    std::string tableArg = table;
    statement.Check(SQLPrimaryKeys(statement.Get(), nullptr, 0, TextArg(schemaArg),
                                   LengthArg(schemaArg), TextArg(tableArg), LengthArg(tableArg)),
                    "Reading the primary key of " + table + " failed");
    std::unique_ptr<RecordSet> rows = impl_->MakeRecordSet(std::move(statement), true, {}, {});
    const DbField& name = rows->Field("COLUMN_NAME");
    const DbField& sequence = rows->Field("KEY_SEQ");
    std::map<int, std::string> keys;
    for (; !rows->IsEOF(); rows->MoveNext()) {
        keys.emplace(std::atoi(sequence.Value().c_str()), name.Value());
    }
    std::vector<std::string> columns;
    for (auto& [position, column] : keys) columns.push_back(std::move(column));
    return columns;
}

std::vector<DataSourceInfo> ListDataSources() {
    std::vector<DataSourceInfo> sources;
    try {
        OdbcHandle env(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
        env.Check(SQLSetEnvAttr(env.Get(), SQL_ATTR_ODBC_VERSION,
                                reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
                  "Selecting ODBC 3 behaviour failed");
        SQLCHAR name[256];
        SQLCHAR driver[512];
        SQLUSMALLINT direction = SQL_FETCH_FIRST;
        while (true) {
            SQLSMALLINT nameLength = 0, driverLength = 0;
            SQLRETURN rc = SQLDataSources(env.Get(), direction, name, sizeof name, &nameLength,
                                          driver, sizeof driver, &driverLength);
            if (!SQL_SUCCEEDED(rc)) break;
            sources.push_back(
                {reinterpret_cast<const char*>(name), reinterpret_cast<const char*>(driver)});
            direction = SQL_FETCH_NEXT;
        }
    } catch (const OrvaneError&) {
        sources.clear();
    }
    return sources;
}

}  // namespace orvane::data
