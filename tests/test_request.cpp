// The print request: which request the boxes make, its confirmation, the positions
// handed to the catalogue, and the print-size boxes.

#include "tests/support/window.h"

#include <QTest>

using namespace vantreel;
using namespace vantreel::testing;

using Numbers = QList<int>;


class TestRequest : public QObject {
    Q_OBJECT

    // The printer list on a chosen entry and the two boxes as given; the printer untouched so far.
    static frmFonts& prepareRequest(WindowFixture& fixture, int selectedBefore, const QString& start,
                                    const QString& end)
    {
        frmFonts& window = fixture.start();
        window.cboFontsPrinter.setListIndex(selectedBefore);
        window.txtStartFont.setText(start);
        window.txtEndFont.setText(end);
        fixture.printer.calls.clear();
        return window;
    }

private slots:
    // Printer list: Alpha 0, Beta 1, Delta 2, Gamma 3.
    void requests_data()
    {
        QTest::addColumn<int>("selectedBefore");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("title");
        QTest::addColumn<Numbers>("printed");
        QTest::addColumn<QString>("startAfter");
        QTest::addColumn<QString>("endAfter");
        QTest::addColumn<QString>("caption");

        const QString all = "Print All Fonts?";
        const QString partial = "Print Partial Fonts?";
        const QString fromStart = "Print Fonts From Start To End";
        QTest::newRow("all fonts") << 0 << "" << "" << true << "Print All Printer Fonts?" << all << Numbers{1, 2, 3, 4}
                                   << "Beta" << "Delta" << fromStart;
        QTest::newRow("all fonts, cancelled") << 0 << "" << "" << false << "Print All Printer Fonts?" << all << Numbers{}
                                              << "" << "" << "Print All Printer Fonts";
        QTest::newRow("start empty: the end box is not used")
            << 0 << "" << "Gamma" << true << "Print All Printer Fonts?" << all << Numbers{1, 2, 3, 4} << "Beta"
            << "Gamma" << fromStart;
        QTest::newRow("to the end of the list")
            << 0 << "Beta" << "" << true << "Print Fonts From Beta To End Of Fonts?" << partial << Numbers{2, 3, 4}
            << "Beta" << "Beta" << fromStart;
        QTest::newRow("to the end of the list, cancelled")
            << 0 << "Beta" << "" << false << "Print Fonts From Beta To End Of Fonts?" << partial << Numbers{} << "Beta"
            << "" << fromStart;
        QTest::newRow("start to end") << 0 << "Beta" << "Delta" << true << "Print Fonts From Beta To Delta?" << partial
                                      << Numbers{2, 3} << "Beta" << "Delta" << fromStart;
        QTest::newRow("start to end, cancelled") << 0 << "Beta" << "Delta" << false << "Print Fonts From Beta To Delta?"
                                                 << partial << Numbers{} << "Beta" << "Delta" << fromStart;
        QTest::newRow("one font to itself") << 0 << "Delta" << "Delta" << true << "Print Fonts From Delta To Delta?"
                                            << partial << Numbers{3} << "Delta" << "Delta" << fromStart;
        QTest::newRow("blanks match nothing: from the selected entry")
            << 2 << "  " << "" << true << "Print Fonts From    To End Of Fonts?" << partial << Numbers{3, 4} << "  "
            << "Gamma" << fromStart;
        QTest::newRow("unknown start: from the selected entry")
            << 0 << "Nope" << "Beta" << true << "Print Fonts From Nope To Beta?" << partial << Numbers{1, 2} << "Nope"
            << "Beta" << fromStart;
        QTest::newRow("unknown end: the start font alone")
            << 0 << "Beta" << "Nope" << true << "Print Fonts From Beta To Nope?" << partial << Numbers{2} << "Beta"
            << "Nope" << fromStart;
        QTest::newRow("markup is text") << 0 << "<b>Beta</b>" << "" << true
                                        << "Print Fonts From <b>Beta</b> To End Of Fonts?" << partial
                                        << Numbers{1, 2, 3, 4} << "<b>Beta</b>" << "Beta" << fromStart;
    }

    void requests()
    {
        QFETCH(int, selectedBefore);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, ok);
        QFETCH(QString, prompt);
        QFETCH(QString, title);
        QFETCH(Numbers, printed);
        QFETCH(QString, startAfter);
        QFETCH(QString, endAfter);
        QFETCH(QString, caption);

        WindowFixture fixture({"S"}, {"Gamma", "Alpha", "Delta", "Beta"});
        frmFonts& window = prepareRequest(fixture, selectedBefore, start, end);
        fixture.messages.answers = {ok};

        QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);

        QCOMPARE(fixture.messages.shown.size(), size_t(1));
        QCOMPARE(fixture.messages.shown[0].prompt, prompt);
        QCOMPARE(fixture.messages.shown[0].title, title);
        QCOMPARE(fixture.messages.shown[0].buttons, Buttons::OkCancel);
        QCOMPARE(fixture.printer.runningNumbers(), printed);
        if (!ok) {
            QVERIFY(fixture.printer.calls.isEmpty());
            QCOMPARE(window.cboFontsPrinter.ListIndex(), selectedBefore);
        } else {
            QCOMPARE(window.cboFontsPrinter.ListIndex(), 0);
        }
        QCOMPARE(window.txtStartFont.Text(), startAfter);
        QCOMPARE(window.txtEndFont.Text(), endAfter);
        QCOMPARE(window.cmdPrintFonts.Caption(), caption);
    }

    void reversedRange_data()
    {
        QTest::addColumn<int>("selectedBefore");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::newRow("end before start") << 0 << "Gamma" << "Beta";
        QTest::newRow("unknown start, selection after the end") << 3 << "Nope" << "Beta";
    }

    void reversedRange()
    {
        QFETCH(int, selectedBefore);
        QFETCH(QString, start);
        QFETCH(QString, end);
        WindowFixture fixture({"S"}, {"Gamma", "Alpha", "Delta", "Beta"});
        frmFonts& window = prepareRequest(fixture, selectedBefore, start, end);

        QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);

        QCOMPARE(fixture.messages.shown.size(), size_t(2));
        QCOMPARE(fixture.messages.shown[1].prompt, QString("Start Font Must Be Higher On The Font List Than End Font!"));
        QCOMPARE(fixture.messages.shown[1].title, QString("ERROR!"));
        QCOMPARE(fixture.messages.shown[1].buttons, Buttons::OkOnly);
        QVERIFY(fixture.printer.calls.isEmpty());
        QCOMPARE(window.txtStartFont.Text(), QString());
        QCOMPARE(window.txtEndFont.Text(), QString());
        QCOMPARE(window.cmdPrintFonts.Caption(), QString("Print All Printer Fonts"));
        QCOMPARE(window.cboFontsPrinter.Text(), QString("Beta")); // left on the end font
    }

    void emptyPrinterListPrintsNothingForAllFonts()
    {
        WindowFixture fixture({"S"}, {});
        frmFonts& window = fixture.start();
        QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);
        QCOMPARE(fixture.messages.shown.size(), size_t(1));
        QVERIFY(fixture.printer.items.empty());
        QCOMPARE(fixture.printer.calls, QStringList{"EndDoc"});
    }

    void printSizeBoxesExcludeOneAnother_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QList<int>>("values"); // Small, Large, Huge afterwards
        QTest::newRow("large after small") << QStringList{"chkPrintLarge"} << QList<int>{0, 1, 0};
        QTest::newRow("huge after large") << QStringList{"chkPrintLarge", "chkPrintHuge"} << QList<int>{0, 0, 1};
        QTest::newRow("small again") << QStringList{"chkPrintHuge", "chkPrintSmall"} << QList<int>{1, 0, 0};
        QTest::newRow("unchecking the checked one leaves none") << QStringList{"chkPrintSmall"} << QList<int>{0, 0, 0};
        QTest::newRow("checking from none") << QStringList{"chkPrintSmall", "chkPrintHuge"} << QList<int>{0, 0, 1};
    }

    void printSizeBoxesExcludeOneAnother()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QList<int>, values);
        WindowFixture fixture({"S"}, {"P"});
        frmFonts& window = fixture.start();
        for (const QString& name : clicks)
            QTest::mouseClick(window.findChild<QCheckBox*>(name), Qt::LeftButton);
        QCOMPARE((QList<int>{window.chkPrintSmall.Value(), window.chkPrintLarge.Value(), window.chkPrintHuge.Value()}),
                 values);
    }

    void captionFollowsTheStartBoxOnly()
    {
        WindowFixture fixture({"S"}, {"P"});
        frmFonts& window = fixture.start();
        QTest::keyClicks(window.txtEndFont.widget(), "x");
        QCOMPARE(window.cmdPrintFonts.Caption(), QString("Print All Printer Fonts"));
        QTest::keyClicks(window.txtStartFont.widget(), "P");
        QCOMPARE(window.cmdPrintFonts.Caption(), QString("Print Fonts From Start To End"));
        QTest::keyClick(window.txtStartFont.widget(), Qt::Key_Backspace);
        QCOMPARE(window.cmdPrintFonts.Caption(), QString("Print All Printer Fonts"));
    }
};

QTEST_MAIN(TestRequest)
#include "test_request.moc"
