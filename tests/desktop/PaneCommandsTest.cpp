#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include "MainFormFixture.h"
#include "Programs.h"
#include "main/PaneCommands.h"
#include "viewer/CodePane.h"
#include "viewer/RTFTools.h"
#include "viewer/StyleConvert.h"

namespace orvane {
namespace {

// The text lines of each page of a PDF, blank lines left out; args may crop every page to a
// part of it, in points from its top left corner.
QList<QStringList> PdfPages(const QString& pdf, std::vector<std::string> args = {}) {
    args.insert(args.begin(), {"pdftotext", "-layout"});
    args.insert(args.end(), {pdf.toStdString(), "-"});
    const test::RunResult run = test::RunProgram(args, "", test::ErrorOutput::Apart);
    EXPECT_EQ(run.status, 0) << run.err;
    QList<QStringList> pages;
    for (const QString& page : QString::fromStdString(run.out).split('\f')) {
        pages.append(page.split('\n', Qt::SkipEmptyParts));
        for (QString& line : pages.back()) line = line.trimmed();
        pages.back().removeAll("");
    }
    pages.removeLast();  // every page ends in a form feed
    return pages;
}

// Saving and printing the panes, through the dialogs a user answers.
class PaneCommandsTest : public test::MainFormFixture {
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
    // Prints the current pane to the PDF file pdf ("" cancels); returns the messages shown.
    std::vector<test::ModalAnswerer::Message> Print(const QString& pdf) {
        test::ModalAnswerer answer(
            test::ModalAnswerer::For<QPrintDialog>([&](QPrintDialog& dialog) {
                if (pdf.isEmpty()) return dialog.reject();
                auto* printers = dialog.findChild<QComboBox*>("printers");
                printers->setCurrentIndex(printers->findText("PDF", Qt::MatchContains));
                dialog.findChild<QLineEdit*>("filename")->setText(pdf);
                dialog.accept();
            }));
        form_->Actions().print->trigger();
        EXPECT_EQ(answer.Handled(), 1);
        return answer.Messages();
    }
    QPrinter& Printer() { return form_->Commands()->Printer(); }
};

// Each screen saves its pane under the proposed name; Save All writes the enabled screens beside
// the chosen name, less its last extension.
TEST_F(PaneCommandsTest, EachScreenSavesItsPaneAndSaveAllTheEnabledOnesBesideTheChosenName) {
    const char* const proposed[] = {"Orders.xsd",      "Orders.biz",   "Orders.dtd",
                                    "Orders.xml",      "Orders.sql",   "OrdersRec.cls",
                                    "OrdersBean.java", "OrdersNet.vb", "OrdersDto.cs"};
    ASSERT_TRUE(QDir(Out("")).mkpath("release.1"));
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
    EXPECT_EQ(Files().size(), MainForm::kScreens + 1);

    for (int screen : {1, 4, 7}) Record(screen).Enabled = 0;
    Record(8).Suffix = "/../Dto";  // stays beside the others
    const std::pair<int, const char*> written[] = {
        {0, ".xsd"}, {2, ".dtd"}, {3, ".xml"}, {5, "Rec.cls"}, {6, "Bean.java"}, {8, "_.._Dto.cs"}};
    for (const char* chosen : {"proj.prj", "release.1/proj", "two.dots.prj"}) {
        SCOPED_TRACE(chosen);
        QString name;
        Save(form_->Actions().saveAll, Out(chosen), &name);
        EXPECT_EQ(name, "Orders.prj");
        const QString base = QString(chosen).remove(".prj");
        const QDir folder = QFileInfo(Out(base)).dir();
        QStringList expected;
        for (const auto& [screen, tail] : written) {
            expected << QFileInfo(Out(base)).fileName() + tail;
            EXPECT_EQ(Read(base + tail), PaneText(screen).toStdString()) << tail;
        }
        const QStringList present =
            folder.entryList({QFileInfo(Out(base)).fileName() + "*"}, QDir::Files, QDir::Name);
        expected.sort();
        EXPECT_EQ(present, expected);
        for (const QString& file : present) QFile::remove(folder.filePath(file));
    }
}

// A folder where a file should go, and a link into a folder that is gone: the writes fail for
// every user, root included; each failure is named once, and nothing else is lost.
TEST_F(PaneCommandsTest, FailuresAreReportedWithTheFileAndLoseNothing) {
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

// Page after page in the screen's font, not the pane's, between margins of an inch, no page
// numbers; the pane is left as it was, after a cancel or a failure too. An empty pane prints a
// blank page.
TEST_F(PaneCommandsTest, PanePrintsPageAfterPageInTheScreensFontWithOneInchMargins) {
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines << QString("Line %1 of the printed pane").arg(i, 3, 10, QChar('0'));
    ShowScreen(CSHARP_CODE);
    Record(CSHARP_CODE).Font = {"DejaVu Serif", 10.0};
    CodePane* pane = form_->Pane(CSHARP_CODE);
    pane->setPaneFont({"DejaVu Sans Mono", 9.0});
    pane->setCrLfText(lines.join("\r\n"));
    const QString pdf = Out("pane.pdf");
    ASSERT_TRUE(Print(pdf).empty());
    EXPECT_EQ(pane->SendScintilla(CodePane::SCI_GETWRAPMODE), CodePane::SC_WRAP_NONE);
    EXPECT_EQ(pane->paneFont().name, "DejaVu Sans Mono");

    const QRectF paper = Printer().pageLayout().fullRectPoints();
    const QFontMetricsF metrics(ToQFont(Record(CSHARP_CODE).Font), &Printer());
    const int fit = static_cast<int>((paper.height() - 144) * Printer().resolution() / 72 /
                                     metrics.lineSpacing());
    const QList<QStringList> pages = PdfPages(pdf);
    ASSERT_FALSE(pages.isEmpty());
    EXPECT_NEAR(pages[0].size(), fit, 1);
    EXPECT_EQ(pages.size(), (150 + pages[0].size() - 1) / pages[0].size());
    QStringList printed;
    for (const QStringList& page : pages) printed << page;
    EXPECT_EQ(printed, lines);
    // Nothing in the inch around the text of a page; text just inside it.
    const auto points = [](double value) { return std::to_string(static_cast<int>(value)); };
    const std::string w = points(paper.width()), h = points(paper.height());
    const std::string bottom = points(paper.height() - 70);
    for (const auto& margin : std::vector<std::vector<std::string>>{
             {"-W", w, "-H", "70"}, {"-y", bottom, "-W", w, "-H", "70"}, {"-W", "70", "-H", h}})
        for (const QStringList& page : PdfPages(pdf, margin)) EXPECT_EQ(page, QStringList());
    for (const QStringList& page : PdfPages(pdf, {"-W", "82", "-H", h}))
        EXPECT_FALSE(page.isEmpty());
    const test::RunResult fonts = test::RunProgram({"pdffonts", pdf.toStdString()});
    EXPECT_NE(fonts.out.find("DejaVuSerif"), std::string::npos) << fonts.out;
    EXPECT_EQ(fonts.out.find("DejaVuSansMono"), std::string::npos) << fonts.out;

    Printer().setOutputFileName(Out("never.pdf"));
    EXPECT_TRUE(Print("").empty());
    EXPECT_FALSE(QFile::exists(Out("never.pdf")));
    const auto messages = Print(Out("no-such-folder/out.pdf"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Printing failed.")) << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.contains(Out("no-such-folder/out.pdf")));
    EXPECT_EQ(pane->SendScintilla(CodePane::SCI_GETWRAPMODE), CodePane::SC_WRAP_NONE);
    pane->setCrLfText(QString());
    ASSERT_TRUE(Print(Out("empty.pdf")).empty());
    EXPECT_EQ(PdfPages(Out("empty.pdf")), QList<QStringList>{QStringList()});
    // The pane wraps on screen at the paper's width less both margins.
    QPrinter a4;
    a4.setPageSize(QPageSize(QPageSize::A4));
    EXPECT_EQ(RTFTools::LineWidthTwips(a4, 720, 2160), 11906 - 2880);
}

}  // namespace
}  // namespace orvane
