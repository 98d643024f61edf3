#include "viewer/CodePane.h"

#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <map>

#include "viewer/CrLfText.h"
#include "viewer/PeriodicPump.h"
#include "viewer/StyleConvert.h"

namespace orvane {

CodePane::CodePane(QWidget* parent) : QPlainTextEdit(parent) {
    // Generated code is read line by line, so long lines scroll instead of wrapping.
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabStopDistance(logicalDpiX() / 2.0);  // tab stops every half inch
    connect(document(), &QTextDocument::contentsChange, this, [this] {
        if (!applying_) ++revision_;
    });
}

void CodePane::setCrLfText(const QString& crLf) { setPlainText(CrLfText::toDocument(crLf)); }

void CodePane::setCrLfText(const std::string& crLfUtf8) {
    setCrLfText(QString::fromStdString(crLfUtf8));
}

QString CodePane::crLfText() const { return CrLfText::fromDocument(document()->toRawText()); }

std::string CodePane::crLfTextUtf8() const { return crLfText().toStdString(); }

void CodePane::selectCrLf(int start, int length) {
    const CrLfText map(document()->toRawText());
    const int last = document()->characterCount() - 1;
    QTextCursor cursor(document());
    cursor.setPosition(std::clamp(map.positionToDocument(start), 0, last));
    cursor.setPosition(std::clamp(map.positionToDocument(start + length), 0, last),
                       QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

int CodePane::crLfSelectionStart() const {
    const CrLfText map(document()->toRawText());
    return map.positionFromDocument(textCursor().selectionStart());
}

int CodePane::crLfSelectionLength() const {
    const CrLfText map(document()->toRawText());
    const QTextCursor cursor = textCursor();
    return map.positionFromDocument(cursor.selectionEnd()) -
           map.positionFromDocument(cursor.selectionStart());
}

void CodePane::moveCaretToStart() {
    QTextCursor cursor(document());
    cursor.setPosition(0);
    setTextCursor(cursor);
}

bool CodePane::applyColorRanges(const std::vector<ColorRange>& ranges) {
    return applyColorRanges(ranges, CrLfText(document()->toRawText()));
}

bool CodePane::applyColorRanges(const std::vector<ColorRange>& ranges, const CrLfText& map,
                                PeriodicPump* pump) {
    constexpr std::size_t kSlice = 256;
    const int last = document()->characterCount() - 1;
    std::map<std::int32_t, QTextCharFormat> formats;
    QPointer<CodePane> alive(this);
    const bool wasReadOnly = isReadOnly();
    const bool hadUndo = document()->isUndoRedoEnabled();
    const quint64 revision = revision_;
    setReadOnly(true);
    // Undo steps for every token would cost more memory than the text; colouring is not undone.
    document()->setUndoRedoEnabled(false);

    QTextCursor cursor(document());
    bool complete = true;
    for (std::size_t from = 0; from < ranges.size(); from += kSlice) {
        applying_ = true;
        cursor.beginEditBlock();
        for (std::size_t k = from; k < std::min(ranges.size(), from + kSlice); ++k) {
            const ColorRange& r = ranges[k];
            const int start = std::clamp(map.positionToDocument(r.start), 0, last);
            const int end = std::clamp(map.positionToDocument(r.start + r.length), 0, last);
            if (end <= start) continue;
            auto [format, added] = formats.try_emplace(r.color);
            if (added) format->second.setForeground(ColorFromBgr(r.color));
            cursor.setPosition(start);
            cursor.setPosition(end, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(format->second);
        }
        cursor.endEditBlock();
        applying_ = false;
        if (pump != nullptr && pump->tick()) {
            if (!alive) return false;
            if (revision_ != revision) {
                complete = false;
                break;
            }
        }
    }
    document()->setUndoRedoEnabled(hadUndo);
    setReadOnly(wasReadOnly);
    return complete;
}

QTextCharFormat CodePane::formatAtDocument(int docPos) const {
    const QTextBlock block = document()->findBlock(docPos);
    if (!block.isValid()) return {};
    // A line end belongs to its block but its format is kept as the next block's char format.
    if (docPos == block.position() + block.length() - 1) return block.next().charFormat();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (docPos >= fragment.position() && docPos < fragment.position() + fragment.length()) {
            return fragment.charFormat();
        }
    }
    return block.charFormat();
}

QColor CodePane::colorAt(int crLfPos) const {
    const CrLfText map(document()->toRawText());
    const QTextCharFormat format = formatAtDocument(map.positionToDocument(crLfPos));
    if (format.hasProperty(QTextFormat::ForegroundBrush)) return format.foreground().color();
    return palette().color(QPalette::Text);
}

void CodePane::setPaneFont(const FontSpec& font) { setFont(ToQFont(font)); }

FontSpec CodePane::paneFont() const { return ToFontSpec(font()); }

void CodePane::setBackgroundBgr(std::int32_t bgr) {
    const QColor color = ColorFromBgr(bgr);
    if (!color.isValid()) return;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, color);
    setPalette(pal);
}

std::int32_t CodePane::backgroundBgr() const { return ColorToBgr(palette().color(QPalette::Base)); }

}  // namespace orvane
