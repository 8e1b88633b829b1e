// The program's own start-up, as app/main.cpp runs it, with a probe that reports the first
// paint once both lists are filled and both samples show their first font. The printer writes
// PDF files so that both lists fill without a print system (nothing is printed), or, with the
// argument "default-printer", is the print system's default printer as in the program.

#include "app/frmFonts.h"
#include "bench/measure.h"
#include "platform/fontresolver.h"
#include "platform/qtfonts.h"
#include "platform/qtprinter.h"

#include <QApplication>
#include <QDir>
#include <QLabel>

int main(int argc, char* argv[])
{
    using namespace vantreel;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantreel"));
    useListedDefaultFont();

    QtScreenFonts screen;
    const bool defaultPrinter = argc > 1 && QByteArray(argv[1]) == "default-printer";
    auto printer = defaultPrinter
                       ? std::make_unique<QtPrinter>()
                       : QtPrinter::toPdfFiles(QDir::tempPath() + QStringLiteral("/vantreel-bench-unused-%1.pdf"));
    QtMessageBoxes messages;
    ExitAtOnce programEnd;
    frmFonts window({screen, *printer, messages, programEnd});

    const auto shown = [&] {
        return window.startedUp() && window.cboFontsScreen.ListIndex() == 0 && window.cboFontsPrinter.ListIndex() == 0
               && window.lblSample.FontName() == window.cboFontsScreen.List(0)
               && window.lblPrinterFonts.FontName() == window.cboFontsPrinter.List(0);
    };
    bench::FirstPaint probe({window.lblSample.widget(), window.lblPrinterFonts.widget()}, shown,
                            [&] { bench::reportStartUpAndExit(window.cboFontsScreen.ListCount()); });
    window.show();
    return QApplication::exec();
}
