#include <gtest/gtest.h>

#include <QAction>
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

    template <class T>
    T* Child(const char* name) {
        T* child = options_->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void Click(const QString& key) {
        QTreeWidget* tree = Child<QTreeWidget>("TreeView1");
        for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it)
            if ((*it)->data(0, Qt::UserRole).toString() == key) return tree->setCurrentItem(*it);
        ADD_FAILURE() << "no node " << key.toStdString();
    }
    void TypeSuffix(const QString& text) { Child<QLineEdit>("Suffix")->setText(text); }
    // The settings as a fresh start of the program would read them.
    static ConfigRecord Stored(int screen) {
        Config stored;
        return *stored.Screens().Item(std::to_string(screen));
    }

    OptionsForm* options_ = nullptr;
};

// A case rule, an SQL dialect and a suffix taken over by leaving its Format node count at once,
// Cancel included; Cancel drops a suffix still in the box; a font and colour reach the pane and
// only OK saves. A save that fails says so, names the file and keeps the values in the window.
TEST_F(OptionsFormTest, ChoicesCountAtOnceOnlyOkSavesThemAndAFailedSaveIsReported) {
    const std::int16_t storedRule = Stored(JAVA_CODE).IsUppercase;
    ASSERT_NE(storedRule, 1);
    const std::string vbNetName = form_->TheGenerator().FixFieldName("order id", VBNET_CODE);
    Record(7).Suffix = "Seven";
    const std::pair<int, const char*> typed[] = {{5, "Rec"}, {6, "Bean"}, {8, "Dto"}};
    for (const auto& [screen, suffix] : typed) {
        Click(QString("f%1").arg(screen));
        TypeSuffix(suffix);
    }
    Click("e8");
    for (const auto& [screen, suffix] : typed) EXPECT_EQ(Record(screen).Suffix, suffix);
    EXPECT_EQ(Record(7).Suffix, "Seven");
    Click("f3");
    EXPECT_FALSE(Child<QGroupBox>("Frame4")->isVisible());
    Click("f4");
    EXPECT_TRUE(Child<QGroupBox>("Frame4")->isVisible());
    auto* dialects = Child<QComboBox>("cboDialect");
    ASSERT_EQ(dialects->count(), static_cast<int>(std::size(kSqlDialects)));
    EXPECT_EQ(dialects->currentText(), "Classic");
    const int postgres = dialects->findText("PostgreSQL");
    dialects->setCurrentIndex(postgres);
    emit dialects->activated(postgres);
    Click("f8");
    Click("f4");
    EXPECT_EQ(dialects->currentText(), "PostgreSQL");
    Click("f6");
    EXPECT_EQ(Child<QLineEdit>("Suffix")->text(), "Bean");
    EXPECT_TRUE(Child<QRadioButton>(QString("Option1_%1").arg(storedRule).toUtf8().constData())
                    ->isChecked());
    Child<QRadioButton>("Option1_1")->click();
    TypeSuffix("Dropped");
    Child<QPushButton>("CancelButton")->click();

    EXPECT_FALSE(options_->isVisible());
    EXPECT_EQ(form_->TheGenerator().FixFieldName("order id", JAVA_CODE), "ORDER_ID");
    EXPECT_EQ(form_->TheGenerator().FixFieldName("order id", VBNET_CODE), vbNetName);
    EXPECT_EQ(Record(SQL_CODE).Dialect, SqlDialectId::PostgreSQL);
    EXPECT_EQ(Stored(JAVA_CODE).IsUppercase, storedRule);
    EXPECT_EQ(Stored(SQL_CODE).Dialect, SqlDialectId::Classic);
    form_->Actions().options->trigger();
    Click("f7");
    EXPECT_EQ(Record(6).Suffix, "Bean");
    TypeSuffix("Net");
    Click("e6");
    {
        test::ModalAnswerer font(test::ModalAnswerer::For<QFontDialog>([](QFontDialog& dialog) {
            dialog.setCurrentFont(QFont("DejaVu Serif", 14));
            dialog.accept();
        }));
        Child<QPushButton>("cmdFont")->click();
        test::ModalAnswerer colour(test::ModalAnswerer::For<QColorDialog>([](QColorDialog& dialog) {
            dialog.setCurrentColor(QColor(255, 255, 0));
            dialog.accept();
        }));
        Child<QPushButton>("cmdBackColor")->click();
    }
    EXPECT_EQ(Child<QLabel>("FntName")->text(), "DejaVu Serif,14");
    EXPECT_NE(form_->Pane(6)->paneFont().name, "DejaVu Serif");
    EXPECT_NE(Stored(6).Font.name, "DejaVu Serif");
    Child<QPushButton>("OKButton")->click();
    EXPECT_FALSE(options_->isVisible());
    for (const ConfigRecord& record : {Record(6), Stored(6)}) {
        EXPECT_EQ(record.Font.name, "DejaVu Serif");
        EXPECT_EQ(record.Font.size, 14.0);
        EXPECT_EQ(record.color, 0x00FFFF);
    }
    EXPECT_EQ(form_->Pane(6)->paneFont().name, "DejaVu Serif");
    EXPECT_EQ(form_->Pane(6)->backgroundBgr(), 0x00FFFF);
    EXPECT_NE(form_->Pane(5)->paneFont().name, "DejaVu Serif");
    EXPECT_EQ(Stored(JAVA_CODE).IsUppercase, 1);
    EXPECT_EQ(Stored(SQL_CODE).Dialect, SqlDialectId::PostgreSQL);
    EXPECT_EQ(Stored(7).Suffix, "Net");
    EXPECT_EQ(Stored(8).Suffix, "Dto");

    std::filesystem::remove(settings_.Path("machine.reg.lock"));
    ASSERT_TRUE(std::filesystem::create_directory(settings_.Path("machine.reg.lock")));
    form_->Actions().options->trigger();
    Click("f7");
    TypeSuffix("Lost");
    test::ModalAnswerer answer;
    Child<QPushButton>("OKButton")->click();
    ASSERT_EQ(answer.Messages().size(), 1u);
    const QString message = answer.Messages()[0].text;
    EXPECT_TRUE(message.startsWith("The settings could not be saved.\n") &&
                message.contains(QString::fromStdString(settings_.Path("machine.reg"))))
        << message.toStdString();
    EXPECT_EQ(Record(7).Suffix, "Lost");
    EXPECT_EQ(Stored(7).Suffix, "Net");
}

}  // namespace
}  // namespace orvane
