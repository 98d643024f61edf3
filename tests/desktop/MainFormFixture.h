#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ModalAnswerer.h"
#include "TempSettingsFolder.h"
#include "main/MainForm.h"
#include "settings/ConfigRecord.h"

class QApplication;
class QLineEdit;
class QTreeWidgetItem;

// Readable failure output for Qt's strings (found by argument-dependent lookup).
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace orvane::test {

// The one QApplication of the widget tests, created on first use (offscreen unless the
// environment names another platform), with Qt's event processing as the host's event pump, as
// the program has it.
QApplication& QtApp();

// A main window on settings of its own (the shipped defaults) and an empty output folder, with
// the steps a user takes in it.
class MainFormFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    ConfigRecord& Record(int screen);
    // Shows the tab of a screen, so it is the current pane.
    void ShowScreen(int screen);
    QLineEdit* Box(const char* name);
    QString Out(const QString& name) const;

    // Connect through the dialog: a data source, or "(None)" and a driver. Returns the messages.
    std::vector<ModalAnswerer::Message> TryConnect(const QString& dsn, const QString& driver = {});
    void Connect(const QString& dsn);
    QTreeWidgetItem* Node(const QString& key);
    void DoubleClick(QTreeWidgetItem* item);
    // Ticks a table of the sample and marks its key column.
    void ChooseTable(const QString& table, const QString& key);
    std::vector<ModalAnswerer::Message> Generate();

    TempSettingsFolder settings_;
    std::string outDir_;
    std::unique_ptr<MainForm> form_;
};

}  // namespace orvane::test
