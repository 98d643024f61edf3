// The schemas of every table of the test databases, loaded through the database tree and
// checked by the real validator against the XML data generated from the same load.
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "SchemaFixture.h"
#include "TestSupport.h"
#include "XmlLint.h"
#include "core/Host.h"
#include "data/Connection.h"
#include "data/SqlNames.h"
#include "generator/MakeAlias.h"
#include "model/ConnectionManager.h"
#include "model/ConnectionTexts.h"
#include "model/DbCatalog.h"
#include "model/ODBCTable.h"
#include "model/PlainTreeNode.h"

namespace orvane::test {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

// What a table of the test databases holds, as far as the schemas are concerned.
struct TableCase {
    std::string table;  // its own name, without schema prefix or quotes
    std::string key;
    int rows;       // exactly the rows it holds (at most 10): no made-up sample rows
    Names misfits;  // columns whose values the W3C schema rejects (see README, notes on outputs)
};

struct Source {
    std::string label;
    ConnectionInput input;
    std::vector<TableCase> tables;
};

// Both databases hold the same data; the misfits are the same: a NULL in a numeric or date
// column, a timestamp with a time of day under xs:date, a bigint beyond xs:int.
std::vector<TableCase> SampleTables() {
    return {
        {"Customers", "CustomerID", 6, {"CreditLimit", "CreatedAt"}},
        {"Products", "ProductID", 5, {"Barcode"}},
        {"Orders", "OrderID", 5, {"RequiredDate", "ShippedAt"}},
        {"Order Details", "OrderID", 7, {}},
        {"Price$History", "ProductID", 3, {}},
        {"EventLog", "EventID", 10, {"EventTime", "Amount"}},
        {"OrderSummary", "OrderID", 5, {}},
    };
}

std::vector<Source> Sources() {
    std::vector<TableCase> pg = SampleTables();
    pg.push_back({"OldOrders", "OrderID", 2, {"Total"}});
    pg.push_back({"victim", "v", 1, {}});
    pg.push_back({"x\"; DROP TABLE victim; --", "id", 1, {}});
    // SQLite's REAL is a double, a number type that rejects the empty element.
    std::vector<TableCase> sqlite = SampleTables();
    sqlite[1].misfits.insert("Rating");
    return {{"OrvaneSample", {"OrvaneSample", "", "", "", "", ""}, sqlite},
            {"OrvanePgTest", {"OrvanePgTest", "orvane", "orvane_pw", "", "", ""}, pg}};
}

// "public.[Order Details]" -> "Order Details"
std::string OwnName(const std::string& fullName) {
    const auto parts = data::SplitFullName(fullName);
    return parts ? parts->back().name : fullName;
}

// The elements the validator names in its complaints.
Names Complaints(const std::string& output) {
    static const std::string kElement = "Element '";
    Names names;
    for (std::size_t at = output.find(kElement); at != std::string::npos;
         at = output.find(kElement, at)) {
        at += kElement.size();
        const std::size_t end = output.find('\'', at);
        if (end == std::string::npos) break;
        names.insert(output.substr(at, end - at));
    }
    return names;
}

std::string Join(const Names& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ",") + name;
    return text;
}

class SchemaDatabaseTest : public SchemaFixture {
  protected:
    void SetUp() override {
        SchemaFixture::SetUp();
        if (!HaveXmlLint()) GTEST_SKIP() << "xmllint is not installed (package libxml2-utils)";
        dir_ = MakeTempDir("orvane-schemas-db-");
        Host::SetMessageSink(
            [this](const std::string& text, int, const std::string&) { messages_ += text + "\n"; });
    }
    void TearDown() override {
        Host::SetMessageSink({});
        if (!dir_.empty()) fs::remove_all(dir_);
    }

    std::shared_ptr<data::Connection> Open(const ConnectionInput& input) {
        ConnectionManager manager;
        ConnectionTexts::Compose(input, manager);
        auto connection = std::make_shared<data::Connection>();
        connection->Open(manager.ADOConnect());
        return connection;
    }

    // Loads a table as the main window does: the tree node ticked for the chosen columns,
    // the key column marked. Null (and a failure) when the load fails.
    std::shared_ptr<ODBCTable> Load(data::Connection& connection, const PlainTreeNode& tableNode,
                                    const TableCase& c, const Names& leftOut) {
        PlainTreeNode node(tableNode.Key(), tableNode.Text(), ImageTable, true);
        for (const auto& column : tableNode.Children()) {
            node.AddChild(column->Key(), column->Text(),
                          column->Text() == c.key ? ImagePk : ImageField,
                          leftOut.count(column->Text()) == 0);
        }
        auto table = std::make_shared<ODBCTable>();
        table->SetMaxRows(static_cast<std::int16_t>(c.rows));
        table->Activate();
        const auto view = node.View();
        messages_.clear();
        if (!table->Load(&connection, view.get())) {
            ADD_FAILURE() << "cannot load " << node.Text() << ": " << messages_;
            return nullptr;
        }
        table->SetAlias(MakeAlias(table->Name(), generator_));
        return table;
    }

    struct Files {
        std::string xml, xsd, dtd, biz;
    };
    Files Write(const std::shared_ptr<ODBCTable>& table) {
        generator_.Activate();
        const Files files{dir_ + "/t.xml", dir_ + "/t.xsd", dir_ + "/t.dtd", dir_ + "/t.biz"};
        WriteTextFile(files.xml, Run(XML_CODE, table));
        WriteTextFile(files.xsd, Run(XSD_CODE, table));
        WriteTextFile(files.dtd, Run(DTD_CODE, table));
        WriteTextFile(files.biz, Run(BIZ_CODE, table));
        return files;
    }

    // Runs the check for every table each source lists, and fails for a table without a case.
    template <class Check>
    void ForEveryTable(Check check) {
        for (const Source& source : Sources()) {
            SCOPED_TRACE(source.label);
            const auto connection = Open(source.input);
            const DbCatalog catalog = DbCatalog::Read(*connection);
            const auto root = catalog.BuildTree(source.input.dsn);
            std::size_t checked = 0;
            for (const auto& folder : root->Children()) {
                if (folder->Text() == "System Tables") continue;
                for (const auto& tableNode : folder->Children()) {
                    const std::string own = OwnName(tableNode->Text());
                    const TableCase* found = nullptr;
                    for (const TableCase& c : source.tables) {
                        if (c.table == own) found = &c;
                    }
                    ASSERT_NE(found, nullptr) << "no expectations for table " << tableNode->Text();
                    SCOPED_TRACE(tableNode->Text());
                    check(source, *connection, *tableNode, *found);
                    ++checked;
                }
            }
            EXPECT_EQ(checked, source.tables.size());
        }
    }

    std::string dir_;
    std::string messages_;
};

// All columns: both schemas are valid, the DTD validates the data, the XDR schema is
// well-formed, and the W3C schema rejects exactly the columns whose data cannot fit.
TEST_F(SchemaDatabaseTest, EveryTableWithAllColumns) {
    ForEveryTable([&](const Source&, data::Connection& connection, const PlainTreeNode& node,
                      const TableCase& c) {
        const auto table = Load(connection, node, c, {});
        if (!table) return;
        const Files files = Write(table);
        const LintResult xsd = XmlLint("--schema", files.xsd, files.xml);
        EXPECT_EQ(xsd.output.find("failed to compile"), std::string::npos) << xsd.output;
        EXPECT_EQ(Join(Complaints(xsd.output)), Join(c.misfits)) << xsd.output;
        EXPECT_EQ(xsd.status == 0, c.misfits.empty()) << xsd.output;
        const LintResult dtd = XmlLint("--dtdvalid", files.dtd, files.xml);
        EXPECT_EQ(dtd.status, 0) << dtd.output;
        const LintResult biz = XmlLint("", files.biz);
        EXPECT_EQ(biz.status, 0) << biz.output;
    });
}

// The columns whose data fits: the data validates against the W3C schema too.
TEST_F(SchemaDatabaseTest, EveryTableWithTheColumnsThatFit) {
    ForEveryTable([&](const Source&, data::Connection& connection, const PlainTreeNode& node,
                      const TableCase& c) {
        const auto table = Load(connection, node, c, c.misfits);
        if (!table) return;
        const Files files = Write(table);
        const LintResult xsd = XmlLint("--schema", files.xsd, files.xml);
        EXPECT_EQ(xsd.status, 0) << xsd.output;
        EXPECT_EQ(XmlLint("--dtdvalid", files.dtd, files.xml).status, 0);
    });
}

// The same through the command-line program, end to end.
TEST_F(SchemaDatabaseTest, OrvaneGenWritesOutputsThatValidate) {
    const std::string program = EnvOr("ORVANE_BIN_DIR", "") + "/orvane-gen";
    if (!fs::exists(program)) GTEST_SKIP() << "orvane-gen is not built";
    ForEveryTable([&](const Source& source, data::Connection&, const PlainTreeNode& node,
                      const TableCase& c) {
        std::string columns;
        for (const auto& column : node.Children()) {
            if (c.misfits.count(column->Text()) == 0) {
                columns += (columns.empty() ? "" : ",") + column->Text();
            }
        }
        const std::string out = dir_ + "/gen";
        fs::remove_all(out);
        // The drivers' own small leaks are unnamed in a program that unloads them; leak checks
        // of orvane-gen belong to its own tests.
        std::string command = "ASAN_OPTIONS=detect_leaks=0 " + ShellQuote(program) +
                              " --quiet --dsn " + ShellQuote(source.input.dsn);
        if (!source.input.uid.empty()) {
            command += " --user " + ShellQuote(source.input.uid) + " --password " +
                       ShellQuote(source.input.pwd);
        }
        command += " --table " + ShellQuote(node.Text()) + " --columns " + ShellQuote(columns) +
                   " --keys " + ShellQuote(c.key) + " --rows " + std::to_string(c.rows) +
                   " --screens xsd,dtd,xml,biz --out " + ShellQuote(out);
        const LintResult run = RunShell(command);
        ASSERT_EQ(run.status, 0) << command << "\n" << run.output;

        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(out)) {
            files[entry.path().extension().string()] = entry.path().string();
        }
        ASSERT_EQ(files.size(), 4u) << command;
        const LintResult xsd = XmlLint("--schema", files[".xsd"], files[".xml"]);
        EXPECT_EQ(xsd.status, 0) << xsd.output;
        const LintResult dtd = XmlLint("--dtdvalid", files[".dtd"], files[".xml"]);
        EXPECT_EQ(dtd.status, 0) << dtd.output;
        const LintResult biz = XmlLint("", files[".biz"]);
        EXPECT_EQ(biz.status, 0) << biz.output;
    });
}

}  // namespace
}  // namespace orvane::test
