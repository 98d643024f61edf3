#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QWidget;

namespace orvane {

// The save dialog of the File commands.
class FileDialog {
    Q_DECLARE_TR_FUNCTIONS(FileDialog)

  public:
    // The file-type list: the command's own type first, then the fixed types, then all files.
    static QStringList FileTypes(const QString& typeText);
    // "Select a File", starting in initialFolder with fileName proposed; "" when cancelled.
    static QString ShowSaveDialog(QWidget* owner, const QString& typeText,
                                  const QString& initialFolder, const QString& fileName);
};

}  // namespace orvane
