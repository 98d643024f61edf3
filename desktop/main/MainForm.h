#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>

#include "core/Screens.h"
#include "generator/GenerateWorkflow.h"
#include "main/MainActions.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace orvane {
class Config;
}  // namespace orvane

namespace orvane {

class CodePane;
class CtlSplitterEx;
class DialogCommands;
class Highliter;
class ODBCform;
class PaneCommands;

// The start-up window: the options bar, the database tree and the nine output panes side by
// side, the toolbar, the status bar and the menu; and the Generate command. Object names are
// the classic control names (Frame1, Alias, num, treeviewDB, tabCtl, txt0..txt8, StatusBar1).
class MainForm : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kScreens = kScreenCount;

    explicit MainForm(QWidget* parent = nullptr);
    ~MainForm() override;

    std::shared_ptr<::orvane::Config> Config() const { return config_; }
    const MainActions& Actions() const { return actions_; }
    Generator& TheGenerator() { return workflow_.TheGenerator(); }
    CodePane* Pane(int screen) const { return panes_.at(static_cast<std::size_t>(screen)); }
    CodePane* CurrentPane() const;
    QTreeWidget* Tree() const { return tree_; }
    QString AliasText() const;
    bool IsGenerating() const { return workflow_.IsActive(); }

    PaneCommands* Commands() const { return commands_; }
    // Writes a text to a file atomically; returns the reason of a failure, or "".
    static QString SaveFile(const QString& fileName, const QString& fileBody);

    void RefreshStatus(const QString& sMessage);
    QString StatusText() const;

    // The default alias for a table name: owner prefix dropped, brackets and quotes removed,
    // blanks made "_", then the SQL screen's name rule.
    QString MakeAlias(const QString& tableName) const;

    // Applies each screen's font and background colour to its pane.
    void ApplyPaneSettings();

  public slots:
    void Generate();
    void ConnectToDataSource();
    void Disconnect();
    void ConfigureDataSources();
    void HighlightCurrentPane();
    void RefreshTemplates();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private slots:
    void OnTreeItemChanged(QTreeWidgetItem* item, int column);
    void OnTreeDoubleClicked(QTreeWidgetItem* item, int column);

  private:
    void ConnectActions();
    void BuildStatusBar();
    QWidget* BuildOptionsBar();
    QWidget* BuildTree();
    QWidget* BuildTabs();
    void SetActive(bool active);
    // Connect, disconnect and tree edits wait while a run or a tree load is going on.
    void SetBusy(bool busy);
    void UpdateClock();
    void UpdateKeyStates();
    // The unload step: stops the library's work and puts the other windows away.
    void Unload();

    MainActions actions_;
    std::shared_ptr<::orvane::Config> config_;
    GenerateWorkflow workflow_;
    std::unique_ptr<Highliter> highlighter_;
    ODBCform* connectionDialog_ = nullptr;
    PaneCommands* commands_ = nullptr;
    DialogCommands* dialogs_ = nullptr;

    QGroupBox* optionsBar_ = nullptr;
    QLineEdit* aliasBox_ = nullptr;
    QLineEdit* rowCountBox_ = nullptr;
    CtlSplitterEx* splitter_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    std::array<CodePane*, kScreens> panes_{};
    QLabel* statusMessage_ = nullptr;
    QLabel* insertState_ = nullptr;
    QLabel* statusDate_ = nullptr;
    QLabel* statusTime_ = nullptr;
    bool updatingTree_ = false;
    bool busy_ = false;
    // Set once the window closed: a run or tree load still on the stack only unwinds.
    bool closed_ = false;
};

}  // namespace orvane
