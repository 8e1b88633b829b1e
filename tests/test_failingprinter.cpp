// A print run on a printer that fails: every call, or one call at a time. The print button's
// handler runs in resume-next mode, so a failing call is dropped without a message and the run
// goes on: it still visits and selects every position, and its end-of-run steps still run.

#include "tests/support/window.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace vantreel;
using namespace vantreel::testing;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

QStringList fontNames(int count)
{
    static const char* const names[] = { "Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel",
        "India", "Juliett", "Kilo", "Lima", "Mike", "November" };
    QStringList list;
    for (int i = 0; i < count; ++i)
        list.append(QString::fromLatin1(names[i]));
    return list;
}

// What one print run over all fonts did, seen from outside the handler.
struct RunOutcome {
    bool threw = false;
    QList<int> selections;
    std::vector<ShownBox> messages;
    QStringList calls;
    QStringList printedTexts;
    std::vector<int> pagesPerDocument;
    int listIndexAfter = -2;
    QString printerSampleFont;
    float printerSampleSize = 0;
    float screenSampleSize = 0;
    QString startBox;
    QString endBox;
};

// Starts the window, picks the print size, and leaves the printer list on its last entry
// with both range boxes empty, so that every selection the run makes moves the selection.
// The printer sample gets a size of its own, so that the run's copy of the size shows.
RunOutcome printAllFonts(
    int fontCount, float scaleHeight, const char* sizeBox, const std::function<void(RecordingPrinter&)>& breakPrinter)
{
    WindowFixture fixture(fontNames(3), fontNames(fontCount));
    fixture.printer.scaleHeight = scaleHeight;
    frmFonts& window = fixture.start();
    auto* size = window.findChild<QCheckBox*>(QLatin1String(sizeBox));
    if (!size->isChecked())
        QTest::mouseClick(size, Qt::LeftButton);
    window.cboFontsPrinter.setListIndex(fontCount - 1);
    window.txtStartFont.setText(QString());
    window.txtEndFont.setText(QString());
    window.Option3->click();
    window.lblPrinterFonts.setFontSize(12);

    QSignalSpy selections(window.cboFontsPrinter.widget(), &QComboBox::currentIndexChanged);
    fixture.printer.calls.clear();
    fixture.printer.items.clear();
    breakPrinter(fixture.printer);

    RunOutcome outcome;
    try {
        window.cmdPrintFonts_Click();
    } catch (...) {
        outcome.threw = true;
    }
    for (const QList<QVariant>& signal : selections)
        outcome.selections.append(signal.at(0).toInt());
    outcome.messages = fixture.messages.shown;
    outcome.calls = fixture.printer.calls;
    for (const PrintedItem& item : fixture.printer.items)
        outcome.printedTexts.append(item.text);
    outcome.pagesPerDocument = fixture.printer.pagesPerDocument();
    outcome.listIndexAfter = window.cboFontsPrinter.ListIndex();
    outcome.printerSampleFont = window.lblPrinterFonts.FontName();
    outcome.printerSampleSize = window.lblPrinterFonts.FontSize();
    outcome.screenSampleSize = window.lblSample.FontSize();
    outcome.startBox = window.txtStartFont.Text();
    outcome.endBox = window.txtEndFont.Text();
    return outcome;
}

QList<int> everyPositionThenFirst(int fontCount)
{
    QList<int> positions;
    for (int i = 0; i < fontCount; ++i)
        positions.append(i);
    positions.append(0);
    return positions;
}

bool isPrint(const QString& call)
{
    return call == QLatin1String("Print") || call == QLatin1String("PrintNumber");
}

// The page-full test after an entry reads ScaleHeight, then CurrentY, right after the sample
// line is printed.
bool isPageFullRead(const QStringList& calls, int index)
{
    if (calls.at(index) == QLatin1String("ScaleHeight?"))
        return index > 0 && calls.at(index - 1) == QLatin1String("Print");
    if (calls.at(index) == QLatin1String("CurrentY?"))
        return index > 1 && calls.at(index - 1) == QLatin1String("ScaleHeight?")
            && calls.at(index - 2) == QLatin1String("Print");
    return false;
}

} // namespace

class TestFailingPrinter : public QObject {
    Q_OBJECT

private slots:
    void runs_data()
    {
        QTest::addColumn<int>("fontCount");
        QTest::addColumn<float>("scaleHeight");
        QTest::addColumn<QString>("sizeBox");
        QTest::addColumn<std::vector<int>>("cleanPages");
        // One Small entry (280 twips) fills a page of 700: eleven entries end a ten-page document.
        QTest::newRow("small, one entry a page, two documents")
            << 11 << 700.0f << QStringLiteral("chkPrintSmall") << std::vector<int> { 10, 1 };
        // Three entries to a page: most page-full tests come out false.
        QTest::newRow("small, three entries a page")
            << 7 << 1200.0f << QStringLiteral("chkPrintSmall") << std::vector<int> { 3 };
        // A Huge entry is taller than its margin: the run keeps each entry whole on its page.
        QTest::newRow("huge, entries kept whole")
            << 5 << 3000.0f << QStringLiteral("chkPrintHuge") << std::vector<int> { 5 };
    }

    void printerFailingEveryCall_data() { runs_data(); }

    void printerFailingEveryCall()
    {
        QFETCH(int, fontCount);
        QFETCH(float, scaleHeight);
        QFETCH(QString, sizeBox);
        const RunOutcome run = printAllFonts(fontCount, scaleHeight, qPrintable(sizeBox),
            [](RecordingPrinter& printer) { printer.failEveryCall = true; });
        QVERIFY(!run.threw);
        QCOMPARE(run.selections, everyPositionThenFirst(fontCount));
        QCOMPARE(run.messages.size(), size_t(1));
        QCOMPARE(run.messages.at(0).title, QStringLiteral("Print All Fonts?"));
        QVERIFY(run.printedTexts.isEmpty());
        QCOMPARE(run.listIndexAfter, 0);
        QCOMPARE(run.printerSampleFont, QStringLiteral("Alpha"));
        QCOMPARE(run.printerSampleSize, run.screenSampleSize);
        QCOMPARE(run.startBox, QStringLiteral("Alpha"));
        QCOMPARE(run.endBox, QStringLiteral("Bravo"));
        QVERIFY(!run.calls.isEmpty());
        QCOMPARE(run.calls.last(), QStringLiteral("EndDoc"));
    }

    // Each call of a clean run fails in turn, alone; what the run promises holds for every one.
    void printerFailingOneCall_data() { runs_data(); }

    void printerFailingOneCall()
    {
        QFETCH(int, fontCount);
        QFETCH(float, scaleHeight);
        QFETCH(QString, sizeBox);
        QFETCH(std::vector<int>, cleanPages);
        const RunOutcome clean = printAllFonts(fontCount, scaleHeight, qPrintable(sizeBox), [](RecordingPrinter&) {});
        QVERIFY(!clean.threw);
        QCOMPARE(clean.pagesPerDocument, cleanPages);
        QCOMPARE(clean.selections, everyPositionThenFirst(fontCount));
        QCOMPARE(clean.printedTexts.size(), qsizetype(3 * fontCount));
        QVERIFY(clean.calls.size() > 20 * fontCount);

        for (int failing = 1; failing <= clean.calls.size(); ++failing) {
            const RunOutcome run = printAllFonts(fontCount, scaleHeight, qPrintable(sizeBox),
                [failing](RecordingPrinter& printer) { printer.failingCalls = { failing }; });
            const int index = failing - 1;
            QVERIFY2(index < run.calls.size(), qPrintable(QStringLiteral("call %1 never made").arg(failing)));
            const QString failed = run.calls.at(index);
            const QByteArray where = QStringLiteral("call %1 (%2) failing").arg(failing).arg(failed).toUtf8();

            QVERIFY2(!run.threw, where.constData());
            QVERIFY2(run.selections == everyPositionThenFirst(fontCount), where.constData());
            QVERIFY2(run.messages.size() == 1 && run.messages.at(0).title == QLatin1String("Print All Fonts?"),
                where.constData());
            QVERIFY2(run.listIndexAfter == 0 && run.printerSampleFont == QLatin1String("Alpha"), where.constData());
            QVERIFY2(run.printerSampleSize == run.screenSampleSize, where.constData());
            QVERIFY2(run.startBox == QLatin1String("Alpha") && run.endBox == QLatin1String("Bravo"), where.constData());
            QVERIFY2(run.calls.last() == QLatin1String("EndDoc"), where.constData());
            for (int pages : run.pagesPerDocument)
                QVERIFY2(pages <= 10, where.constData());

            // Every item is printed but the one whose printing failed, in the same order.
            QStringList expectedTexts = clean.printedTexts;
            if (isPrint(failed)) {
                int printsBefore = 0;
                for (int i = 0; i < index; ++i)
                    printsBefore += isPrint(run.calls.at(i)) ? 1 : 0;
                expectedTexts.removeAt(printsBefore);
            }
            QVERIFY2(run.printedTexts == expectedTexts, where.constData());

            // A failing Page test ends the document; a failing page-full test counts the page full.
            if (failed == QLatin1String("Page?"))
                QVERIFY2(run.calls.at(index + 1) == QLatin1String("EndDoc"), where.constData());
            // The test fails as a whole: a failing ScaleHeight leaves CurrentY unread.
            if (isPageFullRead(run.calls, index))
                QVERIFY2(run.calls.at(index + 1) == QLatin1String("Page?"), where.constData());
        }
    }

    // A printer that fails from the start: its count is lost, its list stays empty and the
    // screen half works; a print run asks for confirmation and shows nothing else.
    void printerFailingFromStartUp()
    {
        WindowFixture fixture(fontNames(3), fontNames(4));
        fixture.printer.failEveryCall = true;
        frmFonts& window = fixture.start();
        QCOMPARE(window.PrinterFontCount, std::int16_t(0));
        QCOMPARE(window.cboFontsPrinter.ListCount(), 0);
        QCOMPARE(window.cboFontsScreen.ListIndex(), 0);
        QCOMPARE(window.txtStartFont.Text(), QString());

        window.Option2->click();
        window.lblPrinterFonts.setFontSize(12);
        try {
            QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);
        } catch (...) {
            QFAIL("the print button's handler let a failure out");
        }
        QCOMPARE(fixture.messages.shown.size(), size_t(1));
        QCOMPARE(fixture.messages.shown.at(0).title, QStringLiteral("Print All Fonts?"));
        QCOMPARE(fixture.printer.calls, QStringList { QStringLiteral("EndDoc") });
        QCOMPARE(window.cboFontsPrinter.ListIndex(), -1);
        QCOMPARE(window.lblPrinterFonts.FontSize(), 14.0f);

        fixture.messages.shown.clear();
        QTest::mouseClick(window.cmdNumberOfFonts.widget(), Qt::LeftButton);
        QCOMPARE(fixture.messages.shown.size(), size_t(2));
        QCOMPARE(fixture.messages.shown.at(0).prompt, QStringLiteral("Number Of Screen Fonts  3"));
        QCOMPARE(fixture.messages.shown.at(1).prompt, QStringLiteral("Number Of Printer Fonts  0"));
    }

    // Each call of the start-up fails in turn: a lost count leaves the list empty, a lost
    // name leaves only that name out; the start box ends empty either way.
    void startUpFailingOneCall()
    {
        const QStringList names = fontNames(5);
        const int calls = 1 + int(names.size());
        for (int failing = 1; failing <= calls; ++failing) {
            WindowFixture fixture(fontNames(3), names);
            fixture.printer.failingCalls = { failing };
            frmFonts* window = nullptr;
            try {
                window = &fixture.start();
            } catch (...) {
                QFAIL(qPrintable(QStringLiteral("start-up let out the failure of call %1").arg(failing)));
            }
            QStringList expected = names;
            if (failing == 1)
                expected.clear();
            else
                expected.removeAt(failing - 2);
            const QByteArray where = QByteArray("call ") + QByteArray::number(failing) + " failing";
            QVERIFY2(WindowFixture::entries(window->cboFontsPrinter) == expected, where.constData());
            QVERIFY2(window->PrinterFontCount == (failing == 1 ? 0 : names.size()), where.constData());
            QVERIFY2(window->cboFontsPrinter.ListIndex() == (expected.isEmpty() ? -1 : 0), where.constData());
            QVERIFY2(window->txtStartFont.Text().isEmpty(), where.constData());
            QVERIFY2(fixture.messages.shown.empty(), where.constData());
        }
    }
};

QTEST_MAIN(TestFailingPrinter)
#include "test_failingprinter.moc"
