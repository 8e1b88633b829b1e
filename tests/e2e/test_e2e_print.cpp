// The real print path end to end: the real window prints real installed fonts on the
// default printer of a private CUPS scheduler, and the PDFs that the queue writes are read
// back with pdftotext and pdffonts.

#include "catalogue/catalogue.h"
#include "tests/e2e/cupssandbox.h"
#include "tests/e2e/realwindow.h"

#include <QProcess>
#include <QTest>

#include <memory>

using namespace vantreel;
using namespace vantreel::testing;

namespace {

const QString queue = QStringLiteral("Catalogue");

// The PostScript names of a family's faces, as fontconfig knows them: pdffonts shows an
// embedded font under its PostScript name.
QStringList postscriptNames(const QString& family)
{
    QProcess fcList;
    // Qt tells families of the same name apart by their foundry: "C059 [UKWN]".
    static const QRegularExpression foundry(QStringLiteral(" \\[[^\\]]*\\]$"));
    QString pattern = family;
    pattern.remove(foundry);
    pattern.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('-'), QLatin1String("\\-"))
        .replace(QLatin1Char(':'), QLatin1String("\\:"))
        .replace(QLatin1Char(','), QLatin1String("\\,"));
    fcList.start(QStringLiteral("fc-list"), {QStringLiteral(":family=") + pattern, QStringLiteral("postscriptname")});
    fcList.waitForFinished();
    QStringList names;
    for (QString line : QString::fromUtf8(fcList.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1String(":postscriptname=")))
            names.append(line.mid(16));
    }
    if (names.isEmpty()) {
        // A family name that no font carries (a fontconfig alias such as "Monospace"): the font
        // drawn is the one fontconfig matches.
        QProcess fcMatch;
        fcMatch.start(QStringLiteral("fc-match"), {QStringLiteral("-f"), QStringLiteral("%{postscriptname}"), pattern});
        fcMatch.waitForFinished();
        names.append(QString::fromUtf8(fcMatch.readAllStandardOutput()).trimmed());
    }
    return names;
}

struct Printed {
    QList<PdfDocument> documents;
    std::vector<ReadEntry> entries;
    QString error;
};

} // namespace

class TestE2ePrint : public QObject {
    Q_OBJECT

    std::unique_ptr<CupsSandbox> sandbox;
    std::unique_ptr<RealWindow> program;

    Printed printedDocuments()
    {
        Printed printed;
        if (!sandbox->waitUntilIdle()) {
            printed.error = QStringLiteral("jobs still pending: ") + sandbox->diagnostics();
            return printed;
        }
        for (const QString& path : sandbox->pdfs()) {
            printed.documents.append(readPdf(path));
            if (!printed.documents.last().error.isEmpty())
                printed.error += printed.documents.last().error;
        }
        printed.entries = readEntries(printed.documents);
        return printed;
    }

    // Every document holds at most ten pages, every page holds at least one entry, and only
    // the last document may hold fewer than ten pages.
    static void checkPagination(const Printed& printed)
    {
        for (int d = 0; d < printed.documents.size(); ++d) {
            const PdfDocument& document = printed.documents[d];
            QVERIFY2(document.pages >= 1 && document.pages <= pagesPerDocument,
                     qPrintable(document.path + QStringLiteral(": %1 pages").arg(document.pages)));
            if (d + 1 < printed.documents.size())
                QCOMPARE(document.pages, pagesPerDocument);
            for (int p = 0; p < document.pages; ++p) {
                const bool hasEntry = std::any_of(printed.entries.begin(), printed.entries.end(),
                                                  [&](const ReadEntry& e) { return e.document == d && e.page == p; });
                QVERIFY2(hasEntry, qPrintable(document.path + QStringLiteral(": page %1 holds no entry").arg(p + 1)));
            }
        }
    }

private slots:
    void initTestCase()
    {
        sandbox = std::make_unique<CupsSandbox>();
        QVERIFY2(sandbox->start(), qPrintable(sandbox->diagnostics()));
        QVERIFY2(sandbox->addQueue(queue), qPrintable(sandbox->diagnostics()));
        QVERIFY2(sandbox->setDefault(queue), qPrintable(sandbox->diagnostics()));
        program = std::make_unique<RealWindow>();
        program->start();
        QVERIFY2(program->printerFonts().size() >= 12,
                 "the test needs at least twelve installed scalable fonts (fonts-dejavu-core, fonts-liberation)");
    }

    void cleanupTestCase()
    {
        program.reset();
        if (sandbox)
            QVERIFY2(sandbox->stop(), qPrintable(sandbox->diagnostics()));
    }

    void init()
    {
        sandbox->clearOutput();
        program->typeRange(QString(), QString());
        program->messages.shown.clear();
    }

    // Start and end are positions in the printer list; -1 leaves the box empty.
    void printsEachSize_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("nameCut");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<bool>("severalDocuments");
        QTest::newRow("Small, all fonts") << "chkPrintSmall" << 25 << -1 << -1 << false;
        QTest::newRow("Large, from the third font to the eleventh") << "chkPrintLarge" << 25 << 2 << 10 << false;
        QTest::newRow("Huge, from the second font to the end") << "chkPrintHuge" << 20 << 1 << -1 << true;
    }

    void printsEachSize()
    {
        QFETCH(QString, box);
        QFETCH(int, nameCut);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(bool, severalDocuments);
        const QStringList fonts = program->printerFonts();
        program->checkPrintSize(box.toLatin1().constData());
        program->typeRange(start < 0 ? QString() : fonts[start], end < 0 ? QString() : fonts[end]);
        const int releasedBefore = program->printer.documentsReleased();
        const qint64 took = program->pressPrint();

        const int first = start < 0 ? 0 : start;
        const int last = end < 0 ? static_cast<int>(fonts.size()) - 1 : end;
        QCOMPARE(program->messages.shown.size(), size_t(1)); // the confirmation alone
        const Printed printed = printedDocuments();
        QVERIFY2(printed.error.isEmpty(), qPrintable(printed.error));
        qInfo("%s: %d entries in %lld ms, %lld documents, pages %s", qPrintable(box), last - first + 1, took,
              static_cast<long long>(printed.documents.size()),
              qPrintable([&] {
                  QStringList pages;
                  for (const PdfDocument& d : printed.documents)
                      pages.append(QString::number(d.pages));
                  return pages.join(QLatin1Char(','));
              }()));
        QCOMPARE(static_cast<int>(printed.documents.size()), program->printer.documentsReleased() - releasedBefore);
        QVERIFY2(!severalDocuments || printed.documents.size() > 1,
                 "the run was meant to fill more than ten pages: the test page is too high for it");

        // Entries in order, with their running numbers and cut names.
        QCOMPARE(static_cast<int>(printed.entries.size()), last - first + 1);
        for (int position = first; position <= last; ++position) {
            const ReadEntry& entry = printed.entries[position - first];
            const QString name = withoutBlanks(fonts[position].left(nameCut).normalized(QString::NormalizationForm_KC));
            QCOMPARE(entry.number, position + 1);
            QVERIFY2(withoutBlanks(entry.line).startsWith(name),
                     qPrintable(QStringLiteral("entry %1 reads \"%2\", expected the name \"%3\"")
                                    .arg(entry.number)
                                    .arg(entry.line, name)));
            if (fonts[position].size() > nameCut) {
                const QString longer = withoutBlanks(fonts[position].left(nameCut + 1));
                QVERIFY2(!withoutBlanks(entry.line).startsWith(longer),
                         qPrintable(QStringLiteral("entry %1 is not cut: %2").arg(entry.number).arg(entry.line)));
            }
            // Each entry's sample font is embedded in the entry's document.
            const QStringList faces = postscriptNames(fonts[position]);
            const QStringList& embedded = printed.documents[entry.document].embeddedFonts;
            QVERIFY2(std::any_of(faces.begin(), faces.end(), [&](const QString& face) { return embedded.contains(face); }),
                     qPrintable(QStringLiteral("%1 (faces %2) is not embedded in %3, which embeds %4")
                                    .arg(fonts[position], faces.join(QLatin1Char(',')),
                                         printed.documents[entry.document].path, embedded.join(QLatin1Char(',')))));
        }
        checkPagination(printed);
    }

    // A run whose last entry fills its page ends that page (NewPage, or EndDoc on a tenth page)
    // and then ends the document: neither an empty page nor an empty document may go out.
    void sendsNoEmptyPageOrDocument_data()
    {
        QTest::addColumn<int>("filledPage");
        QTest::newRow("last entry fills the third page") << 3;
        QTest::newRow("last entry fills the tenth page") << 10;
    }

    void sendsNoEmptyPageOrDocument()
    {
        QFETCH(int, filledPage);
        const QStringList fonts = program->printerFonts();
        program->checkPrintSize("chkPrintHuge");

        // A first run over all fonts shows which entry ends the page.
        program->pressPrint();
        Printed probe = printedDocuments();
        QVERIFY2(probe.error.isEmpty(), qPrintable(probe.error));
        QVERIFY(!probe.documents.isEmpty() && probe.documents.first().pages >= filledPage);
        std::vector<ReadEntry> onPage;
        for (const ReadEntry& entry : probe.entries) {
            if (entry.document == 0 && entry.page == filledPage - 1)
                onPage.push_back(entry);
        }
        // Two Huge entries are taller than the page less its margin on the test's paper: a page
        // that holds two has been found full after its second.
        QVERIFY2(onPage.size() == 2, "the test's paper was meant to hold two Huge entries a page");
        const int last = onPage.back().number - 1;

        sandbox->clearOutput();
        program->typeRange(fonts[0], fonts[last]);
        const int releasedBefore = program->printer.documentsReleased();
        program->pressPrint();
        const Printed printed = printedDocuments();
        QVERIFY2(printed.error.isEmpty(), qPrintable(printed.error));
        QCOMPARE(printed.documents.size(), qsizetype(1));
        QCOMPARE(printed.documents.first().pages, filledPage);
        QCOMPARE(program->printer.documentsReleased() - releasedBefore, 1);
        QCOMPARE(static_cast<int>(printed.entries.size()), last + 1);
        QCOMPARE(printed.entries.back().number, last + 1);
        checkPagination(printed);
    }
};

QTEST_MAIN(TestE2ePrint)
#include "test_e2e_print.moc"
