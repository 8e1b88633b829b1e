#pragma once

#include <QIcon>

namespace vantreel {

/// The window's icon: 32 x 32 pixels in 16 colours.
QIcon vantreelIcon();

} // namespace vantreel
