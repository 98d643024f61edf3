#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;

namespace orvane {

class MainForm;

// The File and Edit commands that act on the output panes: saving one pane or every enabled
// pane, printing the current pane, and select all, copy, cut and paste on the current pane.
class PaneCommands : public QObject {
    Q_OBJECT
  public:
    explicit PaneCommands(MainForm* form);
    ~PaneCommands() override;

    // Writes exactly the text (UTF-8, no byte-order mark) atomically: the old file stays
    // whole when the write fails. Returns the reason of a failure, or "" on success.
    static QString SaveFile(const QString& fileName, const QString& fileBody);

    // The file name a save command proposes: alias (+ suffix for the class screens) + the
    // screen's extension; for Save All (screen -1) alias + ".prj"; none when the alias gives no
    // file name.
    QString ProposedName(int screen) const;
    // Every enabled screen's file beside the chosen one, named after it by the library's rule
    // for file names; writes each and returns the failures, one per line.
    QStringList SaveAllTo(const QString& chosenPath);

    // The folder the save dialog starts in: the last one used, at first the home folder.
    const QString& LastFolder() const { return lastFolder_; }
    // The printer the print dialog edits; kept so the next print starts with the last choice.
    QPrinter& Printer();
    // The screen whose tab is shown.
    int CurrentScreen() const;

  public slots:
    void SaveScreen(int screen);
    void SaveAll();
    void Print();
    void SelectAll();
    void Copy();
    void Cut();
    void Paste();

  private:
    void Remember(const QString& path);
    void ReportFailures(const QStringList& failures);

    MainForm* form_;
    QString lastFolder_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace orvane
