#include "dialogs/AboutForm.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "common/Icons.h"
#include "common/Messages.h"
#include "common/WindowPlacement.h"
#include "core/Host.h"

namespace orvane {

namespace {
constexpr const char* kProductName = "Orvane";
constexpr const char* kVersion = "1.6";
}  // namespace

AboutForm::AboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutForm");
    setWindowTitle(QString("About ") + kProductName);
    setModal(true);

    auto* Frame1 = new QGroupBox(kProductName);
    Frame1->setObjectName("Frame1");
    auto* Image2 = new QLabel;
    Image2->setObjectName("Image2");
    Image2->setPixmap(Icons::Logo(64));
    auto* LblVersion = new QLabel(QString("Version ") + kVersion);
    LblVersion->setObjectName("LblVersion");
    auto* lblUrl = new QLabel(QString("<a href=\"%1\">Kestrade 2002-2025</a>").arg(kProductUrl));
    lblUrl->setObjectName("lblUrl");
    lblUrl->setTextFormat(Qt::RichText);
    lblUrl->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblUrl->setToolTip(kProductUrl);
    connect(lblUrl, &QLabel::linkActivated, this, [this] { OpenProductPage(this); });
    auto* cmdOK = new QPushButton("OK");
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(LblVersion);
    text->addWidget(lblUrl);
    text->addStretch(1);
    auto* frameLayout = new QHBoxLayout(Frame1);
    frameLayout->addWidget(Image2, 0, Qt::AlignTop);
    frameLayout->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    adjustSize();
    WindowPlacement::CentreOnScreen(*this);
}

bool AboutForm::OpenProductPage(QWidget* parent) {
    if (QDesktopServices::openUrl(QUrl(kProductUrl))) return true;
    Messages::Show(parent, QString("No web browser could be started for ") + kProductUrl + ".",
                   MsgExclamation);
    return false;
}

}  // namespace orvane
