// The catalogue on the recording printer: layout per print size, running numbers,
// pages, ten-page documents, and what a run leaves behind.

#include "tests/support/window.h"

#include <QSignalSpy>
#include <QTest>

using namespace vantreel;
using namespace vantreel::testing;

namespace {

QStringList numberedFonts(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(QString("F%1").arg(i, 3, 10, QChar('0')));
    return names;
}

// The items of the entry with this running number: the number and the items after it.
std::vector<PrintedItem> entry(const RecordingPrinter& printer, int number)
{
    std::vector<PrintedItem> found;
    const QString label = QString(" %1 ").arg(number);
    for (size_t i = 0; i < printer.items.size(); ++i) {
        if (printer.items[i].text == label && printer.items[i].x == 0) {
            found.assign(printer.items.begin() + long(i), printer.items.begin() + long(std::min(i + 3, printer.items.size())));
            break;
        }
    }
    return found;
}


void checkSize(frmFonts& window, const QString& box)
{
    QTest::mouseClick(window.findChild<QCheckBox*>(box), Qt::LeftButton);
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void layoutPerPrintSize_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<float>("points");
        QTest::addColumn<float>("nameX");
        QTest::addColumn<QString>("printedName");
        QTest::addColumn<bool>("nameEndsLine");
        QTest::addColumn<float>("sampleX");
        QTest::addColumn<QString>("sample");
        QTest::newRow("small") << "chkPrintSmall" << 14.0f << 700.0f << "ABCDEFGHIJKLMNOPQRSTUVWXY" << false << 4700.0f
                               << "AaBbCcDdEeFfGgHhIiJjKkLl";
        QTest::newRow("large") << "chkPrintLarge" << 20.0f << 1000.0f << "ABCDEFGHIJKLMNOPQRSTUVWXY" << false << 6000.0f
                               << "AaBbCcDdEeFf";
        QTest::newRow("huge") << "chkPrintHuge" << 40.0f << 1500.0f << "ABCDEFGHIJKLMNOPQRST" << true << 1700.0f
                              << "AaBbCcDdEeFfGg";
    }

    void layoutPerPrintSize()
    {
        QFETCH(QString, box);
        QFETCH(float, points);
        QFETCH(float, nameX);
        QFETCH(QString, printedName);
        QFETCH(bool, nameEndsLine);
        QFETCH(float, sampleX);
        QFETCH(QString, sample);
        const QString longName = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234"; // 30 characters
        WindowFixture fixture({"S"}, {longName, "Short"});
        frmFonts& window = fixture.start();
        if (box != "chkPrintSmall")
            checkSize(window, box);
        window.Check1.setValue(CheckBox::Checked); // the preview's style never reaches the paper

        QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);

        const std::vector<PrintedItem> first = entry(fixture.printer, 1);
        QCOMPARE(first.size(), size_t(3));
        const PrintedItem& number = first[0];
        const PrintedItem& name = first[1];
        const PrintedItem& sampleItem = first[2];
        QCOMPARE(number.fontName, QString("Arial"));
        QVERIFY(!number.endsLine);
        QCOMPARE(name.text, printedName);
        QCOMPARE(name.fontName, QString("Arial"));
        QCOMPARE(name.x, nameX);
        QCOMPARE(name.endsLine, nameEndsLine);
        QCOMPARE(sampleItem.text, sample);
        QCOMPARE(sampleItem.fontName, longName); // the whole name, not the cut one
        QCOMPARE(sampleItem.x, sampleX);
        QVERIFY(sampleItem.endsLine);
        QCOMPARE(sampleItem.y > name.y, nameEndsLine);
        for (const PrintedItem& item : first) {
            QCOMPARE(item.points, points);
            QVERIFY(!item.bold && !item.italic && !item.underline);
        }
        QCOMPARE(entry(fixture.printer, 2)[1].text, QString("Short"));
        QCOMPARE(entry(fixture.printer, 2)[0].y, sampleItem.y + points * fixture.printer.lineHeightPerPoint);
    }

    void numbersCountFromTheStartPosition()
    {
        WindowFixture fixture({"S"}, numberedFonts(12));
        frmFonts& window = fixture.start();
        window.txtStartFont.setText("F009");
        window.txtEndFont.setText("F011");
        QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);
        QCOMPARE(fixture.printer.runningNumbers(), (QList<int>{10, 11, 12}));
    }

    // Small entries are 280 twips high; with a page of 1060 the third entry ends at 840.
    void pageFullOnlyPastTheMargin_data()
    {
        QTest::addColumn<float>("scaleHeight");
        QTest::addColumn<int>("entriesOnFirstPage");
        QTest::newRow("exactly at the margin: not full") << 1060.0f << 3;
        QTest::newRow("one twip past it: full") << 1059.0f << 2;
    }

    void pageFullOnlyPastTheMargin()
    {
        QFETCH(float, scaleHeight);
        QFETCH(int, entriesOnFirstPage);
        WindowFixture fixture({"S"}, numberedFonts(5));
        fixture.printer.scaleHeight = scaleHeight;
        frmFonts& window = fixture.start();
        QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);
        int onFirstPage = 0;
        for (const PrintedItem& item : fixture.printer.items)
            onFirstPage += item.page == 1 && item.document == 1 && item.x == 0 ? 1 : 0;
        QCOMPARE(onFirstPage, entriesOnFirstPage);
    }

    void tenPagesADocument_data()
    {
        QTest::addColumn<int>("fonts");
        QTest::addColumn<std::vector<int>>("pages");
        QTest::addColumn<QStringList>("lastCalls");
        // Three entries a page.
        QTest::newRow("24 full pages and part of a 25th") << 73 << std::vector<int>{10, 10, 5} << QStringList{};
        QTest::newRow("the last entry fills a page") << 6 << std::vector<int>{2} << QStringList{"NewPage", "EndDoc"};
        QTest::newRow("the last entry fills a tenth page") << 30 << std::vector<int>{10} << QStringList{"EndDoc", "EndDoc"};
    }

    void tenPagesADocument()
    {
        QFETCH(int, fonts);
        QFETCH(std::vector<int>, pages);
        QFETCH(QStringList, lastCalls);
        WindowFixture fixture({"S"}, numberedFonts(fonts));
        fixture.printer.scaleHeight = 1060;
        frmFonts& window = fixture.start();
        QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);
        QCOMPARE(fixture.printer.pagesPerDocument(), pages);
        QList<int> expectedNumbers;
        for (int i = 1; i <= fonts; ++i)
            expectedNumbers.append(i);
        QCOMPARE(fixture.printer.runningNumbers(), expectedNumbers);
        QStringList pageCalls;
        for (const QString& call : fixture.printer.calls) {
            if (call == "NewPage" || call == "EndDoc")
                pageCalls.append(call);
        }
        QCOMPARE(pageCalls.mid(pageCalls.size() - lastCalls.size()), lastCalls);
    }

    // A Huge entry (two 800-twip lines) is taller than its 1200-twip margin: an entry that
    // would run below the page begins a new page instead.
    void hugeEntriesAreNeverCut()
    {
        WindowFixture fixture({"S"}, numberedFonts(25));
        fixture.printer.scaleHeight = 4500;
        frmFonts& window = fixture.start();
        checkSize(window, "chkPrintHuge");
        QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);
        QCOMPARE(fixture.printer.runningNumbers().size(), 25);
        for (const PrintedItem& item : fixture.printer.items)
            QVERIFY2(item.y + item.points * fixture.printer.lineHeightPerPoint <= fixture.printer.scaleHeight,
                     qPrintable(item.text));
        for (int pagesInDocument : fixture.printer.pagesPerDocument())
            QVERIFY(pagesInDocument <= 10);
        QCOMPARE(fixture.printer.pagesPerDocument(), (std::vector<int>{10, 3}));
    }

    void emptyRange()
    {
        WindowFixture fixture({"S"}, {});
        frmFonts& window = fixture.start();
        window.chkPrintSmall.setValue(CheckBox::Unchecked); // no size, and still no message
        QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);
        QCOMPARE(fixture.messages.shown.size(), size_t(1));
        QVERIFY(fixture.printer.items.empty());
        QCOMPARE(fixture.printer.endDocs, 1);
    }

    void theSinglePositionMinusOne()
    {
        WindowFixture fixture({"S"}, {});
        frmFonts& window = fixture.start();
        window.txtStartFont.setText("Typed");
        QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);
        const std::vector<PrintedItem> only = entry(fixture.printer, 0);
        QCOMPARE(only.size(), size_t(3));
        QCOMPARE(only[1].text, QString());
        QCOMPARE(only[2].fontName, QString());
        QCOMPARE(fixture.printer.runningNumbers(), QList<int>{0});
        QCOMPARE(window.cboFontsPrinter.ListIndex(), -1);
    }

    void noPrintSizeChecked()
    {
        WindowFixture fixture({"S"}, numberedFonts(4));
        frmFonts& window = fixture.start();
        window.cboFontsPrinter.setListIndex(2);
        window.txtStartFont.setText("F001");
        window.txtEndFont.setText("F003");
        window.lblPrinterFonts.setFontSize(30);
        checkSize(window, "chkPrintSmall");
        fixture.printer.calls.clear();

        QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);

        QCOMPARE(fixture.messages.shown.size(), size_t(2));
        QCOMPARE(fixture.messages.shown[0].title, QString("Print Partial Fonts?"));
        QCOMPARE(fixture.messages.shown[1].prompt, QString("First Select A Print Size!"));
        QCOMPARE(fixture.messages.shown[1].title, QString("ERROR!"));
        QCOMPARE(fixture.messages.shown[1].buttons, Buttons::OkOnly);
        QVERIFY(fixture.printer.items.empty());
        QCOMPARE(fixture.printer.calls, QStringList{"FontName=Arial"});
        QCOMPARE(window.cboFontsPrinter.ListIndex(), 3); // where resolving the end name left it
        QCOMPARE(window.txtStartFont.Text(), QString("F001"));
        QCOMPARE(window.txtEndFont.Text(), QString("F003"));
        QCOMPARE(window.lblPrinterFonts.FontSize(), 30.0f);
    }

    void aRunLeavesTheFirstFontSelectedAndTheSizesEqual()
    {
        WindowFixture fixture({"S"}, numberedFonts(3));
        frmFonts& window = fixture.start();
        window.Option3_Click();
        window.lblPrinterFonts.setFontSize(30);
        QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);
        QCOMPARE(window.cboFontsPrinter.ListIndex(), 0);
        QCOMPARE(window.lblPrinterFonts.FontName(), QString("F000"));
        QCOMPARE(window.lblPrinterFonts.FontSize(), 18.0f);
        // Begun with both boxes empty: the run filled them with fonts it printed.
        QCOMPARE(window.txtStartFont.Text(), QString("F001"));
        QCOMPARE(window.txtEndFont.Text(), QString("F002"));
        QCOMPARE(fixture.printer.calls.last(), QString("EndDoc"));
    }

    void aPrinterThatFailsEveryCall()
    {
        WindowFixture fixture({"S"}, numberedFonts(4));
        frmFonts& window = fixture.start();
        window.cboFontsPrinter.setListIndex(2);
        window.txtStartFont.setText(QString());
        fixture.printer.failEveryCall = true;
        QSignalSpy selections(window.cboFontsPrinter.widget(), &QComboBox::currentIndexChanged);

        QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);

        QList<int> visited;
        for (const QList<QVariant>& selection : selections)
            visited.append(selection.at(0).toInt());
        QCOMPARE(visited, (QList<int>{0, 1, 2, 3, 0}));
        QVERIFY(fixture.printer.items.empty());
        QCOMPARE(fixture.messages.shown.size(), size_t(1)); // the confirmation alone
        QCOMPARE(window.cboFontsPrinter.ListIndex(), 0);
        QCOMPARE(window.txtStartFont.Text(), QString("F000"));
        QCOMPARE(window.txtEndFont.Text(), QString("F001"));
    }
};

QTEST_MAIN(TestCatalogue)
#include "test_catalogue.moc"
