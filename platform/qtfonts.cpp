#include "platform/qtfonts.h"

#include "platform/failure.h"
#include "platform/fontresolver.h"

namespace vantreel {

int QtScreenFonts::FontCount()
{
    return static_cast<int>(installedFamilies().size());
}

QString QtScreenFonts::Fonts(int i)
{
    if (i < 0 || i >= installedFamilies().size())
        throw PlatformError("no screen font " + std::to_string(i));
    return installedFamilies().at(i);
}

} // namespace vantreel
