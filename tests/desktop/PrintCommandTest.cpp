#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

#include "MainFormFixture.h"
#include "Programs.h"
#include "main/PaneCommands.h"
#include "settings/Config.h"
#include "viewer/CodePane.h"
#include "viewer/RTFTools.h"
#include "viewer/StyleConvert.h"
#include "viewer/Twips.h"

namespace orvane {
namespace {

constexpr double kInchPoints = 72.0;

QString RunTool(const QString& program, const QStringList& arguments) {
    std::vector<std::string> args = {program.toStdString()};
    for (const QString& argument : arguments) args.push_back(argument.toStdString());
    const test::RunResult run = test::RunProgram(args, "", test::ErrorOutput::Apart);
    EXPECT_EQ(run.status, 0) << program.toStdString() << ": " << run.err;
    return QString::fromStdString(run.out);
}

int PdfPages(const QString& pdf) {
    const QRegularExpressionMatch m =
        QRegularExpression(R"(Pages:\s+(\d+))").match(RunTool("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text lines of one page, blank lines left out.
QStringList PageLines(const QString& pdf, int page) {
    const QString text = RunTool("pdftotext", {"-layout", "-f", QString::number(page), "-l",
                                               QString::number(page), pdf, "-"});
    QStringList lines;
    for (const QString& line : text.split('\n')) {
        if (!line.trimmed().isEmpty() && line.trimmed() != "\f") lines << line.trimmed();
    }
    return lines;
}

// Word boxes of a page in points from the paper's top left corner: xMin, yMin, xMax, yMax.
QList<QRectF> WordBoxes(const QString& pdf, int page) {
    const QString html = RunTool(
        "pdftotext", {"-bbox", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    QList<QRectF> boxes;
    const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)")re");
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        boxes << QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                        QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
    }
    return boxes;
}

// Numbered lines; the fifth is a comment.
QString NumberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        lines << QString(i == 5 ? "// Line %1 of the printed pane" : "Line %1 of the printed pane")
                     .arg(i, 3, 10, QChar('0'));
    }
    return lines.join("\r\n");
}

class PrintCommandTest : public test::MainFormFixture {
  protected:
    // Prints the current pane, choosing printing to the PDF file pdf ("" cancels); returns the
    // messages shown afterwards.
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
    static bool Wraps(CodePane& pane) {
        return pane.SendScintilla(CodePane::SCI_GETWRAPMODE) != CodePane::SC_WRAP_NONE;
    }
    QPrinter& Printer() { return form_->Commands()->Printer(); }
};

TEST_F(PrintCommandTest, LongPanePrintsPageAfterPageInTheScreensFontWithOneInchMargins) {
    constexpr int kLines = 150;
    ShowScreen(CSHARP_CODE);
    Record(CSHARP_CODE).Font = {"DejaVu Serif", 10.0};
    CodePane* pane = form_->Pane(CSHARP_CODE);
    pane->setPaneFont({"DejaVu Sans Mono", 9.0});
    pane->setCrLfText(NumberedLines(kLines));

    const QString pdf = Out("pane.pdf");
    ASSERT_TRUE(Print(pdf).empty());
    EXPECT_FALSE(Wraps(*pane));
    EXPECT_EQ(pane->paneFont().name, "DejaVu Sans Mono");

    const int pages = PdfPages(pdf);
    ASSERT_GT(pages, 1);
    const QRectF paper = Printer().pageLayout().fullRectPoints();
    const double body = paper.height() - 2 * kInchPoints;
    const double lineSpacing =
        QFontMetricsF(ToQFont(Record(CSHARP_CODE).Font), &Printer()).lineSpacing() * kInchPoints /
        Printer().resolution();
    const int fit = static_cast<int>(body / lineSpacing);

    QStringList all;
    int perPage = 0;
    for (int page = 1; page <= pages; ++page) {
        SCOPED_TRACE(page);
        const QStringList lines = PageLines(pdf, page);
        ASSERT_FALSE(lines.isEmpty());
        // Every full page holds as many lines as fit between the margins; no page numbers.
        if (page == 1) perPage = lines.size();
        if (page < pages) {
            EXPECT_EQ(lines.size(), perPage);
        }
        all << lines;
        const QList<QRectF> words = WordBoxes(pdf, page);
        ASSERT_FALSE(words.isEmpty());
        EXPECT_NEAR(words.front().left(), kInchPoints, 2.0);
        EXPECT_GE(words.front().top(), kInchPoints - 1.0);
        EXPECT_LE(words.back().bottom(), paper.height() - kInchPoints + 1.0);
    }
    EXPECT_NEAR(perPage, fit, 1);
    EXPECT_EQ(pages, (kLines + perPage - 1) / perPage);
    EXPECT_EQ(all, QString(NumberedLines(kLines)).split("\r\n"));

    const QString fonts = RunTool("pdffonts", {pdf});
    EXPECT_TRUE(fonts.contains("DejaVuSerif")) << fonts.toStdString();
    EXPECT_FALSE(fonts.contains("DejaVuSansMono")) << fonts.toStdString();
}

TEST_F(PrintCommandTest, EmptyPanePrintsOnePageCancelNoneAndAFailureIsReported) {
    form_->Pane(0)->setCrLfText(QString());
    ASSERT_TRUE(Print(Out("empty.pdf")).empty());
    EXPECT_EQ(PdfPages(Out("empty.pdf")), 1);
    form_->Pane(0)->setCrLfText(QString("x"));
    Printer().setOutputFileName(Out("never.pdf"));
    EXPECT_TRUE(Print("").empty());
    EXPECT_FALSE(QFile::exists(Out("never.pdf")));
    const auto messages = Print(Out("no-such-folder/out.pdf"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Printing failed.")) << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.contains(Out("no-such-folder/out.pdf")));
    EXPECT_FALSE(Wraps(*form_->Pane(0)));
}

TEST_F(PrintCommandTest, PaneWrapsAtThePrintersLineWidth) {
    const struct {
        QPageSize::PageSizeId paper;
        int left, right;
        int width;  // twips
    } cases[] = {
        {QPageSize::Letter, 1440, 1440, 12240 - 2880},
        {QPageSize::A4, 1440, 1440, 11906 - 2880},
        {QPageSize::A4, 720, 2160, 11906 - 2880},
        {QPageSize::Letter, 0, 0, 12240},
    };
    CodePane pane;
    pane.resize(4000, 300);
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    // One line far wider than any paper.
    pane.setCrLfText(QString("word ").repeated(400));
    const double word =
        pane.SendScintilla(CodePane::SCI_TEXTWIDTH, CodePane::STYLE_DEFAULT, "word ");
    QPrinter printer;
    for (const auto& c : cases) {
        printer.setPageSize(QPageSize(c.paper));
        const int width = RTFTools::WYSIWYG_RTF(pane, printer, c.left, c.right);
        EXPECT_NEAR(width, c.width, 1);
        EXPECT_TRUE(Wraps(pane));
        pane.repaint();
        // Every line fits the width and leaves less than a word free.
        const double pixels = TwipsToPixels(width, pane.logicalDpiX());
        const auto lines = static_cast<double>(pane.SendScintilla(CodePane::SCI_WRAPCOUNT, 0UL));
        EXPECT_GE(lines, 400 * word / pixels);
        EXPECT_LE(lines, 400 * word / (pixels - word) + 1);
    }
    RTFTools::ResetWrap(pane);
    EXPECT_FALSE(Wraps(pane));
    pane.repaint();
    EXPECT_EQ(pane.SendScintilla(CodePane::SCI_WRAPCOUNT, 0UL), 1);
    EXPECT_GT(pane.viewport()->width(), 3000);
}

}  // namespace
}  // namespace orvane
