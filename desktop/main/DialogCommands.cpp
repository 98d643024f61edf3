#include "main/DialogCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "common/Messages.h"
#include "core/Host.h"
#include "dialogs/AboutForm.h"
#include "dialogs/OptionsForm.h"
#include "main/MainForm.h"

namespace orvane {

DialogCommands::DialogCommands(MainForm* form) : QObject(form), form_(form) {
    const MainActions& actions = form->Actions();
    connect(actions.options, &QAction::triggered, this, &DialogCommands::ShowOptions);
    connect(actions.about, &QAction::triggered, this, &DialogCommands::ShowAbout);
    connect(actions.help, &QAction::triggered, this, &DialogCommands::ShowHelp);
    connect(actions.webSite, &QAction::triggered, this, &DialogCommands::OpenWebSite);
}

QString DialogCommands::HelpFile(const QString& programFolder) {
    return QDir::cleanPath(programFolder + "/../share/orvane/help/index.html");
}

void DialogCommands::ShowOptions() {
    if (options_ == nullptr) {
        options_ = new OptionsForm(form_);
        options_->setWindowFlag(Qt::Window);
        connect(options_, &OptionsForm::SettingsApplied, form_, &MainForm::ApplyPaneSettings);
    }
    options_->SetCurrentConfig(form_->Config());
    options_->show();
    options_->raise();
    options_->activateWindow();
}

void DialogCommands::CloseDialogs() {
    if (options_ != nullptr) options_->hide();
}

void DialogCommands::ShowAbout() {
    AboutForm about(form_);
    about.exec();
}

void DialogCommands::ShowHelp() { OpenHelp(QCoreApplication::applicationDirPath()); }

bool DialogCommands::OpenHelp(const QString& programFolder) {
    const QString guide = HelpFile(programFolder);
    if (!QFileInfo::exists(guide)) {
        Messages::Show(form_, tr("The user guide was not found:\n%1").arg(guide), MsgExclamation);
        return false;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(guide))) return true;
    Messages::Show(form_, tr("No web browser could be started for the user guide:\n%1").arg(guide),
                   MsgExclamation);
    return false;
}

void DialogCommands::OpenWebSite() { AboutForm::OpenProductPage(form_); }

}  // namespace orvane
