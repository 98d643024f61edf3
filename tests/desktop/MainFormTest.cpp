#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

#include "MainFormFixture.h"
#include "ModalAnswerer.h"
#include "QtTestApp.h"
#include "TestSupport.h"
#include "common/Messages.h"
#include "dialogs/ODBCform.h"
#include "main/DbTree.h"
#include "main/MainForm.h"
#include "settings/Config.h"
#include "viewer/CodePane.h"
#include "viewer/Highliter.h"

namespace orvane {
namespace {

class MainFormTest : public testing::Test {
  protected:
    void SetUp() override {
        test::QtApp();
        Messages::InstallHost();
        form_ = std::make_unique<MainForm>();
        form_->show();
    }

    // Connects the way a user does: the menu command, then the dialog's data source (or
    // "(None)" and a driver) and OK. Returns the messages shown.
    std::vector<test::ModalAnswerer::Message> TryConnect(const QString& dsn,
                                                         const QString& driver = {}) {
        test::ModalAnswerer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<ODBCform*>(modal);
            if (dialog == nullptr) return;
            auto* list = dialog->findChild<QComboBox*>("cboDSNList");
            list->setCurrentIndex(dsn.isEmpty() ? 0 : list->findText(dsn));
            dialog->findChild<QComboBox*>("cboDrivers")->setCurrentText(driver);
            QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        form_->Actions().connectDataSource->trigger();
        return answer.Messages();
    }
    void Connect(const QString& dsn) {
        const auto messages = TryConnect(dsn);
        ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();
    }

    QTreeWidgetItem* Node(const QString& key) {
        QTreeWidgetItem* item = DbTree::FindByKey(form_->Tree(), key);
        EXPECT_NE(item, nullptr) << key.toStdString();
        return item;
    }

    // What the tree reports when the user double-clicks a node.
    void DoubleClick(QTreeWidgetItem* item) {
        QTreeWidget* tree = form_->Tree();
        tree->setCurrentItem(item);
        emit tree->itemDoubleClicked(item, 0);
    }

    std::vector<test::ModalAnswerer::Message> Generate() {
        test::ModalAnswerer answer;
        form_->Actions().generate->trigger();
        return answer.Messages();
    }

    QLineEdit* Box(const char* name) { return form_->findChild<QLineEdit*>(name); }

    test::TempSettingsFolder settings_;
    std::unique_ptr<MainForm> form_;
};

TEST_F(MainFormTest, WindowCarriesTheCaptionsAndControlNames) {
    EXPECT_EQ(form_->windowTitle(), "Orvane");
    EXPECT_EQ(Box("Alias")->text(), "MYXMLDOC");
    EXPECT_EQ(Box("num")->text(), "10");
    auto* tabs = form_->findChild<QTabWidget*>("tabCtl");
    ASSERT_NE(tabs, nullptr);
    const QStringList captions = {" Schema", " Biz Schema", " DTD",    " XML Data", "SQL",
                                  " VB",     " Java",       " VB.NET", " C#"};
    ASSERT_EQ(tabs->count(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(tabs->tabText(i), captions[i]);
        EXPECT_NE(form_->findChild<CodePane*>(QString("txt%1").arg(i)), nullptr) << i;
    }
    const std::vector<std::pair<const char*, const char*>> shortcuts = {
        {"mnuSaveAll", "Ctrl+S"},
        {"mnuPrint", "Ctrl+P"},
        {"mnuEditSelectAll", "Ctrl+A"},
        {"mnuEditCopy", "Ctrl+C"},
        {"mnuEditCut", "Ctrl+X"},
        {"mnuEditPaste", "Ctrl+V"},
        {"mnuDataBaseConnectODBC", "Ctrl+O"},
        {"mnuDataBaseDisconnect", "Ctrl+D"},
        {"mnuToolsOptions", "Ctrl+T"},
        {"mnuToolsGenerate", "Ctrl+G"},
        {"mnuToolsHighLight", "Ctrl+H"},
        {"mnuToolsRefreshT", "Ctrl+E"},
        {"mnuHelpAbout", "Ctrl+F1"},
        {"mnuHelpHelp", "F1"},
        {"mnuHelpSF", "Ctrl+R"},
    };
    for (const auto& [name, keys] : shortcuts) {
        QAction* action = test::ActionNamed(*form_, name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->shortcut(), QKeySequence(keys)) << name;
    }
    // Buttons by their classic index; 4, 8 and 12 are separators.
    EXPECT_EQ(test::ToolbarButton(*form_, 10), form_->Actions().generate);
    EXPECT_EQ(form_->Actions().generate->toolTip(), "Generate Code");
    for (int separator : {4, 8, 12}) {
        EXPECT_TRUE(test::ToolbarButton(*form_, separator)->isSeparator()) << separator;
    }
}

// The whole workflow: connect, tick a table, mark its key, Generate; the panes hold exactly
// what orvane-gen writes for the same table.
TEST_F(MainFormTest, GenerateFillsThePanesWithWhatOrvaneGenWrites) {
    Connect("OrvaneSample");
    EXPECT_EQ(form_->StatusText().left(13), "Connected to ");
    QTreeWidgetItem* table = Node("TABLE#Customers");
    ASSERT_NE(table, nullptr);
    table->setCheckState(0, Qt::Checked);
    EXPECT_EQ(Box("Alias")->text(), "Customers");
    QTreeWidgetItem* key = Node("Customers.FIELD#CustomerID");
    ASSERT_NE(key, nullptr);
    DoubleClick(key);
    EXPECT_EQ(DbTree::Image(key), 4);

    const auto messages = Generate();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form_->StatusText(), "Done...");

    const QString out = QString::fromStdString(test::MakeTempDir("orvane-desktop-gen-"));
    QProcess gen;
    // Slow unwinding lets the leak checker see the ODBC driver's own allocations (which the
    // suppressions name) even after the driver manager has unloaded it.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":fast_unwind_on_malloc=0");
    gen.setProcessEnvironment(env);
    gen.start(QString::fromStdString(test::EnvOr("ORVANE_BIN_DIR", "")) + "/orvane-gen",
              {"--dsn", "OrvaneSample", "--table", "Customers", "--keys", "CustomerID", "--rows",
               "10", "--alias", "Customers", "--out", out, "--quiet"});
    ASSERT_TRUE(gen.waitForFinished(60000));
    ASSERT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().toStdString();

    const QStringList files = {"Customers.xsd",  "Customers.biz", "Customers.dtd",
                               "Customers.xml",  "Customers.sql", "Customers.cls",
                               "Customers.java", "Customers.vb",  "Customers.cs"};
    for (int i = 0; i < 9; ++i) {
        if (form_->Config()->Screens().Item(std::to_string(i))->Enabled != 1) continue;
        QFile file(out + "/" + files[i]);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << files[i].toStdString();
        const std::string expected = file.readAll().toStdString();
        EXPECT_FALSE(expected.empty()) << i;
        EXPECT_EQ(form_->Pane(i)->crLfTextUtf8(), expected) << "screen " << i;
    }
    QDir(out).removeRecursively();
}

// The README's picture: the window after a Generate, highlighted. Saved where
// ORVANE_SCREENSHOT points (scripts/screenshot.sh runs this under Xvfb).
TEST_F(MainFormTest, WindowAfterGenerateShowsTheHighlightedPanes) {
    Connect("OrvaneSample");
    Node("TABLE#Customers")->setCheckState(0, Qt::Checked);
    DoubleClick(Node("Customers.FIELD#CustomerID"));
    form_->Tree()->expandItem(Node("TABLE#Customers"));
    form_->findChild<QTabWidget*>("tabCtl")->setCurrentIndex(JAVA_CODE);
    Generate();
    ASSERT_EQ(form_->StatusText(), "Done...");
    // Highlighting left colours in the Java pane: "public" is a keyword.
    const QString java = form_->Pane(JAVA_CODE)->crLfText();
    const int keyword = java.indexOf(" public ") + 1;
    ASSERT_GE(keyword, 1);
    EXPECT_EQ(form_->Pane(JAVA_CODE)->colorAt(keyword), QColor(0, 0, 127));
    const QImage image = form_->grab().toImage();
    ASSERT_FALSE(image.isNull());
    const QString path = qEnvironmentVariable("ORVANE_SCREENSHOT");
    if (!path.isEmpty()) {
        EXPECT_TRUE(image.save(path));
    }
}

// Whatever the panes showed and wherever their caret stood, a Generate leaves each one as a
// fresh highlight of its new text would: coloured by its screen's profile, or plain.
TEST_F(MainFormTest, GenerateAgainColoursEveryPaneAfresh) {
    Connect("OrvaneSample");
    Node("TABLE#Customers")->setCheckState(0, Qt::Checked);
    DoubleClick(Node("Customers.FIELD#CustomerID"));
    form_->Config()->Screens().Item(std::to_string(SQL_CODE))->SynHighlight = 0;
    Generate();
    // The SQL pane highlighted by hand all the same.
    form_->findChild<QTabWidget*>("tabCtl")->setCurrentIndex(SQL_CODE);
    form_->Actions().highlight->trigger();
    for (int i = 0; i < 9; ++i) {
        const std::vector<unsigned char> styles = form_->Pane(i)->styles();
        const auto coloured = std::adjacent_find(styles.begin(), styles.end(),
                                                 [](auto a, auto b) { return a != 0 && a == b; });
        ASSERT_NE(coloured, styles.end()) << i;
        form_->Pane(i)->selectCrLf(static_cast<int>(coloured - styles.begin()) + 1, 0);
    }
    Generate();
    ASSERT_EQ(form_->StatusText(), "Done...");
    for (int i = 0; i < 9; ++i) {
        CodePane fresh;
        fresh.setCrLfText(form_->Pane(i)->crLfTextView());
        if (i != SQL_CODE) Highliter().HighlightByType(fresh, i);
        EXPECT_EQ(form_->Pane(i)->styles(), fresh.styles()) << "screen " << i;
    }
}

TEST_F(MainFormTest, GenerateWithoutConnectionAsksForADataSource) {
    const auto messages = Generate();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Please Select Data source");
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(form_->StatusText(), "Done...");
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(form_->Pane(i)->crLfText().isEmpty());
    EXPECT_FALSE(form_->IsGenerating());
}

TEST_F(MainFormTest, GenerateWithoutTableOrKeySaysWhatIsMissing) {
    Connect("OrvaneSample");
    // No table ticked: nothing loads, no message, status cleared.
    EXPECT_TRUE(Generate().empty());
    EXPECT_EQ(form_->StatusText(), "");
    EXPECT_FALSE(form_->IsGenerating());

    Node("TABLE#[Order Details]")->setCheckState(0, Qt::Checked);
    const auto messages = Generate();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "Please Select a Primary Key for the [[Order Details]] table.\r\n"
              "Doubleclick one the primary key fields to select or unselect them.");
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(form_->StatusText(), "");
}

TEST_F(MainFormTest, RowCountThatIsNoNumberKeepsThePreviousOne) {
    Connect("OrvaneSample");
    Node("TABLE#Customers")->setCheckState(0, Qt::Checked);
    DoubleClick(Node("Customers.FIELD#CustomerID"));
    Box("num")->setText("2");
    Generate();
    // Row elements stand one tab deep, below the root.
    EXPECT_EQ(form_->Pane(XML_CODE)->crLfText().count("\t<Customers>"), 2);
    Box("num")->setText("lots");
    Generate();
    EXPECT_EQ(form_->Pane(XML_CODE)->crLfText().count("\t<Customers>"), 2);
    EXPECT_EQ(form_->StatusText(), "Done...");
}

TEST_F(MainFormTest, SecondGenerateStopsTheRun) {
    Connect("OrvaneSample");
    Node("TABLE#EventLog")->setCheckState(0, Qt::Checked);
    DoubleClick(Node("EventLog.FIELD#EventID"));
    Box("num")->setText("30000");
    bool pressedDuringRun = false;
    // Pressed again while the first run lets window events through.
    QTimer::singleShot(0, form_.get(), [&] {
        pressedDuringRun = form_->IsGenerating();
        form_->Actions().generate->trigger();
    });
    Generate();
    EXPECT_TRUE(pressedDuringRun);
    EXPECT_FALSE(form_->IsGenerating());
    // The run stopped long before 30000 rows.
    EXPECT_LT(form_->Pane(XML_CODE)->crLfText().count("\t<EventLog>"), 1000);
    // Connect and the tree work again once the run has unwound.
    EXPECT_TRUE(form_->Actions().connectDataSource->isEnabled());
    EXPECT_TRUE(form_->Tree()->isEnabled());
}

// A connect that fails keeps the connection in use whole: tree, status, data and the texts
// the generated classes connect with all stay the sample's.
TEST_F(MainFormTest, FailedReconnectKeepsTheConnectionInUse) {
    Connect("OrvaneSample");
    Node("TABLE#Customers")->setCheckState(0, Qt::Checked);
    DoubleClick(Node("Customers.FIELD#CustomerID"));
    const QString status = form_->StatusText();
    const auto messages = TryConnect("", "NoSuchDriver");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Unable to access this datasource: \r\n"));
    EXPECT_EQ(form_->StatusText(), status);
    EXPECT_EQ(form_->Tree()->topLevelItem(0)->text(0).left(14), "OrvaneSample (");
    EXPECT_EQ(DbTree::GetCheckedTable(form_->Tree()), Node("TABLE#Customers"));

    EXPECT_TRUE(Generate().empty());
    EXPECT_EQ(form_->StatusText(), "Done...");
    const struct {
        int screen;
        const char* connection;
    } panes[] = {{VB_CODE, "DSN=OrvaneSample;"},
                 {JAVA_CODE, "jdbc:odbc:OrvaneSample"},
                 {VBNET_CODE, "DSN=OrvaneSample;"},
                 {CSHARP_CODE, "DSN=OrvaneSample;"}};
    for (const auto& pane : panes) {
        const QString text = form_->Pane(pane.screen)->crLfText();
        EXPECT_TRUE(text.contains(pane.connection)) << pane.screen;
        EXPECT_FALSE(text.contains("NoSuchDriver")) << pane.screen;
    }

    // Without a connection to keep, a failed connect claims none.
    form_->Actions().disconnect->trigger();
    EXPECT_EQ(TryConnect("", "NoSuchDriver").size(), 1u);
    EXPECT_EQ(form_->StatusText(), "");
    EXPECT_EQ(form_->Tree()->topLevelItemCount(), 0);
    EXPECT_FALSE(form_->Config()->ConnectionManager()->dbconn);
}

// Closing mid-run: the window goes at once and the run unwinds within two seconds, with the
// unload step of any close: the options window goes too, and its edits stay unsaved as only
// its OK saves.
TEST_F(MainFormTest, CloseDuringARunEndsItQuickly) {
    Connect("OrvaneSample");
    Node("TABLE#EventLog")->setCheckState(0, Qt::Checked);
    DoubleClick(Node("EventLog.FIELD#EventID"));
    Box("num")->setText("30000");
    form_->Actions().options->trigger();
    auto* options = form_->findChild<QDialog*>("OptionsForm");
    ASSERT_TRUE(options != nullptr && options->isVisible());
    const std::string stored = settings_.ReadFile("machine.reg");
    ASSERT_NE(stored.find("Suffix"), std::string::npos);
    form_->Config()->Screens().Item(std::to_string(JAVA_CODE))->Suffix = "Unsaved";
    QElapsedTimer sinceClose;
    bool closedDuringRun = false;
    qint64 hiddenAfter = -1;
    QTimer::singleShot(0, form_.get(), [&] {
        closedDuringRun = form_->IsGenerating();
        sinceClose.start();
        form_->close();
        if (!form_->isVisible()) hiddenAfter = sinceClose.elapsed();
    });
    Generate();
    ASSERT_TRUE(closedDuringRun);
    EXPECT_GE(hiddenAfter, 0);
    EXPECT_LT(hiddenAfter, 500);
    EXPECT_LT(sinceClose.elapsed(), 2000);
    EXPECT_FALSE(form_->IsGenerating());
    EXPECT_FALSE(options->isVisible());
    EXPECT_EQ(settings_.ReadFile("machine.reg"), stored);
}

// INS tells how the current pane takes typing; NUM claims nothing, as Num Lock cannot be read.
TEST_F(MainFormTest, InsertKeyStateShowsForTheCurrentPane) {
    auto* insert = form_->findChild<QLabel*>("StatusBar1_Panel2");
    EXPECT_EQ(insert->text(), "INS");
    EXPECT_EQ(form_->findChild<QLabel*>("StatusBar1_Panel3")->text(), "");
    auto* tabs = form_->findChild<QTabWidget*>("tabCtl");
    tabs->setCurrentIndex(JAVA_CODE);
    CodePane* pane = form_->Pane(JAVA_CODE);
    pane->setCrLfText(QString("abc"));
    QTest::keyClick(pane, Qt::Key_Insert);
    EXPECT_EQ(insert->text(), "OVR");
    QTest::keyClick(pane, Qt::Key_X);
    EXPECT_EQ(pane->crLfText(), "xbc");
    tabs->setCurrentIndex(SQL_CODE);
    EXPECT_EQ(insert->text(), "INS");
    tabs->setCurrentIndex(JAVA_CODE);
    EXPECT_EQ(insert->text(), "OVR");
}

TEST_F(MainFormTest, TreeQuotesNamesAndKeepsOneTableTicked) {
    Connect("OrvaneSample");
    QTreeWidget* tree = form_->Tree();
    QTreeWidgetItem* root = tree->topLevelItem(0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text(0).left(14), "OrvaneSample (");
    ASSERT_EQ(root->childCount(), 3);
    EXPECT_EQ(root->child(0)->text(0), "System Tables");
    EXPECT_EQ(root->child(1)->text(0), "Tables");
    EXPECT_EQ(root->child(2)->text(0), "Views");
    ASSERT_NE(Node("TABLE#[Order Details]"), nullptr);
    EXPECT_EQ(Node("TABLE#[Order Details]")->text(0), "[Order Details]");
    ASSERT_NE(Node("TABLE#[Price$History]"), nullptr);
    ASSERT_NE(Node("TABLE#OrderSummary"), nullptr);
    // A tree narrower than its names scrolls sideways and shows each name whole as a tooltip.
    tree->resize(150, tree->height());
    tree->expandItem(Node("TABLE#Customers"));
    QApplication::processEvents();
    EXPECT_GT(tree->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(Node("Customers.FIELD#CompanyName")->toolTip(0), "CompanyName");

    QTreeWidgetItem* customers = Node("TABLE#Customers");
    QTreeWidgetItem* orders = Node("TABLE#Orders");
    customers->setCheckState(0, Qt::Checked);
    for (int i = 0; i < customers->childCount(); ++i) {
        EXPECT_EQ(customers->child(i)->checkState(0), Qt::Checked);
    }
    orders->setCheckState(0, Qt::Checked);
    EXPECT_EQ(customers->checkState(0), Qt::Unchecked);
    EXPECT_EQ(customers->child(0)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(DbTree::GetCheckedTable(tree), orders);
    EXPECT_EQ(Box("Alias")->text(), "Orders");

    // A column ticks its table; the first ticked table in tree order wins.
    QTreeWidgetItem* column = Node("Customers.FIELD#City");
    column->setCheckState(0, Qt::Checked);
    EXPECT_EQ(customers->checkState(0), Qt::Checked);
    EXPECT_EQ(orders->checkState(0), Qt::Checked);
    EXPECT_EQ(DbTree::GetCheckedTable(tree), customers);

    // Unticking a table clears its columns; folders and the root never stay ticked.
    customers->setCheckState(0, Qt::Unchecked);
    EXPECT_EQ(column->checkState(0), Qt::Unchecked);
    root->child(1)->setCheckState(0, Qt::Checked);
    EXPECT_EQ(root->child(1)->checkState(0), Qt::Unchecked);
    root->setCheckState(0, Qt::Checked);
    EXPECT_EQ(root->checkState(0), Qt::Unchecked);

    // Double-click swaps a column between field and key; a table node is left alone.
    QTreeWidgetItem* key = Node("Orders.FIELD#OrderID");
    DoubleClick(key);
    EXPECT_EQ(DbTree::Image(key), 4);
    DoubleClick(key);
    EXPECT_EQ(DbTree::Image(key), 3);
    DoubleClick(orders);
    EXPECT_EQ(DbTree::Image(orders), 2);

    form_->Actions().disconnect->trigger();
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    EXPECT_EQ(Box("Alias")->text(), "");
    EXPECT_FALSE(form_->Config()->ConnectionManager()->dbconn);
}

TEST_F(MainFormTest, MakeAliasDropsOwnerBracketsAndBlanks) {
    EXPECT_EQ(form_->MakeAlias("dbo.[Order Details]"), "Order_Details");
    EXPECT_EQ(form_->MakeAlias("public.\"Price$History\""), "Price$History");
    EXPECT_EQ(form_->MakeAlias("Customers"), "Customers");
}

TEST(ODBCformTest, ComposesTheTextsAndListsEachDriverOnce) {
    test::QtApp();
    auto config = std::make_shared<Config>("");
    ODBCform dialog;
    dialog.SetConfig(config);
    auto* list = dialog.findChild<QComboBox*>("cboDSNList");
    auto* drivers = dialog.findChild<QComboBox*>("cboDrivers");
    ASSERT_GE(list->count(), 3);
    EXPECT_EQ(list->itemText(0), "(None)");
    EXPECT_GE(list->findText("OrvaneSampleCopy"), 1);
    QStringList seen;
    for (int i = 0; i < drivers->count(); ++i) {
        EXPECT_FALSE(seen.contains(drivers->itemText(i))) << drivers->itemText(i).toStdString();
        seen << drivers->itemText(i);
    }
    EXPECT_TRUE(seen.contains("SQLite3"));
    // "(None)" enables server and driver; a data source disables them.
    EXPECT_TRUE(drivers->isEnabled());
    list->setCurrentIndex(list->findText("OrvaneSample"));
    EXPECT_FALSE(drivers->isEnabled());
    EXPECT_FALSE(dialog.findChild<QLineEdit*>("txtServer")->isEnabled());

    dialog.findChild<QLineEdit*>("txtUID")->setText("u");
    dialog.findChild<QLineEdit*>("txtPWD")->setText("p");
    dialog.accept();
    const auto manager = config->ConnectionManager();
    EXPECT_EQ(manager->sADOConnect, "PROVIDER=MSDASQL;UID=u;PWD=p;DSN=OrvaneSample;");
    EXPECT_EQ(manager->sJavaConnect, "\"jdbc:odbc:OrvaneSample\",\"u\",\"p\"");
    EXPECT_EQ(manager->SelectedDsn(), "OrvaneSample");

    list->setCurrentIndex(0);
    drivers->setCurrentText("r");
    dialog.findChild<QLineEdit*>("txtServer")->setText("s");
    dialog.findChild<QLineEdit*>("txtDatabase")->setText("b");
    dialog.accept();
    EXPECT_EQ(manager->sADOConnect,
              "PROVIDER=MSDASQL;UID=u;PWD=p; Driver=r; Server=s; Database=b;");
    EXPECT_EQ(manager->SelectedDsn(), "b;");

    dialog.reject();
    EXPECT_EQ(manager->ADOConnect(), "");
    EXPECT_EQ(manager->sJavaConnect, "");
}

}  // namespace
}  // namespace orvane
