// The data layer against the real drivers: the SQLite sample through sqlite3odbc and the
// throwaway PostgreSQL server through psqlODBC. One body runs against each.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "Golden.h"
#include "data/Connection.h"
#include "data/OdbcError.h"
#include "data/ValueText.h"

namespace orvane::data {
namespace {

struct Backend {
    std::string name;
    std::string connectText;
    std::string missingTableWords;  // what the driver says of an unknown table
    std::string longTextQuery;      // one column: "é€" repeated 9000 times
};

void PrintTo(const Backend& backend, std::ostream* out) { *out << backend.name; }

const Backend kBackends[] = {
    {"SQLite", "PROVIDER=MSDASQL;UID=;PWD=;DSN=OrvaneSample;", "no such table",
     "select replace(printf('%.*c', 9000, '_'), '_', 'é€') as Big"},
    {"PostgreSQL", "PROVIDER=MSDASQL;UID=orvane;PWD=orvane_pw;DSN=OrvanePgTest;", "does not exist",
     "select repeat('é€', 9000) as \"Big\""}};

// Always quoted: PostgreSQL folds plain names to lower case.
std::string Quote(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// A value as one readable line: nulls marked, line breaks shown, long values cut at a character.
std::string Shown(const DbField& field) {
    if (field.IsNull()) return "<null>";
    std::string text;
    for (char c : field.Value()) text += c == '\n' ? "\\n" : c == '\t' ? "\\t" : std::string(1, c);
    if (text.size() <= 80) return text;
    std::size_t cut = 60;
    while ((static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut) + "... (" + std::to_string(field.Value().size()) + " bytes)";
}

// Columns (ADO type, size/precision/scale, nullability) and values of a result: the first rows,
// the last one and the count.
void Dump(RecordSet& rows, std::ostream& out) {
    for (std::size_t i = 0; i < rows.FieldCount(); ++i) {
        const DbField& f = rows.Field(i);
        out << "  " << f.Name() << ": " << f.Type() << " " << f.DefinedSize() << "/"
            << f.Precision() << "/" << f.NumericScale()
            << ((f.Attributes() & adFldIsNullable) ? " null\n" : " not null\n");
    }
    std::size_t count = 0;
    std::string last;
    for (; !rows.IsEOF(); rows.MoveNext(), ++count) {
        last.clear();
        for (std::size_t i = 0; i < rows.FieldCount(); ++i)
            last += (i ? " | " : "") + Shown(rows.Field(i));
        if (count < 6) out << "  " << last << "\n";
    }
    if (count > 6) out << "  ...\n  " << last << "\n";
    out << "  " << count << " rows\n";
    for (std::size_t i = 0; i < rows.FieldCount(); ++i) EXPECT_TRUE(rows.Field(i).IsNull());
    rows.MoveNext();  // moving past the end stays at the end
    EXPECT_TRUE(rows.IsEOF());
}

// "state: message" of the ODBC failure run meets, or "" when it succeeds.
std::string FailureOf(const std::function<void()>& run) {
    try {
        run();
    } catch (const OdbcError& error) {
        return error.SqlState() + ": " + error.what();
    }
    return "";
}

class DataSourceTest : public ::testing::TestWithParam<Backend> {
  protected:
    void SetUp() override { connection_.Open(GetParam().connectText); }
    Connection connection_;
};

// Every table and view with its columns and rows as the layer reads them, the system tables'
// schemas, the catalogue's columns for names that are patterns, and an alias that names another
// column of its table.
TEST_P(DataSourceTest, ReadsTheWholeSampleAsTheGoldenFileShows) {
    std::ostringstream out;
    out << connection_.DbmsName() << "\n";
    std::vector<std::pair<std::string, std::string>> tables;  // schema, name
    std::set<std::string> systemSchemas;
    for (auto list = connection_.OpenSchemaTables(); !list->IsEOF(); list->MoveNext()) {
        const std::string type = list->Field("TABLE_TYPE").Value();
        const DbField& schema = list->Field("TABLE_SCHEMA");
        const std::string name = list->Field("TABLE_NAME").Value();
        if (type == "SYSTEM TABLE") systemSchemas.insert(schema.Value());
        if (type == "SYSTEM TABLE") continue;
        out << type << " " << Shown(schema) << "." << name << "\n";
        tables.emplace_back(schema.Value(), name);
    }
    // Other sessions' temporary tables come and go among the system tables: only these count.
    EXPECT_EQ(systemSchemas.count("pg_catalog") + systemSchemas.count("information_schema"),
              GetParam().name == "PostgreSQL" ? 2u : 0u);
    // The whole catalogue in one query names the columns each table's select names.
    std::map<std::pair<std::string, std::string>, std::vector<std::string>> all;
    for (auto rows = connection_.OpenSchemaAllColumns(); !rows->IsEOF(); rows->MoveNext()) {
        all[{rows->Field("TABLE_SCHEMA").Value(), rows->Field("TABLE_NAME").Value()}].push_back(
            rows->Field("COLUMN_NAME").Value());
    }
    for (const auto& [schema, table] : tables) {
        out << "select * from " << schema << "." << table << " (key:";
        for (const std::string& key : connection_.PrimaryKeyColumns(schema, table))
            out << " " << key;
        out << ")\n";
        auto rows = connection_.Execute("select * from " +
                                        (schema.empty() ? "" : Quote(schema) + ".") + Quote(table));
        std::vector<std::string> names;
        for (std::size_t i = 0; i < rows->FieldCount(); ++i) names.push_back(rows->Field(i).Name());
        EXPECT_EQ((all[{schema, table}]), names) << schema << "." << table;
        Dump(*rows, out);
    }
    const std::string alias =
        "select \"ProductName\" as \"Sku\", \"Sku\" as \"Code\" from \"Products\"";
    out << alias << "\n";
    Dump(*connection_.Execute(alias), out);
    const std::pair<std::string, std::string> patterns[] = {
        {"", "Order_Details"}, {"", "Order%"},           {"", "NoSuchTable"},
        {"", "Order Details"}, {"archive", "OldOrders"}, {"public", "OldOrders"}};
    for (const auto& [schema, table] : patterns) {
        out << "columns of " << schema << "." << table << ":";
        for (auto rows = connection_.OpenSchemaColumns("", schema, table); !rows->IsEOF();
             rows->MoveNext())
            out << " " << rows->Field("TABLE_NAME").Value() << "."
                << rows->Field("COLUMN_NAME").Value();
        out << "\n";
    }
    test::expectGolden("sample-" + GetParam().name + ".txt", out.str());
    EXPECT_EQ(connection_.ConnectionString(), GetParam().connectText);
    connection_.Close();
    EXPECT_FALSE(connection_.IsOpen());
    EXPECT_THROW(connection_.Execute("select 1"), OrvaneError);
}

TEST_P(DataSourceTest, ReadsLongValuesInChunks) {
    std::string text;
    for (int i = 0; i < 9000; ++i) text += "é€";
    EXPECT_EQ(connection_.Execute(GetParam().longTextQuery)->Field(std::size_t{0}).Value(), text);
    std::string bytes, base64;
    for (int i = 0; i < 6000; ++i) bytes += "xy";
    valuetext::Base64(bytes, base64);
    EXPECT_EQ(connection_.Execute("select \"Picture\" from \"Products\" where \"ProductID\" = 6")
                  ->Field("Picture")
                  .Value(),
              base64);
}

// Fields are found by name in any case even without rows; a rejected query carries the driver's
// words, and the connection stays usable.
TEST_P(DataSourceTest, FieldsByNameAndARejectedQuery) {
    auto rows = connection_.Execute("select * from \"Customers\" where 1 = 0");
    EXPECT_TRUE(rows->IsEOF());
    EXPECT_EQ(rows->Field("creditlimit").Type(), adNumeric);
    EXPECT_EQ(rows->Field("CREDITLIMIT").NumericScale(), 2);
    EXPECT_THROW(rows->Field("NoSuchField"), OrvaneError);
    EXPECT_THROW(rows->Field(std::size_t{10}), OrvaneError);
    const std::string failure =
        FailureOf([&] { connection_.Execute("select * from \"NoSuchTable\""); });
    EXPECT_EQ(failure.find(": Query failed: "), 5u) << failure;  // after the SQL state
    EXPECT_NE(failure.find(GetParam().missingTableWords), std::string::npos) << failure;
    EXPECT_NE(failure.find("NoSuchTable"), std::string::npos) << failure;
    EXPECT_FALSE(connection_.Execute("select * from \"Customers\"")->IsEOF());
}

INSTANTIATE_TEST_SUITE_P(Drivers, DataSourceTest, ::testing::ValuesIn(kBackends),
                         [](const auto& info) { return info.param.name; });

// The test sources are listed with their drivers; one that is not there fails to open, and the
// connection keeps the text and says why.
TEST(DataSources, ListedAndAFailedOpen) {
    std::set<std::pair<std::string, std::string>> sources;
    for (const DataSourceInfo& source : ListDataSources())
        sources.emplace(source.name, source.driver);
    EXPECT_TRUE(sources.count({"OrvaneSample", "SQLite3"}));
    EXPECT_TRUE(sources.count({"OrvanePgTest", "PostgreSQL Unicode"}));
    Connection connection;
    const std::string text = "PROVIDER=MSDASQL;DSN=NoSuchSource;";
    const std::string failure = FailureOf([&] { connection.Open(text); });
    EXPECT_EQ(failure.rfind("IM002: Opening the connection failed: ", 0), 0u) << failure;
    EXPECT_NE(failure.find("not found"), std::string::npos) << failure;
    EXPECT_FALSE(connection.IsOpen());
    EXPECT_EQ(connection.ConnectionString(), text);
    EXPECT_THROW(connection.DbmsName(), OrvaneError);
}

}  // namespace
}  // namespace orvane::data
