#pragma once

#include <QCoreApplication>
#include <QString>

class QFont;
class QPrinter;

namespace orvane {

class CodePane;

// Prints a pane with its colours, page by page, and lays the pane out on screen with the
// printer's line width so screen and paper break lines alike. Margins are in twips (1440 to
// the inch), measured from the paper's edge.
class RTFTools {
    Q_DECLARE_TR_FUNCTIONS(RTFTools)

  public:
    // The printable line width: paper width minus both margins (twips).
    static int LineWidthTwips(const QPrinter& printer, int leftMarginWidth, int rightMarginWidth);

    // Makes the pane wrap at the printer's line width (converted at the pane's logical DPI);
    // returns that width in twips. Nothing is printed.
    static int WYSIWYG_RTF(CodePane& rtf, const QPrinter& printer, int leftMarginWidth,
                           int rightMarginWidth);

    // Undoes WYSIWYG_RTF: the pane's lines run out to the right again.
    static void ResetWrap(CodePane& rtf);

    // Prints the pane's text in the given font, keeping each character's colour, with no page
    // numbers or margins of its own. Returns the reason of a failure, or "".
    static QString PrintRTF(CodePane& rtf, QPrinter& printer, const QFont& font,
                            int leftMarginWidth, int topMarginHeight, int rightMarginWidth,
                            int bottomMarginHeight);
};

}  // namespace orvane
