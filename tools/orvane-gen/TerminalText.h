#pragma once

#include <string>

namespace orvane::gen {

// Outside text as orvane-gen prints it: control characters, DEL and bytes that are no UTF-8
// as \xHH, the C1 controls as \uHHHH, so no name can move the cursor, recolour or clear the
// terminal or fake a line of its own. With keepLineBreaks "\n" stays (messages of several
// lines); names keep nothing.
std::string TerminalText(const std::string& text, bool keepLineBreaks = false);

}  // namespace orvane::gen
