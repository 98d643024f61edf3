#include "main/FileDialog.h"

#include <QDir>
#include <QFileDialog>

namespace orvane {

QStringList FileDialog::FileTypes(const QString& typeText) {
    return {
        tr("%1 Files (*.%1)").arg(typeText),
        tr("XML DTD Files (*.dtd)"),
        tr("XML Schema Files (*.xsd)"),
        tr("XML Files (*.xml)"),
        tr("SQL Files (*.sql)"),
        tr("VB Class Files (*.cls)"),
        tr("Java Files (*.java)"),
        tr("C Sharp Files (*.cs)"),
        tr("VB.NET Files (*.vb)"),
        tr("Db UDL Files (*.udl)"),
        tr("All Files (*.*)"),
    };
}

QString FileDialog::ShowSaveDialog(QWidget* owner, const QString& typeText,
                                   const QString& initialFolder, const QString& fileName) {
    QFileDialog dialog(owner, tr("Select a File"), initialFolder);
    dialog.setObjectName("SaveFileDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(FileTypes(typeText));
    dialog.selectNameFilter(FileTypes(typeText).front());
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QDir::cleanPath(dialog.selectedFiles().front());
}

}  // namespace orvane
