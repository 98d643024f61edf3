#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>

#include "core/Screens.h"
#include "generator/GenerateWorkflow.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace orvane {
class Config;
}  // namespace orvane

namespace orvane {

class CodePane;
class CtlSplitterEx;
class Highliter;
class ODBCform;
class PaneCommands;

// The start-up window: the options bar, the database tree and the nine output panes side by
// side, the toolbar, the status bar and the menu; and the Generate command.
class MainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kScreens = kScreenCount;

    explicit MainForm(QWidget* parent = nullptr);
    ~MainForm() override;

    std::shared_ptr<::orvane::Config> Config() const { return config_; }
    Generator& TheGenerator() { return workflow_.TheGenerator(); }
    CodePane* Pane(int screen) const { return txt_.at(static_cast<std::size_t>(screen)); }
    CodePane* CurrentPane() const;
    QTreeWidget* Tree() const { return treeviewDB_; }
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

    // Called by the commands of the File, Edit and Help menus (they live in their own class).
    QAction* Action(const char* objectName) const;

public slots:
    void mnuToolsGenerate_Click();
    void mnuDataBaseConnectODBC_Click();
    void mnuDataBaseDisconnect_Click();
    void mnuDataBaseDataSource_Click();
    void mnuToolsHighLight_Click();
    void mnuToolsRefreshT_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void treeviewDB_ItemChanged(QTreeWidgetItem* item, int column);
    void treeviewDB_DoubleClick(QTreeWidgetItem* item, int column);

private:
    void BuildMenus();
    void BuildToolbar();
    void BuildStatusBar();
    void BuildCentral();
    QAction* AddAction(QMenu* menu, const char* name, const QString& caption,
                       const QKeySequence& shortcut = {});
    void SetActive(bool active);
    // Connect, disconnect and tree edits wait while a run or a tree load is going on.
    void SetBusy(bool busy);
    void UpdateClock();

    std::shared_ptr<::orvane::Config> config_;
    GenerateWorkflow workflow_;
    std::unique_ptr<Highliter> highlighter_;
    ODBCform* connectionDialog_ = nullptr;
    PaneCommands* commands_ = nullptr;

    QGroupBox* Frame1_ = nullptr;
    QLineEdit* Alias_ = nullptr;
    QLineEdit* num_ = nullptr;
    CtlSplitterEx* splitterPanel_ = nullptr;
    QTreeWidget* treeviewDB_ = nullptr;
    QTabWidget* tabCtl_ = nullptr;
    std::array<CodePane*, kScreens> txt_{};
    QToolBar* Toolbar1_ = nullptr;
    QAction* generateButton_ = nullptr;
    QLabel* statusMessage_ = nullptr;
    QLabel* statusIns_ = nullptr;
    QLabel* statusNum_ = nullptr;
    QLabel* statusDate_ = nullptr;
    QLabel* statusTime_ = nullptr;
    bool updatingTree_ = false;
    bool busy_ = false;
    bool closePending_ = false;
};

}  // namespace orvane
