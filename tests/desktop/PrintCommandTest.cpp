#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>

#include "MainFormFixture.h"
#include "Programs.h"
#include "main/PaneCommands.h"
#include "viewer/CodePane.h"
#include "viewer/RTFTools.h"
#include "viewer/StyleConvert.h"
#include "viewer/Twips.h"

namespace orvane {
namespace {

// The text lines of a PDF page, or of the part of it given in points from the top left corner;
// blank lines left out.
QStringList PdfLines(const QString& pdf, int page, const QRect& part = {}) {
    std::vector<std::string> args = {"pdftotext",          "-layout", "-f",
                                     std::to_string(page), "-l",      std::to_string(page)};
    if (!part.isNull()) {
        for (const auto& [flag, value] : {std::pair{"-x", part.x()},
                                          {"-y", part.y()},
                                          {"-W", part.width()},
                                          {"-H", part.height()}})
            args.insert(args.end(), {flag, std::to_string(value)});
    }
    args.insert(args.end(), {pdf.toStdString(), "-"});
    const test::RunResult run = test::RunProgram(args, "", test::ErrorOutput::Apart);
    EXPECT_EQ(run.status, 0) << run.err;
    QStringList lines;
    for (const QString& line : QString::fromStdString(run.out).split('\n')) {
        if (!line.trimmed().isEmpty() && line.trimmed() != "\f") lines << line.trimmed();
    }
    return lines;
}

int PdfPages(const QString& pdf) {
    const test::RunResult run = test::RunProgram({"pdfinfo", pdf.toStdString()});
    const QRegularExpressionMatch m =
        QRegularExpression(R"(Pages:\s+(\d+))").match(QString::fromStdString(run.out));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

class PrintCommandTest : public test::MainFormFixture {
  protected:
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
    static bool Wraps(CodePane& pane) {
        return pane.SendScintilla(CodePane::SCI_GETWRAPMODE) != CodePane::SC_WRAP_NONE;
    }
    QPrinter& Printer() { return form_->Commands()->Printer(); }
};

// Page after page in the screen's font, not the pane's, between margins of an inch, no page
// numbers; the pane is left as it was.
TEST_F(PrintCommandTest, LongPanePrintsPageAfterPageInTheScreensFontWithOneInchMargins) {
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
    EXPECT_FALSE(Wraps(*pane));
    EXPECT_EQ(pane->paneFont().name, "DejaVu Sans Mono");

    const QRectF paper = Printer().pageLayout().fullRectPoints();
    const QFontMetricsF metrics(ToQFont(Record(CSHARP_CODE).Font), &Printer());
    const int fit = static_cast<int>((paper.height() - 144) * Printer().resolution() / 72 /
                                     metrics.lineSpacing());
    const int pages = PdfPages(pdf);
    const int perPage = static_cast<int>(PdfLines(pdf, 1).size());
    EXPECT_NEAR(perPage, fit, 1);
    EXPECT_EQ(pages, (150 + perPage - 1) / perPage);
    QStringList printed;
    for (int page = 1; page <= pages; ++page) {
        const QStringList onPage = PdfLines(pdf, page);
        EXPECT_TRUE(page == pages || onPage.size() == perPage) << page;
        printed << onPage;
        const int w = static_cast<int>(paper.width()), h = static_cast<int>(paper.height());
        const QRect margins[] = {{0, 0, w, 70}, {0, h - 70, w, 70}, {0, 0, 70, h}};
        for (const QRect& margin : margins)
            EXPECT_EQ(PdfLines(pdf, page, margin), QStringList()) << page;
        EXPECT_FALSE(PdfLines(pdf, page, {0, 0, 82, h}).isEmpty()) << page;
    }
    EXPECT_EQ(printed, lines);
    const test::RunResult fonts = test::RunProgram({"pdffonts", pdf.toStdString()});
    EXPECT_NE(fonts.out.find("DejaVuSerif"), std::string::npos) << fonts.out;
    EXPECT_EQ(fonts.out.find("DejaVuSansMono"), std::string::npos) << fonts.out;
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

// On screen the pane wraps as on paper: every line fits the paper less its margins and leaves
// less than a word free.
TEST_F(PrintCommandTest, PaneWrapsAtThePrintersLineWidth) {
    CodePane pane;
    pane.resize(4000, 300);
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    pane.setCrLfText(QString("word ").repeated(400));
    const double word =
        pane.SendScintilla(CodePane::SCI_TEXTWIDTH, CodePane::STYLE_DEFAULT, "word ");
    QPrinter printer;
    const struct {
        QPageSize::PageSizeId paper;
        int left, right, width;  // twips
    } cases[] = {{QPageSize::Letter, 1440, 1440, 12240 - 2880},
                 {QPageSize::A4, 720, 2160, 11906 - 2880}};
    for (const auto& c : cases) {
        printer.setPageSize(QPageSize(c.paper));
        EXPECT_EQ(RTFTools::WYSIWYG_RTF(pane, printer, c.left, c.right), c.width);
        EXPECT_TRUE(Wraps(pane));
        pane.repaint();
        const double pixels = TwipsToPixels(c.width, pane.logicalDpiX());
        const auto lines = static_cast<double>(pane.SendScintilla(CodePane::SCI_WRAPCOUNT, 0UL));
        EXPECT_GE(lines, 400 * word / pixels);
        EXPECT_LE(lines, 400 * word / (pixels - word) + 1);
    }
    RTFTools::ResetWrap(pane);
    EXPECT_FALSE(Wraps(pane));
    pane.repaint();
    EXPECT_EQ(pane.SendScintilla(CodePane::SCI_WRAPCOUNT, 0UL), 1);
}

}  // namespace
}  // namespace orvane
