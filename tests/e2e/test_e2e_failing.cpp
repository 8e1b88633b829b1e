// A failing print system, end to end on a private CUPS scheduler: no default printer at
// start-up, the default printer removed before a run, the scheduler stopped in the middle of
// a run, a stopped queue and a queue that refuses jobs. In each the program keeps running,
// shows no box but the confirmation it always gives, waits a few seconds a call at most, and
// prints normally once the printer is back.

#include "tests/e2e/cupssandbox.h"
#include "tests/e2e/realwindow.h"

#include <QComboBox>
#include <QTest>

#include <memory>

using namespace vantreel;
using namespace vantreel::testing;

namespace {

const QString queue = QStringLiteral("Catalogue");
// Far below the minutes an unbounded wait on the print system takes, far above what a
// healthy run of the test's fonts needs.
constexpr qint64 boundMs = 20000;

} // namespace

class TestE2eFailing : public QObject {
    Q_OBJECT

    std::unique_ptr<CupsSandbox> sandbox;

    // Adds the queue (again) and makes it the default; harmless when it is there already.
    void restoreQueue()
    {
        QVERIFY2(sandbox->addQueue(queue), qPrintable(sandbox->diagnostics()));
        QVERIFY2(sandbox->setDefault(queue), qPrintable(sandbox->diagnostics()));
    }

    // The only box a print run may show here is its confirmation.
    static void checkOnlyConfirmation(const RealWindow& program)
    {
        QCOMPARE(program.messages.shown.size(), size_t(1));
        QCOMPARE(program.messages.shown.front().title, QStringLiteral("Print All Fonts?"));
    }

    // A run over all fonts in Small prints every entry, numbered, in order.
    void printsAllFontsNormally(RealWindow& program)
    {
        sandbox->clearOutput();
        program.messages.shown.clear();
        program.typeRange(QString(), QString());
        program.checkPrintSize("chkPrintSmall");
        const QStringList fonts = program.printerFonts();
        QVERIFY(!fonts.isEmpty());
        const qint64 took = program.pressPrint();
        QVERIFY2(took < boundMs, qPrintable(QStringLiteral("the run took %1 ms").arg(took)));
        checkOnlyConfirmation(program);
        QVERIFY2(sandbox->waitUntilIdle(), qPrintable(sandbox->diagnostics()));
        QList<PdfDocument> documents;
        for (const QString& path : sandbox->pdfs())
            documents.append(readPdf(path));
        const std::vector<ReadEntry> entries = readEntries(documents);
        QCOMPARE(static_cast<int>(entries.size()), static_cast<int>(fonts.size()));
        for (int i = 0; i < fonts.size(); ++i) {
            QCOMPARE(entries[i].number, i + 1);
            QVERIFY(withoutBlanks(entries[i].line).startsWith(withoutBlanks(fonts[i].left(25))));
        }
    }

private slots:
    void initTestCase()
    {
        sandbox = std::make_unique<CupsSandbox>();
        QVERIFY2(sandbox->start(), qPrintable(sandbox->diagnostics()));
    }

    void cleanupTestCase()
    {
        if (sandbox)
            QVERIFY2(sandbox->stop(), qPrintable(sandbox->diagnostics()));
    }

    void init()
    {
        sandbox->stopPlayingDeaf();
        QVERIFY2(sandbox->start(), qPrintable(sandbox->diagnostics()));
        sandbox->admin(QStringLiteral("cancel"), {QStringLiteral("-a")});
        restoreQueue();
        QVERIFY2(sandbox->admin(QStringLiteral("cupsenable"), {queue}), qPrintable(sandbox->diagnostics()));
        QVERIFY2(sandbox->admin(QStringLiteral("cupsaccept"), {queue}), qPrintable(sandbox->diagnostics()));
        sandbox->clearOutput();
    }

    void noDefaultPrinterAtStartUp_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::newRow("a queue, but none is the default") << "no default";
        QTest::newRow("no scheduler running") << "no scheduler";
        QTest::newRow("a scheduler that accepts connections and never answers") << "deaf";
    }

    // The printer list stays empty, the screen half works, and printing prints nothing anywhere.
    void noDefaultPrinterAtStartUp()
    {
        QFETCH(QString, condition);
        if (condition == QLatin1String("no default")) {
            QVERIFY2(sandbox->removeQueue(queue), qPrintable(sandbox->diagnostics()));
            QVERIFY2(sandbox->addQueue(QStringLiteral("NotTheDefault")), qPrintable(sandbox->diagnostics()));
        } else {
            QVERIFY2(sandbox->stop(), qPrintable(sandbox->diagnostics()));
            if (condition == QLatin1String("deaf"))
                QVERIFY(sandbox->playDeaf());
        }

        {
            RealWindow program;
            const qint64 startUp = program.start();
            qInfo("%s: start-up took %lld ms", qPrintable(condition), startUp);
            QVERIFY2(startUp < boundMs, qPrintable(QStringLiteral("start-up took %1 ms").arg(startUp)));
            frmFonts& window = *program.window;
            QVERIFY(window.startedUp());
            QCOMPARE(window.PrinterFontCount, std::int16_t(0));
            QCOMPARE(window.cboFontsPrinter.ListCount(), 0);
            QVERIFY(window.ScreenFontCount > 0);
            QCOMPARE(window.cboFontsScreen.ListCount(), static_cast<int>(window.ScreenFontCount));
            QCOMPARE(window.lblSample.FontName(), window.cboFontsScreen.List(0));
            window.cboFontsScreen.setListIndex(1);
            QCOMPARE(window.lblSample.FontName(), window.cboFontsScreen.List(1));
            QVERIFY(program.messages.shown.empty());

            const qint64 took = program.pressPrint();
            QVERIFY2(took < boundMs, qPrintable(QStringLiteral("the run took %1 ms").arg(took)));
            checkOnlyConfirmation(program);
            QCOMPARE(program.printer.documentsReleased(), 0);
        }

        sandbox->stopPlayingDeaf();
        QVERIFY2(sandbox->start(), qPrintable(sandbox->diagnostics()));
        QVERIFY2(sandbox->waitUntilIdle(), qPrintable(sandbox->diagnostics()));
        QVERIFY2(sandbox->pdfs().isEmpty(), "a run without a default printer printed somewhere");
        restoreQueue();
        if (condition == QLatin1String("deaf"))
            QTest::qWait(5500); // the printer takes an unanswered print system as silent for as long again

        // Once the printer is back, the program started again prints.
        RealWindow program;
        program.start();
        printsAllFontsNormally(program);
    }

    // The default printer goes between start-up and the run: the run visits every font, prints
    // nothing, shows nothing, and the next run after the printer is back prints.
    void printerGoneBeforeRun_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::newRow("default queue removed") << "removed";
        QTest::newRow("scheduler stopped") << "no scheduler";
        QTest::newRow("scheduler stops answering") << "deaf";
    }

    void printerGoneBeforeRun()
    {
        QFETCH(QString, condition);
        RealWindow program;
        program.start();
        frmFonts& window = *program.window;
        const int fonts = window.cboFontsPrinter.ListCount();
        QVERIFY(fonts > 1);
        if (condition == QLatin1String("removed")) {
            QVERIFY2(sandbox->removeQueue(queue), qPrintable(sandbox->diagnostics()));
        } else {
            QVERIFY2(sandbox->stop(), qPrintable(sandbox->diagnostics()));
            if (condition == QLatin1String("deaf"))
                QVERIFY(sandbox->playDeaf());
        }

        int visited = 0;
        QObject::connect(window.cboFontsPrinter.widget(), &QComboBox::currentIndexChanged, window.cboFontsPrinter.widget(),
                         [&] { ++visited; });
        const qint64 took = program.pressPrint();
        qInfo("%s: the run took %lld ms", qPrintable(condition), took);
        QVERIFY2(took < boundMs, qPrintable(QStringLiteral("the run took %1 ms").arg(took)));
        checkOnlyConfirmation(program);
        QCOMPARE(visited, fonts); // positions 1 to the last, then 0 again
        QCOMPARE(window.cboFontsPrinter.ListIndex(), 0);
        QCOMPARE(program.printer.documentsReleased(), 0);
        QCOMPARE(window.PrinterFontCount, std::int16_t(fonts));

        sandbox->stopPlayingDeaf();
        QVERIFY2(sandbox->start(), qPrintable(sandbox->diagnostics()));
        QVERIFY2(sandbox->waitUntilIdle(), qPrintable(sandbox->diagnostics()));
        QVERIFY(sandbox->pdfs().isEmpty());
        restoreQueue();
        if (condition == QLatin1String("deaf"))
            QTest::qWait(5500); // the printer takes an unanswered print system as silent for as long again
        printsAllFontsNormally(program);
    }

    // The scheduler ends (SIGTERM) while a run is printing its first or its second document, or
    // stops answering in the middle of the first.
    void schedulerStoppedDuringRun_data()
    {
        QTest::addColumn<bool>("inSecondDocument");
        QTest::addColumn<bool>("deaf");
        QTest::newRow("ended during the first document") << false << false;
        QTest::newRow("ended during the second document") << true << false;
        QTest::newRow("stops answering during the first document") << false << true;
    }

    void schedulerStoppedDuringRun()
    {
        QFETCH(bool, inSecondDocument);
        QFETCH(bool, deaf);
        RealWindow program;
        program.start();
        frmFonts& window = *program.window;
        const int fonts = window.cboFontsPrinter.ListCount();
        program.checkPrintSize("chkPrintHuge");
        // Huge on the test's paper: two entries a page, so the first document holds twenty.
        QVERIFY2(fonts > 22, "the test needs more than twenty-two printer fonts");
        const int stopAt = inSecondDocument ? 22 : 5;
        bool stopped = false;
        QObject::connect(window.cboFontsPrinter.widget(), &QComboBox::currentIndexChanged, window.cboFontsPrinter.widget(),
                         [&](int position) {
                             if (position == stopAt && !stopped)
                                 stopped = sandbox->stop() && (!deaf || sandbox->playDeaf());
                         });
        const qint64 took = program.pressPrint();
        QVERIFY(stopped);
        qInfo("stopped at position %d: the run took %lld ms, %d documents released", stopAt, took,
              program.printer.documentsReleased());
        QVERIFY2(took < boundMs, qPrintable(QStringLiteral("the run took %1 ms").arg(took)));
        checkOnlyConfirmation(program);
        QCOMPARE(window.cboFontsPrinter.ListIndex(), 0);
        // Only a document that reached the queue before the scheduler went counts as released:
        // the one that was being printed when it stopped is not claimed as sent.
        QCOMPARE(program.printer.documentsReleased(), inSecondDocument ? 1 : 0);

        // The scheduler back: a job it had accepted is printed, and a new run prints normally.
        sandbox->stopPlayingDeaf();
        QVERIFY2(sandbox->start(), qPrintable(sandbox->diagnostics()));
        QVERIFY2(sandbox->waitUntilIdle(), qPrintable(sandbox->diagnostics()));
        const QStringList kept = sandbox->pdfs();
        QCOMPARE(kept.size(), inSecondDocument ? 1 : 0);
        if (inSecondDocument) {
            const PdfDocument first = readPdf(kept.first());
            QCOMPARE(first.pages, 10);
            const std::vector<ReadEntry> entries = readEntries({first});
            QVERIFY(!entries.empty());
            QCOMPARE(entries.front().number, 1);
        }
        restoreQueue();
        if (deaf)
            QTest::qWait(5500); // the printer takes an unanswered print system as silent for as long again
        printsAllFontsNormally(program);
    }

    // A stopped queue keeps the job until it is started again; a queue that refuses jobs
    // makes EndDoc fail, and nothing is printed until it accepts them again.
    void queueNotPrinting_data()
    {
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QString>("restart");
        QTest::addColumn<bool>("jobKept");
        QTest::newRow("stopped queue (cupsdisable)") << "cupsdisable" << "cupsenable" << true;
        QTest::newRow("queue refusing jobs (cupsreject)") << "cupsreject" << "cupsaccept" << false;
    }

    void queueNotPrinting()
    {
        QFETCH(QString, stop);
        QFETCH(QString, restart);
        QFETCH(bool, jobKept);
        RealWindow program;
        program.start();
        QVERIFY(program.window->cboFontsPrinter.ListCount() > 0);
        QVERIFY2(sandbox->admin(stop, {queue}), qPrintable(sandbox->diagnostics()));
        program.checkPrintSize("chkPrintSmall");

        const qint64 took = program.pressPrint();
        QVERIFY2(took < boundMs, qPrintable(QStringLiteral("the run took %1 ms").arg(took)));
        checkOnlyConfirmation(program);
        QCOMPARE(program.printer.documentsReleased(), jobKept ? 1 : 0);
        QCOMPARE(sandbox->pendingJobs(), jobKept ? 1 : 0);
        QVERIFY(sandbox->pdfs().isEmpty());

        QVERIFY2(sandbox->admin(restart, {queue}), qPrintable(sandbox->diagnostics()));
        QVERIFY2(sandbox->waitUntilIdle(), qPrintable(sandbox->diagnostics()));
        QCOMPARE(sandbox->pdfs().size(), jobKept ? 1 : 0);
        printsAllFontsNormally(program);
    }
};

QTEST_MAIN(TestE2eFailing)
#include "test_e2e_failing.moc"
