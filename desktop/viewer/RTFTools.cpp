#include "viewer/RTFTools.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QResizeEvent>
#include <algorithm>

#include "viewer/CodePane.h"
#include "viewer/StyleConvert.h"
#include "viewer/Twips.h"

namespace orvane {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kMillimetresPerInch = 25.4;

QString PrinterFailure(const QPrinter& printer) {
    if (!printer.outputFileName().isEmpty()) {
        return RTFTools::tr("The file %1 could not be written.").arg(printer.outputFileName());
    }
    return RTFTools::tr("The printer %1 reported an error.").arg(printer.printerName());
}

// The pane shows another font while it is printed, and its own one again afterwards.
class PrintFont {
  public:
    PrintFont(CodePane& pane, const QFont& font) : pane_(pane), shown_(pane.paneFont()) {
        pane_.setPaneFont(ToFontSpec(font));
    }
    ~PrintFont() { pane_.setPaneFont(shown_); }
    PrintFont(const PrintFont&) = delete;
    PrintFont& operator=(const PrintFont&) = delete;

  private:
    CodePane& pane_;
    FontSpec shown_;
};
}  // namespace

int RTFTools::LineWidthTwips(const QPrinter& printer, int leftMarginWidth, int rightMarginWidth) {
    // Millimetres are exact for every standard paper; whole points are not (A4).
    const double paperTwips = printer.pageLayout().fullRect(QPageLayout::Millimeter).width() /
                              kMillimetresPerInch * kTwipsPerInch;
    return static_cast<int>(paperTwips + 0.5) - leftMarginWidth - rightMarginWidth;
}

int RTFTools::WYSIWYG_RTF(CodePane& rtf, const QPrinter& printer, int leftMarginWidth,
                          int rightMarginWidth) {
    const int width = LineWidthTwips(printer, leftMarginWidth, rightMarginWidth);
    // The editor wraps at its viewport's width less its own text margins, so the viewport
    // takes the line width plus those.
    const auto margins = static_cast<int>(rtf.SendScintilla(CodePane::SCI_GETMARGINLEFT) +
                                          rtf.SendScintilla(CodePane::SCI_GETMARGINRIGHT));
    rtf.viewport()->setFixedWidth(std::max(1, TwipsToPixels(width, rtf.logicalDpiX())) + margins);
    rtf.SendScintilla(CodePane::SCI_SETWRAPMODE, CodePane::SC_WRAP_WORD);
    return width;
}

void RTFTools::ResetWrap(CodePane& rtf) {
    rtf.viewport()->setMinimumWidth(0);
    rtf.viewport()->setMaximumWidth(QWIDGETSIZE_MAX);
    rtf.SendScintilla(CodePane::SCI_SETWRAPMODE, CodePane::SC_WRAP_NONE);
    // The scroll area gives the viewport its whole width again on its next layout.
    QResizeEvent relayout(rtf.size(), rtf.size());
    QCoreApplication::sendEvent(&rtf, &relayout);
}

QString RTFTools::PrintRTF(CodePane& rtf, QPrinter& printer, const QFont& font, int leftMarginWidth,
                           int topMarginHeight, int rightMarginWidth, int bottomMarginHeight) {
    // Coordinates from the paper's corner, so the margins are measured from its edge.
    printer.setFullPage(true);
    const double perTwip = printer.resolution() / kTwipsPerInch;
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRect body = QRectF(leftMarginWidth * perTwip, topMarginHeight * perTwip,
                              paper.width() - (leftMarginWidth + rightMarginWidth) * perTwip,
                              paper.height() - (topMarginHeight + bottomMarginHeight) * perTwip)
                           .toRect();
    if (body.width() < 1 || body.height() < 1) {
        return tr("The margins leave no room for text on the paper.");
    }
    rtf.colourAll();
    const PrintFont printFont(rtf, font);

    QPainter painter;
    if (!painter.begin(&printer)) return PrinterFailure(printer);
    const long end = rtf.SendScintilla(CodePane::SCI_GETLENGTH);
    long pos = 0;
    for (int page = 1;; ++page) {
        // The editor lays out and draws as much as fits and says where the next page starts.
        const long next =
            rtf.SendScintilla(CodePane::SCI_FORMATRANGE, 1UL, &painter, body, pos, end);
        if (next >= end || next <= pos) break;
        pos = next;
        if (!printer.newPage()) {
            painter.end();
            return tr("Page %1 could not be started.").arg(page + 1);
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return PrinterFailure(printer);
    }
    return {};
}

}  // namespace orvane
