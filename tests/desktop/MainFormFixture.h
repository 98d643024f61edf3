#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <string>

#include "QtPrinters.h"
#include "TempSettingsFolder.h"
#include "main/MainForm.h"
#include "settings/ConfigRecord.h"

class QAction;

namespace orvane::test {

// A command of the window by its menu item name (mnuToolsGenerate, ...).
QAction* ActionNamed(const MainForm& form, const char* name);
// The toolbar's button at a 1-based index, as the toolbar counts them (separators included).
QAction* ToolbarButton(const MainForm& form, int index);

// A main window on settings of its own (the shipped defaults) and an empty output folder.
class MainFormFixture : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    MainForm& Form() { return *form_; }
    QAction* Action(const char* name) { return ActionNamed(*form_, name); }
    ConfigRecord& Record(int screen);
    void SetAlias(const QString& alias);
    // Shows the tab of a screen, so it is the current pane.
    void ShowScreen(int screen);
    QString Out(const QString& name) const;
    static std::string ReadFile(const QString& path);
    static void WriteFile(const QString& path, const std::string& bytes);

    TempSettingsFolder settings_;
    std::string outDir_;
    std::unique_ptr<MainForm> form_;
};

}  // namespace orvane::test
