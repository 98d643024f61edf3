#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <memory>

#include "settings/FontSpec.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace orvane {

class Config;
struct ConfigRecord;

// "Options": per-screen display and naming settings. Every change goes straight into the
// shared screen records, so the next Generate uses it before anything is saved; OK saves the
// settings and asks the main window to restyle its panes. Modeless, hidden rather than closed.
// The object names are the classic control names (TreeView1, Frame1_0, Option1_2, ...).
class OptionsForm : public QDialog {
    Q_OBJECT
  public:
    explicit OptionsForm(QWidget* parent = nullptr);

    std::shared_ptr<Config> CurrentConfig() const { return config_; }
    // The first configuration also builds the tree and shows the first node's settings.
    void SetCurrentConfig(std::shared_ptr<Config> config);

    // The screen a node key stands for: its last character as a digit ("e_0" is screen 0).
    static int ScreenOfKey(const QString& key);
    // The sample label's caption after a font was chosen, e.g. "Courier New,10".
    static QString FontCaption(const FontSpec& font);

  signals:
    // OK saved the settings; the panes should take the fonts and colours now.
    void SettingsApplied();

  public slots:
    // Escape and the window's close button count as Cancel.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private slots:
    void OnNodeClicked(QTreeWidgetItem* node);
    void OnCaseRuleClicked(int rule);
    void OnEnabledClicked(bool checked);
    void OnHighlightClicked(bool checked);
    void OnDialectChosen(int index);
    void ChooseFont();
    void ChooseBackColor();
    void SaveAndClose();

  private:
    QWidget* BuildEditPanel();
    QWidget* BuildFormatPanel();
    QLayout* BuildButtons();
    void ConnectControls();
    void BuildTree();

    ConfigRecord& Record(int screen) const;
    // The record of the selected node's screen (screen 0 when none is selected).
    ConfigRecord& SelectedRecord() const;
    // Puts the panel's values of the node with this key back into its screen's record.
    void TakeBack(const QString& key);
    // Shows the record of the node's screen in the node's panel.
    void LoadPanel(QTreeWidgetItem* node);
    void ShowCaseRule(int rule);
    void ShowSample(const FontSpec& font, std::int32_t color);

    std::shared_ptr<Config> config_;
    QString previousKey_;  // empty until the first node is clicked
    bool centred_ = false;
    FontSpec sampleFont_;
    std::int32_t sampleColor_ = 0;

    QTreeWidget* screenTree_ = nullptr;
    // Both panels in one stack, so the dialog keeps its size whichever is shown.
    QStackedWidget* panels_ = nullptr;
    QGroupBox* editPanel_ = nullptr;
    QCheckBox* enabledBox_ = nullptr;
    QCheckBox* highlightBox_ = nullptr;
    QPushButton* fontButton_ = nullptr;
    QPushButton* colorButton_ = nullptr;
    QLabel* fontSample_ = nullptr;
    QGroupBox* formatPanel_ = nullptr;
    QButtonGroup* caseRules_ = nullptr;
    QLineEdit* suffixBox_ = nullptr;
    // The SQL screen's script dialect, shown for that screen only.
    QGroupBox* scriptGroup_ = nullptr;
    QComboBox* dialectBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace orvane
