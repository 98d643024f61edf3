#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>

#include "MainFormFixture.h"
#include "viewer/CodePane.h"

namespace orvane {
namespace {

class ClipboardCommandsTest : public test::MainFormFixture {
  protected:
    void Trigger(const char* name) { Action(name)->trigger(); }
    void Press(int button) { test::ToolbarButton(Form(), button)->trigger(); }
    static QString Clipboard() { return QApplication::clipboard()->text(); }
};

TEST_F(ClipboardCommandsTest, CommandsHaveTheirShortcutsAndToolbarButtons) {
    const struct {
        const char* action;
        const char* shortcut;
        int button;  // toolbar button that runs it, or 0
    } cases[] = {
        {"mnuEditSelectAll", "Ctrl+A", 0},
        {"mnuEditCopy", "Ctrl+C", 6},
        {"mnuEditCut", "Ctrl+X", 5},
        {"mnuEditPaste", "Ctrl+V", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        QAction* action = Action(c.action);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->shortcut(), QKeySequence(c.shortcut));
        if (c.button == 0) continue;
        int runs = 0;
        const auto counter = QObject::connect(action, &QAction::triggered, [&runs] { ++runs; });
        Press(c.button);
        QObject::disconnect(counter);
        EXPECT_EQ(runs, 1);
    }
}

TEST_F(ClipboardCommandsTest, CopyWithNothingSelectedEmptiesTheClipboard) {
    QApplication::clipboard()->setText("stale text");
    ShowScreen(3);
    Form().Pane(3)->setCrLfText(QString("<a>\r\n</a>"));
    Form().Pane(3)->moveCaretToStart();
    Trigger("mnuEditCopy");
    EXPECT_EQ(Clipboard(), "");
}

TEST_F(ClipboardCommandsTest, CopyPutsTheSelectionOfTheCurrentPaneWithLinuxLineEnds) {
    ShowScreen(4);
    Form().Pane(3)->setCrLfText(QString("other pane"));
    Form().Pane(4)->setCrLfText(QString("select * from t\r\nwhere x = 'é'\r\n"));
    Form().Pane(4)->selectCrLf(9, 15);  // "from t\r\nwhere x"
    Press(6);
    EXPECT_EQ(Clipboard(), "from t\nwhere x");
    EXPECT_EQ(Form().Pane(4)->crLfText(), "select * from t\r\nwhere x = 'é'\r\n");
}

TEST_F(ClipboardCommandsTest, SelectAllThenCutThenPasteRestoresTheText) {
    const QString text("line one\r\nline \u00e9\u20ac two\r\n\r\nlast");
    ShowScreen(6);
    CodePane* pane = Form().Pane(6);
    pane->setCrLfText(text);
    Trigger("mnuEditSelectAll");
    EXPECT_EQ(pane->crLfSelectionStart(), 0);
    EXPECT_EQ(pane->crLfSelectionLength(), text.size());

    Trigger("mnuEditCut");
    EXPECT_EQ(pane->crLfText(), "");
    EXPECT_EQ(Clipboard(), QString(text).replace("\r\n", "\n"));
    Trigger("mnuEditPaste");
    EXPECT_EQ(pane->crLfText(), text);

    // A cut from the middle, pasted back where it was.
    pane->selectCrLf(5, 10);  // "one\r\nline "
    Press(5);
    EXPECT_EQ(pane->crLfText(), "line \u00e9\u20ac two\r\n\r\nlast");
    Press(7);
    EXPECT_EQ(pane->crLfText(), text);
    EXPECT_FALSE(pane->isReadOnly());
}

TEST_F(ClipboardCommandsTest, PasteReplacesTheSelectionAndTakesAnyLineEnd) {
    ShowScreen(0);
    CodePane* pane = Form().Pane(0);
    pane->setCrLfText(QString("aXXb"));
    pane->selectCrLf(1, 2);
    QApplication::clipboard()->setText("1\n2\r\n3");
    Trigger("mnuEditPaste");
    EXPECT_EQ(pane->crLfText(), "a1\r\n2\r\n3b");
}

}  // namespace
}  // namespace orvane
