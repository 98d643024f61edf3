#include "main/PaneCommands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

#include "common/Messages.h"
#include "core/Host.h"
#include "core/OrvaneError.h"
#include "core/Screens.h"
#include "main/FileDialog.h"
#include "main/MainForm.h"
#include "settings/Config.h"
#include "viewer/CodePane.h"
#include "viewer/RTFTools.h"
#include "viewer/StyleConvert.h"

namespace orvane {

namespace {
constexpr int kOneInch = 1440;  // twips
}  // namespace

PaneCommands::PaneCommands(MainForm* form)
    : QObject(form), form_(form), lastFolder_(QDir::homePath()) {
    const MainActions& actions = form->Actions();
    for (int i = 0; i < MainForm::kScreens; ++i) {
        connect(actions.Save(i), &QAction::triggered, this, [this, i] { SaveScreen(i); });
    }
    connect(actions.saveAll, &QAction::triggered, this, &PaneCommands::SaveAll);
    connect(actions.print, &QAction::triggered, this, &PaneCommands::Print);
    connect(actions.selectAll, &QAction::triggered, this, &PaneCommands::SelectAll);
    connect(actions.copy, &QAction::triggered, this, &PaneCommands::Copy);
    connect(actions.cut, &QAction::triggered, this, &PaneCommands::Cut);
    connect(actions.paste, &QAction::triggered, this, &PaneCommands::Paste);
}

PaneCommands::~PaneCommands() = default;

QPrinter& PaneCommands::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

int PaneCommands::CurrentScreen() const {
    for (int i = 0; i < MainForm::kScreens; ++i) {
        if (form_->Pane(i) == form_->CurrentPane()) return i;
    }
    return 0;
}

QString PaneCommands::SaveFile(const QString& fileName, const QString& fileBody) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    const QByteArray bytes = fileBody.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

QString PaneCommands::ProposedName(int screen) const {
    const std::string alias = form_->AliasText().toStdString();
    // Only a proposal: an alias that gives no file name proposes none, and the user types one.
    try {
        if (screen < 0) return QString::fromStdString(FileNamePart(alias) + ".prj");
        const std::string suffix =
            form_->Config() ? form_->Config()->Suffix(screen) : std::string();
        return QString::fromStdString(ScreenFileName(alias, screen, suffix));
    } catch (const OrvaneError&) {
        return {};
    }
}

void PaneCommands::Remember(const QString& path) { lastFolder_ = QFileInfo(path).absolutePath(); }

void PaneCommands::ReportFailures(const QStringList& failures) {
    if (failures.isEmpty()) return;
    Messages::Show(form_, tr("Could not write:\n%1").arg(failures.join("\n")), MsgCritical);
}

void PaneCommands::SaveScreen(int screen) {
    // The dialog's type text is the extension the file gets.
    const QString path = FileDialog::ShowSaveDialog(
        form_, kScreenTable[static_cast<std::size_t>(screen)].fileExtension, lastFolder_,
        ProposedName(screen));
    if (path.isEmpty()) return;
    Remember(path);
    const QString failure = SaveFile(path, form_->Pane(screen)->crLfText());
    if (!failure.isEmpty()) ReportFailures({path + ": " + failure});
}

QStringList PaneCommands::SaveAllTo(const QString& chosenPath) {
    const QFileInfo chosen(chosenPath);
    // Cut the extension off the file name only; a name without "." is the whole base.
    const int dot = chosen.fileName().lastIndexOf('.');
    const std::string base =
        (dot < 0 ? chosen.fileName() : chosen.fileName().left(dot)).toStdString();
    QStringList paths;
    try {
        for (int i = 0; i < MainForm::kScreens; ++i) {
            const std::string suffix = form_->Config() ? form_->Config()->Suffix(i) : std::string();
            paths << chosen.dir().filePath(QString::fromStdString(ScreenFileName(base, i, suffix)));
        }
    } catch (const OrvaneError& e) {
        return {chosenPath + ": " + QString::fromStdString(e.what())};
    }
    QStringList failures;
    for (int i = 0; i < MainForm::kScreens; ++i) {
        bool enabled = false;
        try {
            enabled = form_->TheGenerator().Enabled(i);
        } catch (const std::exception&) {
            enabled = false;
        }
        if (!enabled) continue;
        const QString failure = SaveFile(paths[i], form_->Pane(i)->crLfText());
        if (!failure.isEmpty()) failures << paths[i] + ": " + failure;
    }
    return failures;
}

void PaneCommands::SaveAll() {
    const QString path = FileDialog::ShowSaveDialog(form_, "prj", lastFolder_, ProposedName(-1));
    if (path.isEmpty()) return;
    Remember(path);
    ReportFailures(SaveAllTo(path));
}

void PaneCommands::Print() {
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, form_);
    dialog.setObjectName("PrintDialog");
    // The whole pane is printed: no selection, page range or current-page choice.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) return;

    const int screen = CurrentScreen();
    CodePane* pane = form_->Pane(screen);
    QFont font = pane->font();
    if (form_->Config()) {
        font = ToQFont(form_->Config()->Screens().Item(std::to_string(screen))->Font);
    }
    RTFTools::WYSIWYG_RTF(*pane, printer, kOneInch, kOneInch);
    const QString failure =
        RTFTools::PrintRTF(*pane, printer, font, kOneInch, kOneInch, kOneInch, kOneInch);
    // On screen the lines run out to the right again, also after a failed print.
    RTFTools::ResetWrap(*pane);
    if (!failure.isEmpty()) {
        Messages::Show(form_, tr("Printing failed.\n%1").arg(failure), MsgCritical);
    }
}

void PaneCommands::SelectAll() {
    CodePane* pane = form_->CurrentPane();
    pane->setFocus();
    pane->selectAll();
}

void PaneCommands::Copy() {
    QApplication::clipboard()->clear();
    form_->CurrentPane()->copy();
}

void PaneCommands::Cut() {
    QApplication::clipboard()->clear();
    form_->CurrentPane()->cut();
}

void PaneCommands::Paste() { form_->CurrentPane()->paste(); }

}  // namespace orvane
