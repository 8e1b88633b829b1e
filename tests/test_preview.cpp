// The preview: fonts, sizes and styles of the two samples, and the range boxes that
// printer selections fill.

#include "tests/support/window.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

using namespace vantreel;
using namespace vantreel::testing;

class TestPreview : public QObject {
    Q_OBJECT

    static QStringList printerFonts() { return {"Alpha", "Beta", "Gamma"}; }

private slots:
    void printerSelectionFillsTheFirstEmptyBox_data()
    {
        QTest::addColumn<QString>("startBefore");
        QTest::addColumn<QString>("endBefore");
        QTest::addColumn<QString>("startAfter");
        QTest::addColumn<QString>("endAfter");
        QTest::addColumn<QString>("caption");
        QTest::newRow("both empty") << "" << "" << "Beta" << "" << "Print Fonts From Start To End";
        QTest::newRow("start empty, end filled") << "" << "Gamma" << "Beta" << "Gamma" << "Print Fonts From Start To End";
        QTest::newRow("start filled, end empty") << "Alpha" << "" << "Alpha" << "Beta" << "Print Fonts From Start To End";
        QTest::newRow("both filled") << "Alpha" << "Gamma" << "Alpha" << "Gamma" << "Print Fonts From Start To End";
        QTest::newRow("a blank counts as filled") << " " << "" << " " << "Beta" << "Print Fonts From Start To End";
    }

    void printerSelectionFillsTheFirstEmptyBox()
    {
        QFETCH(QString, startBefore);
        QFETCH(QString, endBefore);
        QFETCH(QString, startAfter);
        QFETCH(QString, endAfter);
        QFETCH(QString, caption);
        WindowFixture fixture({"S"}, printerFonts());
        frmFonts& window = fixture.start();
        window.txtStartFont.setText(startBefore);
        window.txtEndFont.setText(endBefore);

        window.cboFontsPrinter.widget()->setCurrentIndex(1);

        QCOMPARE(window.lblPrinterFonts.FontName(), QString("Beta"));
        QCOMPARE(window.txtStartFont.Text(), startAfter);
        QCOMPARE(window.txtEndFont.Text(), endAfter);
        QCOMPARE(window.cmdPrintFonts.Caption(), caption);
    }

    void clicksAfterStartUpFillStartThenEndThenNothing()
    {
        WindowFixture fixture({"S"}, printerFonts());
        frmFonts& window = fixture.start();
        QComboBox* list = window.cboFontsPrinter.widget();
        list->setCurrentIndex(2);
        QCOMPARE(window.txtStartFont.Text(), QString("Gamma"));
        QCOMPARE(window.cmdPrintFonts.Caption(), QString("Print Fonts From Start To End"));
        list->setCurrentIndex(1);
        QCOMPARE(window.txtEndFont.Text(), QString("Beta"));
        list->setCurrentIndex(0);
        QCOMPARE(window.txtStartFont.Text(), QString("Gamma"));
        QCOMPARE(window.txtEndFont.Text(), QString("Beta"));
        QCOMPARE(window.lblPrinterFonts.FontName(), QString("Alpha"));

        // Emptied by hand: only that box is refilled.
        window.txtStartFont.widget()->clear();
        QCOMPARE(window.cmdPrintFonts.Caption(), QString("Print All Printer Fonts"));
        list->setCurrentIndex(1);
        QCOMPARE(window.txtStartFont.Text(), QString("Beta"));
        QCOMPARE(window.txtEndFont.Text(), QString("Beta"));
    }

    void screenSelectionNeverTouchesTheBoxes()
    {
        WindowFixture fixture({"S1", "S2"}, printerFonts());
        frmFonts& window = fixture.start();
        window.cboFontsScreen.widget()->setCurrentIndex(1);
        QCOMPARE(window.lblSample.FontName(), QString("S2"));
        QCOMPARE(window.lblPrinterFonts.FontName(), QString("Alpha"));
        QCOMPARE(window.txtStartFont.Text(), QString());
        QCOMPARE(window.txtEndFont.Text(), QString());
    }

    void sizeOptionsSetBothSamples_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<float>("points");
        QTest::newRow("10") << "Option1" << 10.0f;
        QTest::newRow("14") << "Option2" << 14.0f;
        QTest::newRow("18") << "Option3" << 18.0f;
        QTest::newRow("24") << "Option4" << 24.0f;
        QTest::newRow("32 sets 36") << "Option5" << 36.0f;
        QTest::newRow("48") << "Option6" << 48.0f;
    }

    void sizeOptionsSetBothSamples()
    {
        QFETCH(QString, option);
        QFETCH(float, points);
        WindowFixture fixture({"S1", "S2"}, printerFonts());
        frmFonts& window = fixture.start();
        window.cboFontsScreen.setListIndex(1);
        if (option == "Option1") // already selected: choose another first, as a user would
            QTest::mouseClick(window.Option2, Qt::LeftButton);
        QTest::mouseClick(window.findChild<QRadioButton*>(option), Qt::LeftButton);
        for (const SampleLabel* sample : {&window.lblSample, &window.lblPrinterFonts}) {
            QCOMPARE(sample->FontSize(), points);
            QCOMPARE(sample->widget()->font().pointSizeF(), double(points));
        }
        QCOMPARE(window.lblSample.FontName(), QString("S2"));
        QCOMPARE(window.lblPrinterFonts.FontName(), QString("Alpha"));

        window.cboFontsScreen.setListIndex(0);
        window.cboFontsPrinter.setListIndex(2);
        QCOMPARE(window.lblSample.FontSize(), points);
        QCOMPARE(window.lblPrinterFonts.FontSize(), points);
    }

    void styleBoxesActOnBothSamples_data()
    {
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("bold") << true << false;
        QTest::newRow("italic") << false << true;
        QTest::newRow("bold italic") << true << true;
    }

    void styleBoxesActOnBothSamples()
    {
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        WindowFixture fixture({"S1", "S2"}, printerFonts());
        frmFonts& window = fixture.start();
        if (bold)
            QTest::mouseClick(window.Check1.widget(), Qt::LeftButton);
        if (italic)
            QTest::mouseClick(window.Check2.widget(), Qt::LeftButton);
        const auto styled = [&](bool expectBold, bool expectItalic) {
            for (const SampleLabel* sample : {&window.lblSample, &window.lblPrinterFonts}) {
                if (sample->FontBold() != expectBold || sample->FontItalic() != expectItalic)
                    return false;
                if (sample->widget()->font().bold() != expectBold || sample->widget()->font().italic() != expectItalic)
                    return false;
            }
            return true;
        };
        QVERIFY(styled(bold, italic));

        // A new font in either list keeps the style.
        window.cboFontsScreen.setListIndex(1);
        window.cboFontsPrinter.setListIndex(2);
        QVERIFY(styled(bold, italic));

        // Unchecking takes the style off at once.
        if (bold)
            QTest::mouseClick(window.Check1.widget(), Qt::LeftButton);
        if (italic)
            QTest::mouseClick(window.Check2.widget(), Qt::LeftButton);
        QVERIFY(styled(false, false));
    }

    void aGreyBoxCountsAsUnchecked()
    {
        WindowFixture fixture({"S1"}, printerFonts());
        frmFonts& window = fixture.start();
        window.Check1.setValue(CheckBox::Checked);
        QVERIFY(window.lblSample.FontBold());
        window.Check1.setValue(CheckBox::Grayed);
        QVERIFY(!window.lblSample.FontBold());
        QVERIFY(!window.lblPrinterFonts.FontBold());
    }

    // A sample shows what its font has: Qt must not borrow glyphs from other fonts.
    void samplesDoNotMergeFonts()
    {
        WindowFixture fixture({"S1"}, printerFonts());
        frmFonts& window = fixture.start();
        for (const SampleLabel* sample : {&window.lblSample, &window.lblPrinterFonts})
            QVERIFY(sample->widget()->font().styleStrategy() & QFont::NoFontMerging);
    }
};

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
