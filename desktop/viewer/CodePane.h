#pragma once

#include <QColor>
#include <QPlainTextEdit>
#include <QString>
#include <QTextCharFormat>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/FontSpec.h"
#include "viewer/ColorRange.h"

namespace orvane {

class CrLfText;
class PeriodicPump;

// The output pane of one screen: editable plain text whose characters may carry colours.
// Text and positions are exchanged in the system's CR LF form (a line end counts as two
// characters); the mapping to Qt's one-character line ends is CrLfText's.
// A plain-text editor, because its line-by-line layout keeps texts of many megabytes fast to
// show and to colour, where a rich-text editor lays out the whole document again.
class CodePane : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit CodePane(QWidget* parent = nullptr);

    void setCrLfText(const QString& crLf);
    void setCrLfText(const std::string& crLfUtf8);
    QString crLfText() const;
    std::string crLfTextUtf8() const;

    // Selection by CR LF positions; the caret ends at start + length.
    void selectCrLf(int start, int length);
    int crLfSelectionStart() const;
    int crLfSelectionLength() const;
    // Caret at the start of the text, nothing selected.
    void moveCaretToStart();

    // Colours the ranges in order, only the text colour of each character changes. With a pump,
    // window events are let through between slices; the pane is read-only meanwhile. Returns
    // false if the pane's text was changed from elsewhere during a pause (the rest is dropped).
    // The map must describe the pane's current text.
    bool applyColorRanges(const std::vector<ColorRange>& ranges, const CrLfText& map,
                          PeriodicPump* pump = nullptr);
    bool applyColorRanges(const std::vector<ColorRange>& ranges);
    // The text colour of the character at a CR LF position (the default text colour where none
    // was set).
    QColor colorAt(int crLfPos) const;

    void setPaneFont(const FontSpec& font);
    FontSpec paneFont() const;
    // A colour value outside 0..0xFFFFFF leaves the background as it is.
    void setBackgroundBgr(std::int32_t bgr);
    std::int32_t backgroundBgr() const;

    // Counts changes of the content made by anything but applyColorRanges.
    quint64 contentRevision() const { return revision_; }

  private:
    QTextCharFormat formatAtDocument(int docPos) const;

    quint64 revision_ = 0;
    bool applying_ = false;
};

}  // namespace orvane
