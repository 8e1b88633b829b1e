#pragma once

#include <QtGlobal>

namespace vantreel {

// Places on the window and the printer are given in twips: 1440 to the inch.
constexpr double twipsPerInch = 1440.0;

inline int twipsToPixels(double twips, double dotsPerInch)
{
    return qRound(twips * dotsPerInch / twipsPerInch);
}

inline double pixelsToTwips(double pixels, double dotsPerInch)
{
    return pixels * twipsPerInch / dotsPerInch;
}

} // namespace vantreel
