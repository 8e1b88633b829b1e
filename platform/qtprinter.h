#pragma once

#include "platform/printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>

#include <memory>
#include <optional>

class QPrinter;

namespace vantreel {

// The printer over QPrinter and QPainter. In production it prints on the print system's
// default printer and nowhere else; tests can send its documents to PDF files instead.
class QtPrinter : public Printer {
public:
    /// Prints on the default printer; every call fails while the print system has none.
    /// A question to the print system waits a few seconds at most, and EndDoc fails when
    /// the document did not reach the printer's queue.
    QtPrinter();
    /// Writes document n (1, 2, ...) to the file named by pdfPathPattern with "%1" replaced by n.
    static std::unique_ptr<QtPrinter> toPdfFiles(const QString& pdfPathPattern);
    ~QtPrinter() override;

    int FontCount() override;
    QString Fonts(int i) override;

    void setFontName(const QString& name) override;
    void setFontSize(float points) override;
    void setFontBold(bool bold) override;
    void setFontItalic(bool italic) override;
    void setFontUnderline(bool underline) override;

    float CurrentX() override { return x_; }
    float CurrentY() override { return y_; }
    void setCurrentX(float twips) override { x_ = twips; }
    void setCurrentY(float twips) override { y_ = twips; }
    float ScaleHeight() override;
    float TextHeight() override;

    void printNumber(int number, bool endLine) override;
    void printText(const QString& text, bool endLine) override;

    int Page() override { return page_; }
    void NewPage() override;
    void EndDoc() override;

    /// @return the number of documents released so far; on the print system, those that
    /// reached the default printer's queue
    int documentsReleased() const { return documentsReleased_; }
    /// @return the title each document carries in the print system
    static const QString& documentName();

private:
    explicit QtPrinter(const QString& pdfPathPattern);
    QString defaultPrinterName() const;
    std::unique_ptr<QPrinter> makePrinter(int documentNumber) const;
    void beginDocumentIfNeeded();
    struct FontSlot;
    FontSlot& currentFont();
    const QFontMetricsF& currentMetrics();
    double toDevice(double twips) const;
    double toTwips(double device) const;

    QString pdfPathPattern_;
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    bool documentOpen_ = false;
    bool newPagePending_ = false;
    int page_ = 1;
    int documentsReleased_ = 0;
    bool fontsOffered_ = false;
    float x_ = 0;
    float y_ = 0;

    QString fontName_;
    float fontSize_ = 10;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    // The catalogue switches between two fonts for every entry (Arial for the number and the
    // name, the font itself for the sample): the last two fonts built are kept with their
    // metrics, so that switching back finds the font Qt has already resolved.
    struct FontSlot {
        QString name;
        float size = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        QFont font;
        std::optional<QFontMetricsF> metrics;
        int resolution = 0;
    };
    FontSlot fonts_[2];
    int currentSlot_ = 0;
    bool fontStale_ = true;
};

} // namespace vantreel
