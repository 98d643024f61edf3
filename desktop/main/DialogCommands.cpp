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
    connect(form->Action("mnuToolsOptions"), &QAction::triggered, this,
            &DialogCommands::ShowOptions);
    connect(form->Action("mnuHelpAbout"), &QAction::triggered, this, &DialogCommands::ShowAbout);
    connect(form->Action("mnuHelpHelp"), &QAction::triggered, this, &DialogCommands::ShowHelp);
    connect(form->Action("mnuHelpSF"), &QAction::triggered, this, &DialogCommands::OpenWebSite);
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

void DialogCommands::ShowAbout() {
    AboutForm about(form_);
    about.exec();
}

void DialogCommands::ShowHelp() { OpenHelp(QCoreApplication::applicationDirPath()); }

bool DialogCommands::OpenHelp(const QString& programFolder) {
    const QString guide = HelpFile(programFolder);
    if (!QFileInfo::exists(guide)) {
        Messages::Show(form_, "The user guide was not found:\n" + guide, MsgExclamation);
        return false;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(guide))) return true;
    Messages::Show(form_, "No web browser could be started for the user guide:\n" + guide,
                   MsgExclamation);
    return false;
}

void DialogCommands::OpenWebSite() { AboutForm::OpenProductPage(form_); }

}  // namespace orvane
