#pragma once

#include "platform/fontsource.h"

namespace vantreel {

// The screen's fonts: the families of Qt's font database.
class QtScreenFonts : public FontSource {
public:
    int FontCount() override;
    QString Fonts(int i) override;
};

} // namespace vantreel
