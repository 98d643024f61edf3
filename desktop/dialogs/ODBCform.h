#pragma once

#include <QDialog>
#include <memory>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace orvane {
class Config;
}

namespace orvane {

// "ODBC Logon": picks a data source, or a driver, server and database, with a user and
// password, and composes the connection texts into the configuration's connection manager.
// It does not connect.
class ODBCform : public QDialog {
    Q_OBJECT
  public:
    explicit ODBCform(QWidget* parent = nullptr);

    void SetConfig(std::shared_ptr<Config> config) { config_ = std::move(config); }

    // Fills the data source list ("(None)" first) and the driver list (each driver once).
    void LoadDataSources();

  public slots:
    void accept() override;
    void reject() override;

  private slots:
    void OnDataSourceChosen();

  private:
    std::shared_ptr<Config> config_;
    QComboBox* dataSourceList_;
    QLineEdit* userBox_;
    QLineEdit* passwordBox_;
    QLineEdit* databaseBox_;
    QComboBox* driverList_;
    QLineEdit* serverBox_;
    QGroupBox* valuesFrame_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace orvane
