#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <filesystem>

#include "MainFormFixture.h"
#include "ModalAnswer.h"
#include "Programs.h"
#include "main/FileDialog.h"
#include "main/PaneCommands.h"
#include "viewer/CodePane.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

// What the save dialog showed when it came up.
struct DialogSeen {
    QString title;
    QString folder;
    QString proposedName;
    QStringList filters;
    QString selectedFilter;
};

class SaveCommandsTest : public test::MainFormFixture {
  protected:
    // Runs a save command and answers its dialog with path ("" cancels).
    DialogSeen RunSave(const char* action, const QString& path) {
        DialogSeen seen;
        test::ModalAnswer<QFileDialog> answer([&](QFileDialog& dialog) {
            seen.title = dialog.windowTitle();
            seen.folder = dialog.directory().absolutePath();
            seen.proposedName = QFileInfo(dialog.selectedFiles().value(0)).fileName();
            seen.filters = dialog.nameFilters();
            seen.selectedFilter = dialog.selectedNameFilter();
            if (path.isEmpty()) {
                dialog.reject();
                return;
            }
            // Typed, as a user would: selectFile() leaves a focused name box alone.
            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
            if (name == nullptr) {
                ADD_FAILURE() << "the save dialog has no file name box";
                dialog.reject();
                return;
            }
            name->setText(path);
            // Through the base class: QFileDialog keeps its override protected.
            static_cast<QDialog&>(dialog).accept();
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the dialog did not take " << path.toStdString();
                dialog.reject();
            }
        });
        Action(action)->trigger();
        EXPECT_TRUE(answer.Answered()) << action;
        return seen;
    }

    // Pane texts with CR LF line ends and characters outside ASCII.
    static QString PaneText(int screen) {
        return QString("Screen %1 \u00e9t\u00e9 \u20ac \u4e2d\r\nsecond line\r\n\r\nlast")
            .arg(screen);
    }

    void FillPanes() {
        for (int i = 0; i < MainForm::kScreens; ++i) Form().Pane(i)->setCrLfText(PaneText(i));
    }

    QStringList FilesInOut() const {
        return QDir(QString::fromStdString(outDir_))
            .entryList(QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
};

struct SaveCase {
    int screen;
    const char* action;
    const char* suffix;
    const char* proposed;
    const char* typeFilter;
};

const SaveCase kSaveCases[] = {
    {0, "mnuSaveSchema", "", "Orders.xsd", "xsd Files (*.xsd)"},
    {1, "mnuSaveBiz", "", "Orders.biz", "biz Files (*.biz)"},
    {2, "mnuSaveDTD", "", "Orders.dtd", "dtd Files (*.dtd)"},
    {3, "mnuSaveXML", "", "Orders.xml", "xml Files (*.xml)"},
    {4, "mnuSaveSQL", "X", "Orders.sql", "sql Files (*.sql)"},  // no suffix outside the classes
    {5, "mnuSaveVB", "Rec", "OrdersRec.cls", "cls Files (*.cls)"},
    {6, "mnuSaveJava", "Bean", "OrdersBean.java", "java Files (*.java)"},
    {7, "mnuSaveVBNET", "Net", "OrdersNet.vb", "vb Files (*.vb)"},
    {8, "mnuSaveCSharp", "Dto", "OrdersDto.cs", "cs Files (*.cs)"},
};

TEST_F(SaveCommandsTest, EachScreenSavesExactlyItsPaneUnderTheProposedName) {
    SetAlias("Orders");
    FillPanes();
    for (const SaveCase& c : kSaveCases) Record(c.screen).Suffix = c.suffix;

    bool first = true;
    for (const SaveCase& c : kSaveCases) {
        SCOPED_TRACE(c.action);
        const QString target = Out(QString("saved-%1.txt").arg(c.screen));
        const DialogSeen seen = RunSave(c.action, target);
        EXPECT_EQ(seen.title, "Select a File");
        EXPECT_EQ(seen.proposedName, c.proposed);
        QStringList expected = FileDialog::FileTypes("");
        expected[0] = c.typeFilter;
        EXPECT_EQ(seen.filters, expected);
        EXPECT_EQ(seen.selectedFilter, c.typeFilter);
        // The dialog starts in the home folder, then in the folder last saved to.
        EXPECT_EQ(seen.folder, first ? QDir::homePath() : QString::fromStdString(outDir_));
        first = false;
        EXPECT_EQ(ReadFile(target), PaneText(c.screen).toStdString())
            << FilesInOut().join(",").toStdString();
    }
    EXPECT_EQ(FilesInOut().size(), MainForm::kScreens) << FilesInOut().join(",").toStdString();
}

TEST_F(SaveCommandsTest, FileTypeListKeepsTheCommandsTypeFirstAndAllTheOthers) {
    const QStringList expected = {
        "prj Files (*.prj)",    "XML DTD Files (*.dtd)", "XML Schema Files (*.xsd)",
        "XML Files (*.xml)",    "SQL Files (*.sql)",     "VB Class Files (*.cls)",
        "Java Files (*.java)",  "C Sharp Files (*.cs)",  "VB.NET Files (*.vb)",
        "Db UDL Files (*.udl)", "All Files (*.*)"};
    EXPECT_EQ(FileDialog::FileTypes("prj"), expected);
    // The command's type may repeat a later entry; both stay.
    EXPECT_EQ(FileDialog::FileTypes("xml").count("XML Files (*.xml)"), 1);
    EXPECT_EQ(FileDialog::FileTypes("xml").front(), "xml Files (*.xml)");
}

TEST_F(SaveCommandsTest, CancelWritesNothing) {
    FillPanes();
    RunSave("mnuSaveXML", "");
    RunSave("mnuSaveAll", "");
    EXPECT_TRUE(FilesInOut().isEmpty());
}

TEST_F(SaveCommandsTest, ShortTextOverLongerFileLeavesOnlyTheShortText) {
    const QString target = Out("Orders.xml");
    WriteFile(target, std::string(5000, 'x') + "\r\nold tail\r\n");
    Form().Pane(3)->setCrLfText(QString("<a/>\r\n"));
    test::ModalAnswer<QMessageBox> overwrite(
        [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
    RunSave("mnuSaveXML", target);
    EXPECT_TRUE(overwrite.Answered()) << "no overwrite question for an existing file";
    EXPECT_EQ(ReadFile(target), "<a/>\r\n");
}

TEST_F(SaveCommandsTest, SaveAllWritesOnlyEnabledScreensBesideTheChosenName) {
    struct Case {
        const char* chosen;
        const char* base;
    };
    const Case cases[] = {
        {"proj.prj", "proj"},
        {"proj", "proj"},  // no extension: the whole name is the base
        {"release.1/proj", "release.1/proj"},
        {"two.dots.prj", "two.dots"},
    };
    ASSERT_TRUE(QDir(QString::fromStdString(outDir_)).mkpath("release.1"));
    SetAlias("Orders");
    FillPanes();
    for (int screen : {1, 4, 7}) Record(screen).Enabled = 0;
    Record(6).Suffix = "Bean";
    Record(8).Suffix = "/../Dto";  // stays beside the others
    const char* const written[] = {".xsd", ".dtd", ".xml", ".cls", "Bean.java", "_.._Dto.cs"};
    const int screens[] = {0, 2, 3, 5, 6, 8};

    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        const DialogSeen seen = RunSave("mnuSaveAll", Out(c.chosen));
        EXPECT_EQ(seen.proposedName, "Orders.prj");
        EXPECT_EQ(seen.selectedFilter, "prj Files (*.prj)");
        QStringList expected;
        for (std::size_t i = 0; i < std::size(written); ++i) {
            const QString path = Out(c.base + QString(written[i]));
            expected << QFileInfo(path).fileName();
            EXPECT_EQ(ReadFile(path), PaneText(screens[i]).toStdString()) << path.toStdString();
        }
        const QDir folder = QFileInfo(Out(c.base)).dir();
        QStringList present =
            folder.entryList({QFileInfo(Out(c.base)).fileName() + "*"}, QDir::Files, QDir::Name);
        expected.sort();
        EXPECT_EQ(present, expected);
        for (const QString& name : present) QFile::remove(folder.filePath(name));
    }
}

TEST_F(SaveCommandsTest, SaveAllReportsEveryFailureOnceAndLosesNoFile) {
    // A folder where a file should go: the write fails whatever the user's rights.
    FillPanes();
    Record(8).Suffix = "Dto";
    ASSERT_TRUE(QDir(QString::fromStdString(outDir_)).mkpath("x.xsd"));
    ASSERT_TRUE(QDir(QString::fromStdString(outDir_)).mkpath("xDto.cs"));
    WriteFile(Out("x.xsd/keep.txt"), "kept");
    QStringList messages;
    test::ModalAnswer<QMessageBox> report([&](QMessageBox& box) {
        messages << box.text();
        box.accept();
    });
    RunSave("mnuSaveAll", Out("x.prj"));
    ASSERT_TRUE(report.Answered());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(Out("x.xsd"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(Out("xDto.cs"))) << messages[0].toStdString();
    EXPECT_EQ(ReadFile(Out("x.xsd/keep.txt")), "kept");
    // The others were still written, and no temporary file is left behind.
    for (const char* tail : {".biz", ".dtd", ".xml", ".sql", ".cls", ".java", ".vb"}) {
        EXPECT_TRUE(QFileInfo(Out(QString("x") + tail)).isFile()) << tail;
    }
    EXPECT_EQ(FilesInOut().size(), 9) << FilesInOut().join(",").toStdString();
}

TEST_F(SaveCommandsTest, ReadOnlyFolderGivesAMessageAndKeepsTheOldFile) {
    WriteFile(Out("x.xsd"), "old schema");
    // Root writes into folders without write permission; an immutable folder stops root too.
    const bool root = geteuid() == 0;
    const std::string folder = outDir_;
    if (root && test::RunProgram({"chattr", "+i", folder}).status != 0) {
        GTEST_SKIP() << "this file system cannot make the folder immutable for root";
    }
    struct Unlock {
        bool root;
        std::string folder;
        ~Unlock() {
            if (root) test::RunProgram({"chattr", "-i", folder});
        }
    } unlock{root, folder};
    if (!root) fs::permissions(outDir_, fs::perms::owner_read | fs::perms::owner_exec);
    FillPanes();
    QStringList messages;
    test::ModalAnswer<QMessageBox> report([&](QMessageBox& box) {
        messages << box.text();
        box.accept();
    });
    RunSave("mnuSaveAll", Out("x.prj"));
    ASSERT_TRUE(report.Answered());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].count(Out("x.")), MainForm::kScreens) << messages[0].toStdString();
    EXPECT_EQ(ReadFile(Out("x.xsd")), "old schema");
}

TEST_F(SaveCommandsTest, SingleSaveFailureNamesTheFileAndTheReason) {
    // A link into a folder that is gone (an unmounted drive, say): the dialog takes the name, the
    // write fails for every user, root included, and the link stays as it was.
    Form().Pane(3)->setCrLfText(QString("<a/>"));
    const QString target = Out("linked.xml");
    ASSERT_TRUE(QFile::link(Out("gone/real.xml"), target));
    QString message;
    test::ModalAnswer<QMessageBox> report([&](QMessageBox& box) {
        message = box.text();
        box.accept();
    });
    RunSave("mnuSaveXML", target);
    ASSERT_TRUE(report.Answered());
    EXPECT_TRUE(message.contains(target + ": ")) << message.toStdString();
    EXPECT_EQ(QFileInfo(target).symLinkTarget(), Out("gone/real.xml"));
    EXPECT_EQ(FilesInOut().join(",").toStdString(), "linked.xml");
}

TEST_F(SaveCommandsTest, SaveFileWritesBytesExactlyAndReplacesWhole) {
    const QString target = Out("f.txt");
    const struct {
        QString body;
        std::string bytes;
    } cases[] = {
        {QString("a\r\nb\r\n"), "a\r\nb\r\n"},
        {QString("\u00e9\u20ac"), "\xc3\xa9\xe2\x82\xac"},
        {QString(), ""},
        {QString("lone\nLF\rCR"), "lone\nLF\rCR"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MainForm::SaveFile(target, c.body), "");
        EXPECT_EQ(ReadFile(target), c.bytes);
    }
    EXPECT_FALSE(MainForm::SaveFile(Out("missing/f.txt"), "x").isEmpty());
}

}  // namespace
}  // namespace orvane
