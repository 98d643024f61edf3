#pragma once

#include <QObject>
#include <QString>

namespace orvane {

class MainForm;
class OptionsForm;

// The Tools > Options command and the Help menu: the options dialog, the about box, the user
// guide and the project's web page.
class DialogCommands : public QObject {
    Q_OBJECT
  public:
    explicit DialogCommands(MainForm* form);

    // Where the user guide lies relative to the program: <bindir>/../share/orvane/help.
    static QString HelpFile(const QString& programFolder);

    // The options dialog once it has been opened (it is kept and shown again), else null.
    OptionsForm* Options() const { return options_; }

    // Opens the guide that belongs to a program in programFolder in the user's browser, or
    // tells the user it is missing. Returns whether the browser was asked to show it.
    bool OpenHelp(const QString& programFolder);

    // Hides the dialogs that stay open beside the main window (the window is closing).
    void CloseDialogs();

  public slots:
    void ShowOptions();
    void ShowAbout();
    // Opens the guide found relative to the running program.
    void ShowHelp();
    void OpenWebSite();

  private:
    MainForm* form_;
    OptionsForm* options_ = nullptr;
};

}  // namespace orvane
