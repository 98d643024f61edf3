#pragma once

#include <QString>
#include <QStringView>
#include <chrono>
#include <optional>
#include <vector>

#include "viewer/ColorRange.h"
#include "viewer/HighlightScanner.h"

namespace orvane {

class CodePane;

// Colours comments, string literals and listed words of a pane's text by screen. The text
// itself never changes; the caret ends at the start with nothing selected.
class Highliter {
  public:
    // While a pane is coloured, window events are let through at least this often.
    explicit Highliter(std::chrono::milliseconds pauseEvery = std::chrono::milliseconds(25))
        : pauseEvery_(pauseEvery) {}

    void HighlightJava(CodePane& rtf) const;
    void HighlightSQL(CodePane& rtf) const;
    void HighlightVB(CodePane& rtf) const;
    void HighlightCSharp(CodePane& rtf) const;
    // scr is a ScreenIDs value; one outside 0..8 does nothing.
    void HighlightByType(CodePane& rtf, int scr) const;

    // The scan itself, free of any window: the coloured ranges of a CR LF text.
    static std::vector<ColorRange> HighlightWords(QStringView text,
                                                  const HighlightProfile& profile);
    // The element names of an XML text as a word list ("*" + name + "*" ...).
    static QString CollectTagNames(QStringView text);
    // The profile of a screen; the XML data profile takes its words from the text.
    static std::optional<HighlightProfile> ProfileForScreen(int scr, QStringView text);

    static HighlightProfile JavaProfile();
    static HighlightProfile SqlProfile();
    static HighlightProfile VbProfile();
    static HighlightProfile CSharpProfile();
    static HighlightProfile SchemaProfile();
    static HighlightProfile DtdProfile();
    static HighlightProfile XmlDataProfile(QStringView text);

  private:
    // Reads the pane's text once, scans it and colours the pane, letting window events run.
    void Highlight(CodePane& rtf, int scr) const;

    std::chrono::milliseconds pauseEvery_;
};

}  // namespace orvane
