// The slide show: start and stop, the steps through the screen list, and the pace.

#include "tests/support/window.h"

#include <QTest>

using namespace vantreel;
using namespace vantreel::testing;

using Positions = QList<int>;

class TestSlideShow : public QObject {
    Q_OBJECT

    static QStringList fonts(int count)
    {
        QStringList names;
        for (int i = 0; i < count; ++i)
            names.append(QString("Font %1").arg(i, 2, 10, QChar('0')));
        return names;
    }

private slots:
    void pressesAlternateBetweenStartAndStop_data()
    {
        QTest::addColumn<int>("fontCount");
        QTest::newRow("no fonts") << 0;
        QTest::newRow("one font") << 1;
        QTest::newRow("several fonts") << 5;
    }

    void pressesAlternateBetweenStartAndStop()
    {
        QFETCH(int, fontCount);
        WindowFixture fixture(fonts(fontCount), {"P"});
        frmFonts& window = fixture.start();
        QCOMPARE(window.cmdShowFonts.Caption(), QString("&Show Screen Fonts"));
        const std::pair<int, QString> expected[] = {
            {1, "&Stop Showing Fonts"}, {0, "&Show Fonts"}, {1, "&Stop Showing Fonts"}};
        const int positionBefore = window.cboFontsScreen.ListIndex();
        for (const auto& [counter, caption] : expected) {
            QTest::mouseClick(window.cmdShowFonts.widget(), Qt::LeftButton);
            QCOMPARE(window.ShowCounter, counter);
            QCOMPARE(window.cmdShowFonts.Caption(), caption);
            QCOMPARE(window.cboFontsScreen.ListIndex(), positionBefore); // the first step waits for a tick
        }
    }

    void ticksStepThroughTheList_data()
    {
        QTest::addColumn<int>("fontCount");
        QTest::addColumn<int>("startPosition");
        QTest::addColumn<Positions>("afterEachTick");
        QTest::newRow("wraps from the last to the first") << 5 << 3 << Positions{4, 0, 1};
        QTest::newRow("one font stays") << 1 << 0 << Positions{0, 0};
        QTest::newRow("nothing selected goes to the first") << 3 << -1 << Positions{0, 1};
        QTest::newRow("an empty list does nothing") << 0 << -1 << Positions{-1, -1};
    }

    void ticksStepThroughTheList()
    {
        QFETCH(int, fontCount);
        QFETCH(int, startPosition);
        QFETCH(Positions, afterEachTick);
        WindowFixture fixture(fonts(fontCount), {"P"});
        frmFonts& window = fixture.start();
        window.cboFontsScreen.setListIndex(startPosition);
        window.cmdShowFonts_Click();
        for (int expected : afterEachTick) {
            window.tmrTimer_Timer();
            QCOMPARE(window.cboFontsScreen.ListIndex(), expected);
            if (expected >= 0)
                QCOMPARE(window.lblSample.FontName(), window.cboFontsScreen.List(expected));
        }
    }

    // A name that failed to load leaves the list shorter than the count taken at start-up.
    void aListShorterThanItsCountWrapsAtItsEnd()
    {
        WindowFixture fixture(fonts(4), {"P"});
        fixture.screen.unreadable = {3};
        frmFonts& window = fixture.start();
        QCOMPARE(window.ScreenFontCount, 4);
        window.cboFontsScreen.setListIndex(2);
        window.cmdShowFonts_Click();
        window.tmrTimer_Timer();
        QCOMPARE(window.cboFontsScreen.ListIndex(), 0);
        window.tmrTimer_Timer();
        QCOMPARE(window.cboFontsScreen.ListIndex(), 1);
    }

    void ticksDoNothingWhileStopped()
    {
        WindowFixture fixture(fonts(3), {"P1", "P2"});
        frmFonts& window = fixture.start();
        for (int press = 0; press < 2; ++press) {
            window.tmrTimer_Timer();
            QCOMPARE(window.cboFontsScreen.ListIndex(), 0);
            QCOMPARE(window.lblSample.FontName(), QString("Font 00"));
            QCOMPARE(window.lblPrinterFonts.FontName(), QString("P1"));
            window.cmdShowFonts_Click(); // start ...
            window.cmdShowFonts_Click(); // ... and stop again
        }
    }

    void aFontPickedByHandIsTheNextStartingPoint()
    {
        WindowFixture fixture(fonts(6), {"P"});
        frmFonts& window = fixture.start();
        window.cmdShowFonts_Click();
        window.tmrTimer_Timer();
        window.cboFontsScreen.widget()->setCurrentIndex(4);
        window.tmrTimer_Timer();
        QCOMPARE(window.cboFontsScreen.ListIndex(), 5);
    }

    void styleChangedDuringTheShowAppliesToTheNextStep()
    {
        WindowFixture fixture(fonts(3), {"P"});
        frmFonts& window = fixture.start();
        window.cmdShowFonts_Click();
        window.Check2.setValue(CheckBox::Checked);
        window.tmrTimer_Timer();
        QVERIFY(window.lblSample.FontItalic());
        QVERIFY(window.lblSample.widget()->font().italic());
    }

    void theTimerDrivesTheShow()
    {
        WindowFixture fixture(fonts(3), {"P"});
        frmFonts& window = fixture.start();
        window.HsbSpeed.widget()->setValue(5);
        QCOMPARE(window.tmrTimer.Interval(), 5);
        QTest::mouseClick(window.cmdShowFonts.widget(), Qt::LeftButton);
        QTRY_COMPARE(window.cboFontsScreen.ListIndex(), 1);
    }

    void intervalFollowsTheSpeedBar()
    {
        WindowFixture fixture(fonts(2), {"P"});
        frmFonts& window = fixture.start();
        QScrollBar* bar = window.HsbSpeed.widget();
        QCOMPARE(bar->value(), 1500);
        QCOMPARE(window.tmrTimer.Interval(), 1000); // until the bar first moves

        // During a drag the interval follows the thumb.
        bar->setSliderDown(true);
        bar->setSliderPosition(2500);
        QCOMPARE(window.tmrTimer.Interval(), 2500);
        bar->setSliderPosition(40);
        QCOMPARE(window.tmrTimer.Interval(), 40);
        bar->setSliderDown(false);
        QCOMPARE(window.tmrTimer.Interval(), 40);

        // An arrow click moves the value by one.
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(window.tmrTimer.Interval(), 41);
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(window.tmrTimer.Interval(), 40);

        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(window.tmrTimer.Interval(), 5);
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(window.tmrTimer.Interval(), 5000);
        QCOMPARE(window.ShowCounter, 0); // the pace never touches the show's state
    }
};

QTEST_MAIN(TestSlideShow)
#include "test_slideshow.moc"
