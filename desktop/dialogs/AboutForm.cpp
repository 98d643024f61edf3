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
#include "common/Named.h"
#include "common/WindowPlacement.h"
#include "core/Host.h"

namespace orvane {

namespace {
constexpr const char* kProductName = "Orvane";
constexpr const char* kVersion = "1.6";
}  // namespace

AboutForm::AboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutForm");
    setWindowTitle(tr("About %1").arg(kProductName));
    setModal(true);

    auto* productFrame = Named(new QGroupBox(kProductName), "Frame1");
    auto* logo = Named(new QLabel, "Image2");
    logo->setPixmap(Icons::Logo(64));
    auto* version = Named(new QLabel(tr("Version %1").arg(kVersion)), "LblVersion");
    auto* link = Named(new QLabel(QString("<a href=\"%1\">%2</a>")
                                      .arg(kProductUrl, tr("Kestrade 2002-2025").toHtmlEscaped())),
                       "lblUrl");
    link->setTextFormat(Qt::RichText);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setToolTip(kProductUrl);
    connect(link, &QLabel::linkActivated, this, [this] { OpenProductPage(this); });
    auto* okButton = Named(new QPushButton(tr("OK")), "cmdOK");
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(version);
    text->addWidget(link);
    text->addStretch(1);
    auto* frameLayout = new QHBoxLayout(productFrame);
    frameLayout->addWidget(logo, 0, Qt::AlignTop);
    frameLayout->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(productFrame);
    layout->addLayout(buttons);

    adjustSize();
    WindowPlacement::CentreOnScreen(*this);
}

bool AboutForm::OpenProductPage(QWidget* parent) {
    if (QDesktopServices::openUrl(QUrl(kProductUrl))) return true;
    Messages::Show(parent, tr("No web browser could be started for %1.").arg(kProductUrl),
                   MsgExclamation);
    return false;
}

}  // namespace orvane
