#include "viewer/CodePane.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMimeData>
#include <QPalette>
#include <cmath>

#include "viewer/CrLfText.h"
#include "viewer/IncrementalColouring.h"
#include "viewer/StyleConvert.h"

namespace orvane {

namespace {
using Clock = std::chrono::steady_clock;
// Scanning this much takes about a millisecond.
constexpr std::size_t kColourStep = 64 * 1024;
// Time for colouring what is about to be painted; the rest is left to the background steps.
constexpr std::chrono::milliseconds kPaintBudget(10);
// One background step, after which the window's events run again.
constexpr std::chrono::milliseconds kBackgroundBudget(6);
constexpr double kDefaultPoints = 10.0;
// A longer text goes into the editor in pieces of this size, one per turn of the event loop.
constexpr std::size_t kLoadStep = 1024 * 1024;
// The changes the colouring follows.
constexpr unsigned long kEditEvents =
    QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT;
}  // namespace

CodePane::CodePane(QWidget* parent) : QsciScintillaBase(parent) {
    send(SCI_SETCODEPAGE, SC_CP_UTF8);
    send(SCI_SETEOLMODE, SC_EOL_CRLF);
    send(SCI_SETLEXER, SCLEX_CONTAINER);
    send(SCI_SETMODEVENTMASK, kEditEvents);
    for (unsigned long margin = 0; margin < 5; ++margin) send(SCI_SETMARGINWIDTHN, margin, 0);
    // Generated code is read line by line, so long lines scroll instead of wrapping.
    send(SCI_SETWRAPMODE, SC_WRAP_NONE);
    send(SCI_SETSCROLLWIDTH, 1);
    send(SCI_SETSCROLLWIDTHTRACKING, 1);
    send(SCI_SETLAYOUTCACHE, SC_CACHE_PAGE);
    send(SCI_SETPRINTCOLOURMODE, SC_PRINT_COLOURONWHITE);
    plainColor_ = ColorToBgr(palette().color(QPalette::Text));
    applyStyles();

    backgroundTimer_.setInterval(0);
    connect(&backgroundTimer_, &QTimer::timeout, this, &CodePane::backgroundStep);
    connect(this, &QsciScintillaBase::SCN_STYLENEEDED, this, &CodePane::onStyleNeeded);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int, const char*, int, int, int, int, int, int, int) {
                if (!colouring_) return;
                colouring_->textChangedAt(static_cast<std::size_t>(position));
                backgroundTimer_.start();
            });
}

CodePane::~CodePane() = default;

long CodePane::send(unsigned int message, unsigned long wParam, long lParam) const {
    return SendScintilla(message, wParam, lParam);
}

std::size_t CodePane::length() const { return static_cast<std::size_t>(send(SCI_GETLENGTH)); }

std::string_view CodePane::crLfTextView() const {
    finishLoading();
    const auto* text = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return text == nullptr ? std::string_view() : std::string_view(text, length());
}

void CodePane::setCrLfText(std::string_view utf8) { setCrLfText(std::string(utf8)); }

void CodePane::setCrLfText(std::string&& utf8) {
    colouring_.reset();
    send(SCI_SETREADONLY, 0);
    // An undo step holding the whole text would double its memory, and the notice of the
    // insertion would pass all of it through a QString for accessibility tools.
    send(SCI_SETUNDOCOLLECTION, 0);
    send(SCI_SETMODEVENTMASK, 0);
    send(SCI_CLEARALL);
    if (utf8.size() > kLoadStep) send(SCI_ALLOCATE, utf8.size() + 1);
    pending_ = std::move(utf8);
    pendingFrom_ = 0;
    // The first piece shows at once; the rest follows while the window goes on working.
    loadStep();
    if (!pending_.empty()) backgroundTimer_.start();
    moveCaretToStart();
}

void CodePane::loadStep() const {
    const std::size_t size = std::min(kLoadStep, pending_.size() - pendingFrom_);
    send(SCI_SETREADONLY, 0);
    SendScintilla(SCI_APPENDTEXT, size, pending_.data() + pendingFrom_);
    send(SCI_SETREADONLY, 1);
    pendingFrom_ += size;
    if (pendingFrom_ < pending_.size()) return;
    pending_.clear();
    pending_.shrink_to_fit();
    pendingFrom_ = 0;
    loaded();
}

void CodePane::finishLoading() const {
    while (!pending_.empty()) loadStep();
}

void CodePane::loaded() const {
    send(SCI_SETMODEVENTMASK, kEditEvents);
    send(SCI_EMPTYUNDOBUFFER);
    send(SCI_SETUNDOCOLLECTION, 1);
    send(SCI_SETSAVEPOINT);
    send(SCI_SETREADONLY, 0);
    // New text has the plain style throughout; with a profile it is coloured as it is shown.
    send(SCI_STARTSTYLING, colouring_ ? 0 : length());
}

void CodePane::setCrLfText(const QString& text) { setCrLfText(text.toUtf8().toStdString()); }

QString CodePane::crLfText() const {
    const std::string_view text = crLfTextView();
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string CodePane::crLfTextUtf8() const { return std::string(crLfTextView()); }

std::size_t CodePane::toBytes(int crLfPos) const {
    if (crLfPos <= 0) return 0;
    const long pos = send(SCI_POSITIONRELATIVECODEUNITS, 0, crLfPos);
    // Past the end the answer is 0.
    return pos > 0 ? static_cast<std::size_t>(pos) : length();
}

int CodePane::fromBytes(std::size_t bytePos) const {
    return static_cast<int>(send(SCI_COUNTCODEUNITS, 0, static_cast<long>(bytePos)));
}

void CodePane::selectCrLf(int start, int length) {
    finishLoading();
    send(SCI_SETSEL, toBytes(start), static_cast<long>(toBytes(start + length)));
}

int CodePane::crLfSelectionStart() const {
    finishLoading();
    return fromBytes(static_cast<std::size_t>(send(SCI_GETSELECTIONSTART)));
}

int CodePane::crLfSelectionLength() const {
    return fromBytes(static_cast<std::size_t>(send(SCI_GETSELECTIONEND))) - crLfSelectionStart();
}

void CodePane::moveCaretToStart() { send(SCI_GOTOPOS, 0); }

void CodePane::setHighlightProfile(
    std::function<HighlightProfile(std::string_view text)> profileOf) {
    colouring_ = std::make_unique<IncrementalColouring>(std::move(profileOf));
    // Whatever is painted next asks for its colours.
    send(SCI_STARTSTYLING, 0);
    backgroundTimer_.start();
    viewport()->update();
}

bool CodePane::isFullyColoured() const {
    return pending_.empty() && (!colouring_ || colouring_->colouredTo() >= length());
}

void CodePane::colourFor(std::size_t upTo, std::chrono::milliseconds budget) {
    // A scan of part of the text could find a literal's end wrongly missing.
    if (!colouring_ || !pending_.empty()) return;
    const auto deadline = Clock::now() + budget;
    upTo = std::min(upTo, length());
    while (colouring_->colouredTo() < upTo) {
        const std::size_t step = std::min(upTo, colouring_->colouredTo() + kColourStep);
        const std::size_t from = colouring_->colour(crLfTextView(), step, styleBuffer_);
        if (!styleBuffer_.empty()) {
            send(SCI_STARTSTYLING, from);
            SendScintilla(SCI_SETSTYLINGEX, styleBuffer_.size(),
                          reinterpret_cast<const char*>(styleBuffer_.data()));
        }
        if (Clock::now() >= deadline) break;
    }
}

void CodePane::colourAll() {
    finishLoading();
    colourFor(length(), std::chrono::hours(1));
}

void CodePane::backgroundStep() {
    if (!pending_.empty()) {
        loadStep();
        return;
    }
    if (isVisible() && colouring_) {
        if (!colouring_->prepared()) {
            // Making a profile may read the whole text: a step of its own.
            colouring_->prepare(crLfTextView());
            return;
        }
        colourFor(length(), kBackgroundBudget);
    }
    if (!isVisible() || isFullyColoured()) backgroundTimer_.stop();
}

void CodePane::onStyleNeeded(int position) {
    if (!colouring_) {
        // Plain text keeps the style it was inserted with.
        send(SCI_STARTSTYLING, position);
        return;
    }
    // Before its profile is made the text shows plain for a moment; a paint waits for neither.
    if (colouring_->prepared()) colourFor(static_cast<std::size_t>(position), kPaintBudget);
    if (!isFullyColoured()) backgroundTimer_.start();
}

void CodePane::showEvent(QShowEvent* event) {
    QsciScintillaBase::showEvent(event);
    if (!isFullyColoured()) backgroundTimer_.start();
}

unsigned char CodePane::StyleOf(std::int32_t color) { return IncrementalColouring::StyleOf(color); }

QColor CodePane::colorAt(int crLfPos) {
    finishLoading();
    const std::size_t pos = toBytes(crLfPos);
    colourFor(pos + 1, std::chrono::hours(1));
    const auto style = static_cast<std::size_t>(send(SCI_GETSTYLEAT, pos));
    const auto& colors = HighlightScanner::kColors;
    return ColorFromBgr(style >= 1 && style <= colors.size() ? colors[style - 1] : plainColor_);
}

std::vector<unsigned char> CodePane::styles() {
    colourAll();
    const std::size_t n = length();
    // Character and style bytes alternate, followed by two NULs.
    std::vector<char> styled(2 * n + 2);
    SendScintilla(SCI_GETSTYLEDTEXT, 0L, static_cast<long>(n), styled.data());
    std::vector<unsigned char> result(n);
    for (std::size_t i = 0; i < n; ++i) result[i] = static_cast<unsigned char>(styled[2 * i + 1]);
    return result;
}

void CodePane::applyStyles() {
    const QString family = font_.name.empty()
                               ? QFontDatabase::systemFont(QFontDatabase::FixedFont).family()
                               : QString::fromStdString(font_.name);
    const double points = font_.size > 0.0 ? font_.size : kDefaultPoints;
    SendScintilla(SCI_STYLESETFONT, STYLE_DEFAULT, family.toUtf8().constData());
    send(SCI_STYLESETSIZEFRACTIONAL, STYLE_DEFAULT, std::lround(points * 100));
    send(SCI_STYLESETWEIGHT, STYLE_DEFAULT, font_.bold ? 700 : 400);
    send(SCI_STYLESETITALIC, STYLE_DEFAULT, font_.italic);
    send(SCI_STYLESETUNDERLINE, STYLE_DEFAULT, font_.underline);
    send(SCI_STYLESETFORE, STYLE_DEFAULT, plainColor_);
    send(SCI_STYLESETBACK, STYLE_DEFAULT, background_);
    send(SCI_STYLECLEARALL);
    const auto& colors = HighlightScanner::kColors;
    for (std::size_t k = 0; k < colors.size(); ++k) send(SCI_STYLESETFORE, k + 1, colors[k]);
    // Tab stops every half inch, as far as whole blanks allow.
    const long blank = SendScintilla(SCI_TEXTWIDTH, STYLE_DEFAULT, " ");
    if (blank > 0) send(SCI_SETTABWIDTH, std::max(1L, std::lround(logicalDpiX() / 2.0 / blank)));
}

void CodePane::setPaneFont(const FontSpec& font) {
    font_ = font;
    applyStyles();
}

void CodePane::setBackgroundBgr(std::int32_t bgr) {
    if (!ColorFromBgr(bgr).isValid()) return;
    background_ = bgr;
    applyStyles();
}

bool CodePane::isReadOnly() const { return send(SCI_GETREADONLY) != 0; }

bool CodePane::overwriteMode() const { return send(SCI_GETOVERTYPE) != 0; }

void CodePane::keyPressEvent(QKeyEvent* event) {
    const bool overwrite = overwriteMode();
    QsciScintillaBase::keyPressEvent(event);
    if (overwriteMode() != overwrite) emit overwriteModeChanged(!overwrite);
}

QByteArray CodePane::fromMimeData(const QMimeData* source, bool& rectangular) const {
    // Dropped text too, not only pasted text, gets the pane's line ends.
    const QByteArray text = QsciScintillaBase::fromMimeData(source, rectangular);
    return CrLfText::ToCrLf(QString::fromUtf8(text)).toUtf8();
}

QMimeData* CodePane::toMimeData(const QByteArray& text, bool rectangular) const {
    QMimeData* data = QsciScintillaBase::toMimeData(text, rectangular);
    data->setText(CrLfText::ToLf(data->text()));
    return data;
}

void CodePane::copy() {
    finishLoading();
    send(SCI_COPY);
}

void CodePane::cut() {
    finishLoading();
    send(SCI_CUT);
}

void CodePane::paste() {
    finishLoading();
    send(SCI_PASTE);
}

void CodePane::selectAll() {
    finishLoading();
    send(SCI_SELECTALL);
}

}  // namespace orvane
