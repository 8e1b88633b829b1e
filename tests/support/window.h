#pragma once

#include "app/frmFonts.h"
#include "tests/support/fakes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <memory>

namespace vantreel::testing {

// The real window on fed fonts, a recording printer and scripted message boxes.
struct WindowFixture {
    FedFonts screen;
    RecordingPrinter printer;
    ScriptedMessageBoxes messages;
    RecordingProgramEnd programEnd;
    std::unique_ptr<frmFonts> window;

    WindowFixture(QStringList screenFonts, QStringList printerFonts)
        : screen(std::move(screenFonts))
    {
        printer.fonts = std::move(printerFonts);
    }

    /// Creates the window, shows it and lets its start-up run.
    frmFonts& start()
    {
        window = std::make_unique<frmFonts>(frmFonts::Outside{screen, printer, messages, programEnd});
        window->show();
        QElapsedTimer waited;
        waited.start();
        while (!window->startedUp() && waited.elapsed() < 5000)
            QCoreApplication::processEvents();
        printer.calls.clear();
        return *window;
    }

    /// The names of a list, in list order.
    static QStringList entries(const SortedList& list)
    {
        QStringList names;
        for (int i = 0; i < list.ListCount(); ++i)
            names.append(list.List(i));
        return names;
    }
};

} // namespace vantreel::testing
