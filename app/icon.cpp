#include "app/icon.h"

#include <QPixmap>

namespace vantreel {

namespace {
#include "app/vantreel.xpm"
} // namespace

QIcon vantreelIcon()
{
    return QIcon(QPixmap(vantreel_xpm));
}

} // namespace vantreel
