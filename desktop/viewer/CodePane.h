#pragma once

#include <Qsci/qsciscintillabase.h>

#include <QColor>
#include <QString>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "settings/FontSpec.h"
#include "viewer/HighlightScanner.h"

namespace orvane {

class IncrementalColouring;

// The output pane of one screen: an editor holding the text as it was generated, UTF-8 with
// CR LF line ends, one byte per character plus one byte of style. Colours come from the
// highlighter's scan, found on demand: what is shown first, the rest in small steps while the
// pane is visible, so texts of many megabytes show at once and never freeze the window.
// Positions of the public operations count characters of crLfText() (a line end counts two).
class CodePane : public QsciScintillaBase {
    Q_OBJECT

  public:
    explicit CodePane(QWidget* parent = nullptr);
    ~CodePane() override;

    // Replaces the whole text, kept byte for byte: no colours, no undo history, caret at the
    // start. The pane shows it plain until it gets a highlight profile. A long text shows its
    // start at once and the rest within the next turns of the event loop, read-only until then;
    // every operation below sees it whole.
    void setCrLfText(std::string_view utf8);
    void setCrLfText(std::string&& utf8);
    void setCrLfText(const QString& text);
    QString crLfText() const;
    std::string crLfTextUtf8() const;
    // The stored text; valid until the text changes.
    std::string_view crLfTextView() const;

    void selectCrLf(int start, int length);
    int crLfSelectionStart() const;
    int crLfSelectionLength() const;
    // Caret at the start of the text, nothing selected.
    void moveCaretToStart();

    // Colours the text by the highlighter's scan from now on, edits included, until the next
    // setCrLfText(); the profile is made from the text when colouring first starts.
    void setHighlightProfile(std::function<HighlightProfile(std::string_view text)> profileOf);
    // The whole text is in and coloured (or plain).
    bool isFullyColoured() const;
    // Colours the whole text now (printing needs every colour).
    void colourAll();
    // The text colour of the character at a position (the plain colour where there is none).
    QColor colorAt(int crLfPos);
    // The style of every byte after colourAll(): 0 plain, StyleOf(colour) for a coloured one.
    std::vector<unsigned char> styles();
    static unsigned char StyleOf(std::int32_t color);

    void setPaneFont(const FontSpec& font);
    FontSpec paneFont() const { return font_; }
    // A colour value outside 0..0xFFFFFF leaves the background as it is.
    void setBackgroundBgr(std::int32_t bgr);
    std::int32_t backgroundBgr() const { return background_; }

    // Only while a long text is still arriving.
    bool isReadOnly() const;
    // The Insert key switches between inserting and overwriting.
    bool overwriteMode() const;

    // The clipboard gets LF line ends; pasted or dropped text gets CR LF ones.
    void copy();
    void cut();
    void paste();
    void selectAll();

  signals:
    void overwriteModeChanged(bool overwrite);

  protected:
    QByteArray fromMimeData(const QMimeData* source, bool& rectangular) const override;
    QMimeData* toMimeData(const QByteArray& text, bool rectangular) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    std::size_t length() const;
    // Byte offset of a character position and back.
    std::size_t toBytes(int crLfPos) const;
    int fromBytes(std::size_t bytePos) const;
    void applyStyles();
    // Puts the next piece of a long text into the editor; all of it.
    void loadStep() const;
    void finishLoading() const;
    void loaded() const;
    // Colours towards `upTo` until it is reached or the time is up.
    void colourFor(std::size_t upTo, std::chrono::milliseconds budget);
    // Loads or colours a piece, then lets the window's events run.
    void backgroundStep();
    void onStyleNeeded(int position);

    FontSpec font_;
    std::int32_t background_ = 0xFFFFFF;
    std::int32_t plainColor_ = 0;
    // What of a long text is not in the editor yet: pending_ from pendingFrom_ on.
    mutable std::string pending_;
    mutable std::size_t pendingFrom_ = 0;
    std::unique_ptr<IncrementalColouring> colouring_;
    std::vector<unsigned char> styleBuffer_;
    QTimer backgroundTimer_;
};

}  // namespace orvane
