#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The number a settings text begins with: leading blanks skipped, then an optional sign, digits
// with at most one decimal point and an optional exponent. A text that does not begin with a
// number gives 0. Only a point is a decimal separator, whatever the locale.
double LeadingNumber(std::string_view text);

// A number as settings store it: plain decimal with a point, as short as reads back the same
// ("9", "10.5").
std::string DecimalText(double number);

}  // namespace orvane
