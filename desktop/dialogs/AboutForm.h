#pragma once

#include <QDialog>

class QWidget;

namespace orvane {

// "About Orvane": logo, version and the maker's line, a link to the project's page.
class AboutForm : public QDialog {
    Q_OBJECT
  public:
    static constexpr const char* kProductUrl = "https://orvane.example.org";

    explicit AboutForm(QWidget* parent = nullptr);

    // Opens the project's page in the user's web browser; tells the user when it cannot.
    static bool OpenProductPage(QWidget* parent);
};

}  // namespace orvane
