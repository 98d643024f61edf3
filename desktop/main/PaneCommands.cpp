#include "main/PaneCommands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include "main/FileDialog.h"
#include "main/MainForm.h"
#include "main/Messages.h"
#include "model/Host.h"
#include "settings/Config.h"
#include "viewer/CodePane.h"
#include "viewer/CrLfText.h"

namespace orvane {

namespace {
struct SaveCommand {
    const char* action;
    const char* extension;  // also the dialog's type text
    bool withSuffix;
};
constexpr SaveCommand kSaveCommands[MainForm::kScreens] = {
    {"mnuSaveSchema", "xsd", false}, {"mnuSaveBiz", "biz", false},   {"mnuSaveDTD", "dtd", false},
    {"mnuSaveXML", "xml", false},    {"mnuSaveSQL", "sql", false},   {"mnuSaveVB", "cls", true},
    {"mnuSaveJava", "java", true},   {"mnuSaveVBNET", "vb", true},   {"mnuSaveCSharp", "cs", true},
};
}  // namespace

PaneCommands::PaneCommands(MainForm* form)
    : QObject(form), form_(form), lastFolder_(QDir::homePath()) {
    for (int i = 0; i < MainForm::kScreens; ++i) {
        connect(form->Action(kSaveCommands[i].action), &QAction::triggered, this,
                [this, i] { SaveScreen(i); });
    }
    connect(form->Action("mnuSaveAll"), &QAction::triggered, this, &PaneCommands::SaveAll);
    connect(form->Action("mnuEditSelectAll"), &QAction::triggered, this, &PaneCommands::SelectAll);
    connect(form->Action("mnuEditCopy"), &QAction::triggered, this, &PaneCommands::Copy);
    connect(form->Action("mnuEditCut"), &QAction::triggered, this, &PaneCommands::Cut);
    connect(form->Action("mnuEditPaste"), &QAction::triggered, this, &PaneCommands::Paste);
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

QString PaneCommands::NameTail(int screen) const {
    const SaveCommand& command = kSaveCommands[screen];
    QString tail;
    if (command.withSuffix && form_->Config()) {
        tail = QString::fromStdString(form_->Config()->Suffix(screen));
    }
    return tail + "." + command.extension;
}

QString PaneCommands::ProposedName(int screen) const { return form_->AliasText() + NameTail(screen); }

void PaneCommands::Remember(const QString& path) {
    lastFolder_ = QFileInfo(path).absolutePath();
}

void PaneCommands::ReportFailures(const QStringList& failures) {
    if (failures.isEmpty()) return;
    Messages::Show(form_, "Could not write:\n" + failures.join("\n"), MsgCritical);
}

void PaneCommands::SaveScreen(int screen) {
    const QString path = FileDialog::ShowSaveDialog(form_, kSaveCommands[screen].extension,
                                                    lastFolder_, ProposedName(screen));
    if (path.isEmpty()) return;
    Remember(path);
    const QString failure = SaveFile(path, form_->Pane(screen)->crLfText());
    if (!failure.isEmpty()) ReportFailures({path + ": " + failure});
}

QStringList PaneCommands::SaveAllTo(const QString& chosenPath) {
    const QFileInfo chosen(chosenPath);
    // Cut the extension off the file name only; a name without "." is the whole base.
    const int dot = chosen.fileName().lastIndexOf('.');
    const QString base = dot < 0 ? chosenPath
                                 : chosen.dir().filePath(chosen.fileName().left(dot));
    QStringList failures;
    for (int i = 0; i < MainForm::kScreens; ++i) {
        bool enabled = false;
        try {
            enabled = form_->TheGenerator().Enabled(i);
        } catch (const std::exception&) {
            enabled = false;
        }
        if (!enabled) continue;
        const QString path = base + NameTail(i);
        const QString failure = SaveFile(path, form_->Pane(i)->crLfText());
        if (!failure.isEmpty()) failures << path + ": " + failure;
    }
    return failures;
}

void PaneCommands::SaveAll() {
    const QString path =
        FileDialog::ShowSaveDialog(form_, "prj", lastFolder_, form_->AliasText() + ".prj");
    if (path.isEmpty()) return;
    Remember(path);
    ReportFailures(SaveAllTo(path));
}

void PaneCommands::SelectAll() {
    CodePane* pane = form_->CurrentPane();
    pane->setFocus();
    pane->selectAll();
}

void PaneCommands::Copy() {
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    // Linux programs expect LF line ends on the clipboard.
    clipboard->setText(form_->CurrentPane()->textCursor().selection().toPlainText());
}

void PaneCommands::Cut() {
    Copy();
    form_->CurrentPane()->textCursor().removeSelectedText();
}

void PaneCommands::Paste() {
    form_->CurrentPane()->textCursor().insertText(
        CrLfText::toDocument(QApplication::clipboard()->text()));
}

}  // namespace orvane
