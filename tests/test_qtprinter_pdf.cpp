// The Qt printer's drawing path, into PDF files read back with poppler-utils.

#include "platform/qtprinter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace vantreel;

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString& pdf)
{
    for (const QString& line : run("pdfinfo", {pdf}).split('\n')) {
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

} // namespace

class TestQtPrinterPdf : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    QString pdf(int document) const { return folder.filePath(QString("doc-%1.pdf").arg(document)); }

private slots:
    void initTestCase() { QVERIFY(folder.isValid()); }

    void printsItemsInOrderOnPagesAndDocuments()
    {
        auto printer = QtPrinter::toPdfFiles(folder.filePath("doc-%1.pdf"));
        QVERIFY(printer->ScaleHeight() > 10000); // a sheet's printable height, in twips

        printer->setFontName("Arial");
        printer->setFontSize(14);
        printer->printNumber(7, false);
        QVERIFY(printer->CurrentX() > 0);
        QCOMPARE(printer->CurrentY(), 0.0f);
        printer->setCurrentX(700);
        printer->printText("Catalogue line one", true);
        QCOMPARE(printer->CurrentX(), 0.0f);
        const float lineHeight = printer->CurrentY();
        QVERIFY(lineHeight > 14 * 20 * 0.9 && lineHeight < 14 * 20 * 1.6);
        printer->printText("Catalogue line two", true);
        QCOMPARE(printer->CurrentY(), 2 * lineHeight);
        QCOMPARE(printer->Page(), 1);

        printer->NewPage();
        QCOMPARE(printer->Page(), 2);
        QCOMPARE(printer->CurrentY(), 0.0f);
        printer->printText("Second page", true);
        printer->NewPage(); // nothing follows on this page: it is never sent
        printer->EndDoc();
        QCOMPARE(printer->Page(), 1);

        printer->EndDoc(); // nothing printed since: no empty document
        printer->printNumber(-3, true);
        printer->EndDoc();

        QCOMPARE(pageCount(pdf(1)), 2);
        const QString text = run("pdftotext", {pdf(1), "-"}).simplified();
        QVERIFY2(text.contains("7 Catalogue line one Catalogue line two"), qPrintable(text));
        QVERIFY(text.indexOf("line two") < text.indexOf("Second page"));
        QCOMPARE(pageCount(pdf(2)), 1);
        QCOMPARE(run("pdftotext", {pdf(2), "-"}).simplified(), QString("-3"));
        QVERIFY(!QFile::exists(pdf(3)));
        QCOMPARE(printer->documentsReleased(), 2);
    }

    void embedsTheFontsItPrintsIn()
    {
        QTemporaryDir own;
        auto printer = QtPrinter::toPdfFiles(own.filePath("fonts-%1.pdf"));
        printer->setFontName("DejaVu Serif");
        printer->setFontSize(20);
        printer->printText("AaBbCc", true);
        printer->EndDoc();
        const QString fonts = run("pdffonts", {own.filePath("fonts-1.pdf")});
        QVERIFY2(fonts.contains("DejaVuSerif"), qPrintable(fonts));
        QVERIFY2(!fonts.contains("Type 3"), qPrintable(fonts));
    }
};

QTEST_MAIN(TestQtPrinterPdf)
#include "test_qtprinter_pdf.moc"
