#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>

#include "MainFormFixture.h"
#include "Programs.h"
#include "TestSupport.h"
#include "core/LibraryFolder.h"
#include "dialogs/ODBCform.h"
#include "main/DbTree.h"
#include "settings/Config.h"
#include "viewer/CodePane.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using MainFormTest = test::MainFormFixture;

// The panes hold exactly what orvane-gen writes for the same table, highlighted. The README's
// picture is saved where ORVANE_SCREENSHOT points.
TEST_F(MainFormTest, GenerateFillsThePanesWithWhatOrvaneGenWrites) {
    ChooseTable("Customers", "CustomerID");
    form_->Tree()->expandItem(Node("TABLE#Customers"));
    ShowScreen(JAVA_CODE);
    EXPECT_TRUE(Generate().empty());
    EXPECT_EQ(form_->StatusText(), "Done...");
    // Slow unwinding lets the leak checker name the ODBC driver's own allocations.
    const auto gen = test::RunProgram(
        {test::EnvOr("ORVANE_BIN_DIR", "") + "/orvane-gen", "--dsn", "OrvaneSample", "--table",
         "Customers", "--keys", "CustomerID", "--rows", "10", "--alias", "Customers", "--out",
         outDir_, "--quiet"},
        "ASAN_OPTIONS=" + test::EnvOr("ASAN_OPTIONS", "") + ":fast_unwind_on_malloc=0 ");
    ASSERT_EQ(gen.status, 0) << gen.out;
    const char* const files[] = {"xsd", "biz", "dtd", "xml", "sql", "cls", "java", "vb", "cs"};
    for (int i = 0; i < MainForm::kScreens; ++i) {
        EXPECT_EQ(form_->Pane(i)->crLfTextUtf8(),
                  test::ReadFile(outDir_ + "/Customers." + files[i]))
            << "screen " << i;
    }
    const QString java = form_->Pane(JAVA_CODE)->crLfText();
    EXPECT_EQ(form_->Pane(JAVA_CODE)->colorAt(java.indexOf(" public ") + 1), QColor(0, 0, 127));
    const QString screenshot = qEnvironmentVariable("ORVANE_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        EXPECT_TRUE(form_->grab().toImage().save(screenshot));
    }
}

TEST_F(MainFormTest, GenerateSaysWhatIsMissingAndANumberOfRowsThatIsNone) {
    auto messages = Generate();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Please Select Data source");
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    Connect("OrvaneSample");
    EXPECT_TRUE(Generate().empty());  // no table ticked: nothing loads, no message
    EXPECT_EQ(form_->StatusText(), "");
    Node("TABLE#[Order Details]")->setCheckState(0, Qt::Checked);
    messages = Generate();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "Please Select a Primary Key for the [[Order Details]] table.\r\n"
              "Doubleclick one the primary key fields to select or unselect them.");
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    for (int i = 0; i < MainForm::kScreens; ++i) EXPECT_TRUE(form_->Pane(i)->crLfText().isEmpty());

    ChooseTable("Customers", "CustomerID");
    for (const char* rows : {"2", "lots"}) {  // no number keeps the previous one
        Box("num")->setText(rows);
        Generate();
        EXPECT_EQ(form_->Pane(XML_CODE)->crLfText().count("\t<Customers>"), 2) << rows;
    }
}

// A second press, or closing the window, while a run lets window events through ends the run
// at once; a close also puts the options window away unsaved, as only its OK saves.
TEST_F(MainFormTest, SecondGenerateOrCloseEndsARunQuickly) {
    ChooseTable("EventLog", "EventID");
    Box("num")->setText("30000");
    bool pressedDuringRun = false;
    QTimer::singleShot(0, form_.get(), [&] {
        pressedDuringRun = form_->IsGenerating();
        form_->Actions().generate->trigger();
    });
    Generate();
    EXPECT_TRUE(pressedDuringRun);
    EXPECT_LT(form_->Pane(XML_CODE)->crLfText().count("\t<EventLog>"), 1000);
    EXPECT_TRUE(form_->Tree()->isEnabled());

    form_->Actions().options->trigger();
    auto* options = form_->findChild<QDialog*>("OptionsForm");
    const std::string stored = settings_.ReadFile("machine.reg");
    Record(JAVA_CODE).Suffix = "Unsaved";
    QElapsedTimer sinceClose;
    qint64 hiddenAfter = -1;
    QTimer::singleShot(0, form_.get(), [&] {
        ASSERT_TRUE(form_->IsGenerating());
        sinceClose.start();
        form_->close();
        if (!form_->isVisible()) hiddenAfter = sinceClose.elapsed();
    });
    Generate();
    EXPECT_TRUE(0 <= hiddenAfter && hiddenAfter < 500) << hiddenAfter;
    EXPECT_LT(sinceClose.elapsed(), 2000);
    EXPECT_FALSE(form_->IsGenerating());
    EXPECT_FALSE(options->isVisible());
    EXPECT_EQ(settings_.ReadFile("machine.reg"), stored);
}

// A connect that fails says why and keeps the connection in use whole: tree, status and the
// texts the generated classes connect with all stay the sample's.
TEST_F(MainFormTest, FailedConnectSaysWhyAndKeepsTheConnectionInUse) {
    ChooseTable("Customers", "CustomerID");
    const QString status = form_->StatusText();
    const auto messages = TryConnect("", "NoSuchDriver");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Unable to access this datasource: \r\n"
                                            "PROVIDER=MSDASQL;UID=;PWD=; Driver=NoSuchDriver;") &&
                messages[0].text.contains("Can't open lib 'NoSuchDriver'"))
        << messages[0].text.toStdString();
    EXPECT_EQ(form_->StatusText(), status);
    EXPECT_EQ(DbTree::GetCheckedTable(form_->Tree()), Node("TABLE#Customers"));
    EXPECT_TRUE(Generate().empty());
    EXPECT_TRUE(form_->Pane(JAVA_CODE)->crLfText().contains("jdbc:odbc:OrvaneSample"));
    EXPECT_TRUE(form_->Pane(CSHARP_CODE)->crLfText().contains("DSN=OrvaneSample;"));
    // Without a connection to keep, a failed connect claims none.
    form_->Actions().disconnect->trigger();
    EXPECT_EQ(TryConnect("", "NoSuchDriver").size(), 1u);
    EXPECT_EQ(form_->StatusText(), "");
    EXPECT_FALSE(form_->Config()->ConnectionManager()->dbconn);
}

TEST_F(MainFormTest, SettingsThatFailToLoadAreReportedAndTheWindowStillWorks) {
    form_.reset();
    settings_.WriteFile("machine.reg",
                        "Windows Registry Editor Version 5.00\n\n"
                        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrade\\Orvane\\XML Data\\Color]\n"
                        "\"RGB\"=\"99999999999\"\n");
    {
        test::ModalAnswerer answer;
        form_ = std::make_unique<MainForm>();
        QTest::qWait(100);
        ASSERT_EQ(answer.Messages().size(), 1u);
        EXPECT_TRUE(answer.Messages()[0].text.contains("XML Data\\Color\\RGB"));
    }
    EXPECT_EQ(form_->Pane(XML_CODE)->backgroundBgr(), 16777215);
    ChooseTable("Customers", "CustomerID");
    EXPECT_TRUE(Generate().empty());
}

// Templates are read beside the library, so the test runs again in a copy of itself that loads
// a copy of the library and its templates, which it edits.
TEST_F(MainFormTest, EditedTemplateIsUsedAfterRefreshAndABrokenOneIsReported) {
    const QString library = qEnvironmentVariable("ORVANE_PRIVATE_LIBRARY");
    if (library.isEmpty()) {
        const std::string copy = outDir_ + "/lib";
        fs::copy(test::EnvOr("ORVANE_LIB_DIR", ""), copy, fs::copy_options::recursive);
        const auto run = test::RunProgram(
            {QApplication::applicationFilePath().toStdString(),
             "--gtest_filter=MainFormTest.EditedTemplateIsUsedAfterRefreshAndABrokenOneIsReported"},
            "LD_LIBRARY_PATH=" + copy + " ORVANE_PRIVATE_LIBRARY=" + copy + " ");
        EXPECT_EQ(run.status, 0) << run.out;
        EXPECT_NE(run.out.find("[  PASSED  ] 1 test"), std::string::npos) << run.out;
        return;
    }
    ASSERT_EQ(LibraryFolder(), library.toStdString());
    ChooseTable("Customers", "CustomerID");
    Generate();
    const std::string java = library.toStdString() + "/templates/java/methods.tpl";
    test::WriteFile(java, test::ReadFile(java) + "// edited by hand\r\n");
    Generate();
    EXPECT_FALSE(form_->Pane(JAVA_CODE)->crLfText().contains("edited by hand"));
    form_->Actions().refreshTemplates->trigger();
    Generate();
    EXPECT_TRUE(form_->Pane(JAVA_CODE)->crLfText().contains("edited by hand"));

    // A screen that cannot be generated is named; the others are generated all the same.
    const std::string dtd = library.toStdString() + "/templates/dtd/dtd.tpl";
    fs::remove(dtd);
    fs::create_directory(dtd);
    form_->Actions().refreshTemplates->trigger();
    const auto messages = Generate();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Could not generate:\n" +
                                            QString::fromStdString(Config().GenDescriptions[2])))
        << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.contains("not a regular file"));
    EXPECT_TRUE(form_->Pane(DTD_CODE)->crLfText().isEmpty());
    EXPECT_FALSE(form_->Pane(CSHARP_CODE)->crLfText().isEmpty());
}

// Other programs get LF line ends, the pane keeps CR LF whatever comes back; INS tells how the
// current pane takes typing.
TEST_F(MainFormTest, EditingAPaneKeepsItsLineEndsAndShowsItsInsertState) {
    const QString text("line one\r\nline \u00e9\u20ac two\r\n\r\nlast");
    const MainActions& actions = form_->Actions();
    ShowScreen(JAVA_CODE);
    CodePane* pane = form_->Pane(JAVA_CODE);
    pane->setCrLfText(text);
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText("stale text");
    actions.copy->trigger();  // nothing selected
    EXPECT_EQ(clipboard->text(), "");
    pane->selectCrLf(5, 10);  // "one\r\nline "
    actions.cut->trigger();
    EXPECT_EQ(clipboard->text(), "one\nline ");
    actions.paste->trigger();
    EXPECT_EQ(pane->crLfText(), text);
    actions.selectAll->trigger();
    actions.copy->trigger();
    EXPECT_EQ(clipboard->text(), QString(text).replace("\r\n", "\n"));
    clipboard->setText("1\n2\r\n3");
    actions.paste->trigger();
    EXPECT_EQ(pane->crLfText(), "1\r\n2\r\n3");

    auto* insert = form_->findChild<QLabel*>("StatusBar1_Panel2");
    EXPECT_EQ(insert->text(), "INS");
    pane->selectCrLf(0, 0);
    QTest::keyClick(pane, Qt::Key_Insert);
    QTest::keyClick(pane, Qt::Key_X);
    EXPECT_EQ(pane->crLfText(), "x\r\n2\r\n3");
    EXPECT_EQ(insert->text(), "OVR");
    ShowScreen(SQL_CODE);
    EXPECT_EQ(insert->text(), "INS");
}

TEST_F(MainFormTest, TreeQuotesNamesAndKeepsOneTableTicked) {
    Connect("OrvaneSample");
    QTreeWidget* tree = form_->Tree();
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(Node("TABLE#[Order Details]")->text(0), "[Order Details]");
    // A name too long for a narrow tree shows whole as a tooltip.
    EXPECT_EQ(Node("Customers.FIELD#CompanyName")->toolTip(0), "CompanyName");

    QTreeWidgetItem* customers = Node("TABLE#Customers");
    customers->setCheckState(0, Qt::Checked);
    EXPECT_EQ(customers->child(0)->checkState(0), Qt::Checked);
    Node("TABLE#Orders")->setCheckState(0, Qt::Checked);
    EXPECT_EQ(customers->checkState(0), Qt::Unchecked);
    EXPECT_EQ(Box("Alias")->text(), "Orders");
    // A column ticks its table; unticking a table clears its columns; folders never stay ticked.
    QTreeWidgetItem* column = Node("Customers.FIELD#City");
    column->setCheckState(0, Qt::Checked);
    EXPECT_EQ(DbTree::GetCheckedTable(tree), customers);
    customers->setCheckState(0, Qt::Unchecked);
    EXPECT_EQ(column->checkState(0), Qt::Unchecked);
    root->child(1)->setCheckState(0, Qt::Checked);
    EXPECT_EQ(root->child(1)->checkState(0), Qt::Unchecked);
    // Double-click swaps a column between field and key; a table node is left alone.
    QTreeWidgetItem* key = Node("Orders.FIELD#OrderID");
    for (int image : {4, 3}) {
        DoubleClick(key);
        EXPECT_EQ(DbTree::Image(key), image);
    }
    form_->Actions().disconnect->trigger();
    EXPECT_EQ(tree->topLevelItemCount(), 0);
}

// The connection dialog lists each driver once and composes what the user typed.
TEST(ODBCformTest, ListsEachDriverOnceAndComposesTheConnection) {
    test::QtApp();
    auto config = std::make_shared<Config>("");
    ODBCform dialog;
    dialog.SetConfig(config);
    auto* drivers = dialog.findChild<QComboBox*>("cboDrivers");
    QStringList seen;
    for (int i = 0; i < drivers->count(); ++i) seen << drivers->itemText(i);
    EXPECT_EQ(seen.removeDuplicates(), 0);
    EXPECT_TRUE(seen.contains("SQLite3")) << seen.join(",").toStdString();
    drivers->setCurrentText("r");
    for (const char* box : {"txtUID", "txtPWD", "txtServer", "txtDatabase"})
        dialog.findChild<QLineEdit*>(box)->setText(QString(box).mid(3));
    dialog.accept();
    EXPECT_EQ(config->ConnectionManager()->sADOConnect,
              "PROVIDER=MSDASQL;UID=UID;PWD=PWD; Driver=r; Server=Server; Database=Database;");
}

}  // namespace
}  // namespace orvane
