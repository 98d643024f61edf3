#include "dialogs/OptionsForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstdlib>
#include <iterator>
#include <limits>

#include "common/Icons.h"
#include "common/Messages.h"
#include "common/Named.h"
#include "common/WindowPlacement.h"
#include "core/Host.h"
#include "core/Screens.h"
#include "core/SqlDialects.h"
#include "settings/Config.h"
#include "viewer/StyleConvert.h"

namespace orvane {

namespace {
constexpr int kKeyRole = Qt::UserRole;
// In the order of the rule values 0 to 3.
const char* const kCaseRules[] = {QT_TRANSLATE_NOOP("orvane::OptionsForm", "First Upercase"),
                                  QT_TRANSLATE_NOOP("orvane::OptionsForm", "All Upercase"),
                                  QT_TRANSLATE_NOOP("orvane::OptionsForm", "All Lowercase"),
                                  QT_TRANSLATE_NOOP("orvane::OptionsForm", "Keep AS IS")};

QString KeyOf(const QTreeWidgetItem* node) {
    return node == nullptr ? QString() : node->data(0, kKeyRole).toString();
}

bool IsEditKey(const QString& key) { return key.startsWith('e'); }

// A panel: its picture beside the group of its controls.
QGroupBox* Panel(const QString& title, const char* name, Icons::Option which, QWidget* group) {
    auto* panel = Named(new QGroupBox(title), name);
    auto* picture = new QLabel;
    picture->setPixmap(Icons::OptionIcon(which).pixmap(32, 32));
    picture->setAlignment(Qt::AlignTop);
    auto* row = new QHBoxLayout(panel);
    row->addWidget(picture);
    row->addWidget(group, 1);
    return panel;
}

// The font chooser selects a style by name and otherwise falls back to the family's first
// style ("Oblique" for DejaVu Sans Mono), so the font carries the name of its own style.
QFont ChooserFont(const FontSpec& spec) {
    QFont font = ToQFont(spec);
    const QString family = font.families().value(0);
    QString best;
    int bestDistance = std::numeric_limits<int>::max();
    for (const QString& style : QFontDatabase::styles(family)) {
        // Oblique and italic both slant, but only the font's own style matches.
        const QFont candidate = QFontDatabase::font(family, style, font.pointSize());
        if (candidate.style() != font.style()) continue;
        const int distance = std::abs(candidate.weight() - font.weight());
        if (distance < bestDistance) {
            best = style;
            bestDistance = distance;
        }
    }
    if (!best.isEmpty()) font.setStyleName(best);
    return font;
}
}  // namespace

OptionsForm::OptionsForm(QWidget* parent) : QDialog(parent) {
    setObjectName("OptionsForm");
    setWindowTitle(tr("Options"));
    setModal(false);

    screenTree_ = Named(new QTreeWidget, "TreeView1");
    screenTree_->setHeaderHidden(true);
    screenTree_->setMinimumWidth(170);
    panels_ = new QStackedWidget;
    panels_->addWidget(BuildEditPanel());
    panels_->addWidget(BuildFormatPanel());

    auto* body = new QHBoxLayout;
    body->addWidget(screenTree_);
    body->addWidget(panels_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(BuildButtons());
    ConnectControls();
}

QWidget* OptionsForm::BuildEditPanel() {
    auto* appearance = Named(new QGroupBox(tr("Text Apearance")), "Frame3");
    enabledBox_ = Named(new QCheckBox(tr("Enabled")), "isEnabled");
    highlightBox_ = Named(new QCheckBox(tr("Syntax highlight")), "SynHighlight");
    fontButton_ = Named(new QPushButton("..."), "cmdFont");
    colorButton_ = Named(new QPushButton("..."), "cmdBackColor");
    fontSample_ = Named(new QLabel, "FntName");
    fontSample_->setAutoFillBackground(true);
    fontSample_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    fontSample_->setMinimumHeight(48);
    fontSample_->setAlignment(Qt::AlignCenter);

    auto* grid = new QGridLayout(appearance);
    grid->addWidget(enabledBox_, 0, 0, 1, 2);
    grid->addWidget(highlightBox_, 1, 0, 1, 2);
    grid->addWidget(Named(new QLabel(tr("Font")), "Label2"), 2, 0);
    grid->addWidget(fontButton_, 2, 1);
    grid->addWidget(Named(new QLabel(tr("Background Color")), "Label1"), 3, 0);
    grid->addWidget(colorButton_, 3, 1);
    grid->addWidget(fontSample_, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    editPanel_ = Panel(tr("Edit"), "Frame1_0", Icons::Option::Edit, appearance);
    return editPanel_;
}

QWidget* OptionsForm::BuildFormatPanel() {
    auto* fieldNames = Named(new QGroupBox(tr("Field Names")), "Frame2");
    auto* column = new QVBoxLayout(fieldNames);
    caseRules_ = new QButtonGroup(this);
    for (int rule = 0; rule < static_cast<int>(std::size(kCaseRules)); ++rule) {
        auto* option = new QRadioButton(tr(kCaseRules[rule]));
        option->setObjectName(QString("Option1_%1").arg(rule));
        caseRules_->addButton(option, rule);
        column->addWidget(option);
    }
    auto* suffixLabel = Named(new QLabel(tr(" Suffix:")), "Label3");
    suffixBox_ = Named(new QLineEdit, "Suffix");
    suffixLabel->setBuddy(suffixBox_);
    auto* suffixRow = new QHBoxLayout;
    suffixRow->addWidget(suffixLabel);
    suffixRow->addWidget(suffixBox_, 1);
    column->addLayout(suffixRow);

    scriptGroup_ = Named(new QGroupBox(tr("Script")), "Frame4");
    dialectBox_ = Named(new QComboBox, "cboDialect");
    for (const SqlDialectInfo& dialect : kSqlDialects) {
        // Names of databases, not words to translate.
        dialectBox_->addItem(QString::fromUtf8(dialect.caption.data(),
                                               static_cast<qsizetype>(dialect.caption.size())),
                             static_cast<int>(dialect.id));
    }
    auto* dialectLabel = Named(new QLabel(tr(" Dialect:")), "Label4");
    dialectLabel->setBuddy(dialectBox_);
    auto* dialectRow = new QHBoxLayout(scriptGroup_);
    dialectRow->addWidget(dialectLabel);
    dialectRow->addWidget(dialectBox_, 1);

    auto* groups = new QWidget;
    auto* stack = new QVBoxLayout(groups);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(fieldNames);
    stack->addWidget(scriptGroup_);
    stack->addStretch(1);
    formatPanel_ = Panel(tr("Format"), "Frame1_1", Icons::Option::Format, groups);
    return formatPanel_;
}

QLayout* OptionsForm::BuildButtons() {
    okButton_ = Named(new QPushButton(tr("OK")), "OKButton");
    okButton_->setDefault(true);
    cancelButton_ = Named(new QPushButton(tr("Cancel")), "CancelButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    return buttons;
}

void OptionsForm::ConnectControls() {
    connect(screenTree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { OnNodeClicked(current); });
    connect(caseRules_, &QButtonGroup::idClicked, this, &OptionsForm::OnCaseRuleClicked);
    connect(enabledBox_, &QCheckBox::clicked, this, &OptionsForm::OnEnabledClicked);
    connect(highlightBox_, &QCheckBox::clicked, this, &OptionsForm::OnHighlightClicked);
    connect(dialectBox_, &QComboBox::activated, this, &OptionsForm::OnDialectChosen);
    connect(fontButton_, &QPushButton::clicked, this, &OptionsForm::ChooseFont);
    connect(colorButton_, &QPushButton::clicked, this, &OptionsForm::ChooseBackColor);
    connect(okButton_, &QPushButton::clicked, this, &OptionsForm::SaveAndClose);
    connect(cancelButton_, &QPushButton::clicked, this, &OptionsForm::reject);
}

void OptionsForm::SetCurrentConfig(std::shared_ptr<Config> config) {
    config_ = std::move(config);
    if (config_ && screenTree_->topLevelItemCount() == 0) BuildTree();
}

int OptionsForm::ScreenOfKey(const QString& key) {
    if (key.isEmpty() || !key.back().isDigit()) return 0;
    return key.back().digitValue();
}

QString OptionsForm::FontCaption(const FontSpec& font) {
    return QString::fromStdString(font.name) + "," + QString::number(font.size);
}

void OptionsForm::BuildTree() {
    const QIcon doc = Icons::OptionIcon(Icons::Option::Doc);
    const struct {
        const char* key;
        QString text;
        Icons::Option icon;
        char childPrefix;
    } roots[] = {
        {"e_0", tr("Edit"), Icons::Option::Edit, 'e'},
        {"f_0", tr("Format"), Icons::Option::Format, 'f'},
    };
    for (const auto& root : roots) {
        auto* rootItem = new QTreeWidgetItem(screenTree_, {root.text});
        rootItem->setData(0, kKeyRole, QString(root.key));
        rootItem->setIcon(0, Icons::OptionIcon(root.icon));
        for (std::size_t i = 0; i < config_->GenNames.size(); ++i) {
            auto* child =
                new QTreeWidgetItem(rootItem, {QString::fromStdString(config_->GenNames[i])});
            child->setData(0, kKeyRole, QString("%1%2").arg(root.childPrefix).arg(i));
            child->setIcon(0, doc);
        }
        rootItem->setExpanded(true);
    }
    // The panels show real settings from the start, not the dialog's design values.
    screenTree_->setCurrentItem(screenTree_->topLevelItem(0));
}

void OptionsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (centred_) return;
    centred_ = true;
    WindowPlacement::CentreOnScreen(*this);
}

ConfigRecord& OptionsForm::Record(int screen) const {
    return *config_->Screens().Item(std::to_string(screen));
}

ConfigRecord& OptionsForm::SelectedRecord() const {
    return Record(ScreenOfKey(KeyOf(screenTree_->currentItem())));
}

void OptionsForm::TakeBack(const QString& key) {
    if (!config_ || key.isEmpty()) return;
    ConfigRecord& record = Record(ScreenOfKey(key));
    if (IsEditKey(key)) {
        record.Font = sampleFont_;
        record.color = sampleColor_;
    } else {
        record.Suffix = suffixBox_->text().toStdString();
    }
}

void OptionsForm::ShowSample(const FontSpec& font, std::int32_t color) {
    sampleFont_ = font;
    sampleColor_ = color;
    fontSample_->setFont(ToQFont(font));
    QPalette palette = fontSample_->palette();
    const QColor background = ColorFromBgr(color);
    palette.setColor(QPalette::Window,
                     background.isValid() ? background : QWidget::palette().color(QPalette::Base));
    fontSample_->setPalette(palette);
}

void OptionsForm::ShowCaseRule(int rule) {
    if (QAbstractButton* option = caseRules_->button(rule)) {
        option->setChecked(true);
        return;
    }
    // A rule outside 0..3 matches no button.
    caseRules_->setExclusive(false);
    for (QAbstractButton* option : caseRules_->buttons()) option->setChecked(false);
    caseRules_->setExclusive(true);
}

void OptionsForm::LoadPanel(QTreeWidgetItem* node) {
    const QString key = KeyOf(node);
    const ConfigRecord& record = Record(ScreenOfKey(key));
    if (IsEditKey(key)) {
        editPanel_->setTitle(node->text(0));
        panels_->setCurrentWidget(editPanel_);
        ShowSample(record.Font, record.color);
        fontSample_->setText(QString::fromStdString(record.Font.name));
        highlightBox_->setChecked(record.SynHighlight == 1);
        enabledBox_->setChecked(record.Enabled == 1);
    } else {
        formatPanel_->setTitle(node->text(0));
        panels_->setCurrentWidget(formatPanel_);
        suffixBox_->setText(QString::fromStdString(record.Suffix));
        ShowCaseRule(record.IsUppercase);
        const bool sql = ScreenOfKey(key) == SQL_CODE;
        scriptGroup_->setVisible(sql);
        if (sql)
            dialectBox_->setCurrentIndex(dialectBox_->findData(static_cast<int>(record.Dialect)));
    }
}

void OptionsForm::OnNodeClicked(QTreeWidgetItem* node) {
    if (!config_ || node == nullptr) return;
    TakeBack(previousKey_);
    LoadPanel(node);
    previousKey_ = KeyOf(node);
}

void OptionsForm::OnCaseRuleClicked(int rule) {
    if (config_) SelectedRecord().IsUppercase = static_cast<std::int16_t>(rule);
}

void OptionsForm::OnEnabledClicked(bool checked) {
    if (config_) SelectedRecord().Enabled = checked ? 1 : 0;
}

void OptionsForm::OnHighlightClicked(bool checked) {
    if (config_) SelectedRecord().SynHighlight = checked ? 1 : 0;
}

void OptionsForm::OnDialectChosen(int index) {
    if (config_) {
        SelectedRecord().Dialect = static_cast<SqlDialectId>(dialectBox_->itemData(index).toInt());
    }
}

void OptionsForm::ChooseFont() {
    if (!config_) return;
    ConfigRecord& record = SelectedRecord();
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, ChooserFont(record.Font), this, tr("Font"));
    if (!chosen) return;
    // Name and size are what the settings keep of a font.
    FontSpec spec = record.Font;
    spec.name = font.family().toStdString();
    if (font.pointSizeF() > 0.0) spec.size = font.pointSizeF();
    ShowSample(spec, sampleColor_);
    fontSample_->setText(FontCaption(spec));
    record.Font = spec;
}

void OptionsForm::ChooseBackColor() {
    if (!config_) return;
    ConfigRecord& record = SelectedRecord();
    QColor preset = ColorFromBgr(record.color);
    if (!preset.isValid()) preset = Qt::white;
    const QColor chosen = QColorDialog::getColor(preset, this, tr("Color"));
    if (!chosen.isValid()) return;
    ShowSample(sampleFont_, ColorToBgr(chosen));
    record.color = sampleColor_;
}

void OptionsForm::SaveAndClose() {
    if (config_) {
        // A suffix typed but not yet taken over by a node change counts too.
        TakeBack(KeyOf(screenTree_->currentItem()));
        try {
            config_->Save();
        } catch (const std::exception& error) {
            Messages::Show(this,
                           tr("The settings could not be saved.") + "\n" +
                               QString::fromStdString(error.what()),
                           MsgCritical);
        }
    }
    emit SettingsApplied();
    accept();
}

void OptionsForm::reject() {
    // Values already written stay; a suffix still only in the box is dropped, so a later
    // node change cannot carry it into the record.
    if (config_ && screenTree_->currentItem() != nullptr) LoadPanel(screenTree_->currentItem());
    QDialog::reject();
}

}  // namespace orvane
