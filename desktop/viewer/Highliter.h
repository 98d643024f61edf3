#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/ColorRange.h"
#include "viewer/HighlightScanner.h"

namespace orvane {

class CodePane;

// Colours comments, string literals and listed words of a pane's text by screen. The text
// itself never changes; the caret ends at the start with nothing selected. The pane finds the
// colours as it shows the text, so a call returns at once however long the text is.
class Highliter {
  public:
    void HighlightJava(CodePane& rtf) const;
    void HighlightSQL(CodePane& rtf) const;
    void HighlightVB(CodePane& rtf) const;
    void HighlightCSharp(CodePane& rtf) const;
    // scr is a ScreenIDs value; one outside 0..8 does nothing.
    void HighlightByType(CodePane& rtf, int scr) const;

    // The scan itself, free of any window: the coloured ranges of a CR LF text.
    static std::vector<ColorRange> HighlightWords(std::string_view text,
                                                  const HighlightProfile& profile);
    // The element names of an XML text as a word list ("*" + name + "*" ...), each once.
    static std::string CollectTagNames(std::string_view text);
    // The profile of a screen; the XML data profile takes its words from the text.
    static std::optional<HighlightProfile> ProfileForScreen(int scr, std::string_view text);

    static HighlightProfile JavaProfile();
    static HighlightProfile SqlProfile();
    static HighlightProfile VbProfile();
    static HighlightProfile CSharpProfile();
    static HighlightProfile SchemaProfile();
    static HighlightProfile DtdProfile();
    static HighlightProfile XmlDataProfile(std::string_view text);
};

}  // namespace orvane
