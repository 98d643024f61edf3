#include "main/MainActions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <array>
#include <iterator>
#include <optional>

#include "common/Icons.h"
#include "core/Screens.h"

namespace orvane {

namespace {
enum class Menu { Save, File, Edit, DataBase, Tools, Help };

struct MenuSpec {
    Menu menu;
    const char* objectName;
    const char* caption;
};
// In menu-bar order; the Save submenu opens the File menu.
constexpr MenuSpec kMenus[] = {
    {Menu::File, "mnuFile", QT_TRANSLATE_NOOP("MainActions", "&File")},
    {Menu::Save, "mnuSave", QT_TRANSLATE_NOOP("MainActions", "&Save ")},
    {Menu::Edit, "mnuEdit", QT_TRANSLATE_NOOP("MainActions", "&Edit")},
    {Menu::DataBase, "mnuDb", QT_TRANSLATE_NOOP("MainActions", "&DataBase")},
    {Menu::Tools, "mnuTools", QT_TRANSLATE_NOOP("MainActions", "&Tools")},
    {Menu::Help, "mnuHelp", QT_TRANSLATE_NOOP("MainActions", "&Help")},
};

constexpr std::size_t kSaveCommands = kScreenCount;

struct ActionSpec {
    QAction* MainActions::*member;
    Menu menu;
    const char* objectName;
    const char* caption;
    const char* shortcut;
    std::optional<Icons::Tool> icon;
    const char* toolTip;
};
#define ORVANE_TR(text) QT_TRANSLATE_NOOP("MainActions", text)
// The nine save commands come first, in screen order.
constexpr ActionSpec kActions[] = {
    {&MainActions::saveSchema,
     Menu::Save,
     "mnuSaveSchema",
     ORVANE_TR("Save XML Sc&hema"),
     "",
     {},
     ""},
    {&MainActions::saveBiz,
     Menu::Save,
     "mnuSaveBiz",
     ORVANE_TR("Save Bi&zTalk Schema"),
     "",
     {},
     ""},
    {&MainActions::saveDtd, Menu::Save, "mnuSaveDTD", ORVANE_TR("Save &DTD"), "", {}, ""},
    {&MainActions::saveXml, Menu::Save, "mnuSaveXML", ORVANE_TR("Save &XML Data"), "", {}, ""},
    {&MainActions::saveSql, Menu::Save, "mnuSaveSQL", ORVANE_TR("Save S&QL"), "", {}, ""},
    {&MainActions::saveVb, Menu::Save, "mnuSaveVB", ORVANE_TR("Save &VB"), "", {}, ""},
    {&MainActions::saveJava, Menu::Save, "mnuSaveJava", ORVANE_TR("Save &Java"), "", {}, ""},
    {&MainActions::saveVbNet, Menu::Save, "mnuSaveVBNET", ORVANE_TR("Save VB.&NET"), "", {}, ""},
    {&MainActions::saveCSharp, Menu::Save, "mnuSaveCSharp", ORVANE_TR("Save &C#"), "", {}, ""},
    {&MainActions::saveAll, Menu::File, "mnuSaveAll", ORVANE_TR("S&ave All"), "Ctrl+S",
     Icons::Tool::Save, ORVANE_TR("Save")},
    {&MainActions::print, Menu::File, "mnuPrint", ORVANE_TR("&Print"), "Ctrl+P", Icons::Tool::Print,
     ORVANE_TR("Print")},
    {&MainActions::exit, Menu::File, "mnuFileExit", ORVANE_TR("E&xit"), "", {}, ""},
    {&MainActions::selectAll,
     Menu::Edit,
     "mnuEditSelectAll",
     ORVANE_TR("&Select All"),
     "Ctrl+A",
     {},
     ""},
    {&MainActions::copy, Menu::Edit, "mnuEditCopy", ORVANE_TR("&Copy"), "Ctrl+C", Icons::Tool::Copy,
     ORVANE_TR("Copy")},
    {&MainActions::cut, Menu::Edit, "mnuEditCut", ORVANE_TR("&Cut"), "Ctrl+X", Icons::Tool::Cut,
     ORVANE_TR("Cut")},
    {&MainActions::paste, Menu::Edit, "mnuEditPaste", ORVANE_TR("&Paste"), "Ctrl+V",
     Icons::Tool::Paste, ORVANE_TR("Paste Text")},
    {&MainActions::connectDataSource, Menu::DataBase, "mnuDataBaseConnectODBC",
     ORVANE_TR("&Connect To ODBC source"), "Ctrl+O", Icons::Tool::Connect,
     ORVANE_TR("Connect to ODBC Data source")},
    {&MainActions::disconnect,
     Menu::DataBase,
     "mnuDataBaseDisconnect",
     ORVANE_TR("&Disconnect"),
     "Ctrl+D",
     {},
     ""},
    {&MainActions::configureDataSources,
     Menu::DataBase,
     "mnuDataBaseDataSource",
     ORVANE_TR("Configure Data Source"),
     "",
     {},
     ""},
    {&MainActions::options, Menu::Tools, "mnuToolsOptions", ORVANE_TR("&Options"), "Ctrl+T",
     Icons::Tool::Options, ORVANE_TR("Options")},
    {&MainActions::generate, Menu::Tools, "mnuToolsGenerate", ORVANE_TR("&Generate"), "Ctrl+G",
     Icons::Tool::Generate, ORVANE_TR("Generate Code")},
    {&MainActions::highlight, Menu::Tools, "mnuToolsHighLight", ORVANE_TR("HighLight"), "Ctrl+H",
     Icons::Tool::Highlight, ORVANE_TR("Highlight Current Code")},
    {&MainActions::refreshTemplates,
     Menu::Tools,
     "mnuToolsRefreshT",
     ORVANE_TR("Refresh T&emplates"),
     "Ctrl+E",
     {},
     ""},
    {&MainActions::about, Menu::Help, "mnuHelpAbout", ORVANE_TR("&About..."), "Ctrl+F1",
     Icons::Tool::About, ORVANE_TR("About")},
    {&MainActions::help, Menu::Help, "mnuHelpHelp", ORVANE_TR("&Help"), "F1", {}, ""},
    {&MainActions::webSite,
     Menu::Help,
     "mnuHelpSF",
     ORVANE_TR("&Kestrade WebSite..."),
     "Ctrl+R",
     {},
     ""},
};
#undef ORVANE_TR

constexpr bool SaveCommandsLeadInScreenOrder() {
    for (std::size_t i = 0; i < std::size(kActions); ++i) {
        if ((kActions[i].menu == Menu::Save) != (i < kSaveCommands)) return false;
    }
    return true;
}
static_assert(SaveCommandsLeadInScreenOrder());

// Toolbar buttons 1 to 13; nullptr is a separator.
constexpr QAction* MainActions::*kToolbar[] = {
    &MainActions::connectDataSource,
    &MainActions::print,
    &MainActions::saveAll,
    nullptr,
    &MainActions::cut,
    &MainActions::copy,
    &MainActions::paste,
    nullptr,
    &MainActions::options,
    &MainActions::generate,
    &MainActions::highlight,
    nullptr,
    &MainActions::about,
};
}  // namespace

MainActions::MainActions(QMainWindow& window) {
    std::array<QMenu*, std::size(kMenus)> menus{};
    for (const MenuSpec& spec : kMenus) {
        QMenu* menu = spec.menu == Menu::Save
                          ? menus[static_cast<std::size_t>(Menu::File)]->addMenu(tr(spec.caption))
                          : window.menuBar()->addMenu(tr(spec.caption));
        menu->setObjectName(spec.objectName);
        menus[static_cast<std::size_t>(spec.menu)] = menu;
    }
    for (const ActionSpec& spec : kActions) {
        auto* action = new QAction(tr(spec.caption), &window);
        action->setObjectName(spec.objectName);
        action->setShortcut(QKeySequence(spec.shortcut));
        if (spec.icon) action->setIcon(Icons::ToolIcon(*spec.icon));
        // The menus show captions only, as they always did.
        action->setIconVisibleInMenu(false);
        if (*spec.toolTip != '\0') action->setToolTip(tr(spec.toolTip));
        menus[static_cast<std::size_t>(spec.menu)]->addAction(action);
        this->*spec.member = action;
    }

    toolbar = window.addToolBar(tr("Toolbar"));
    toolbar->setObjectName("Toolbar1");
    toolbar->setMovable(false);
    for (QAction* MainActions::*button : kToolbar) {
        if (button == nullptr) {
            toolbar->addSeparator();
        } else {
            toolbar->addAction(this->*button);
        }
    }
}

QAction* MainActions::Save(int screen) const {
    if (screen < 0 || screen >= static_cast<int>(kSaveCommands)) return nullptr;
    return this->*kActions[static_cast<std::size_t>(screen)].member;
}

}  // namespace orvane
