#include "MainFormFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolBar>
#include <filesystem>

#include "Programs.h"
#include "QtTestApp.h"
#include "TestSupport.h"
#include "settings/Config.h"

namespace orvane::test {

QAction* ActionNamed(const MainForm& form, const char* name) {
    auto* action = form.findChild<QAction*>(name);
    EXPECT_NE(action, nullptr) << name;
    return action;
}

QAction* ToolbarButton(const MainForm& form, int index) {
    const QList<QAction*> buttons = form.findChild<QToolBar*>("Toolbar1")->actions();
    EXPECT_LE(index, buttons.size());
    return buttons.value(index - 1);
}

void MainFormFixture::SetUpTestSuite() { QtApp(); }

void MainFormFixture::SetUp() {
    outDir_ = MakeTempDir("orvane-out-");
    form_ = std::make_unique<MainForm>();
    ASSERT_TRUE(form_->Config()) << "the configuration could not be created";
}

void MainFormFixture::TearDown() {
    form_.reset();
    std::error_code ignored;
    std::filesystem::permissions(outDir_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(outDir_, ignored);
}

ConfigRecord& MainFormFixture::Record(int screen) {
    return *form_->Config()->Screens().Item(std::to_string(screen));
}

void MainFormFixture::SetAlias(const QString& alias) {
    form_->findChild<QLineEdit*>("Alias")->setText(alias);
}

void MainFormFixture::ShowScreen(int screen) {
    form_->findChild<QTabWidget*>("tabCtl")->setCurrentIndex(screen);
}

QString MainFormFixture::Out(const QString& name) const {
    return QString::fromStdString(outDir_) + "/" + name;
}

std::string MainFormFixture::ReadFile(const QString& path) {
    return test::ReadFile(path.toStdString());
}

void MainFormFixture::WriteFile(const QString& path, const std::string& bytes) {
    test::WriteFile(path.toStdString(), bytes);
}

}  // namespace orvane::test
