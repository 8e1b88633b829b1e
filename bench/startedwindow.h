#pragma once

#include "app/frmFonts.h"
#include "platform/fontresolver.h"

#include <QCoreApplication>

#include <memory>

namespace vantreel::bench {

/// The program's window as it starts: the listed default font, shown, its start-up run and painted.
inline std::unique_ptr<frmFonts> startedWindow(const frmFonts::Outside& outside)
{
    useListedDefaultFont();
    auto window = std::make_unique<frmFonts>(outside);
    window->show();
    while (!window->startedUp())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return window;
}

} // namespace vantreel::bench
