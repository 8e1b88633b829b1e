#include "app/frmFonts.h"
#include "platform/fontresolver.h"
#include "platform/qtfonts.h"
#include "platform/qtprinter.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantreel"));
    vantreel::useListedDefaultFont();

    vantreel::QtScreenFonts screen;
    vantreel::QtPrinter printer;
    vantreel::QtMessageBoxes messages;
    vantreel::ExitAtOnce programEnd;
    vantreel::frmFonts window({screen, printer, messages, programEnd});
    window.show();
    return QApplication::exec();
}
