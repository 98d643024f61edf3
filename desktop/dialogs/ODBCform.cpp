#include "dialogs/ODBCform.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "common/Messages.h"
#include "core/Host.h"
#include "data/Connection.h"
#include "model/ConnectionTexts.h"
#include "settings/Config.h"

namespace orvane {

namespace {
constexpr const char* kNone = "(None)";

template <class Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

void AddRow(QFormLayout* form, const QString& label, QWidget* field) {
    auto* caption = new QLabel(label);
    caption->setBuddy(field);
    form->addRow(caption, field);
}
}  // namespace

ODBCform::ODBCform(QWidget* parent)
    : QDialog(parent),
      cboDSNList_(Named(new QComboBox, "cboDSNList")),
      txtUID_(Named(new QLineEdit, "txtUID")),
      txtPWD_(Named(new QLineEdit, "txtPWD")),
      txtDatabase_(Named(new QLineEdit, "txtDatabase")),
      cboDrivers_(Named(new QComboBox, "cboDrivers")),
      txtServer_(Named(new QLineEdit, "txtServer")),
      fraStep3_(Named(new QGroupBox("Connection Values"), "fraStep3")),
      cmdOK_(Named(new QPushButton("OK"), "cmdOK")),
      cmdCancel_(Named(new QPushButton("Cancel"), "cmdCancel")) {
    setObjectName("ODBCform");
    setWindowTitle("ODBC Logon");
    setModal(true);
    txtPWD_->setEchoMode(QLineEdit::Password);
    // A driver that no data source uses yet can still be typed in.
    cboDrivers_->setEditable(true);

    auto* form = new QFormLayout(fraStep3_);
    AddRow(form, "&DSN:", cboDSNList_);
    AddRow(form, "&UID:", txtUID_);
    AddRow(form, "&Password:", txtPWD_);
    AddRow(form, "Data&base:", txtDatabase_);
    AddRow(form, "Dri&ver:", cboDrivers_);
    AddRow(form, "&Server:", txtServer_);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(cmdOK_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cmdCancel_, QDialogButtonBox::RejectRole);
    cmdOK_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ODBCform::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ODBCform::reject);
    connect(cboDSNList_, &QComboBox::currentIndexChanged, this, &ODBCform::OnDataSourceChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraStep3_);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    LoadDataSources();
}

void ODBCform::LoadDataSources() {
    cboDSNList_->clear();
    cboDrivers_->clear();
    std::vector<data::DataSourceInfo> sources;
    try {
        sources = data::ListDataSources();
    } catch (const std::exception&) {
        // No ODBC environment: typed entries still work.
    }
    std::sort(sources.begin(), sources.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    std::set<std::string> drivers;
    cboDSNList_->addItem(kNone);
    for (const data::DataSourceInfo& source : sources) {
        if (source.name.find_first_not_of(' ') == std::string::npos) continue;
        cboDSNList_->addItem(QString::fromStdString(source.name));
        drivers.insert(source.driver);
    }
    for (const std::string& driver : drivers) cboDrivers_->addItem(QString::fromStdString(driver));
    cboDSNList_->setCurrentIndex(0);
    OnDataSourceChosen();
}

void ODBCform::OnDataSourceChosen() {
    const bool none = cboDSNList_->currentText() == kNone;
    txtServer_->setEnabled(none);
    cboDrivers_->setEnabled(none);
}

void ODBCform::accept() {
    if (config_) {
        ConnectionInput input;
        if (cboDSNList_->currentIndex() >= 1) input.dsn = cboDSNList_->currentText().toStdString();
        input.uid = txtUID_->text().toStdString();
        input.pwd = txtPWD_->text().toStdString();
        input.database = txtDatabase_->text().toStdString();
        input.driver = cboDrivers_->currentText().toStdString();
        input.server = txtServer_->text().toStdString();
        try {
            ConnectionTexts::Compose(input, *config_->ConnectionManager());
        } catch (const std::exception& error) {
            Messages::Show(this, QString::fromStdString(error.what()), MsgCritical);
        }
    }
    QDialog::accept();
}

void ODBCform::reject() {
    if (config_) ConnectionTexts::Cancel(*config_->ConnectionManager());
    QDialog::reject();
}

}  // namespace orvane
