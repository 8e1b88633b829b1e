// The window as designed: places, sizes, captions, fonts, states and tab order.

#include "platform/twips.h"
#include "tests/support/window.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace vantreel;
using namespace vantreel::testing;

class TestDesign : public QObject {
    Q_OBJECT

    WindowFixture fixture{{}, {}};

    QWidget* control(const QString& name)
    {
        auto* found = fixture.window->findChild<QWidget*>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }

    static QString captionOf(QWidget* control)
    {
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            return button->text();
        if (auto* label = qobject_cast<QLabel*>(control))
            return label->text();
        return {};
    }

private slots:
    void initTestCase() { fixture.window = std::make_unique<frmFonts>(frmFonts::Outside{fixture.screen, fixture.printer, fixture.messages, fixture.programEnd}); }

    void placesAndCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        const QString sample = "Aa Bb Cc Dd Ee Ff Gg Hh Ii Jj Kk Ll Mm Nn Oo Pp Qq Rr Ss Tt Uu Vv Ww Xx Yy Zz 1 2 3 4 5 6 7 8 9 0";
        const auto row = [](const char* name, int left, int top, int width, int height, const QString& caption) {
            QTest::newRow(name) << QString::fromLatin1(name) << QRect(left, top, width, height) << caption;
        };
        row("cboFontsScreen", 240, 360, 3015, 315, {});
        row("cboFontsPrinter", 240, 3000, 3015, 315, {});
        row("cmdExit", 6000, 6120, 2775, 495, "E&xit");
        row("cmdNumberOfFonts", 6000, 5520, 2775, 495, "&Number of Fonts");
        row("lblScreen", 240, 120, 2535, 255, "Available Screen Fonts:");
        row("lblPrinter", 240, 2760, 5415, 255, "Available Printer Fonts:   (click to send to start and end)");
        row("lblSample", 240, 960, 8535, 1695, sample);
        row("lblSampleInfo", 240, 720, 2295, 255, "Sample Screen Fonts:");
        row("cmdShowFonts", 3480, 3000, 2295, 495, "&Show Screen Fonts");
        row("lblPrinterFonts", 240, 3600, 8535, 1695, sample + " ");
        row("lblPrinterSample", 240, 3360, 2295, 255, "Sample Printer Fonts:");
        row("cmdPrintFonts", 180, 6120, 3615, 495, "&Print All Printer Fonts");
        row("Option1", 3480, 360, 615, 375, "10");
        row("Option2", 4080, 360, 615, 375, "14");
        row("Option3", 4680, 360, 615, 375, "18");
        row("Label1", 4800, 120, 1935, 255, "Font Size:");
        row("Option4", 5280, 360, 615, 375, "24");
        row("HsbSpeed", 5880, 3000, 2895, 255, {});
        row("Label2", 5880, 3240, 2895, 255, "Fast                                Slow");
        row("Label3", 5880, 2760, 2895, 255, "Show Speed ");
        row("Option5", 5880, 360, 615, 375, "32");
        row("Option6", 6480, 360, 615, 375, "48");
        row("Check1", 8160, 405, 855, 255, "Bold");
        row("Check2", 7200, 405, 855, 255, "Italic");
        row("chkPrintSmall", 4080, 6000, 1455, 240, "Print Small");
        row("chkPrintLarge", 4080, 6240, 1455, 255, "Print Large");
        row("txtStartFont", 240, 5640, 2775, 360, {});
        row("txtEndFont", 3120, 5640, 2775, 360, {});
        row("Label4", 240, 5400, 5295, 255, "Start Font Name:                     End Font Name:");
        row("chkPrintHuge", 4080, 6480, 1575, 255, "Print Huge");
    }

    void placesAndCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QWidget* widget = control(name);
        const double dpi = fixture.window->logicalDpiX();
        const QRect expected(twipsToPixels(twips.x(), dpi), twipsToPixels(twips.y(), dpi),
                             twipsToPixels(twips.width(), dpi), twipsToPixels(twips.height(), dpi));
        QCOMPARE(widget->geometry(), expected);
        QCOMPARE(captionOf(widget), caption);
    }

    void windowIsFixedAndGrey()
    {
        frmFonts& window = *fixture.window;
        const double dpi = window.logicalDpiX();
        QCOMPARE(window.size(), QSize(twipsToPixels(9060, dpi), twipsToPixels(6705, dpi)));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(window.windowTitle(), QString("Vantreel"));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(window.cmdShowFonts.widget()->palette().color(QPalette::Button), QColor(192, 0, 0));
        QVERIFY(window.windowIcon().availableSizes().contains(QSize(32, 32)));
        QVERIFY(window.lblScreen->autoFillBackground() == false);
        QVERIFY(window.Label1->autoFillBackground());
    }

    void fontsAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("window font on a caption") << "Label1" << 9.75 << true;
        QTest::newRow("window font on an option") << "Option1" << 9.75 << true;
        QTest::newRow("screen list") << "cboFontsScreen" << 8.25 << false;
        QTest::newRow("printer list") << "cboFontsPrinter" << 8.25 << false;
        QTest::newRow("print button") << "cmdPrintFonts" << 9.75 << true;
        QTest::newRow("option 24") << "Option4" << 9.75 << true;
        QTest::newRow("show speed") << "Label3" << 9.75 << true;
        QTest::newRow("screen sample") << "lblSample" << 9.75 << false;
    }

    void fontsAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(double, points);
        QFETCH(bool, bold);
        const QFont font = control(name)->font();
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
    }

    void samplesKeepTheirDesignedFontName()
    {
        QCOMPARE(fixture.window->lblSample.FontName(), QString("MS Sans Serif"));
        QCOMPARE(fixture.window->lblPrinterFonts.FontName(), QString("MS Sans Serif"));
        QCOMPARE(fixture.window->lblSample.FontSize(), 9.75f);
    }

    void designedValues()
    {
        frmFonts& window = *fixture.window;
        QVERIFY(window.Option1->isChecked());
        for (QRadioButton* option : {window.Option2, window.Option3, window.Option4, window.Option5, window.Option6})
            QVERIFY(!option->isChecked());
        QCOMPARE(window.chkPrintSmall.Value(), 1);
        for (CheckBox* box : {&window.chkPrintLarge, &window.chkPrintHuge, &window.Check1, &window.Check2})
            QCOMPARE(box->Value(), 0);
        QCOMPARE(window.HsbSpeed.widget()->minimum(), 5);
        QCOMPARE(window.HsbSpeed.widget()->maximum(), 5000);
        QCOMPARE(window.HsbSpeed.widget()->value(), 1500);
        QCOMPARE(window.HsbSpeed.widget()->singleStep(), 1);
        QCOMPARE(window.HsbSpeed.widget()->pageStep(), 1);
        QCOMPARE(window.tmrTimer.Interval(), 1000);
        QVERIFY(window.tmrTimer.timer()->isActive());
        QCOMPARE(window.txtStartFont.Text(), QString());
        QCOMPARE(window.txtEndFont.Text(), QString());
        QCOMPARE(window.ScreenFontCount, 0);
        QCOMPARE(window.PrinterFontCount, 0);
        QCOMPARE(window.ShowCounter, 0);
        QVERIFY(window.cboFontsPrinter.widget()->toolTip().startsWith("Click on the drop down list to transfer font name"));
        QVERIFY(window.cboFontsPrinter.widget()->toolTip().endsWith("Clear boxes to start over."));
        QVERIFY(window.lblSample.widget()->wordWrap());
        QVERIFY(window.lblSample.widget()->alignment() & Qt::AlignHCenter);
    }

    void tabOrderAsDesigned()
    {
        const QStringList expected{"cboFontsScreen", "cboFontsPrinter", "cmdExit", "cmdNumberOfFonts", "cmdShowFonts",
                                   "cmdPrintFonts", "Option1", "Option2", "Option3", "Option4", "HsbSpeed", "Option5",
                                   "Option6", "Check1", "Check2", "chkPrintSmall", "chkPrintLarge", "txtStartFont",
                                   "txtEndFont", "chkPrintHuge"};
        QStringList chain;
        QWidget* widget = control("cboFontsScreen");
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                chain.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != control("cboFontsScreen") && chain.size() < 40);
        chain.removeAll(QString());
        QCOMPARE(chain, expected);
    }

    void everyReachableControlIsNamed()
    {
        frmFonts& window = *fixture.window;
        QCOMPARE(window.lblScreen->buddy(), window.cboFontsScreen.widget());
        QCOMPARE(window.lblPrinter->buddy(), window.cboFontsPrinter.widget());
        QCOMPARE(window.txtStartFont.widget()->accessibleName(), QString("Start font name"));
        QCOMPARE(window.txtEndFont.widget()->accessibleName(), QString("End font name"));
    }

    void captionsFitTheirControls_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Label2", "Label4", "lblPrinter", "Label3", "lblScreen"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    // The tight captions: the speed bar's "Fast ... Slow" and the long labels.
    void captionsFitTheirControls()
    {
        QFETCH(QString, name);
        auto* label = qobject_cast<QLabel*>(control(name));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
    }

    void printButtonCaptionsFit()
    {
        QPushButton* button = fixture.window->cmdPrintFonts.widget();
        for (const QString& text : {QString("Print All Printer Fonts"), QString("Print Fonts From Start To End")}) {
            button->setText(text);
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(text));
        }
    }
};

QTEST_MAIN(TestDesign)
#include "test_design.moc"
