// The real window on a font set that holds broken font files next to good ones: a zero-byte
// file, a truncated font, a font whose outlines are cut short, random bytes with a font's extension, and a font whose family name
// is empty. CTest makes the set (bench/fontset.py --broken) and points FONTCONFIG_FILE at it.
// Start-up, the preview of every font, a slide show over every font and a full catalogue in
// each print size must all complete.

#include "app/frmFonts.h"
#include "platform/fontresolver.h"
#include "platform/qtfonts.h"
#include "platform/qtprinter.h"
#include "tests/support/fakes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vantreel;

class TestBrokenFonts : public QObject {
    Q_OBJECT

    QtScreenFonts screen;
    std::unique_ptr<QTemporaryDir> pdfs;
    std::unique_ptr<QtPrinter> printer;
    testing::ScriptedMessageBoxes messages;
    testing::RecordingProgramEnd programEnd;
    std::unique_ptr<frmFonts> window;

    static void draw(QWidget* widget) { QVERIFY(!widget->grab().isNull()); }

private slots:
    void initTestCase()
    {
        QVERIFY2(qEnvironmentVariableIsSet("FONTCONFIG_FILE"), "run through CTest: it makes the broken font set");
        // The set is the one made for this test, not the machine's fonts.
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("Good Font One")));
        pdfs = std::make_unique<QTemporaryDir>();
        QVERIFY(pdfs->isValid());
        printer = QtPrinter::toPdfFiles(pdfs->filePath(QStringLiteral("catalogue-%1.pdf")));
        window = std::make_unique<frmFonts>(frmFonts::Outside{screen, *printer, messages, programEnd});
        window->show();
        QTRY_VERIFY(window->startedUp());
    }

    void startUpFillsBothListsWithTheReadableFonts()
    {
        frmFonts& w = *window;
        QCOMPARE(w.cboFontsScreen.ListCount(), int(w.ScreenFontCount));
        QCOMPARE(w.cboFontsPrinter.ListCount(), int(w.PrinterFontCount));
        // A font whose outlines are cut short is listed by its intact name.
        for (const char* good : {"Good Font One", "Good Font Two", "Liberation Sans", "Truncated Glyphs"}) {
            QVERIFY2(w.cboFontsScreen.find(QString::fromLatin1(good)) >= 0, good);
            QVERIFY2(w.cboFontsPrinter.find(QString::fromLatin1(good)) >= 0, good);
        }
        QCOMPARE(w.cboFontsScreen.ListIndex(), 0);
        QCOMPARE(w.lblSample.FontName(), w.cboFontsScreen.List(0));
        QCOMPARE(w.lblPrinterFonts.FontName(), w.cboFontsPrinter.List(0));
        QCOMPARE(w.txtStartFont.Text(), QString());
        draw(&w);
    }

    // Every font in both lists, at the largest size, bold and italic, drawn.
    void previewShowsEveryFont()
    {
        frmFonts& w = *window;
        QTest::mouseClick(w.Option6, Qt::LeftButton);
        w.Check1.setValue(CheckBox::Checked);
        w.Check2.setValue(CheckBox::Checked);
        for (int i = 0; i < w.cboFontsScreen.ListCount(); ++i) {
            w.cboFontsScreen.setListIndex(i);
            QCOMPARE(w.lblSample.FontName(), w.cboFontsScreen.List(i));
            QVERIFY(w.lblSample.FontBold() && w.lblSample.FontItalic());
            draw(w.lblSample.widget());
        }
        for (int i = 0; i < w.cboFontsPrinter.ListCount(); ++i) {
            w.cboFontsPrinter.setListIndex(i);
            QCOMPARE(w.lblPrinterFonts.FontName(), w.cboFontsPrinter.List(i));
            QCOMPARE(w.lblPrinterFonts.FontSize(), 48.0f);
            draw(w.lblPrinterFonts.widget());
        }
        w.Check1.setValue(CheckBox::Unchecked);
        w.Check2.setValue(CheckBox::Unchecked);
        QTest::mouseClick(w.Option1, Qt::LeftButton);
        w.txtStartFont.setText(QString());
        w.txtEndFont.setText(QString());
    }

    // One tick per font visits every entry once and comes back to where it began.
    void slideShowStepsThroughEveryFont()
    {
        frmFonts& w = *window;
        w.cboFontsScreen.setListIndex(0);
        w.cmdShowFonts_Click();
        QCOMPARE(w.ShowCounter, std::int16_t(1));
        QSet<QString> shown;
        for (int i = 0; i < w.cboFontsScreen.ListCount(); ++i) {
            w.tmrTimer_Timer();
            shown.insert(w.cboFontsScreen.Text());
            QCOMPARE(w.lblSample.FontName(), w.cboFontsScreen.Text());
            draw(w.lblSample.widget());
        }
        QCOMPARE(w.cboFontsScreen.ListIndex(), 0);
        QSet<QString> listed;
        for (int i = 0; i < w.cboFontsScreen.ListCount(); ++i)
            listed.insert(w.cboFontsScreen.List(i));
        QCOMPARE(shown, listed);
        w.cmdShowFonts_Click();
        QCOMPARE(w.ShowCounter, std::int16_t(0));
    }

    void catalogueOfEveryFont_data()
    {
        QTest::addColumn<QString>("size");
        QTest::newRow("small") << QStringLiteral("chkPrintSmall");
        QTest::newRow("large") << QStringLiteral("chkPrintLarge");
        QTest::newRow("huge") << QStringLiteral("chkPrintHuge");
    }

    void catalogueOfEveryFont()
    {
        QFETCH(QString, size);
        frmFonts& w = *window;
        auto* box = w.findChild<QCheckBox*>(size);
        QVERIFY(box);
        box->setChecked(true);
        w.txtStartFont.setText(QString());
        messages.shown.clear();
        const int released = printer->documentsReleased();

        w.cmdPrintFonts_Click();

        QCOMPARE(messages.shown.size(), std::size_t(1)); // the confirmation alone
        QCOMPARE(messages.shown.front().prompt, QStringLiteral("Print All Printer Fonts?"));
        QVERIFY(printer->documentsReleased() > released);
        for (int document = released + 1; document <= printer->documentsReleased(); ++document) {
            const QFileInfo pdf(pdfs->filePath(QStringLiteral("catalogue-%1.pdf").arg(document)));
            QVERIFY2(pdf.exists() && pdf.size() > 0, qPrintable(pdf.fileName()));
        }
        QCOMPARE(w.cboFontsPrinter.ListIndex(), 0);
        QCOMPARE(w.lblPrinterFonts.FontName(), w.cboFontsPrinter.List(0));
    }
};

QTEST_MAIN(TestBrokenFonts)
#include "test_broken_fonts.moc"
