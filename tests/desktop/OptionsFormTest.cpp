#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "MainFormFixture.h"
#include "ModalAnswer.h"
#include "dialogs/OptionsForm.h"
#include "main/DialogCommands.h"
#include "settings/Config.h"
#include "viewer/CodePane.h"

namespace orvane {
namespace {

class OptionsFormTest : public test::MainFormFixture {
  protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        Action("mnuToolsOptions")->trigger();
        options_ = Form().findChild<DialogCommands*>()->Options();
        ASSERT_NE(options_, nullptr);
    }

    OptionsForm& Options() { return *options_; }
    template <class T>
    T* Child(const char* name) {
        T* child = options_->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QTreeWidgetItem* Node(const QString& key) {
        QTreeWidget* tree = Child<QTreeWidget>("TreeView1");
        for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
            if ((*it)->data(0, Qt::UserRole).toString() == key) return *it;
        }
        ADD_FAILURE() << "no node " << key.toStdString();
        return nullptr;
    }
    void Click(const QString& key) { Child<QTreeWidget>("TreeView1")->setCurrentItem(Node(key)); }
    void TypeSuffix(const QString& text) { Child<QLineEdit>("Suffix")->setText(text); }
    // The settings as a fresh start of the program would read them.
    static ConfigRecord Stored(int screen) {
        Config stored;
        return *stored.Screens().Item(std::to_string(screen));
    }

    OptionsForm* options_ = nullptr;
};

TEST_F(OptionsFormTest, OpensModelessWithBothRootsAndTheNineScreensUnderEach) {
    EXPECT_TRUE(Options().isVisible());
    EXPECT_FALSE(Options().isModal());
    EXPECT_EQ(Options().windowTitle(), "Options");
    QTreeWidget* tree = Child<QTreeWidget>("TreeView1");
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    const struct {
        const char* key;
        const char* text;
        char prefix;
    } roots[] = {{"e_0", "Edit", 'e'}, {"f_0", "Format", 'f'}};
    for (int r = 0; r < 2; ++r) {
        QTreeWidgetItem* root = tree->topLevelItem(r);
        EXPECT_EQ(root->data(0, Qt::UserRole).toString(), roots[r].key);
        EXPECT_EQ(root->text(0), roots[r].text);
        ASSERT_EQ(root->childCount(), MainForm::kScreens);
        for (int i = 0; i < MainForm::kScreens; ++i) {
            EXPECT_EQ(root->child(i)->data(0, Qt::UserRole).toString(),
                      QString("%1%2").arg(roots[r].prefix).arg(i));
            EXPECT_EQ(root->child(i)->text(0),
                      QString::fromStdString(Form().Config()->GenNames[i]));
        }
    }
    // Shown again, not made anew.
    Child<QPushButton>("CancelButton")->click();
    EXPECT_FALSE(Options().isVisible());
    test::ToolbarButton(Form(), 9)->trigger();
    EXPECT_EQ(Form().findChild<DialogCommands*>()->Options(), options_);
    EXPECT_TRUE(Options().isVisible());
}

TEST_F(OptionsFormTest, NodeKeysNameTheScreenByTheirLastCharacter) {
    const struct {
        const char* key;
        int screen;
    } cases[] = {{"e_0", 0}, {"f_0", 0}, {"e0", 0}, {"e8", 8}, {"f5", 5}, {"", 0}, {"e_x", 0}};
    for (const auto& c : cases) EXPECT_EQ(OptionsForm::ScreenOfKey(c.key), c.screen) << c.key;
    EXPECT_EQ(OptionsForm::FontCaption({"Courier New", 10.0}), "Courier New,10");
    EXPECT_EQ(OptionsForm::FontCaption({"DejaVu Sans", 10.5}), "DejaVu Sans,10.5");
}

TEST_F(OptionsFormTest, RootNodesShowScreenZero) {
    // Away from screen 0 first: leaving a node writes its panel back into its record.
    Click("f3");
    Record(0).Font = {"DejaVu Serif", 12.0};
    Record(0).Enabled = 1;
    Record(0).SynHighlight = 0;
    Record(0).Suffix = "Zero";
    Record(0).IsUppercase = 2;
    Click("e_0");
    QApplication::processEvents();
    const QSize size = Options().size();
    const QRect panel = Child<QGroupBox>("Frame1_0")->geometry();
    EXPECT_TRUE(Child<QGroupBox>("Frame1_0")->isVisible());
    EXPECT_FALSE(Child<QGroupBox>("Frame1_1")->isVisible());
    EXPECT_EQ(Child<QGroupBox>("Frame1_0")->title(), "Edit");
    EXPECT_EQ(Child<QLabel>("FntName")->text(), "DejaVu Serif");
    EXPECT_TRUE(Child<QCheckBox>("isEnabled")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>("SynHighlight")->isChecked());
    // A change made here lands in screen 0.
    Child<QCheckBox>("SynHighlight")->click();
    EXPECT_EQ(Record(0).SynHighlight, 1);
    Child<QCheckBox>("isEnabled")->click();
    EXPECT_EQ(Record(0).Enabled, 0);

    Click("f_0");
    EXPECT_FALSE(Child<QGroupBox>("Frame1_0")->isVisible());
    EXPECT_TRUE(Child<QGroupBox>("Frame1_1")->isVisible());
    EXPECT_EQ(Child<QGroupBox>("Frame1_1")->title(), "Format");
    EXPECT_EQ(Child<QLineEdit>("Suffix")->text(), "Zero");
    EXPECT_TRUE(Child<QRadioButton>("Option1_2")->isChecked());
    // The dialog and its panel keep their size whichever panel is shown.
    QApplication::processEvents();
    EXPECT_EQ(Options().size(), size);
    EXPECT_EQ(Child<QGroupBox>("Frame1_1")->geometry(), panel);
    // A child node shows its own screen, under its own name.
    Click("f7");
    EXPECT_EQ(Child<QGroupBox>("Frame1_1")->title(),
              QString::fromStdString(Form().Config()->GenNames[7]));
}

TEST_F(OptionsFormTest, FontAndColourChosenForJavaReachThePaneAndTheStoreAfterOk) {
    Click("e6");
    test::ModalAnswer<QFontDialog> font([](QFontDialog& dialog) {
        dialog.setCurrentFont(QFont("DejaVu Serif", 14));
        dialog.accept();
    });
    Child<QPushButton>("cmdFont")->click();
    ASSERT_TRUE(font.Answered());
    EXPECT_EQ(Child<QLabel>("FntName")->text(), "DejaVu Serif,14");
    // The record changes at once; the pane and the store only after OK.
    EXPECT_EQ(Record(6).Font.name, "DejaVu Serif");
    EXPECT_EQ(Record(6).Font.size, 14.0);
    EXPECT_NE(Form().Pane(6)->paneFont().name, "DejaVu Serif");
    EXPECT_NE(Stored(6).Font.name, "DejaVu Serif");

    test::ModalAnswer<QColorDialog> colour([](QColorDialog& dialog) {
        dialog.setCurrentColor(QColor(255, 255, 0));
        dialog.accept();
    });
    Child<QPushButton>("cmdBackColor")->click();
    ASSERT_TRUE(colour.Answered());
    EXPECT_EQ(Record(6).color, 0x00FFFF);

    Child<QPushButton>("OKButton")->click();
    EXPECT_FALSE(Options().isVisible());
    EXPECT_EQ(Form().Pane(6)->paneFont().name, "DejaVu Serif");
    EXPECT_EQ(Form().Pane(6)->paneFont().size, 14.0);
    EXPECT_EQ(Form().Pane(6)->backgroundBgr(), 0x00FFFF);
    EXPECT_NE(Form().Pane(5)->paneFont().name, "DejaVu Serif");
    const ConfigRecord stored = Stored(6);
    EXPECT_EQ(stored.Font.name, "DejaVu Serif");
    EXPECT_EQ(stored.Font.size, 14.0);
    EXPECT_EQ(stored.color, 0x00FFFF);
}

TEST_F(OptionsFormTest, CancelledChoosersChangeNothing) {
    Click("e2");
    const ConfigRecord before = Record(2);
    const QString caption = Child<QLabel>("FntName")->text();
    QFont offered;
    test::ModalAnswer<QFontDialog> font([&](QFontDialog& dialog) {
        offered = dialog.currentFont();
        dialog.setCurrentFont(QFont("DejaVu Serif", 20));
        dialog.reject();
    });
    Child<QPushButton>("cmdFont")->click();
    test::ModalAnswer<QColorDialog> colour([](QColorDialog& dialog) {
        dialog.setCurrentColor(Qt::red);
        dialog.reject();
    });
    Child<QPushButton>("cmdBackColor")->click();
    ASSERT_TRUE(font.Answered());
    ASSERT_TRUE(colour.Answered());
    // The chooser opened on the screen's font in its regular style.
    EXPECT_EQ(offered.family().toStdString(), before.Font.name);
    EXPECT_EQ(offered.pointSizeF(), before.Font.size);
    EXPECT_FALSE(offered.italic());
    EXPECT_EQ(offered.weight(), QFont::Normal);
    EXPECT_EQ(Record(2), before);
    EXPECT_EQ(Child<QLabel>("FntName")->text(), caption);
    // Clicking on takes the sample's values back: still the old ones.
    Click("f2");
    EXPECT_EQ(Record(2), before);
}

TEST_F(OptionsFormTest, CaseRuleChangedThenCancelIsUsedByTheGeneratorButNotSaved) {
    const std::int16_t storedRule = Stored(6).IsUppercase;
    ASSERT_NE(storedRule, 1);
    const std::string vbNetName = Form().TheGenerator().FixFieldName("order id", VBNET_CODE);
    Click("f6");
    const QByteArray shown = QString("Option1_%1").arg(storedRule).toUtf8();
    EXPECT_TRUE(Child<QRadioButton>(shown.constData())->isChecked());
    Child<QRadioButton>("Option1_1")->click();
    EXPECT_EQ(Record(6).IsUppercase, 1);
    Child<QPushButton>("CancelButton")->click();

    EXPECT_FALSE(Options().isVisible());
    EXPECT_EQ(Form().TheGenerator().FixFieldName("order id", JAVA_CODE), "ORDER_ID");
    EXPECT_EQ(Form().TheGenerator().FixFieldName("order id", VBNET_CODE), vbNetName);
    EXPECT_EQ(Stored(6).IsUppercase, storedRule);

    // The next OK saves it along with everything else.
    Action("mnuToolsOptions")->trigger();
    Child<QPushButton>("OKButton")->click();
    EXPECT_EQ(Stored(6).IsUppercase, 1);
}

TEST_F(OptionsFormTest, SuffixesTypedUnderSeveralNodesLandInTheirOwnScreens) {
    Record(7).Suffix = "Seven";
    Click("f5");
    TypeSuffix("Rec");
    Click("f6");
    TypeSuffix("Bean");
    Click("f8");
    TypeSuffix("Dto");
    Click("e8");  // leaving a Format node takes its suffix over
    EXPECT_EQ(Record(5).Suffix, "Rec");
    EXPECT_EQ(Record(6).Suffix, "Bean");
    EXPECT_EQ(Record(8).Suffix, "Dto");
    EXPECT_EQ(Record(7).Suffix, "Seven");
    Click("f6");
    EXPECT_EQ(Child<QLineEdit>("Suffix")->text(), "Bean");

    // A suffix still in the box: Cancel drops it, OK takes it over.
    TypeSuffix("Dropped");
    Child<QPushButton>("CancelButton")->click();
    Action("mnuToolsOptions")->trigger();
    Click("f7");
    EXPECT_EQ(Record(6).Suffix, "Bean");
    TypeSuffix("Net");
    Child<QPushButton>("OKButton")->click();
    EXPECT_EQ(Record(7).Suffix, "Net");
    EXPECT_EQ(Stored(7).Suffix, "Net");
    EXPECT_EQ(Stored(8).Suffix, "Dto");
}

}  // namespace
}  // namespace orvane
