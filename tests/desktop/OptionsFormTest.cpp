#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <filesystem>

#include "MainFormFixture.h"
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
        form_->Actions().options->trigger();
        options_ = form_->findChild<DialogCommands*>()->Options();
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

TEST_F(OptionsFormTest, FontAndColourChosenForJavaReachThePaneAndTheStoreAfterOk) {
    Click("e6");
    {
        test::ModalAnswerer font(test::ModalAnswerer::For<QFontDialog>([](QFontDialog& dialog) {
            dialog.setCurrentFont(QFont("DejaVu Serif", 14));
            dialog.accept();
        }));
        Child<QPushButton>("cmdFont")->click();
    }
    EXPECT_EQ(Child<QLabel>("FntName")->text(), "DejaVu Serif,14");
    // The record changes at once; the pane and the store only after OK.
    EXPECT_EQ(Record(6).Font.name, "DejaVu Serif");
    EXPECT_EQ(Record(6).Font.size, 14.0);
    EXPECT_NE(form_->Pane(6)->paneFont().name, "DejaVu Serif");
    EXPECT_NE(Stored(6).Font.name, "DejaVu Serif");

    {
        test::ModalAnswerer colour(test::ModalAnswerer::For<QColorDialog>([](QColorDialog& dialog) {
            dialog.setCurrentColor(QColor(255, 255, 0));
            dialog.accept();
        }));
        Child<QPushButton>("cmdBackColor")->click();
    }
    EXPECT_EQ(Record(6).color, 0x00FFFF);

    Child<QPushButton>("OKButton")->click();
    EXPECT_FALSE(Options().isVisible());
    EXPECT_EQ(form_->Pane(6)->paneFont().name, "DejaVu Serif");
    EXPECT_EQ(form_->Pane(6)->paneFont().size, 14.0);
    EXPECT_EQ(form_->Pane(6)->backgroundBgr(), 0x00FFFF);
    EXPECT_NE(form_->Pane(5)->paneFont().name, "DejaVu Serif");
    const ConfigRecord stored = Stored(6);
    EXPECT_EQ(stored.Font.name, "DejaVu Serif");
    EXPECT_EQ(stored.Font.size, 14.0);
    EXPECT_EQ(stored.color, 0x00FFFF);
}

TEST_F(OptionsFormTest, CaseRuleChangedThenCancelIsUsedByTheGeneratorButNotSaved) {
    const std::int16_t storedRule = Stored(6).IsUppercase;
    ASSERT_NE(storedRule, 1);
    const std::string vbNetName = form_->TheGenerator().FixFieldName("order id", VBNET_CODE);
    Click("f6");
    const QByteArray shown = QString("Option1_%1").arg(storedRule).toUtf8();
    EXPECT_TRUE(Child<QRadioButton>(shown.constData())->isChecked());
    Child<QRadioButton>("Option1_1")->click();
    EXPECT_EQ(Record(6).IsUppercase, 1);
    Child<QPushButton>("CancelButton")->click();

    EXPECT_FALSE(Options().isVisible());
    EXPECT_EQ(form_->TheGenerator().FixFieldName("order id", JAVA_CODE), "ORDER_ID");
    EXPECT_EQ(form_->TheGenerator().FixFieldName("order id", VBNET_CODE), vbNetName);
    EXPECT_EQ(Stored(6).IsUppercase, storedRule);

    // The next OK saves it along with everything else.
    form_->Actions().options->trigger();
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
    form_->Actions().options->trigger();
    Click("f7");
    EXPECT_EQ(Record(6).Suffix, "Bean");
    TypeSuffix("Net");
    Child<QPushButton>("OKButton")->click();
    EXPECT_EQ(Record(7).Suffix, "Net");
    EXPECT_EQ(Stored(7).Suffix, "Net");
    EXPECT_EQ(Stored(8).Suffix, "Dto");

    // A save that fails says so and names the file; the window goes on with the values.
    std::filesystem::remove(settings_.Path("machine.reg.lock"));
    ASSERT_TRUE(std::filesystem::create_directory(settings_.Path("machine.reg.lock")));
    form_->Actions().options->trigger();
    Click("f7");
    TypeSuffix("Lost");
    test::ModalAnswerer answer;
    Child<QPushButton>("OKButton")->click();
    ASSERT_EQ(answer.Messages().size(), 1u);
    EXPECT_TRUE(answer.Messages()[0].text.startsWith("The settings could not be saved.\n"));
    EXPECT_TRUE(
        answer.Messages()[0].text.contains(QString::fromStdString(settings_.Path("machine.reg"))));
    EXPECT_EQ(Record(7).Suffix, "Lost");
    EXPECT_EQ(Stored(7).Suffix, "Net");
}

TEST_F(OptionsFormTest, TheSqlScreenChoosesItsDialectWhichOkSaves) {
    Click("f3");
    EXPECT_FALSE(Child<QGroupBox>("Frame4")->isVisible());
    Click("f4");
    ASSERT_TRUE(Child<QGroupBox>("Frame4")->isVisible());
    auto* dialects = Child<QComboBox>("cboDialect");
    ASSERT_EQ(dialects->count(), static_cast<int>(std::size(kSqlDialects)));
    EXPECT_EQ(dialects->currentText(), "Classic");
    const int postgres = dialects->findText("PostgreSQL");
    dialects->setCurrentIndex(postgres);
    emit dialects->activated(postgres);
    EXPECT_EQ(Record(SQL_CODE).Dialect, SqlDialectId::PostgreSQL);
    EXPECT_EQ(Stored(SQL_CODE).Dialect, SqlDialectId::Classic);
    Click("f8");
    Click("f4");
    EXPECT_EQ(dialects->currentText(), "PostgreSQL");
    Child<QPushButton>("OKButton")->click();
    EXPECT_EQ(Stored(SQL_CODE).Dialect, SqlDialectId::PostgreSQL);
}

}  // namespace
}  // namespace orvane
