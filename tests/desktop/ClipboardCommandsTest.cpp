#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>

#include "MainFormFixture.h"
#include "viewer/CodePane.h"

namespace orvane {
namespace {

using ClipboardCommandsTest = test::MainFormFixture;

// Other programs get LF line ends; the pane keeps CR LF, whatever comes back.
TEST_F(ClipboardCommandsTest, CopyCutAndPasteKeepThePanesLineEnds) {
    const QString text("line one\r\nline \u00e9\u20ac two\r\n\r\nlast");
    const MainActions& actions = form_->Actions();
    ShowScreen(JAVA_CODE);
    CodePane* pane = form_->Pane(JAVA_CODE);
    form_->Pane(XML_CODE)->setCrLfText(QString("other pane"));
    pane->setCrLfText(text);
    QApplication::clipboard()->setText("stale text");
    actions.copy->trigger();  // nothing selected
    EXPECT_EQ(QApplication::clipboard()->text(), "");
    pane->selectCrLf(5, 10);  // "one\r\nline "
    actions.copy->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "one\nline ");
    actions.cut->trigger();
    EXPECT_EQ(pane->crLfText(), "line \u00e9\u20ac two\r\n\r\nlast");
    actions.paste->trigger();
    EXPECT_EQ(pane->crLfText(), text);
    actions.selectAll->trigger();
    actions.cut->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QString(text).replace("\r\n", "\n"));
    QApplication::clipboard()->setText("1\n2\r\n3");
    actions.paste->trigger();
    EXPECT_EQ(pane->crLfText(), "1\r\n2\r\n3");
    EXPECT_EQ(form_->Pane(XML_CODE)->crLfText(), "other pane");
}

}  // namespace
}  // namespace orvane
