#include "dialogs/OptionsForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/Messages.h"
#include "common/WindowPlacement.h"
#include "core/Host.h"
#include "settings/Config.h"
#include "viewer/StyleConvert.h"

namespace orvane {

namespace {
constexpr int kKeyRole = Qt::UserRole;
const char* const kCaseRules[] = {"First Upercase", "All Upercase", "All Lowercase", "Keep AS IS"};

QString KeyOf(const QTreeWidgetItem* node) {
    return node == nullptr ? QString() : node->data(0, kKeyRole).toString();
}

bool IsEditKey(const QString& key) { return key.startsWith('e'); }

QLabel* Picture(QStyle::StandardPixmap which, const QStyle* style) {
    auto* picture = new QLabel;
    picture->setPixmap(style->standardIcon(which).pixmap(32, 32));
    picture->setAlignment(Qt::AlignTop);
    return picture;
}
}  // namespace

OptionsForm::OptionsForm(QWidget* parent) : QDialog(parent) {
    setObjectName("OptionsForm");
    setWindowTitle("Options");
    setModal(false);

    TreeView1_ = new QTreeWidget;
    TreeView1_->setObjectName("TreeView1");
    TreeView1_->setHeaderHidden(true);
    TreeView1_->setMinimumWidth(170);

    // The Edit panel.
    Frame1_0_ = new QGroupBox("Edit");
    Frame1_0_->setObjectName("Frame1_0");
    auto* Frame3 = new QGroupBox("Text Apearance");
    Frame3->setObjectName("Frame3");
    isEnabled_ = new QCheckBox("Enabled");
    isEnabled_->setObjectName("isEnabled");
    SynHighlight_ = new QCheckBox("Syntax highlight");
    SynHighlight_->setObjectName("SynHighlight");
    cmdFont_ = new QPushButton("...");
    cmdFont_->setObjectName("cmdFont");
    cmdBackColor_ = new QPushButton("...");
    cmdBackColor_->setObjectName("cmdBackColor");
    auto* Label2 = new QLabel("Font");
    Label2->setObjectName("Label2");
    auto* Label1 = new QLabel("Background Color");
    Label1->setObjectName("Label1");
    FntName_ = new QLabel;
    FntName_->setObjectName("FntName");
    FntName_->setAutoFillBackground(true);
    FntName_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    FntName_->setMinimumHeight(48);
    FntName_->setAlignment(Qt::AlignCenter);
    auto* appearance = new QGridLayout(Frame3);
    appearance->addWidget(isEnabled_, 0, 0, 1, 2);
    appearance->addWidget(SynHighlight_, 1, 0, 1, 2);
    appearance->addWidget(Label2, 2, 0);
    appearance->addWidget(cmdFont_, 2, 1);
    appearance->addWidget(Label1, 3, 0);
    appearance->addWidget(cmdBackColor_, 3, 1);
    appearance->addWidget(FntName_, 4, 0, 1, 2);
    auto* editLayout = new QHBoxLayout(Frame1_0_);
    editLayout->addWidget(Picture(QStyle::SP_FileDialogDetailedView, style()));
    editLayout->addWidget(Frame3, 1);

    // The Format panel.
    Frame1_1_ = new QGroupBox("Format");
    Frame1_1_->setObjectName("Frame1_1");
    auto* Frame2 = new QGroupBox("Field Names");
    Frame2->setObjectName("Frame2");
    auto* names = new QVBoxLayout(Frame2);
    Option1_ = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(kCaseRules[i]);
        option->setObjectName(QString("Option1_%1").arg(i));
        Option1_->addButton(option, i);
        names->addWidget(option);
    }
    auto* suffixRow = new QHBoxLayout;
    auto* Label3 = new QLabel(" Suffix:");
    Label3->setObjectName("Label3");
    Suffix_ = new QLineEdit;
    Suffix_->setObjectName("Suffix");
    Label3->setBuddy(Suffix_);
    suffixRow->addWidget(Label3);
    suffixRow->addWidget(Suffix_, 1);
    names->addLayout(suffixRow);
    auto* formatLayout = new QHBoxLayout(Frame1_1_);
    formatLayout->addWidget(Picture(QStyle::SP_FileDialogListView, style()));
    formatLayout->addWidget(Frame2, 1);
    Frame1_1_->hide();

    OKButton_ = new QPushButton("OK");
    OKButton_->setObjectName("OKButton");
    OKButton_->setDefault(true);
    CancelButton_ = new QPushButton("Cancel");
    CancelButton_->setObjectName("CancelButton");

    auto* panels = new QVBoxLayout;
    panels->addWidget(Frame1_0_);
    panels->addWidget(Frame1_1_);
    panels->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton_);
    buttons->addWidget(CancelButton_);
    auto* body = new QHBoxLayout;
    body->addWidget(TreeView1_);
    body->addLayout(panels, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    connect(TreeView1_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { TreeView1_NodeClick(current); });
    connect(Option1_, &QButtonGroup::idClicked, this, &OptionsForm::Option1_Click);
    connect(isEnabled_, &QCheckBox::clicked, this, &OptionsForm::isEnabled_Click);
    connect(SynHighlight_, &QCheckBox::clicked, this, &OptionsForm::SynHighlight_Click);
    connect(cmdFont_, &QPushButton::clicked, this, &OptionsForm::cmdFont_Click);
    connect(cmdBackColor_, &QPushButton::clicked, this, &OptionsForm::cmdBackColor_Click);
    connect(OKButton_, &QPushButton::clicked, this, &OptionsForm::OKButton_Click);
    connect(CancelButton_, &QPushButton::clicked, this, &OptionsForm::reject);
}

void OptionsForm::SetCurrentConfig(std::shared_ptr<Config> config) {
    config_ = std::move(config);
    if (config_ && TreeView1_->topLevelItemCount() == 0) BuildTree();
}

int OptionsForm::ScreenOfKey(const QString& key) {
    if (key.isEmpty() || !key.back().isDigit()) return 0;
    return key.back().digitValue();
}

QString OptionsForm::FontCaption(const FontSpec& font) {
    return QString::fromStdString(font.name) + "," + QString::number(font.size);
}

void OptionsForm::BuildTree() {
    const QIcon doc = style()->standardIcon(QStyle::SP_FileIcon);
    const struct {
        const char* key;
        const char* text;
        QIcon icon;
        char childPrefix;
    } roots[] = {
        {"e_0", "Edit", style()->standardIcon(QStyle::SP_FileDialogDetailedView), 'e'},
        {"f_0", "Format", style()->standardIcon(QStyle::SP_FileDialogListView), 'f'},
    };
    for (const auto& root : roots) {
        auto* rootItem = new QTreeWidgetItem(TreeView1_, {root.text});
        rootItem->setData(0, kKeyRole, QString(root.key));
        rootItem->setIcon(0, root.icon);
        for (std::size_t i = 0; i < config_->GenNames.size(); ++i) {
            auto* child =
                new QTreeWidgetItem(rootItem, {QString::fromStdString(config_->GenNames[i])});
            child->setData(0, kKeyRole, QString("%1%2").arg(root.childPrefix).arg(i));
            child->setIcon(0, doc);
        }
        rootItem->setExpanded(true);
    }
    // The panels show real settings from the start, not the dialog's design values.
    TreeView1_->setCurrentItem(TreeView1_->topLevelItem(0));
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
    return Record(ScreenOfKey(KeyOf(TreeView1_->currentItem())));
}

void OptionsForm::TakeBack(const QString& key) {
    if (!config_ || key.isEmpty()) return;
    ConfigRecord& record = Record(ScreenOfKey(key));
    if (IsEditKey(key)) {
        record.Font = sampleFont_;
        record.color = sampleColor_;
    } else {
        record.Suffix = Suffix_->text().toStdString();
    }
}

void OptionsForm::ShowSample(const FontSpec& font, std::int32_t color) {
    sampleFont_ = font;
    sampleColor_ = color;
    FntName_->setFont(ToQFont(font));
    QPalette palette = FntName_->palette();
    const QColor background = ColorFromBgr(color);
    palette.setColor(QPalette::Window,
                     background.isValid() ? background : QWidget::palette().color(QPalette::Base));
    FntName_->setPalette(palette);
}

void OptionsForm::LoadPanel(QTreeWidgetItem* node) {
    const QString key = KeyOf(node);
    const ConfigRecord& record = Record(ScreenOfKey(key));
    if (IsEditKey(key)) {
        Frame1_1_->hide();
        Frame1_0_->setTitle(node->text(0));
        Frame1_0_->show();
        ShowSample(record.Font, record.color);
        FntName_->setText(QString::fromStdString(record.Font.name));
        SynHighlight_->setChecked(record.SynHighlight == 1);
        isEnabled_->setChecked(record.Enabled == 1);
    } else {
        Frame1_0_->hide();
        Frame1_1_->setTitle(node->text(0));
        Frame1_1_->show();
        Suffix_->setText(QString::fromStdString(record.Suffix));
        QAbstractButton* rule = Option1_->button(record.IsUppercase);
        if (rule != nullptr) {
            rule->setChecked(true);
        } else {
            // A rule outside 0..3 matches no button.
            Option1_->setExclusive(false);
            for (QAbstractButton* option : Option1_->buttons()) option->setChecked(false);
            Option1_->setExclusive(true);
        }
    }
}

void OptionsForm::TreeView1_NodeClick(QTreeWidgetItem* node) {
    if (!config_ || node == nullptr) return;
    TakeBack(previousKey_);
    LoadPanel(node);
    previousKey_ = KeyOf(node);
}

void OptionsForm::Option1_Click(int index) {
    if (config_) SelectedRecord().IsUppercase = static_cast<std::int16_t>(index);
}

void OptionsForm::isEnabled_Click(bool checked) {
    if (config_) SelectedRecord().Enabled = checked ? 1 : 0;
}

void OptionsForm::SynHighlight_Click(bool checked) {
    if (config_) SelectedRecord().SynHighlight = checked ? 1 : 0;
}

void OptionsForm::cmdFont_Click() {
    if (!config_) return;
    ConfigRecord& record = SelectedRecord();
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, ToQFont(record.Font), this, "Font");
    if (!chosen) return;
    // Name and size are what the settings keep of a font.
    FontSpec spec = record.Font;
    spec.name = font.family().toStdString();
    if (font.pointSizeF() > 0.0) spec.size = font.pointSizeF();
    ShowSample(spec, sampleColor_);
    FntName_->setText(FontCaption(spec));
    record.Font = spec;
}

void OptionsForm::cmdBackColor_Click() {
    if (!config_) return;
    ConfigRecord& record = SelectedRecord();
    QColor preset = ColorFromBgr(record.color);
    if (!preset.isValid()) preset = Qt::white;
    const QColor chosen = QColorDialog::getColor(preset, this, "Color");
    if (!chosen.isValid()) return;
    ShowSample(sampleFont_, ColorToBgr(chosen));
    record.color = sampleColor_;
}

void OptionsForm::OKButton_Click() {
    if (config_) {
        // A suffix typed but not yet taken over by a node change counts too.
        TakeBack(KeyOf(TreeView1_->currentItem()));
        try {
            config_->Save();
        } catch (const std::exception& error) {
            Messages::Show(this, "The settings could not be saved.\n" + QString(error.what()),
                           MsgCritical);
        }
    }
    emit SettingsApplied();
    accept();
}

void OptionsForm::reject() {
    // Values already written stay; a suffix still only in the box is dropped, so a later
    // node change cannot carry it into the record.
    if (config_ && TreeView1_->currentItem() != nullptr) LoadPanel(TreeView1_->currentItem());
    QDialog::reject();
}

}  // namespace orvane
