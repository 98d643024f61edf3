#include "main/FileDialog.h"

#include <QDir>
#include <QFileDialog>

namespace orvane {

QStringList FileDialog::FileTypes(const QString& typeText) {
    return {
        QString("%1 Files (*.%1)").arg(typeText),
        "XML DTD Files (*.dtd)",
        "XML Schema Files (*.xsd)",
        "XML Files (*.xml)",
        "SQL Files (*.sql)",
        "VB Class Files (*.cls)",
        "Java Files (*.java)",
        "C Sharp Files (*.cs)",
        "VB.NET Files (*.vb)",
        "Db UDL Files (*.udl)",
        "All Files (*.*)",
    };
}

QString FileDialog::ShowSaveDialog(QWidget* owner, const QString& typeText,
                                   const QString& initialFolder, const QString& fileName) {
    QFileDialog dialog(owner, "Select a File", initialFolder);
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
