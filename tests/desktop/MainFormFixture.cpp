#include "MainFormFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "TestSupport.h"
#include "common/Messages.h"
#include "core/Host.h"
#include "dialogs/ODBCform.h"
#include "main/DbTree.h"
#include "settings/Config.h"

namespace orvane::test {

QApplication& QtApp() {
    static int argc = 1;
    static char name[] = "test_desktop";
    static char* argv[] = {name, nullptr};
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return *existing;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept for the whole run: widgets of later tests need it.
    static QApplication* app = new QApplication(argc, argv);
    Host::SetEventPump([] { QCoreApplication::processEvents(); });
    return *app;
}

void MainFormFixture::SetUp() {
    QtApp();
    Messages::InstallHost();
    outDir_ = MakeTempDir("orvane-out-");
    form_ = std::make_unique<MainForm>();
    ASSERT_TRUE(form_->Config()) << "the configuration could not be created";
    form_->show();
}

void MainFormFixture::TearDown() {
    form_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(outDir_, ignored);
}

ConfigRecord& MainFormFixture::Record(int screen) {
    return *form_->Config()->Screens().Item(std::to_string(screen));
}

void MainFormFixture::ShowScreen(int screen) {
    form_->findChild<QTabWidget*>("tabCtl")->setCurrentIndex(screen);
}

QLineEdit* MainFormFixture::Box(const char* name) { return form_->findChild<QLineEdit*>(name); }

QString MainFormFixture::Out(const QString& name) const {
    return QString::fromStdString(outDir_) + "/" + name;
}

std::vector<ModalAnswerer::Message> MainFormFixture::TryConnect(const QString& dsn,
                                                                const QString& driver) {
    ModalAnswerer answer(ModalAnswerer::For<ODBCform>([&](ODBCform& dialog) {
        auto* list = dialog.findChild<QComboBox*>("cboDSNList");
        list->setCurrentIndex(dsn.isEmpty() ? 0 : list->findText(dsn));
        dialog.findChild<QComboBox*>("cboDrivers")->setCurrentText(driver);
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    }));
    form_->Actions().connectDataSource->trigger();
    return answer.Messages();
}

void MainFormFixture::Connect(const QString& dsn) {
    const auto messages = TryConnect(dsn);
    ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();
}

QTreeWidgetItem* MainFormFixture::Node(const QString& key) {
    QTreeWidgetItem* item = DbTree::FindByKey(form_->Tree(), key);
    EXPECT_NE(item, nullptr) << key.toStdString();
    return item;
}

void MainFormFixture::DoubleClick(QTreeWidgetItem* item) {
    form_->Tree()->setCurrentItem(item);
    emit form_->Tree()->itemDoubleClicked(item, 0);
}

void MainFormFixture::ChooseTable(const QString& table, const QString& key) {
    Connect("OrvaneSample");
    Node("TABLE#" + table)->setCheckState(0, Qt::Checked);
    DoubleClick(Node(table + ".FIELD#" + key));
}

std::vector<ModalAnswerer::Message> MainFormFixture::Generate() {
    ModalAnswerer answer;
    form_->Actions().generate->trigger();
    return answer.Messages();
}

}  // namespace orvane::test
