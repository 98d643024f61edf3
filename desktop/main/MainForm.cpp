#include "main/MainForm.h"

#include <QAction>
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
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTime>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <limits>

#include "common/Icons.h"
#include "common/Messages.h"
#include "common/Named.h"
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
#define ORVANE_TR(text) QT_TRANSLATE_NOOP("orvane::MainForm", text)
constexpr TabCaption kTabs[MainForm::kScreens] = {
    {ORVANE_TR(" Schema"), ORVANE_TR("XML Schema")},
    {ORVANE_TR(" Biz Schema"), ORVANE_TR("BizTalk Schema")},
    {ORVANE_TR(" DTD"), ORVANE_TR("DTD")},
    {ORVANE_TR(" XML Data"), ORVANE_TR("XML Data")},
    {ORVANE_TR("SQL"), ORVANE_TR("SQL")},
    {ORVANE_TR(" VB"), ORVANE_TR("VB")},
    {ORVANE_TR(" Java"), ORVANE_TR("Java")},
    {ORVANE_TR(" VB.NET"), ORVANE_TR("VB.NET")},
    {ORVANE_TR(" C#"), ORVANE_TR("C-Sharp")},
};
#undef ORVANE_TR

QString ToQ(const std::string& text) { return QString::fromStdString(text); }

// Thrown out of the catalogue reader when the window is closed while the tree loads.
struct TreeLoadAbandoned {};
}  // namespace

MainForm::MainForm(QWidget* parent) : QMainWindow(parent), actions_(*this) {
    setObjectName("MainForm");
    setWindowTitle(tr("Orvane"));
    setWindowIcon(QIcon(Icons::Logo(64)));
    resize(1100, 760);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(BuildOptionsBar());
    splitter_ = Named(new CtlSplitterEx, "splitterPanel");
    layout->addWidget(splitter_, 1);
    splitter_->AttachObjects(BuildTree(), BuildTabs(), true);
    splitter_->SetTileMode(1);
    setCentralWidget(central);
    BuildStatusBar();
    ConnectActions();
    commands_ = new PaneCommands(this);
    dialogs_ = new DialogCommands(this);
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
            Messages::Show(this, tr("Orvane Load Error: ") + loadError, MsgNone);
        });
    }
}

MainForm::~MainForm() { workflow_.Stop(); }

void MainForm::ConnectActions() {
    connect(actions_.exit, &QAction::triggered, this, &QWidget::close);
    connect(actions_.connectDataSource, &QAction::triggered, this, &MainForm::ConnectToDataSource);
    connect(actions_.disconnect, &QAction::triggered, this, &MainForm::Disconnect);
    connect(actions_.configureDataSources, &QAction::triggered, this,
            &MainForm::ConfigureDataSources);
    connect(actions_.generate, &QAction::triggered, this, &MainForm::Generate);
    connect(actions_.highlight, &QAction::triggered, this, &MainForm::HighlightCurrentPane);
    connect(actions_.refreshTemplates, &QAction::triggered, this, &MainForm::RefreshTemplates);
}

void MainForm::BuildStatusBar() {
    auto panel = [this](const char* name, int stretch) {
        auto* label = Named(new QLabel, name);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (stretch > 0) {
            statusBar()->addWidget(label, stretch);
        } else {
            statusBar()->addPermanentWidget(label);
        }
        return label;
    };
    statusBar()->setObjectName("StatusBar1");
    statusMessage_ = panel("StatusBar1_Panel1", 1);
    insertState_ = panel("StatusBar1_Panel2", 0);
    // The Num Lock state: Qt offers no way to read it, so the panel stays empty rather than
    // claim a state.
    panel("StatusBar1_Panel3", 0);
    statusDate_ = panel("StatusBar1_Panel4", 0);
    statusTime_ = panel("StatusBar1_Panel5", 0);
    UpdateKeyStates();
    UpdateClock();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &MainForm::UpdateClock);
    clock->start(1000);
}

void MainForm::UpdateClock() {
    statusDate_->setText(QDate::currentDate().toString(Qt::ISODate));
    statusTime_->setText(QTime::currentTime().toString("HH:mm:ss"));
}

void MainForm::UpdateKeyStates() {
    // The Insert key switches the current pane between inserting and overwriting.
    const bool overwrite = CurrentPane()->overwriteMode();
    insertState_->setText(overwrite ? tr("OVR") : tr("INS"));
    insertState_->setToolTip(overwrite ? tr("Typing overwrites") : tr("Typing inserts"));
}

QWidget* MainForm::BuildOptionsBar() {
    optionsBar_ = Named(new QGroupBox(tr("Customize")), "Frame1");
    optionsBar_->setFont(QFont("Arial"));
    aliasBox_ = Named(new QLineEdit("MYXMLDOC"), "Alias");
    rowCountBox_ = Named(new QLineEdit("10"), "num");
    rowCountBox_->setMaximumWidth(80);
    auto* aliasLabel = new QLabel(tr("Alias:"));
    aliasLabel->setBuddy(aliasBox_);
    auto* rowCountLabel = new QLabel(tr("# of rec:"));
    rowCountLabel->setBuddy(rowCountBox_);
    auto* bar = new QHBoxLayout(optionsBar_);
    bar->addWidget(aliasLabel);
    bar->addWidget(aliasBox_, 1);
    bar->addSpacing(20);
    bar->addWidget(rowCountLabel);
    bar->addWidget(rowCountBox_);
    bar->addStretch(1);
    return optionsBar_;
}

QWidget* MainForm::BuildTree() {
    tree_ = Named(new QTreeWidget, "treeviewDB");
    tree_->setHeaderHidden(true);
    // The column grows with the longest shown name, so a narrow tree scrolls sideways.
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree_->header()->setStretchLastSection(false);
    connect(tree_, &QTreeWidget::itemChanged, this, &MainForm::OnTreeItemChanged);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, &MainForm::OnTreeDoubleClicked);
    return tree_;
}

QWidget* MainForm::BuildTabs() {
    tabs_ = Named(new QTabWidget, "tabCtl");
    for (int i = 0; i < kScreens; ++i) {
        auto* frame = new QGroupBox(tr(kTabs[i].frame));
        frame->setObjectName(QString("Frame2_%1").arg(i));
        auto* pane = new CodePane;
        pane->setObjectName(QString("txt%1").arg(i));
        connect(pane, &CodePane::overwriteModeChanged, this, &MainForm::UpdateKeyStates);
        panes_[static_cast<std::size_t>(i)] = pane;
        (new QVBoxLayout(frame))->addWidget(pane);
        tabs_->addTab(frame, tr(kTabs[i].tab));
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &MainForm::UpdateKeyStates);
    return tabs_;
}

QString MainForm::SaveFile(const QString& fileName, const QString& fileBody) {
    return PaneCommands::SaveFile(fileName, fileBody);
}

CodePane* MainForm::CurrentPane() const { return Pane(tabs_->currentIndex()); }
QString MainForm::AliasText() const { return aliasBox_->text(); }

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
    actions_.connectDataSource->setEnabled(!busy);
    actions_.disconnect->setEnabled(!busy);
    tree_->setEnabled(!busy);
}

void MainForm::SetActive(bool active) {
    if (active) {
        workflow_.Start();
        actions_.generate->setIcon(Icons::ToolIcon(Icons::Tool::Stop));
    } else {
        workflow_.Stop();
        actions_.generate->setIcon(Icons::ToolIcon(Icons::Tool::Generate));
        RefreshStatus("");
    }
}

void MainForm::Generate() {
    for (CodePane* pane : panes_) pane->setCrLfText(QString());
    if (workflow_.IsActive()) {
        // A second press stops the run; its loops see the cleared flag at their next test.
        SetActive(false);
        return;
    }
    // A tree load, or a stopped run that has not unwound yet, is still on the stack.
    if (busy_) return;
    SetBusy(true);
    SetActive(true);
    RefreshStatus(tr("Generating..."));
    if (const auto stop = workflow_.CheckConnection()) {
        Messages::Show(this, ToQ(stop->message), stop->style);
        SetActive(false);
        RefreshStatus(tr("Done..."));
    } else {
        bool ok = false;
        const int rows = rowCountBox_->text().trimmed().toInt(&ok);
        if (ok && rows >= std::numeric_limits<std::int16_t>::min() &&
            rows <= std::numeric_limits<std::int16_t>::max()) {
            workflow_.SetMaxRows(static_cast<std::int16_t>(rows));
        }
        RefreshStatus(tr("Loading first %1 records ...").arg(workflow_.MaxRows()));
        QTreeWidgetItem* checked = DbTree::GetCheckedTable(tree_);
        std::unique_ptr<QtTreeNode> node;
        if (checked != nullptr) node = std::make_unique<QtTreeNode>(checked);
        if (const auto loadStop = workflow_.Load(node.get(), aliasBox_->text().toStdString())) {
            if (!loadStop->message.empty()) {
                Messages::Show(this, ToQ(loadStop->message), loadStop->style);
            }
            SetActive(false);
        } else {
            // A failing screen stays empty and is named afterwards; the others are generated.
            QStringList failures;
            for (int i = 0; i < kScreens && !closed_; ++i) {
                const QString description = ToQ(config_->GenDescriptions.at(i));
                RefreshStatus(tr("Generating %1 ...").arg(description));
                try {
                    Pane(i)->setCrLfText(workflow_.Generate(i));
                } catch (const std::exception& error) {
                    failures << description + ": " + QString::fromUtf8(error.what());
                }
            }
            if (!failures.isEmpty() && !closed_) {
                Messages::Show(this, tr("Could not generate:\n%1").arg(failures.join("\n")),
                               MsgCritical);
            }
            for (int i = 0; i < kScreens && !closed_; ++i) {
                if (config_->Screens().Item(std::to_string(i))->SynHighlight != 1) continue;
                RefreshStatus(tr("Highliting %1 ...").arg(ToQ(config_->GenDescriptions.at(i))));
                if (!highlighter_) highlighter_ = std::make_unique<Highliter>();
                highlighter_->HighlightByType(*Pane(i), i);
            }
            SetActive(false);
            RefreshStatus(tr("Done..."));
        }
    }
    SetBusy(false);
}

void MainForm::ConnectToDataSource() {
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
    actions_.generate->setEnabled(false);
    auto connection = std::make_shared<data::Connection>();
    bool connected = false;
    try {
        connection->Open(manager->ADOConnect());
        const auto progress = [this](std::size_t tables) {
            RefreshStatus(tr("Loading tables... %1").arg(tables));
            Host::DoEvents();
            if (closed_) throw TreeLoadAbandoned{};
        };
        DbCatalog catalog = DbCatalog::Read(*connection, progress);
        manager->dbconn = connection;
        config_->DBMSName = catalog.dbmsName;
        updatingTree_ = true;
        DbTree::Fill(tree_, catalog, manager->SelectedDsn(), progress);
        updatingTree_ = false;
        connected = true;
    } catch (const TreeLoadAbandoned&) {
        // The window is closing; the tree keeps what it had.
    } catch (const std::exception& error) {
        Messages::Show(this,
                       tr("Unable to access this datasource: \r\n%1\r\n%2")
                           .arg(ToQ(connection->ConnectionString()), ToQ(error.what())),
                       MsgNone);
    }
    if (!connected) *manager = kept;
    actions_.generate->setEnabled(true);
    SetBusy(false);
    // Without a connection kept there is nothing to claim.
    RefreshStatus(manager->dbconn ? tr("Connected to %1").arg(ToQ(config_->DBMSName)) : QString());
}

void MainForm::Disconnect() {
    if (busy_ || !config_) return;
    config_->ConnectionManager()->dbconn.reset();
    tree_->clear();
    aliasBox_->clear();
}

void MainForm::ConfigureDataSources() {
    for (const char* admin : {"ODBCManageDataSourcesQ5", "ODBCManageDataSourcesQ4"}) {
        const QString program = QStandardPaths::findExecutable(admin);
        if (!program.isEmpty() && QProcess::startDetached(program, {})) return;
    }
    QString ini = qEnvironmentVariable("ODBCINI");
    if (ini.isEmpty()) ini = QDir::homePath() + "/.odbc.ini";
    if (QFileInfo::exists(ini) && QDesktopServices::openUrl(QUrl::fromLocalFile(ini))) return;
    Messages::Show(this,
                   tr("Data sources are configured in the ODBC files:\n  %1 (your own data "
                      "sources)\n  /etc/odbc.ini (data sources of all users)\n"
                      "  /etc/odbcinst.ini (installed drivers)\n"
                      "Edit them with a text editor or with odbcinst.")
                       .arg(ini),
                   MsgNone);
}

void MainForm::HighlightCurrentPane() {
    if (!highlighter_) highlighter_ = std::make_unique<Highliter>();
    highlighter_->HighlightByType(*CurrentPane(), tabs_->currentIndex());
}

void MainForm::RefreshTemplates() { workflow_.TheGenerator().Template().ClearTemplates(); }

void MainForm::OnTreeItemChanged(QTreeWidgetItem* item, int column) {
    if (updatingTree_ || column != 0) return;
    updatingTree_ = true;
    DbTree::PropagateCheck(item);
    if (DbTree::IsTableNode(item) && item->checkState(0) == Qt::Checked) {
        aliasBox_->setText(MakeAlias(item->text(0)));
    }
    updatingTree_ = false;
}

void MainForm::OnTreeDoubleClicked(QTreeWidgetItem* item, int /*column*/) {
    updatingTree_ = true;
    DbTree::TogglePrimaryKey(item);
    updatingTree_ = false;
}

void MainForm::closeEvent(QCloseEvent* event) {
    Unload();
    event->accept();
}

void MainForm::Unload() {
    // A run or a tree load still on the stack sees the cleared flags at its next test and only
    // unwinds; the window does not wait for it.
    closed_ = true;
    workflow_.Stop();
    if (connectionDialog_ != nullptr) connectionDialog_->hide();
    dialogs_->CloseDialogs();
}

}  // namespace orvane
