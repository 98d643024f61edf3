#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

#include "MainFormFixture.h"
#include "Programs.h"
#include "viewer/CodePane.h"

namespace orvane {
namespace {

class SaveCommandsTest : public test::MainFormFixture {
  protected:
    // Runs a save command and types path into its dialog ("" cancels); returns the name the
    // dialog proposed and the messages shown.
    std::vector<test::ModalAnswerer::Message> Save(QAction* command, const QString& path,
                                                   QString* proposed = nullptr) {
        test::ModalAnswerer answer(test::ModalAnswerer::For<QFileDialog>([&](QFileDialog& dialog) {
            if (proposed != nullptr)
                *proposed = QFileInfo(dialog.selectedFiles().value(0)).fileName();
            if (path.isEmpty()) return dialog.reject();
            dialog.findChild<QLineEdit*>("fileNameEdit")->setText(path);
            // Through the base class: QFileDialog keeps its override protected.
            static_cast<QDialog&>(dialog).accept();
        }));
        command->trigger();
        EXPECT_EQ(answer.Handled(), 1);
        return answer.Messages();
    }
    static QString PaneText(int screen) {
        return QString("Screen %1 \u00e9t\u00e9 \u20ac \u4e2d\r\nsecond line\r\n").arg(screen);
    }
    void FillPanes() {
        for (int i = 0; i < MainForm::kScreens; ++i) form_->Pane(i)->setCrLfText(PaneText(i));
    }
    std::string Read(const QString& name) { return test::ReadFile(Out(name).toStdString()); }
    QStringList Files() const {
        return QDir(Out("")).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
};

TEST_F(SaveCommandsTest, EachScreenSavesExactlyItsPaneUnderTheProposedName) {
    const char* const proposed[] = {"Orders.xsd",      "Orders.biz",   "Orders.dtd",
                                    "Orders.xml",      "Orders.sql",   "OrdersRec.cls",
                                    "OrdersBean.java", "OrdersNet.vb", "OrdersDto.cs"};
    Box("Alias")->setText("Orders");
    FillPanes();
    const char* const suffixes[] = {"X", "Rec", "Bean", "Net", "Dto"};  // SQL takes none
    for (int i = 4; i < MainForm::kScreens; ++i) Record(i).Suffix = suffixes[i - 4];
    for (int i = 0; i < MainForm::kScreens; ++i) {
        const QString target = Out(QString("saved-%1.txt").arg(i));
        test::WriteFile(target.toStdString(), std::string(5000, 'x'));  // replaced whole
        QString name;
        const auto messages = Save(form_->Actions().Save(i), target, &name);
        EXPECT_EQ(name, proposed[i]);
        ASSERT_EQ(messages.size(), 1u) << "no overwrite question";
        EXPECT_EQ(Read(QFileInfo(target).fileName()), PaneText(i).toStdString()) << i;
    }
    Save(form_->Actions().saveXml, "");
    Save(form_->Actions().saveAll, "");
    EXPECT_EQ(Files().size(), MainForm::kScreens);
}

TEST_F(SaveCommandsTest, SaveAllWritesOnlyEnabledScreensBesideTheChosenName) {
    const struct {
        const char* chosen;
        const char* base;
    } cases[] = {{"proj.prj", "proj"},
                 {"proj", "proj"},
                 {"release.1/proj", "release.1/proj"},
                 {"two.dots.prj", "two.dots"}};
    ASSERT_TRUE(QDir(Out("")).mkpath("release.1"));
    Box("Alias")->setText("Orders");
    FillPanes();
    for (int screen : {1, 4, 7}) Record(screen).Enabled = 0;
    Record(6).Suffix = "Bean";
    Record(8).Suffix = "/../Dto";  // stays beside the others
    const std::pair<int, const char*> written[] = {
        {0, ".xsd"}, {2, ".dtd"}, {3, ".xml"}, {5, ".cls"}, {6, "Bean.java"}, {8, "_.._Dto.cs"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        QString name;
        Save(form_->Actions().saveAll, Out(c.chosen), &name);
        EXPECT_EQ(name, "Orders.prj");
        const QDir folder = QFileInfo(Out(c.base)).dir();
        const QString base = QFileInfo(Out(c.base)).fileName();
        QStringList expected;
        for (const auto& [screen, tail] : written) {
            expected << base + tail;
            EXPECT_EQ(Read(c.base + QString(tail)), PaneText(screen).toStdString()) << tail;
        }
        expected.sort();
        const QStringList present = folder.entryList({base + "*"}, QDir::Files, QDir::Name);
        EXPECT_EQ(present, expected);
        for (const QString& file : present) QFile::remove(folder.filePath(file));
    }
}

// A folder where a file should go, and a link into a folder that is gone: the writes fail for
// every user, root included; each failure is named once, and nothing else is lost.
TEST_F(SaveCommandsTest, FailuresAreReportedWithTheFileAndLoseNothing) {
    FillPanes();
    ASSERT_TRUE(QDir(Out("")).mkpath("x.xsd"));
    ASSERT_TRUE(QDir(Out("")).mkpath("x.cs"));
    auto messages = Save(form_->Actions().saveAll, Out("x.prj"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(Out("x.xsd") + ": ")) << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.contains(Out("x.cs") + ": "));
    EXPECT_EQ(Files().size(), MainForm::kScreens) << Files().join(",").toStdString();

    ASSERT_TRUE(QFile::link(Out("gone/real.xml"), Out("linked.xml")));
    messages = Save(form_->Actions().saveXml, Out("linked.xml"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(Out("linked.xml") + ": "));
    EXPECT_EQ(QFileInfo(Out("linked.xml")).symLinkTarget(), Out("gone/real.xml"));
}

}  // namespace
}  // namespace orvane
