#include "viewer/RTFTools.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QResizeEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <memory>

#include "viewer/Twips.h"

namespace orvane {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kMillimetresPerInch = 25.4;

QString PrinterFailure(const QPrinter& printer) {
    if (!printer.outputFileName().isEmpty()) {
        return "The file " + printer.outputFileName() + " could not be written.";
    }
    return "The printer " + printer.printerName() + " reported an error.";
}
}  // namespace

int RTFTools::LineWidthTwips(const QPrinter& printer, int leftMarginWidth, int rightMarginWidth) {
    // Millimetres are exact for every standard paper; whole points are not (A4).
    const double paperTwips = printer.pageLayout().fullRect(QPageLayout::Millimeter).width() /
                              kMillimetresPerInch * kTwipsPerInch;
    return static_cast<int>(paperTwips + 0.5) - leftMarginWidth - rightMarginWidth;
}

int RTFTools::WYSIWYG_RTF(QPlainTextEdit& rtf, const QPrinter& printer, int leftMarginWidth,
                          int rightMarginWidth) {
    const int width = LineWidthTwips(printer, leftMarginWidth, rightMarginWidth);
    // A plain-text pane wraps at its viewport's width less the document's margins, so the
    // viewport takes the line width plus those.
    const int margins = 2 * static_cast<int>(std::ceil(rtf.document()->documentMargin()));
    rtf.viewport()->setFixedWidth(std::max(1, TwipsToPixels(width, rtf.logicalDpiX())) + margins);
    rtf.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return width;
}

void RTFTools::ResetWrap(QPlainTextEdit& rtf) {
    rtf.viewport()->setMinimumWidth(0);
    rtf.viewport()->setMaximumWidth(QWIDGETSIZE_MAX);
    rtf.setLineWrapMode(QPlainTextEdit::NoWrap);
    // The scroll area gives the viewport its whole width again on its next layout.
    QResizeEvent relayout(rtf.size(), rtf.size());
    QCoreApplication::sendEvent(&rtf, &relayout);
}

QString RTFTools::PrintRTF(const QPlainTextEdit& rtf, QPrinter& printer, const QFont& font,
                           int leftMarginWidth, int topMarginHeight, int rightMarginWidth,
                           int bottomMarginHeight) {
    // A copy is laid out for the paper so the pane on screen keeps its own layout.
    const std::unique_ptr<QTextDocument> doc(rtf.document()->clone());
    doc->setDefaultFont(font);
    QTextCursor all(doc.get());
    all.select(QTextCursor::Document);
    QTextCharFormat fontOnly;
    fontOnly.setFont(font);
    all.mergeCharFormat(fontOnly);

    // Coordinates from the paper's corner, so the margins are measured from its edge.
    printer.setFullPage(true);
    const double perTwip = printer.resolution() / kTwipsPerInch;
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF body(leftMarginWidth * perTwip, topMarginHeight * perTwip,
                      paper.width() - (leftMarginWidth + rightMarginWidth) * perTwip,
                      paper.height() - (topMarginHeight + bottomMarginHeight) * perTwip);
    if (body.width() < 1.0 || body.height() < 1.0) {
        return "The margins leave no room for text on the paper.";
    }
    doc->documentLayout()->setPaintDevice(&printer);
    doc->setDocumentMargin(0);
    // A page height makes the layout move lines that would cross a page end onto the next page.
    doc->setPageSize(body.size());

    QPainter painter;
    if (!painter.begin(&printer)) return PrinterFailure(printer);
    const int pages = doc->pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return QString("Page %1 could not be started.").arg(page + 1);
        }
        const double top = page * body.height();
        painter.save();
        painter.translate(body.left(), body.top() - top);
        // A line moved to the next page may start a rounding error above the page end; one
        // device pixel less keeps it off this page.
        doc->drawContents(&painter, QRectF(0.0, top, body.width(), body.height() - 1.0));
        painter.restore();
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return PrinterFailure(printer);
    }
    return {};
}

}  // namespace orvane
