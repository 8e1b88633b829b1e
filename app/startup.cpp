// Start-up, the counts message and the exit.

#include "app/frmFonts.h"

#include "platform/failure.h"

namespace vantreel {

namespace {

// A number as the counts message writes it: its sign place (a blank when not negative), then the digits.
QString withSignPlace(int number)
{
    return (number < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(qAbs(number));
}

void fillList(SortedList& list, FontSource& fonts, std::int16_t count)
{
    std::int16_t bound = -1;
    resumeNext([&] { bound = toInt16(count - 1); });
    for (std::int16_t i = 0; i <= bound; ++i)
        resumeNext([&] { list.AddItem(fonts.Fonts(i)); });
}

} // namespace

// Resume-next: every step is guarded by itself and a failed step is skipped without a message.
void frmFonts::Form_Activate()
{
    resumeNext([&] { ScreenFontCount = toInt16(outside_.screen.FontCount()); });
    resumeNext([&] { PrinterFontCount = toInt16(outside_.printer.FontCount()); });
    fillList(cboFontsScreen, outside_.screen, ScreenFontCount);
    fillList(cboFontsPrinter, outside_.printer, PrinterFontCount);
    resumeNext([&] { cboFontsScreen.setListIndex(0); });
    resumeNext([&] { lblSample.setFontName(cboFontsScreen.Text()); });
    resumeNext([&] { cboFontsPrinter.setListIndex(0); });
    resumeNext([&] { lblPrinterFonts.setFontName(cboFontsPrinter.Text()); });
    resumeNext([&] { txtStartFont.setText(QString()); });
}

void frmFonts::cmdNumberOfFonts_Click()
{
    outside_.messages.show(QStringLiteral("Number Of Screen Fonts ") + withSignPlace(ScreenFontCount), Buttons::OkOnly);
    outside_.messages.show(QStringLiteral("Number Of Printer Fonts ") + withSignPlace(PrinterFontCount), Buttons::OkOnly);
}

void frmFonts::cmdExit_Click()
{
    outside_.programEnd.endNow();
}

} // namespace vantreel
