#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "data/Connection.h"
#include "data/RecordSet.h"
#include "generator/Generator.h"
#include "model/DbCatalog.h"
#include "model/ODBCTable.h"
#include "model/ODBCTools.h"
#include "model/TreeNode.h"
#include "settings/Config.h"

namespace orvane {
namespace {

using Rows = std::vector<std::vector<std::optional<std::string>>>;

// EventLog is long; its first rows cover every kind of value it has.
constexpr std::size_t kRowLimit = 400;

Rows ReadRows(data::Connection& connection, const std::string& table, std::size_t limit) {
    Rows rows;
    auto set = connection.Execute("select * from " + table);
    for (; !set->IsEOF() && rows.size() < limit; set->MoveNext()) {
        auto& row = rows.emplace_back();
        for (std::size_t k = 0; k < set->FieldCount(); ++k) {
            const data::DbField& field = set->Field(k);
            row.push_back(field.IsNull() ? std::nullopt : std::optional(field.Value()));
        }
    }
    return rows;
}

// The statements of a script part, split at semicolons outside quoted literals.
std::vector<std::string> SplitStatements(const std::string& text) {
    std::vector<std::string> statements;
    std::string current;
    bool quoted = false;
    for (char c : text) {
        if (c == '\'') quoted = !quoted;
        if (c == ';' && !quoted) {
            if (current.find_first_not_of(" \r\n\t") != std::string::npos) {
                statements.push_back(current);
            }
            current.clear();
        } else {
            current += c;
        }
    }
    EXPECT_FALSE(quoted) << "unbalanced quotes in the insert statements";
    EXPECT_EQ(current.find_first_not_of(" \r\n\t"), std::string::npos) << current;
    return statements;
}

// The node of one table in the catalogue's tree, ticked with all its columns and its first
// column marked as the key.
class SqlRoundTrip : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = test::MakeTempDir("orvane-sqlrt");
        source_.Open("DSN=OrvaneSample;");
        config_ = std::make_shared<Config>();
        for (int scr = 0; scr <= 8; ++scr) {
            config_->Screens().Item(std::to_string(scr))->IsUppercase = 3;
        }
        generator_.SetCurrentConfig(config_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string folder_;
    data::Connection source_;
    std::shared_ptr<Config> config_;
    Generator generator_;
};

TEST_F(SqlRoundTrip, CreateAndInsertStatementsRebuildEverySampleTable) {
    const DbCatalog catalog = DbCatalog::Read(source_);
    std::size_t tablesChecked = 0;
    bool sawQuote = false;
    bool sawNonAscii = false;
    bool sawNull = false;

    for (const DbCatalog::Folder& folder : catalog.folders) {
        if (folder.name != "Tables") continue;
        for (const DbCatalog::Table& entry : folder.tables) {
            SCOPED_TRACE(entry.fullName);
            const Rows source = ReadRows(source_, entry.fullName, kRowLimit);
            ASSERT_FALSE(source.empty());

            // Every column, the first one as the key.
            const auto node = DbCatalog::TableNode(
                entry, [](const std::string&) { return true; },
                [&entry](const std::string& column) { return column == entry.columns.front(); });
            auto table = std::make_shared<ODBCTable>();
            table->SetMaxRows(static_cast<std::int16_t>(source.size()));
            table->Activate();
            ASSERT_TRUE(table->Load(&source_, node->View().get()));
            table->DeActivate();
            table->SetAlias(table->TableName());
            node->SetChecked(false);

            generator_.SetTable(table);
            generator_.Activate();
            const std::string script = generator_.GenSQL();
            generator_.DeActivate();

            // Run the create statement and the insert statements into a fresh database.
            const std::size_t createEnd = script.find("\r\n);\r\n");
            ASSERT_NE(createEnd, std::string::npos);
            const std::size_t insertsAt = script.find("insert into ");
            ASSERT_NE(insertsAt, std::string::npos);
            const std::string file = folder_ + "/t" + std::to_string(tablesChecked) + ".db";
            data::Connection target;
            target.Open("Driver=SQLite3;Database=" + file + ";");
            target.Execute(script.substr(0, createEnd + 3));
            const auto inserts = SplitStatements(script.substr(insertsAt));
            ASSERT_EQ(inserts.size(), source.size());
            for (const std::string& insert : inserts) target.Execute(insert);

            const Rows copy = ReadRows(target, entry.fullName, kRowLimit + 1);
            ASSERT_EQ(copy.size(), source.size());
            for (std::size_t i = 0; i < source.size(); ++i) {
                ASSERT_EQ(copy[i].size(), source[i].size());
                for (std::size_t j = 0; j < source[i].size(); ++j) {
                    std::optional<std::string> expected = source[i][j];
                    // Date columns are created as DATE and written as date literals, so a
                    // time of day does not travel.
                    const int type = table->Fields().Item(j + 1).ODBCType();
                    if (expected && ClassOf(type) == TypeClass::Date) {
                        expected = expected->substr(0, 10);
                    }
                    EXPECT_EQ(copy[i][j], expected) << "row " << i << ", column " << j;
                    if (expected) {
                        sawQuote = sawQuote || expected->find('\'') != std::string::npos;
                        for (unsigned char c : *expected) sawNonAscii = sawNonAscii || c >= 0x80;
                    } else {
                        sawNull = true;
                    }
                }
            }
            ++tablesChecked;
        }
    }
    EXPECT_GE(tablesChecked, 5u);
    EXPECT_TRUE(sawQuote);
    EXPECT_TRUE(sawNonAscii);
    EXPECT_TRUE(sawNull);
}

}  // namespace
}  // namespace orvane
