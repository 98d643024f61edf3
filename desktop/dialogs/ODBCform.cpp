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
#include "common/Named.h"
#include "core/Host.h"
#include "data/Connection.h"
#include "model/ConnectionTexts.h"
#include "settings/Config.h"

namespace orvane {

namespace {
void AddRow(QFormLayout* form, const QString& label, QWidget* field) {
    auto* caption = new QLabel(label);
    caption->setBuddy(field);
    form->addRow(caption, field);
}
}  // namespace

ODBCform::ODBCform(QWidget* parent)
    : QDialog(parent),
      dataSourceList_(Named(new QComboBox, "cboDSNList")),
      userBox_(Named(new QLineEdit, "txtUID")),
      passwordBox_(Named(new QLineEdit, "txtPWD")),
      databaseBox_(Named(new QLineEdit, "txtDatabase")),
      driverList_(Named(new QComboBox, "cboDrivers")),
      serverBox_(Named(new QLineEdit, "txtServer")),
      valuesFrame_(Named(new QGroupBox(tr("Connection Values")), "fraStep3")),
      okButton_(Named(new QPushButton(tr("OK")), "cmdOK")),
      cancelButton_(Named(new QPushButton(tr("Cancel")), "cmdCancel")) {
    setObjectName("ODBCform");
    setWindowTitle(tr("ODBC Logon"));
    setModal(true);
    passwordBox_->setEchoMode(QLineEdit::Password);
    // A driver that no data source uses yet can still be typed in.
    driverList_->setEditable(true);

    auto* form = new QFormLayout(valuesFrame_);
    AddRow(form, tr("&DSN:"), dataSourceList_);
    AddRow(form, tr("&UID:"), userBox_);
    AddRow(form, tr("&Password:"), passwordBox_);
    AddRow(form, tr("Data&base:"), databaseBox_);
    AddRow(form, tr("Dri&ver:"), driverList_);
    AddRow(form, tr("&Server:"), serverBox_);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(okButton_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelButton_, QDialogButtonBox::RejectRole);
    okButton_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ODBCform::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ODBCform::reject);
    connect(dataSourceList_, &QComboBox::currentIndexChanged, this, &ODBCform::OnDataSourceChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(valuesFrame_);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    LoadDataSources();
}

void ODBCform::LoadDataSources() {
    dataSourceList_->clear();
    driverList_->clear();
    std::vector<data::DataSourceInfo> sources;
    try {
        sources = data::ListDataSources();
    } catch (const std::exception&) {
        // No ODBC environment: typed entries still work.
    }
    std::sort(sources.begin(), sources.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    std::set<std::string> drivers;
    dataSourceList_->addItem(tr("(None)"));
    for (const data::DataSourceInfo& source : sources) {
        if (source.name.find_first_not_of(' ') == std::string::npos) continue;
        dataSourceList_->addItem(QString::fromStdString(source.name));
        drivers.insert(source.driver);
    }
    for (const std::string& driver : drivers) driverList_->addItem(QString::fromStdString(driver));
    dataSourceList_->setCurrentIndex(0);
    OnDataSourceChosen();
}

void ODBCform::OnDataSourceChosen() {
    // "(None)" is always the first entry.
    const bool none = dataSourceList_->currentIndex() <= 0;
    serverBox_->setEnabled(none);
    driverList_->setEnabled(none);
}

void ODBCform::accept() {
    if (config_) {
        ConnectionInput input;
        if (dataSourceList_->currentIndex() >= 1)
            input.dsn = dataSourceList_->currentText().toStdString();
        input.uid = userBox_->text().toStdString();
        input.pwd = passwordBox_->text().toStdString();
        input.database = databaseBox_->text().toStdString();
        input.driver = driverList_->currentText().toStdString();
        input.server = serverBox_->text().toStdString();
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
