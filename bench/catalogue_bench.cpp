// The catalogue at scale: every printer font of the set printed in one print size straight
// into PDF files through the program's printer, against the floor of a bare QPainter loop
// that draws the same items in the same fonts into the same kind of printer.
//
//     vantreel_bench_catalogue program|floor small|large|huge OUTPUT_FOLDER

#include "app/frmFonts.h"
#include "bench/measure.h"
#include "bench/startedwindow.h"
#include "catalogue/catalogue.h"
#include "platform/qtfonts.h"
#include "platform/qtprinter.h"
#include "platform/sortedlist.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

using vantreel::CatalogueLayout;

double toDevice(double twips, const QPrinter& printer)
{
    return twips * printer.resolution() / 1440.0;
}

// Every item of every entry, drawn with nothing around it.
int floorRun(const CatalogueLayout& layout, const QString& folder)
{
    QStringList fonts;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isScalable(family))
            fonts.append(family);
    }
    std::sort(fonts.begin(), fonts.end(), vantreel::SortedList::collatesBefore);

    QFont text(QStringLiteral("Liberation Sans"));
    text.setPointSizeF(layout.points);
    int document = 0;
    int page = 0;
    std::unique_ptr<QPrinter> printer;
    QPainter painter;
    double y = 0;
    double height = 0;
    for (int i = 0; i < fonts.size(); ++i) {
        if (!printer) {
            printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(folder + QStringLiteral("/floor-%1.pdf").arg(++document));
            printer->setFullPage(false);
            painter.begin(printer.get());
            painter.setFont(text);
            height = printer->pageLayout().paintRectPixels(printer->resolution()).height();
            page = 1;
            y = 0;
        }
        QFont sample(fonts.at(i));
        sample.setPointSizeF(layout.points);
        sample.setStyleStrategy(QFont::NoFontMerging);
        const QFontMetricsF textMetrics(text, printer.get());
        const QFontMetricsF sampleMetrics(sample, printer.get());
        painter.setFont(text);
        const QString number = QStringLiteral(" %1 ").arg(i + 1);
        painter.drawText(QPointF(0, y + textMetrics.ascent()), number);
        painter.drawText(QPointF(toDevice(layout.nameX, *printer), y + textMetrics.ascent()), fonts.at(i).left(layout.nameCut));
        if (layout.nameEndsLine)
            y += textMetrics.lineSpacing();
        painter.setFont(sample);
        painter.drawText(QPointF(toDevice(layout.sampleX, *printer), y + sampleMetrics.ascent()), QString::fromLatin1(layout.sample));
        y += sampleMetrics.lineSpacing();
        if (y > height - toDevice(layout.bottomMargin, *printer)) {
            if (page == vantreel::pagesPerDocument) {
                painter.end();
                printer.reset();
            } else {
                printer->newPage();
                ++page;
                y = 0;
            }
        }
    }
    if (painter.isActive())
        painter.end();
    return static_cast<int>(fonts.size());
}

int programRun(const char* size, const QString& folder, vantreel::Printer& printer, vantreel::frmFonts& window)
{
    using vantreel::CheckBox;
    CheckBox& box = std::strcmp(size, "huge") == 0    ? window.chkPrintHuge
                    : std::strcmp(size, "large") == 0 ? window.chkPrintLarge
                                                      : window.chkPrintSmall;
    box.setValue(CheckBox::Checked);
    (void)folder;
    (void)printer;
    window.cmdPrintFonts_Click();
    return window.cboFontsPrinter.ListCount();
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace vantreel;
    QApplication app(argc, argv);
    if (argc < 4)
        return 2;
    const bool floor = std::strcmp(argv[1], "floor") == 0;
    const char* size = argv[2];
    const QString folder = QString::fromLocal8Bit(argv[3]);
    const CatalogueLayout& layout = std::strcmp(size, "huge") == 0    ? hugeLayout
                                    : std::strcmp(size, "large") == 0 ? largeLayout
                                                                      : smallLayout;

    QtScreenFonts screen;
    auto printer = QtPrinter::toPdfFiles(folder + QStringLiteral("/program-%1.pdf"));
    bench::AlwaysOk messages;
    bench::NoEnd programEnd;
    std::unique_ptr<frmFonts> window;
    if (!floor) {
        window = bench::startedWindow(frmFonts::Outside{screen, *printer, messages, programEnd});
    }
    const long peakBefore = bench::peakKiB();
    const long long start = bench::monotonicNs();
    const int entries = floor ? floorRun(layout, folder) : programRun(size, folder, *printer, *window);
    const double seconds = static_cast<double>(bench::monotonicNs() - start) / 1e9;
    std::printf("entries=%d seconds=%.3f entries_per_s=%.1f peak_before_kib=%ld peak_kib=%ld\n", entries, seconds,
                entries / seconds, peakBefore, bench::peakKiB());
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}
