#pragma once

namespace orvane {

// Window measures of the system are given in twips (1440 to the inch); widgets work in pixels.
int TwipsToPixels(int twips, double dotsPerInch);
int PixelsToTwips(int pixels, double dotsPerInch);

}  // namespace orvane
