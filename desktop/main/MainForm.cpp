#include "main/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <limits>

#include "common/Icons.h"
#include "common/Messages.h"
#include "common/WindowPlacement.h"
#include "core/Host.h"
#include "data/Connection.h"
#include "dialogs/ODBCform.h"
#include "generator/MakeAlias.h"
#include "main/DbTree.h"
#include "main/DialogCommands.h"
#include "main/PaneCommands.h"
#include "main/QtTreeNode.h"
#include "model/ConnectionManager.h"
#include "model/DbCatalog.h"
#include "settings/Config.h"
#include "viewer/CodePane.h"
#include "viewer/CtlSplitterEx.h"
#include "viewer/Highliter.h"

namespace orvane {

namespace {
struct TabCaption {
    const char* tab;
    const char* frame;
};
constexpr TabCaption kTabs[MainForm::kScreens] = {
    {" Schema", "XML Schema"},
    {" Biz Schema", "BizTalk Schema"},
    {" DTD", "DTD"},
    {" XML Data", "XML Data"},
    {"SQL", "SQL"},
    {" VB", "VB"},
    {" Java", "Java"},
    {" VB.NET", "VB.NET"},
    {" C#", "C-Sharp"},
};

QString ToQ(const std::string& text) { return QString::fromStdString(text); }

// Thrown out of the catalogue reader when the window is closed while the tree loads.
struct TreeLoadAbandoned {};
}  // namespace

MainForm::MainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MainForm");
    setWindowTitle("Orvane");
    setWindowIcon(QIcon(Icons::Logo(64)));
    resize(1100, 760);

    BuildMenus();
    BuildToolbar();
    BuildStatusBar();
    BuildCentral();
    commands_ = new PaneCommands(this);
    new DialogCommands(this);
    WindowPlacement::CentreOnScreen(*this);

    QString loadError;
    try {
        config_ = std::make_shared<::orvane::Config>();
    } catch (const std::exception& error) {
        loadError = error.what();
    }
    ApplyPaneSettings();
    workflow_.SetConfig(config_);
    workflow_.SetNotify([this](const std::string& message) { RefreshStatus(ToQ(message)); });
    if (!loadError.isEmpty()) {
        QTimer::singleShot(0, this, [this, loadError] {
            Messages::Show(this, "Orvane Load Error: " + loadError, MsgNone);
        });
    }
}

MainForm::~MainForm() { workflow_.Stop(); }

QAction* MainForm::AddAction(QMenu* menu, const char* name, const QString& caption,
                             const QKeySequence& shortcut) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    menu->addAction(action);
    return action;
}

void MainForm::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    QMenu* save = file->addMenu("&Save ");
    save->setObjectName("mnuSave");
    AddAction(save, "mnuSaveSchema", "Save XML Sc&hema");
    AddAction(save, "mnuSaveBiz", "Save Bi&zTalk Schema");
    AddAction(save, "mnuSaveDTD", "Save &DTD");
    AddAction(save, "mnuSaveXML", "Save &XML Data");
    AddAction(save, "mnuSaveSQL", "Save S&QL");
    AddAction(save, "mnuSaveVB", "Save &VB");
    AddAction(save, "mnuSaveJava", "Save &Java");
    AddAction(save, "mnuSaveVBNET", "Save VB.&NET");
    AddAction(save, "mnuSaveCSharp", "Save &C#");
    AddAction(file, "mnuSaveAll", "S&ave All", QKeySequence("Ctrl+S"));
    AddAction(file, "mnuPrint", "&Print", QKeySequence("Ctrl+P"));
    connect(AddAction(file, "mnuFileExit", "E&xit"), &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("mnuEdit");
    AddAction(edit, "mnuEditSelectAll", "&Select All", QKeySequence("Ctrl+A"));
    AddAction(edit, "mnuEditCopy", "&Copy", QKeySequence("Ctrl+C"));
    AddAction(edit, "mnuEditCut", "&Cut", QKeySequence("Ctrl+X"));
    AddAction(edit, "mnuEditPaste", "&Paste", QKeySequence("Ctrl+V"));

    QMenu* db = menuBar()->addMenu("&DataBase");
    db->setObjectName("mnuDb");
    connect(
        AddAction(db, "mnuDataBaseConnectODBC", "&Connect To ODBC source", QKeySequence("Ctrl+O")),
        &QAction::triggered, this, &MainForm::mnuDataBaseConnectODBC_Click);
    connect(AddAction(db, "mnuDataBaseDisconnect", "&Disconnect", QKeySequence("Ctrl+D")),
            &QAction::triggered, this, &MainForm::mnuDataBaseDisconnect_Click);
    connect(AddAction(db, "mnuDataBaseDataSource", "Configure Data Source"), &QAction::triggered,
            this, &MainForm::mnuDataBaseDataSource_Click);

    QMenu* tools = menuBar()->addMenu("&Tools");
    tools->setObjectName("mnuTools");
    AddAction(tools, "mnuToolsOptions", "&Options", QKeySequence("Ctrl+T"));
    connect(AddAction(tools, "mnuToolsGenerate", "&Generate", QKeySequence("Ctrl+G")),
            &QAction::triggered, this, &MainForm::mnuToolsGenerate_Click);
    connect(AddAction(tools, "mnuToolsHighLight", "HighLight", QKeySequence("Ctrl+H")),
            &QAction::triggered, this, &MainForm::mnuToolsHighLight_Click);
    connect(AddAction(tools, "mnuToolsRefreshT", "Refresh T&emplates", QKeySequence("Ctrl+E")),
            &QAction::triggered, this, &MainForm::mnuToolsRefreshT_Click);

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    AddAction(help, "mnuHelpAbout", "&About...", QKeySequence("Ctrl+F1"));
    AddAction(help, "mnuHelpHelp", "&Help", QKeySequence("F1"));
    AddAction(help, "mnuHelpSF", "&Kestrade WebSite...", QKeySequence("Ctrl+R"));
}

QAction* MainForm::Action(const char* objectName) const { return findChild<QAction*>(objectName); }

void MainForm::BuildToolbar() {
    Toolbar1_ = addToolBar("Toolbar");
    Toolbar1_->setObjectName("Toolbar1");
    Toolbar1_->setMovable(false);
    struct Button {
        Icons::Tool icon;
        const char* tip;
        const char* action;  // nullptr: a separator
    };
    const Button buttons[] = {
        {Icons::Tool::Connect, "Connect to ODBC Data source", "mnuDataBaseConnectODBC"},
        {Icons::Tool::Print, "Print", "mnuPrint"},
        {Icons::Tool::Save, "Save", "mnuSaveAll"},
        {Icons::Tool::Save, "", nullptr},
        {Icons::Tool::Cut, "Cut", "mnuEditCut"},
        {Icons::Tool::Copy, "Copy", "mnuEditCopy"},
        {Icons::Tool::Paste, "Paste Text", "mnuEditPaste"},
        {Icons::Tool::Save, "", nullptr},
        {Icons::Tool::Options, "Options", "mnuToolsOptions"},
        {Icons::Tool::Generate, "Generate Code", "mnuToolsGenerate"},
        {Icons::Tool::Highlight, "Highlight Current Code", "mnuToolsHighLight"},
        {Icons::Tool::Save, "", nullptr},
        {Icons::Tool::About, "About", "mnuHelpAbout"},
    };
    int index = 1;
    for (const Button& button : buttons) {
        QAction* added = nullptr;
        if (button.action == nullptr) {
            added = Toolbar1_->addSeparator();
        } else {
            QAction* target = Action(button.action);
            added = Toolbar1_->addAction(Icons::ToolIcon(button.icon), button.tip, target,
                                         &QAction::trigger);
            added->setToolTip(button.tip);
        }
        added->setObjectName(QString("Toolbar1_Button%1").arg(index++));
    }
    generateButton_ = findChild<QAction*>("Toolbar1_Button10");
}

void MainForm::BuildStatusBar() {
    auto panel = [this](const char* name, const QString& text, int stretch) {
        auto* label = new QLabel(text);
        label->setObjectName(name);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (stretch > 0) {
            statusBar()->addWidget(label, stretch);
        } else {
            statusBar()->addPermanentWidget(label);
        }
        return label;
    };
    statusBar()->setObjectName("StatusBar1");
    statusMessage_ = panel("StatusBar1_Panel1", "", 1);
    statusIns_ = panel("StatusBar1_Panel2", "INS", 0);
    statusNum_ = panel("StatusBar1_Panel3", "NUM", 0);
    statusDate_ = panel("StatusBar1_Panel4", "", 0);
    statusTime_ = panel("StatusBar1_Panel5", "", 0);
    UpdateClock();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &MainForm::UpdateClock);
    clock->start(1000);
}

void MainForm::UpdateClock() {
    statusDate_->setText(QDate::currentDate().toString(Qt::ISODate));
    statusTime_->setText(QTime::currentTime().toString("HH:mm:ss"));
}

void MainForm::BuildCentral() {
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);

    Frame1_ = new QGroupBox("Customize");
    Frame1_->setObjectName("Frame1");
    QFont arial("Arial");
    Frame1_->setFont(arial);
    auto* bar = new QHBoxLayout(Frame1_);
    Alias_ = new QLineEdit("MYXMLDOC");
    Alias_->setObjectName("Alias");
    num_ = new QLineEdit("10");
    num_->setObjectName("num");
    num_->setMaximumWidth(80);
    auto* aliasLabel = new QLabel("Alias:");
    aliasLabel->setBuddy(Alias_);
    auto* numLabel = new QLabel("# of rec:");
    numLabel->setBuddy(num_);
    bar->addWidget(aliasLabel);
    bar->addWidget(Alias_, 1);
    bar->addSpacing(20);
    bar->addWidget(numLabel);
    bar->addWidget(num_);
    bar->addStretch(1);
    layout->addWidget(Frame1_);

    treeviewDB_ = new QTreeWidget;
    treeviewDB_->setObjectName("treeviewDB");
    treeviewDB_->setHeaderHidden(true);
    // The column grows with the longest shown name, so a narrow tree scrolls sideways.
    treeviewDB_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    treeviewDB_->header()->setStretchLastSection(false);
    connect(treeviewDB_, &QTreeWidget::itemChanged, this, &MainForm::treeviewDB_ItemChanged);
    connect(treeviewDB_, &QTreeWidget::itemDoubleClicked, this, &MainForm::treeviewDB_DoubleClick);

    tabCtl_ = new QTabWidget;
    tabCtl_->setObjectName("tabCtl");
    for (int i = 0; i < kScreens; ++i) {
        auto* frame = new QGroupBox(kTabs[i].frame);
        frame->setObjectName(QString("Frame2_%1").arg(i));
        auto* frameLayout = new QVBoxLayout(frame);
        txt_[static_cast<std::size_t>(i)] = new CodePane;
        txt_[static_cast<std::size_t>(i)]->setObjectName(QString("txt%1").arg(i));
        frameLayout->addWidget(txt_[static_cast<std::size_t>(i)]);
        tabCtl_->addTab(frame, kTabs[i].tab);
    }

    splitterPanel_ = new CtlSplitterEx;
    splitterPanel_->setObjectName("splitterPanel");
    layout->addWidget(splitterPanel_, 1);
    splitterPanel_->AttachObjects(treeviewDB_, tabCtl_, true);
    splitterPanel_->SetTileMode(1);
    setCentralWidget(central);
}

QString MainForm::SaveFile(const QString& fileName, const QString& fileBody) {
    return PaneCommands::SaveFile(fileName, fileBody);
}

CodePane* MainForm::CurrentPane() const { return Pane(tabCtl_->currentIndex()); }
QString MainForm::AliasText() const { return Alias_->text(); }

void MainForm::RefreshStatus(const QString& sMessage) { statusMessage_->setText(sMessage); }
QString MainForm::StatusText() const { return statusMessage_->text(); }

void MainForm::ApplyPaneSettings() {
    if (!config_) return;
    for (int i = 0; i < kScreens; ++i) {
        const auto& record = config_->Screens().Item(std::to_string(i));
        Pane(i)->setPaneFont(record->Font);
        Pane(i)->setBackgroundBgr(record->color);
    }
}

QString MainForm::MakeAlias(const QString& tableName) const {
    const std::string name = tableName.toStdString();
    // Without settings there is no SQL screen rule to apply.
    return ToQ(config_ ? ::orvane::MakeAlias(name, workflow_.TheGenerator())
                       : StripTableName(name));
}

void MainForm::SetBusy(bool busy) {
    busy_ = busy;
    for (const char* name : {"mnuDataBaseConnectODBC", "mnuDataBaseDisconnect"}) {
        Action(name)->setEnabled(!busy);
    }
    treeviewDB_->setEnabled(!busy);
}

void MainForm::SetActive(bool active) {
    if (active) {
        workflow_.Start();
        generateButton_->setIcon(Icons::ToolIcon(Icons::Tool::Stop));
    } else {
        workflow_.Stop();
        generateButton_->setIcon(Icons::ToolIcon(Icons::Tool::Generate));
        RefreshStatus("");
    }
}

void MainForm::mnuToolsGenerate_Click() {
    for (CodePane* pane : txt_) pane->setCrLfText(QString());
    if (workflow_.IsActive()) {
        // A second press stops the run; its loops see the cleared flag at their next test.
        SetActive(false);
        return;
    }
    // A tree load, or a stopped run that has not unwound yet, is still on the stack.
    if (busy_) return;
    SetBusy(true);
    SetActive(true);
    RefreshStatus("Generating...");
    if (const auto stop = workflow_.CheckConnection()) {
        Messages::Show(this, ToQ(stop->message), stop->style);
        SetActive(false);
        RefreshStatus("Done...");
    } else {
        bool ok = false;
        const int rows = num_->text().trimmed().toInt(&ok);
        if (ok && rows >= std::numeric_limits<std::int16_t>::min() &&
            rows <= std::numeric_limits<std::int16_t>::max()) {
            workflow_.SetMaxRows(static_cast<std::int16_t>(rows));
        }
        RefreshStatus(QString("Loading first %1 records ...").arg(workflow_.MaxRows()));
        QTreeWidgetItem* checked = DbTree::GetCheckedTable(treeviewDB_);
        std::unique_ptr<QtTreeNode> node;
        if (checked != nullptr) node = std::make_unique<QtTreeNode>(checked);
        if (const auto loadStop = workflow_.Load(node.get(), Alias_->text().toStdString())) {
            if (!loadStop->message.empty()) {
                Messages::Show(this, ToQ(loadStop->message), loadStop->style);
            }
            SetActive(false);
        } else {
            for (int i = 0; i < kScreens; ++i) {
                RefreshStatus("Generating " + ToQ(config_->GenDescriptions.at(i)) + " ...");
                try {
                    Pane(i)->setCrLfText(workflow_.Generate(i));
                } catch (const std::exception&) {
                    // A failing screen stays empty; the others are still generated.
                }
            }
            for (int i = 0; i < kScreens; ++i) {
                if (config_->Screens().Item(std::to_string(i))->SynHighlight != 1) continue;
                RefreshStatus("Highliting " + ToQ(config_->GenDescriptions.at(i)) + " ...");
                if (!highlighter_) highlighter_ = std::make_unique<Highliter>();
                highlighter_->HighlightByType(*Pane(i), i);
            }
            SetActive(false);
            RefreshStatus("Done...");
        }
    }
    SetBusy(false);
    if (closePending_) QTimer::singleShot(0, this, &QWidget::close);
}

void MainForm::mnuDataBaseConnectODBC_Click() {
    if (busy_ || !config_) return;
    auto manager = config_->ConnectionManager();
    // A connect that is cancelled or fails leaves the connection in use whole: the tree, the
    // data and the texts the generated classes connect with stay the ones that belong together.
    const ConnectionManager kept = *manager;
    if (connectionDialog_ == nullptr) {
        connectionDialog_ = new ODBCform(this);
    }
    connectionDialog_->SetConfig(config_);
    const int result = connectionDialog_->exec();
    if (result != QDialog::Accepted) {
        // Cancel unloads the dialog: the next connect starts from empty fields.
        connectionDialog_->deleteLater();
        connectionDialog_ = nullptr;
    }
    if (manager->ADOConnect().empty()) {
        *manager = kept;
        return;
    }

    SetBusy(true);
    Action("mnuToolsGenerate")->setEnabled(false);
    auto connection = std::make_shared<data::Connection>();
    bool connected = false;
    try {
        connection->Open(manager->ADOConnect());
        DbCatalog catalog = DbCatalog::Read(*connection, [this](std::size_t tables) {
            RefreshStatus(QString("Loading tables... %1").arg(tables));
            Host::DoEvents();
            if (closePending_) throw TreeLoadAbandoned{};
        });
        manager->dbconn = connection;
        config_->DBMSName = catalog.dbmsName;
        updatingTree_ = true;
        DbTree::Fill(treeviewDB_, catalog, manager->SelectedDsn());
        updatingTree_ = false;
        connected = true;
    } catch (const TreeLoadAbandoned&) {
        // The window is closing; the tree keeps what it had.
    } catch (const std::exception& error) {
        Messages::Show(this,
                       "Unable to access this datasource: \r\n" +
                           ToQ(connection->ConnectionString()) + "\r\n" + ToQ(error.what()),
                       MsgNone);
    }
    if (!connected) *manager = kept;
    Action("mnuToolsGenerate")->setEnabled(true);
    SetBusy(false);
    // Without a connection kept there is nothing to claim.
    RefreshStatus(manager->dbconn ? "Connected to " + ToQ(config_->DBMSName) : QString());
    if (closePending_) QTimer::singleShot(0, this, &QWidget::close);
}

void MainForm::mnuDataBaseDisconnect_Click() {
    if (busy_ || !config_) return;
    config_->ConnectionManager()->dbconn.reset();
    treeviewDB_->clear();
    Alias_->clear();
}

void MainForm::mnuDataBaseDataSource_Click() {
    for (const char* admin : {"ODBCManageDataSourcesQ5", "ODBCManageDataSourcesQ4"}) {
        const QString program = QStandardPaths::findExecutable(admin);
        if (!program.isEmpty() && QProcess::startDetached(program, {})) return;
    }
    QString ini = qEnvironmentVariable("ODBCINI");
    if (ini.isEmpty()) ini = QDir::homePath() + "/.odbc.ini";
    if (QFileInfo::exists(ini) && QDesktopServices::openUrl(QUrl::fromLocalFile(ini))) return;
    Messages::Show(this,
                   "Data sources are configured in the ODBC files:\n  " + ini +
                       " (your own data sources)\n  /etc/odbc.ini (data sources of all users)\n"
                       "  /etc/odbcinst.ini (installed drivers)\n"
                       "Edit them with a text editor or with odbcinst.",
                   MsgNone);
}

void MainForm::mnuToolsHighLight_Click() {
    if (!highlighter_) highlighter_ = std::make_unique<Highliter>();
    highlighter_->HighlightByType(*CurrentPane(), tabCtl_->currentIndex());
}

void MainForm::mnuToolsRefreshT_Click() { workflow_.TheGenerator().Template().ClearTemplates(); }

void MainForm::treeviewDB_ItemChanged(QTreeWidgetItem* item, int column) {
    if (updatingTree_ || column != 0) return;
    updatingTree_ = true;
    DbTree::PropagateCheck(item);
    if (DbTree::IsTableNode(item) && item->checkState(0) == Qt::Checked) {
        Alias_->setText(MakeAlias(item->text(0)));
    }
    updatingTree_ = false;
}

void MainForm::treeviewDB_DoubleClick(QTreeWidgetItem* item, int /*column*/) {
    updatingTree_ = true;
    DbTree::TogglePrimaryKey(item);
    updatingTree_ = false;
}

void MainForm::closeEvent(QCloseEvent* event) {
    if (workflow_.IsActive() || busy_) {
        // A run or a tree load is still on the stack: stop it and close once it has unwound.
        if (workflow_.IsActive()) SetActive(false);
        closePending_ = true;
        event->ignore();
        return;
    }
    workflow_.Stop();
    if (connectionDialog_ != nullptr) connectionDialog_->hide();
    event->accept();
}

}  // namespace orvane
