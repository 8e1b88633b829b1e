#include "platform/qtprinter.h"

#include "platform/failure.h"
#include "platform/fontresolver.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>

namespace vantreel {

namespace {

// A bitmap-only family cannot be set at the catalogue's sizes: the printer offers the scalable ones.
const QStringList& scalableFamilies()
{
    static const QStringList families = [] {
        QStringList scalable;
        for (const QString& family : installedFamilies()) {
            if (isScalableFamily(family))
                scalable.append(family);
        }
        return scalable;
    }();
    return families;
}

} // namespace

QtPrinter::QtPrinter() = default;

QtPrinter::QtPrinter(const QString& pdfPathPattern)
    : pdfPathPattern_(pdfPathPattern)
{
}

std::unique_ptr<QtPrinter> QtPrinter::toPdfFiles(const QString& pdfPathPattern)
{
    return std::unique_ptr<QtPrinter>(new QtPrinter(pdfPathPattern));
}

QtPrinter::~QtPrinter()
{
    if (painter_.isActive())
        painter_.end();
}

QString QtPrinter::defaultPrinterName() const
{
    if (!pdfPathPattern_.isEmpty())
        return pdfPathPattern_;
    // With no default printer Qt would quietly fall back to some other queue: refuse instead.
    const QString name = QPrinterInfo::defaultPrinterName();
    if (name.isEmpty())
        throw PlatformError("the print system has no default printer");
    return name;
}

std::unique_ptr<QPrinter> QtPrinter::makePrinter(int documentNumber) const
{
    const QString destination = defaultPrinterName();
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (pdfPathPattern_.isEmpty()) {
        printer->setOutputFormat(QPrinter::NativeFormat);
        printer->setPrinterName(destination);
        if (printer->printerName() != destination)
            throw PlatformError("the default printer cannot be opened");
    } else {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPathPattern_.arg(documentNumber));
    }
    printer->setFullPage(false);
    printer->setDocName(QStringLiteral("Vantreel font catalogue"));
    return printer;
}

// Asking the print system for its default printer takes milliseconds (a round trip to the
// scheduler), and the start-up reads the printer's fonts one by one: the answer is kept
// until control goes back to the event loop, so one handler asks once.
void QtPrinter::requireDefaultPrinter()
{
    if (!pdfPathPattern_.isEmpty())
        return;
    if (!defaultPrinterKnown_) {
        defaultPrinterFound_ = !QPrinterInfo::defaultPrinterName().isEmpty();
        defaultPrinterKnown_ = true;
        QTimer::singleShot(0, &answerExpiry_, [this] { defaultPrinterKnown_ = false; });
    }
    if (!defaultPrinterFound_)
        throw PlatformError("the print system has no default printer");
}

int QtPrinter::FontCount()
{
    requireDefaultPrinter();
    return static_cast<int>(scalableFamilies().size());
}

QString QtPrinter::Fonts(int i)
{
    requireDefaultPrinter();
    if (i < 0 || i >= scalableFamilies().size())
        throw PlatformError("no printer font " + std::to_string(i));
    return scalableFamilies().at(i);
}

void QtPrinter::setFontName(const QString& name)
{
    fontName_ = name;
    fontStale_ = true;
}

void QtPrinter::setFontSize(float points)
{
    if (!(points > 0))
        throw PlatformError("font size must be positive");
    fontSize_ = points;
    fontStale_ = true;
}

void QtPrinter::setFontBold(bool bold)
{
    bold_ = bold;
    fontStale_ = true;
}

void QtPrinter::setFontItalic(bool italic)
{
    italic_ = italic;
    fontStale_ = true;
}

void QtPrinter::setFontUnderline(bool underline)
{
    underline_ = underline;
    fontStale_ = true;
}

QtPrinter::FontSlot& QtPrinter::currentFont()
{
    if (fontStale_) {
        const auto holds = [this](const FontSlot& slot) {
            return slot.resolution != 0 && slot.name == fontName_ && slot.size == fontSize_ && slot.bold == bold_
                   && slot.italic == italic_ && slot.underline == underline_;
        };
        if (!holds(fonts_[currentSlot_])) {
            // the other slot holds the font, or is the older one and takes it
            currentSlot_ = 1 - currentSlot_;
        }
        if (!holds(fonts_[currentSlot_])) {
            FontSlot& slot = fonts_[currentSlot_];
            slot.name = fontName_;
            slot.size = fontSize_;
            slot.bold = bold_;
            slot.italic = italic_;
            slot.underline = underline_;
            slot.font = QFont(listedFamily(fontName_));
            slot.font.setPointSizeF(fontSize_);
            slot.font.setBold(bold_);
            slot.font.setItalic(italic_);
            slot.font.setUnderline(underline_);
            // A sample is set in its font and nothing else: no glyphs borrowed from other fonts.
            // Names are set in Arial and may hold characters it lacks: those may borrow.
            if (fontName_ != QLatin1String("Arial"))
                slot.font.setStyleStrategy(QFont::NoFontMerging);
            slot.metrics.reset();
            slot.resolution = -1; // built, metrics not yet taken
        }
        fontStale_ = false;
    }
    return fonts_[currentSlot_];
}

// Metrics on the printer's resolution; every printer of one kind has the same.
const QFontMetricsF& QtPrinter::currentMetrics()
{
    FontSlot& slot = currentFont();
    if (!slot.metrics || slot.resolution != printer_->resolution()) {
        slot.metrics.emplace(slot.font, printer_.get());
        slot.resolution = printer_->resolution();
    }
    return *slot.metrics;
}

double QtPrinter::toDevice(double twips) const
{
    return twips * printer_->resolution() / 1440.0;
}

double QtPrinter::toTwips(double device) const
{
    return device * 1440.0 / printer_->resolution();
}

float QtPrinter::ScaleHeight()
{
    if (!printer_)
        printer_ = makePrinter(documentsReleased_ + 1);
    const QRectF printable = printer_->pageLayout().paintRectPixels(printer_->resolution());
    return static_cast<float>(toTwips(printable.height()));
}

float QtPrinter::TextHeight()
{
    if (!printer_)
        printer_ = makePrinter(documentsReleased_ + 1);
    return static_cast<float>(toTwips(currentMetrics().lineSpacing()));
}

void QtPrinter::beginDocumentIfNeeded()
{
    if (!documentOpen_) {
        printer_ = makePrinter(documentsReleased_ + 1);
        if (!painter_.begin(printer_.get()))
            throw PlatformError("the printer refused to begin a document");
        documentOpen_ = true;
        newPagePending_ = false;
    } else if (newPagePending_) {
        // Pages are begun when something is printed on them, so that none is sent empty.
        if (!printer_->newPage())
            throw PlatformError("the printer refused a new page");
        newPagePending_ = false;
    }
}

void QtPrinter::printNumber(int number, bool endLine)
{
    const QString sign = number < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    printText(sign + QString::number(qAbs(static_cast<long long>(number))) + QLatin1Char(' '), endLine);
}

void QtPrinter::printText(const QString& text, bool endLine)
{
    beginDocumentIfNeeded();
    const QFontMetricsF& metrics = currentMetrics();
    painter_.setFont(currentFont().font);
    painter_.drawText(QPointF(toDevice(x_), toDevice(y_) + metrics.ascent()), text);
    if (endLine) {
        x_ = 0;
        y_ += static_cast<float>(toTwips(metrics.lineSpacing()));
    } else {
        x_ += static_cast<float>(toTwips(metrics.horizontalAdvance(text)));
    }
}

void QtPrinter::NewPage()
{
    newPagePending_ = documentOpen_;
    ++page_;
    x_ = 0;
    y_ = 0;
}

void QtPrinter::EndDoc()
{
    const bool wasOpen = documentOpen_;
    documentOpen_ = false;
    newPagePending_ = false;
    page_ = 1;
    x_ = 0;
    y_ = 0;
    if (!wasOpen)
        return; // nothing printed since the last document: send no empty one
    const bool released = painter_.end();
    ++documentsReleased_;
    printer_.reset();
    if (!released)
        throw PlatformError("the document could not be released to the print system");
}

} // namespace vantreel
