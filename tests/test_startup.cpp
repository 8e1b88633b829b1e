// Start-up against fed screen and printer fonts, the counts message and the exit.

#include "tests/support/window.h"

#include <QPushButton>
#include <QTest>

using namespace vantreel;
using namespace vantreel::testing;

using IntSet = QList<int>;

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void fillsAndSelects_data()
    {
        QTest::addColumn<QStringList>("screenFonts");
        QTest::addColumn<QStringList>("printerFonts");
        QTest::addColumn<IntSet>("unreadableScreenNames");
        QTest::addColumn<bool>("noPrinter");
        QTest::addColumn<QStringList>("screenList");
        QTest::addColumn<QStringList>("printerList");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("screenCount");
        QTest::addColumn<QString>("printerCount");

        QTest::newRow("shuffled") << QStringList{"Times", "arial", "Courier", "Zapf"} << QStringList{"Zed", "Bee", "Ant"}
                                  << IntSet{} << false << QStringList{"arial", "Courier", "Times", "Zapf"}
                                  << QStringList{"Ant", "Bee", "Zed"} << "Print All Printer Fonts"
                                  << "Number Of Screen Fonts  4" << "Number Of Printer Fonts  3";
        QTest::newRow("a name reported twice stands twice")
            << QStringList{"B", "A", "B"} << QStringList{"P"} << IntSet{} << false << QStringList{"A", "B", "B"}
            << QStringList{"P"} << "Print All Printer Fonts" << "Number Of Screen Fonts  3" << "Number Of Printer Fonts  1";
        QTest::newRow("a name that cannot be read is missing, the count is not")
            << QStringList{"A", "B", "C"} << QStringList{"P"} << IntSet{1} << false << QStringList{"A", "C"}
            << QStringList{"P"} << "Print All Printer Fonts" << "Number Of Screen Fonts  3" << "Number Of Printer Fonts  1";
        QTest::newRow("no printer") << QStringList{"A"} << QStringList{"P"} << IntSet{} << true << QStringList{"A"}
                                    << QStringList{} << "&Print All Printer Fonts" << "Number Of Screen Fonts  1"
                                    << "Number Of Printer Fonts  0";
        QTest::newRow("no fonts at all") << QStringList{} << QStringList{} << IntSet{} << false << QStringList{}
                                         << QStringList{} << "&Print All Printer Fonts" << "Number Of Screen Fonts  0"
                                         << "Number Of Printer Fonts  0";
    }

    void fillsAndSelects()
    {
        QFETCH(QStringList, screenFonts);
        QFETCH(QStringList, printerFonts);
        QFETCH(IntSet, unreadableScreenNames);
        QFETCH(bool, noPrinter);
        QFETCH(QStringList, screenList);
        QFETCH(QStringList, printerList);
        QFETCH(QString, caption);
        QFETCH(QString, screenCount);
        QFETCH(QString, printerCount);

        WindowFixture fixture(screenFonts, printerFonts);
        fixture.screen.unreadable.insert(unreadableScreenNames.cbegin(), unreadableScreenNames.cend());
        fixture.printer.hasNoPrinter = noPrinter;
        frmFonts& window = fixture.start();

        QCOMPARE(WindowFixture::entries(window.cboFontsScreen), screenList);
        QCOMPARE(WindowFixture::entries(window.cboFontsPrinter), printerList);
        QCOMPARE(window.cboFontsScreen.ListIndex(), screenList.isEmpty() ? -1 : 0);
        QCOMPARE(window.cboFontsPrinter.ListIndex(), printerList.isEmpty() ? -1 : 0);
        QCOMPARE(window.lblSample.FontName(), screenList.value(0));
        QCOMPARE(window.lblPrinterFonts.FontName(), printerList.value(0));
        for (const SampleLabel* sample : {&window.lblSample, &window.lblPrinterFonts}) {
            QCOMPARE(sample->FontSize(), 9.75f);
            QVERIFY(!sample->FontBold());
            QVERIFY(!sample->FontItalic());
        }
        QCOMPARE(window.txtStartFont.Text(), QString());
        QCOMPARE(window.txtEndFont.Text(), QString());
        QCOMPARE(window.cmdPrintFonts.Caption(), caption);
        QCOMPARE(window.ShowCounter, 0);
        QCOMPARE(window.chkPrintSmall.Value(), 1);

        QTest::mouseClick(window.cmdNumberOfFonts.widget(), Qt::LeftButton);
        QCOMPARE(fixture.messages.shown.size(), size_t(2));
        QCOMPARE(fixture.messages.shown[0].prompt, screenCount);
        QCOMPARE(fixture.messages.shown[1].prompt, printerCount);
        for (const ShownBox& box : fixture.messages.shown) {
            QCOMPARE(box.buttons, Buttons::OkOnly);
            QCOMPARE(box.title, QString()); // the application title
        }
    }

    void countsAreNotTakenAgain()
    {
        WindowFixture fixture({"A", "B"}, {"P"});
        frmFonts& window = fixture.start();
        window.cboFontsScreen.AddItem("C");
        fixture.screen.names.append("D");
        QTest::mouseClick(window.cmdNumberOfFonts.widget(), Qt::LeftButton);
        QTest::mouseClick(window.cmdNumberOfFonts.widget(), Qt::LeftButton);
        QCOMPARE(fixture.messages.shown.size(), size_t(4));
        QCOMPARE(fixture.messages.shown[2].prompt, QString("Number Of Screen Fonts  2"));
        QCOMPARE(fixture.messages.shown[3].prompt, fixture.messages.shown[1].prompt);
    }

    void startUpRunsOnce()
    {
        WindowFixture fixture({"A", "B"}, {"P"});
        frmFonts& window = fixture.start();
        const int reads = fixture.screen.reads;
        QCOMPARE(reads, 2);
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&window, &activate);
        window.hide();
        window.show();
        QCoreApplication::processEvents();
        QCOMPARE(fixture.screen.reads, reads);
        QCOMPARE(window.cboFontsScreen.ListCount(), 2);
    }

    void tooLargeACountFailsAndStaysZero()
    {
        QStringList many;
        for (int i = 0; i < 32768; ++i)
            many.append(QString::number(i));
        WindowFixture fixture({"A"}, {});
        fixture.printer.fonts = many;
        frmFonts& window = fixture.start();
        QCOMPARE(window.PrinterFontCount, 0);
        QCOMPARE(window.cboFontsPrinter.ListCount(), 0);
        QCOMPARE(window.ScreenFontCount, 1);
    }

    void exitEndsTheProgramWithoutAMessage()
    {
        WindowFixture fixture({"A"}, {"P"});
        frmFonts& window = fixture.start();
        QTest::mouseClick(window.cmdExit.widget(), Qt::LeftButton);
        QCOMPARE(fixture.programEnd.ends, 1);
        QVERIFY(fixture.messages.shown.empty());
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
