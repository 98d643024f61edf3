#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "MainFormFixture.h"
#include "ModalAnswer.h"
#include "TestSupport.h"
#include "UrlCatcher.h"
#include "dialogs/AboutForm.h"
#include "main/DialogCommands.h"

namespace orvane {
namespace {

class AboutHelpTest : public test::MainFormFixture {
  protected:
    DialogCommands& Commands() { return *Form().findChild<DialogCommands*>(); }
};

TEST_F(AboutHelpTest, AboutShowsVersionLogoAndALinkToTheProjectPage) {
    test::UrlCatcher browser({"https", "http"});
    bool modal = false;
    QString title, frame, version, link;
    bool logo = false;
    // Both the menu item and toolbar button 13 open it.
    for (QAction* trigger : {Action("mnuHelpAbout"), test::ToolbarButton(Form(), 13)}) {
        test::ModalAnswer<AboutForm> answer([&](AboutForm& about) {
            modal = about.isModal();
            title = about.windowTitle();
            frame = about.findChild<QGroupBox*>("Frame1")->title();
            version = about.findChild<QLabel*>("LblVersion")->text();
            logo = !about.findChild<QLabel*>("Image2")->pixmap().isNull();
            auto* url = about.findChild<QLabel*>("lblUrl");
            link = url->text();
            emit url->linkActivated(AboutForm::kProductUrl);
            about.findChild<QPushButton*>("cmdOK")->click();
        });
        trigger->trigger();
        ASSERT_TRUE(answer.Answered());
        EXPECT_TRUE(modal);
        EXPECT_EQ(title, "About Orvane");
        EXPECT_EQ(frame, "Orvane");
        EXPECT_EQ(version, "Version 1.6");
        EXPECT_TRUE(logo);
        EXPECT_TRUE(link.contains(QString("href=\"") + AboutForm::kProductUrl))
            << link.toStdString();
    }
    ASSERT_EQ(browser.Urls().size(), 2);
    EXPECT_EQ(browser.Urls()[0], QUrl(AboutForm::kProductUrl));
    EXPECT_EQ(Action("mnuHelpAbout")->shortcut(), QKeySequence("Ctrl+F1"));
}

TEST_F(AboutHelpTest, WebSiteCommandOpensTheProjectPage) {
    test::UrlCatcher browser({"https", "http"});
    Action("mnuHelpSF")->trigger();
    ASSERT_EQ(browser.Urls().size(), 1);
    EXPECT_EQ(browser.Urls()[0], QUrl(AboutForm::kProductUrl));
}

TEST_F(AboutHelpTest, HelpOpensTheGuideBesideTheProgramOrSaysItIsMissing) {
    const QString binDir = QString::fromStdString(test::EnvOr("ORVANE_BIN_DIR", ""));
    ASSERT_FALSE(binDir.isEmpty());
    const QString guide = DialogCommands::HelpFile(binDir);
    EXPECT_TRUE(guide.endsWith("/share/orvane/help/index.html")) << guide.toStdString();
    // The build copies the guide where an installed program finds it.
    QFile file(guide);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << guide.toStdString();
    const QString html = QString::fromUtf8(file.readAll());
    for (const char* topic : {"Connect", "Generate", "Save All", "Options", "machine.reg",
                              "templates", "Refresh Templates"}) {
        EXPECT_TRUE(html.contains(topic)) << topic;
    }

    test::UrlCatcher browser({"file"});
    EXPECT_TRUE(Commands().OpenHelp(binDir));
    ASSERT_EQ(browser.Urls().size(), 1);
    EXPECT_EQ(browser.Urls()[0].toLocalFile(), guide);

    QString message;
    test::ModalAnswer<QMessageBox> missing([&](QMessageBox& box) {
        message = box.text();
        box.accept();
    });
    EXPECT_FALSE(Commands().OpenHelp(QString::fromStdString(outDir_) + "/bin"));
    ASSERT_TRUE(missing.Answered());
    EXPECT_TRUE(message.contains(QString::fromStdString(outDir_) + "/share/orvane/help/index.html"))
        << message.toStdString();
    EXPECT_EQ(browser.Urls().size(), 1);
    EXPECT_EQ(Action("mnuHelpHelp")->shortcut(), QKeySequence("F1"));
}

}  // namespace
}  // namespace orvane
