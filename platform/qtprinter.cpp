#include "platform/qtprinter.h"

#include "platform/failure.h"
#include "platform/fontresolver.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <chrono>

namespace vantreel {

namespace {

// How long the program waits for the print system to answer one question. A scheduler that
// accepts connections but never answers would otherwise hold the window for minutes.
constexpr int answerWaitMs = 5000;
// After a question went unanswered, the print system is taken as silent for as long again, so
// that a print run over a silent scheduler fails its calls at once instead of waiting each time.
constexpr auto silentPause = std::chrono::milliseconds(answerWaitMs);
std::chrono::steady_clock::time_point silentUntil;

// One connection to the print system whose every wait is bounded by answerWaitMs.
class PrintSystem {
public:
    PrintSystem()
    {
        if (std::chrono::steady_clock::now() < silentUntil)
            throw PlatformError("the print system did not answer a moment ago");
        http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, answerWaitMs,
                             nullptr);
        if (!http_)
            throw PlatformError("the print system cannot be reached");
        httpSetTimeout(http_, answerWaitMs / 1000.0, &PrintSystem::giveUp, this);
    }
    ~PrintSystem() { httpClose(http_); }
    PrintSystem(const PrintSystem&) = delete;
    PrintSystem& operator=(const PrintSystem&) = delete;

    /// @return the default destination as Qt names it ("name" or "name/instance")
    QString defaultPrinterName()
    {
        cups_dest_t* dest = cupsGetNamedDest(http_, nullptr, nullptr);
        checkAnswered();
        if (!dest)
            throw PlatformError("the print system has no default printer");
        QString name = QString::fromLocal8Bit(dest->name);
        if (dest->instance)
            name += QLatin1Char('/') + QString::fromLocal8Bit(dest->instance);
        cupsFreeDests(1, dest);
        return name;
    }

    /// @return the highest id among the user's jobs on the printer whose title is given
    /// (all of them when the title is empty), 0 when there is none
    int newestJob(const QString& printer, const QByteArray& title = {})
    {
        const QByteArray queue = printer.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(http_, &jobs, queue.constData(), 1, CUPS_WHICHJOBS_ALL);
        checkAnswered();
        if (count < 0)
            throw PlatformError(std::string("the print system cannot list its jobs: ") + cupsLastErrorString());
        int newest = 0;
        for (int i = 0; i < count; ++i) {
            if (jobs[i].id > newest && (title.isEmpty() || (jobs[i].title && title == jobs[i].title)))
                newest = jobs[i].id;
        }
        cupsFreeJobs(count, jobs);
        return newest;
    }

private:
    static int giveUp(http_t*, void* self)
    {
        static_cast<PrintSystem*>(self)->timedOut_ = true;
        return 0;
    }

    void checkAnswered()
    {
        if (timedOut_) {
            silentUntil = std::chrono::steady_clock::now() + silentPause;
            throw PlatformError("the print system did not answer in time");
        }
    }

    http_t* http_ = nullptr;
    bool timedOut_ = false;
};

// Runs Qt's hand-over of a document with this thread's libcups pointed at no print system, so
// that it fails at once: Qt hands the document over through libcups' default connection, whose
// wait has no bound, and a print system that has just not answered would hold it for minutes.
template <typename HandOver>
bool handOverNowhere(HandOver&& handOver)
{
    const QByteArray server = cupsServer();
    const int port = ippPort();
    cupsSetServer("/nonexistent/print-system.sock");
    const bool result = handOver();
    cupsSetServer(server.constData());
    ippSetPort(port);
    return result;
}

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

const QString& QtPrinter::documentName()
{
    static const QString name = QStringLiteral("Vantreel font catalogue");
    return name;
}

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
    // Asked directly, with a bounded wait, rather than through Qt, whose question can block
    // for minutes. With no default printer Qt would quietly fall back to some other queue:
    // that is refused here as well.
    return PrintSystem().defaultPrinterName();
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
        // Choosing a printer leaves QPrinter on its own default paper (A4 or Letter): print on
        // the paper the printer is set up for, so that the page-full test matches the sheet.
        const QPageSize paper = QPrinterInfo(*printer).defaultPageSize();
        if (paper.isValid())
            printer->setPageSize(paper);
    } else {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPathPattern_.arg(documentNumber));
    }
    printer->setFullPage(false);
    printer->setDocName(documentName());
    return printer;
}

int QtPrinter::FontCount()
{
    defaultPrinterName();
    fontsOffered_ = true;
    return static_cast<int>(scalableFamilies().size());
}

QString QtPrinter::Fonts(int i)
{
    // The start-up reads every name right after the count: one question to the print system
    // for the count is enough.
    if (!fontsOffered_)
        defaultPrinterName();
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
    const QString destination = pdfPathPattern_.isEmpty() ? printer_->printerName() : QString();
    int jobBefore = -1;
    if (!destination.isEmpty()) {
        try {
            jobBefore = PrintSystem().newestJob(destination);
        } catch (const PlatformError&) {
        }
    }
    // When the print system has not just answered, the document would not reach it anyway.
    const bool released = destination.isEmpty() || jobBefore >= 0 ? painter_.end()
                                                                   : handOverNowhere([this] { return painter_.end(); });
    printer_.reset();
    if (!destination.isEmpty()) {
        // Qt reports success even when the print system refused the spooled document (a
        // scheduler that has just gone, a queue that rejects jobs): ask it whether the job is there.
        if (jobBefore < 0)
            throw PlatformError("the print system did not answer when the document was released");
        if (PrintSystem().newestJob(destination, documentName().toLocal8Bit()) <= jobBefore)
            throw PlatformError("the document did not reach the print queue");
    }
    if (!released)
        throw PlatformError("the document could not be released to the print system");
    ++documentsReleased_;
}

} // namespace vantreel
