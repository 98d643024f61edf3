#include <gtest/gtest.h>

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>

#include "MainFormFixture.h"
#include "TestSupport.h"
#include "dialogs/AboutForm.h"
#include "main/DialogCommands.h"

namespace orvane {
namespace {

// Takes the place of the user's browser: while it lives, the URLs of the given schemes the
// program asks the desktop to open are collected here.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    explicit UrlCatcher(QStringList schemes) : schemes_(std::move(schemes)) {
        for (const QString& scheme : schemes_)
            QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~UrlCatcher() override {
        for (const QString& scheme : schemes_) QDesktopServices::unsetUrlHandler(scheme);
    }
    QStringList schemes_;
    QList<QUrl> urls;

  public slots:
    void Open(const QUrl& url) { urls << url; }
};

using AboutHelpTest = test::MainFormFixture;

// About and Web Site open the project page; Help opens the guide beside the program, or says
// where it is missing.
TEST_F(AboutHelpTest, AboutWebSiteAndHelpOpenThePagesOrSayWhatIsMissing) {
    UrlCatcher browser({"https", "http", "file"});
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

    const QString binDir = QString::fromStdString(test::EnvOr("ORVANE_BIN_DIR", ""));
    const QString guide = DialogCommands::HelpFile(binDir);
    auto& commands = *form_->findChild<DialogCommands*>();
    EXPECT_TRUE(commands.OpenHelp(binDir));
    EXPECT_FALSE(commands.OpenHelp(Out("bin")));
    ASSERT_EQ(answer.Messages().size(), 1u);
    EXPECT_TRUE(answer.Messages()[0].text.contains(Out("share/orvane/help/index.html")));
    const QUrl page(AboutForm::kProductUrl);
    EXPECT_EQ(browser.urls, QList<QUrl>({page, page, QUrl::fromLocalFile(guide)}));
}

}  // namespace
}  // namespace orvane

#include "AboutHelpTest.moc"
