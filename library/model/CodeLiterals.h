#pragma once

#include <string>

namespace orvane {

// Outside text as the inside of a string literal of a generated class. The result holds no
// character that ends the literal or the line, so it is safe in a line comment as well.

// Java: backslash, quote and control characters escaped ("\\u" then never starts an escape).
std::string JavaLiteral(const std::string& text);
// C#: the same, and the line separators C# ends a line at (U+0085, U+2028, U+2029).
std::string CSharpLiteral(const std::string& text);
// VB6 and VB.NET: quotes doubled; control characters (Chr), the line separators and the
// typographic quotes VB.NET reads as quotes (ChrW) are concatenated.
std::string VbLiteral(const std::string& text);

}  // namespace orvane
