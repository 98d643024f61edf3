#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "MainFormFixture.h"
#include "TestSupport.h"
#include "UrlCatcher.h"
#include "dialogs/AboutForm.h"
#include "main/DialogCommands.h"

namespace orvane {
namespace {

using AboutHelpTest = test::MainFormFixture;

TEST_F(AboutHelpTest, AboutAndWebSiteOpenTheProjectPage) {
    test::UrlCatcher browser({"https", "http"});
    QString version;
    test::ModalAnswerer answer(test::ModalAnswerer::For<AboutForm>([&](AboutForm& about) {
        version = about.findChild<QLabel*>("LblVersion")->text();
        EXPECT_FALSE(about.findChild<QLabel*>("Image2")->pixmap().isNull());
        emit about.findChild<QLabel*>("lblUrl")->linkActivated(AboutForm::kProductUrl);
        about.findChild<QPushButton*>("cmdOK")->click();
    }));
    form_->Actions().about->trigger();
    EXPECT_EQ(answer.Handled(), 1);
    EXPECT_EQ(version, "Version 1.6");
    form_->Actions().webSite->trigger();
    EXPECT_EQ(browser.Urls(), QList<QUrl>(2, QUrl(AboutForm::kProductUrl)));
}

TEST_F(AboutHelpTest, HelpOpensTheGuideBesideTheProgramOrSaysItIsMissing) {
    const QString binDir = QString::fromStdString(test::EnvOr("ORVANE_BIN_DIR", ""));
    const QString guide = DialogCommands::HelpFile(binDir);
    QFile file(guide);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << guide.toStdString();
    EXPECT_TRUE(file.readAll().contains("Refresh Templates"));
    test::UrlCatcher browser({"file"});
    auto& commands = *form_->findChild<DialogCommands*>();
    EXPECT_TRUE(commands.OpenHelp(binDir));
    test::ModalAnswerer answer;
    EXPECT_FALSE(commands.OpenHelp(Out("bin")));
    ASSERT_EQ(answer.Messages().size(), 1u);
    EXPECT_TRUE(answer.Messages()[0].text.contains(Out("share/orvane/help/index.html")));
    ASSERT_EQ(browser.Urls().size(), 1);
    EXPECT_EQ(browser.Urls()[0].toLocalFile(), guide);
}

}  // namespace
}  // namespace orvane
