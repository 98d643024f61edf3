#pragma once

#include <QCoreApplication>

class QAction;
class QMainWindow;
class QToolBar;

namespace orvane {

// The main window's commands, one QAction each, shared by the menu and the toolbar, built from
// one table. Each action's object name is the classic menu item name (mnuToolsGenerate, ...),
// the toolbar's is "Toolbar1".
class MainActions {
    Q_DECLARE_TR_FUNCTIONS(MainActions)

  public:
    // Builds the actions into the window's menu bar and a new toolbar; the window owns them.
    explicit MainActions(QMainWindow& window);

    // The save command of a screen.
    QAction* Save(int screen) const;

    QAction* saveSchema = nullptr;
    QAction* saveBiz = nullptr;
    QAction* saveDtd = nullptr;
    QAction* saveXml = nullptr;
    QAction* saveSql = nullptr;
    QAction* saveVb = nullptr;
    QAction* saveJava = nullptr;
    QAction* saveVbNet = nullptr;
    QAction* saveCSharp = nullptr;
    QAction* saveAll = nullptr;
    QAction* print = nullptr;
    QAction* exit = nullptr;
    QAction* selectAll = nullptr;
    QAction* copy = nullptr;
    QAction* cut = nullptr;
    QAction* paste = nullptr;
    QAction* connectDataSource = nullptr;
    QAction* disconnect = nullptr;
    QAction* configureDataSources = nullptr;
    QAction* options = nullptr;
    QAction* generate = nullptr;
    QAction* highlight = nullptr;
    QAction* refreshTemplates = nullptr;
    QAction* about = nullptr;
    QAction* help = nullptr;
    QAction* webSite = nullptr;

    // Buttons in the classic order, separators at 4, 8 and 12.
    QToolBar* toolbar = nullptr;
};

}  // namespace orvane
