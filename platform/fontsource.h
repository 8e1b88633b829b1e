#pragma once

#include <QString>

namespace vantreel {

// The fonts a device offers (the screen, or the default printer).
class FontSource {
public:
    virtual ~FontSource() = default;
    /// @return the number of fonts; throws PlatformError when the device cannot tell
    virtual int FontCount() = 0;
    /// @return the name of font i, 0 <= i < FontCount(); throws PlatformError when it cannot be read
    virtual QString Fonts(int i) = 0;
};

} // namespace vantreel
