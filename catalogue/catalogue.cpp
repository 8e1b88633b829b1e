// The catalogue loop: one entry per printer font of the range, a new page when a page is
// full, a new document after every tenth page, then the first printer font selected again.

#include "catalogue/catalogue.h"

#include "app/frmFonts.h"
#include "platform/failure.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace vantreel {

namespace {

constexpr qint64 sampleFrameMs = 40;

// A run can take minutes: the pointer shows the program busy while it lasts.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { release(); }
    void release()
    {
        if (active_)
            QApplication::restoreOverrideCursor();
        active_ = false;
    }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    bool active_ = true;
};

void setPlainFont(Printer& printer, float points)
{
    resumeNext([&] { printer.setFontSize(points); });
    resumeNext([&] { printer.setFontBold(false); });
    resumeNext([&] { printer.setFontItalic(false); });
    resumeNext([&] { printer.setFontUnderline(false); });
}

// Ends a full page: the tenth page of a document ends the document, any other begins the next page.
void endFullPage(Printer& printer)
{
    if (testOrTrue([&] { return printer.Page() > pagesPerDocument - 1; }))
        resumeNext([&] { printer.EndDoc(); });
    else
        resumeNext([&] { printer.NewPage(); });
}

// The height of an entry: its name line in Arial (the current font) and its sample line in
// its own font, one above the other in Huge and side by side otherwise.
float entryHeight(Printer& printer, const CatalogueLayout& layout, const QString& sampleFont)
{
    const float nameLine = printer.TextHeight();
    float sampleLine = nameLine;
    resumeNext([&] { printer.setFontName(sampleFont); });
    resumeNext([&] { sampleLine = printer.TextHeight(); });
    resumeNext([&] { printer.setFontName(catalogueTextFont); });
    return layout.nameEndsLine ? nameLine + sampleLine : std::max(nameLine, sampleLine);
}

// The page-full test looks only at the place after an entry, so an entry taller than the
// room left (every Huge entry is taller than its margin) could run below the printable area
// and be lost. An entry that would not fit on a page already begun therefore ends that page
// first, as the page-full test would.
void keepEntryWhole(Printer& printer, const CatalogueLayout& layout, const QString& sampleFont)
{
    bool overflows = false;
    resumeNext([&] {
        const float top = printer.CurrentY();
        const float height = entryHeight(printer, layout, sampleFont);
        overflows = top > 0 && top + height > printer.ScaleHeight();
    });
    if (overflows)
        endFullPage(printer);
}

// The first n characters of a font name. A character is what the reader sees as one: a letter
// outside the Basic Multilingual Plane (two UTF-16 units) or a letter with its own marks is
// printed whole or not at all, never split into a broken half.
QString firstCharacters(const QString& name, int n)
{
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, name);
    qsizetype end = 0;
    for (int i = 0; i < n && end < name.size(); ++i)
        end = characters.toNextBoundary();
    return end < 0 ? name : name.left(end);
}

} // namespace

// The print size is read for every entry: Small, else Large, else Huge; none checked gives null.
const CatalogueLayout* frmFonts::chosenLayout()
{
    if (testOrTrue([&] { return chkPrintSmall.Value() != CheckBox::Unchecked; }))
        return &smallLayout;
    if (testOrTrue([&] { return chkPrintLarge.Value() != CheckBox::Unchecked; }))
        return &largeLayout;
    if (testOrTrue([&] { return chkPrintHuge.Value() != CheckBox::Unchecked; }))
        return &hugeLayout;
    return nullptr;
}

void frmFonts::printCatalogue(std::int16_t StartPosition, std::int16_t EndPosition)
{
    Printer& printer = outside_.printer;
    BusyPointer busy;
    QElapsedTimer sinceDrawn;
    for (int PrintPosition = StartPosition; PrintPosition <= EndPosition; ++PrintPosition) {
        resumeNext([&] { printer.setFontName(catalogueTextFont); });
        const CatalogueLayout* layout = chosenLayout();
        if (!layout) {
            busy.release();
            resumeNext([&] {
                outside_.messages.show(QStringLiteral("First Select A Print Size!"), Buttons::OkOnly,
                                       QStringLiteral("ERROR!"));
            });
            return;
        }
        printEntry(*layout, PrintPosition, sinceDrawn);
        if (testOrTrue([&] {
                const float height = printer.ScaleHeight();
                return printer.CurrentY() > height - layout->bottomMargin;
            }))
            endFullPage(printer);
    }
    resumeNext([&] { printer.EndDoc(); });
    resumeNext([&] { cboFontsPrinter.setListIndex(0); });
    resumeNext([&] { lblPrinterFonts.setFontSize(lblSample.FontSize()); });
}

// One entry: running number and name in Arial, then the sample in the entry's own font.
void frmFonts::printEntry(const CatalogueLayout& layout, int PrintPosition, QElapsedTimer& sinceDrawn)
{
    Printer& printer = outside_.printer;
    setPlainFont(printer, layout.points);
    keepEntryWhole(printer, layout, cboFontsPrinter.List(PrintPosition));
    resumeNext([&] { printer.printNumber(toInt16(PrintPosition + 1), false); });
    resumeNext([&] { printer.setCurrentX(layout.nameX); });
    resumeNext([&] { cboFontsPrinter.setListIndex(PrintPosition); });
    // Shows the printer sample in the font being printed; no input is handled meanwhile.
    // Drawn at most once a screen frame: drawing every entry would load each font a
    // second time, for the screen, and nearly halve the pace of a run.
    if (!sinceDrawn.isValid() || sinceDrawn.elapsed() >= sampleFrameMs) {
        lblPrinterFonts.widget()->repaint();
        sinceDrawn.start();
    }
    QString fontName;
    resumeNext([&] { fontName = cboFontsPrinter.Text(); });
    resumeNext([&] { printer.printText(firstCharacters(fontName, layout.nameCut), layout.nameEndsLine); });
    resumeNext([&] { printer.setFontName(cboFontsPrinter.Text()); });
    setPlainFont(printer, layout.points);
    resumeNext([&] { printer.setCurrentX(layout.sampleX); });
    resumeNext([&] { printer.printText(QString::fromLatin1(layout.sample), true); });
}

} // namespace vantreel
