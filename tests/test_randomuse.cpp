// Random use of the real window: thousands of steps drawn from what a user can do, each
// followed by a check of what the program promises at every moment. The steps come from a
// seeded generator; a failure names the seed and the step, and the seed can be set through
// VANTREEL_RANDOM_SEED to replay a run.

#include "tests/support/window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <deque>
#include <random>

using namespace vantreel;
using namespace vantreel::testing;

namespace {

constexpr std::uint32_t defaultSeed = 20240611;
constexpr int stepsPerRun = 4000;

std::uint32_t seedFromEnvironment()
{
    bool ok = false;
    const auto seed = qEnvironmentVariable("VANTREEL_RANDOM_SEED").toUInt(&ok);
    return ok ? seed : defaultSeed;
}

// Names of at most 20 characters, so that every size prints them whole.
QStringList manyNames()
{
    return { "Arial", "arial", "ARIAL", "Bitstream Vera", "Courier", "Courier", "DejaVu Sans", "DejaVu Sans Mono",
        "Liberation Serif", "Noto Sans", "Noto Sans CJK", "Symbol", "Times", "Wingdings", "Zapf Dingbats", "a", "B",
        "c", "Mono", "mono", "Serif", "Sans", "Zz", "Helvetica", "Utopia" };
}

class RandomUse {
public:
    RandomUse(WindowFixture& fixture, std::uint32_t seed)
        : fixture_(fixture)
        , window_(*fixture.window)
        , random_(seed)
        , screenEntries_(WindowFixture::entries(window_.cboFontsScreen))
        , printerEntries_(WindowFixture::entries(window_.cboFontsPrinter))
    {
        QObject::connect(window_.txtStartFont.widget(), &QLineEdit::textChanged, [this] { startBoxChanged_ = true; });
        startBoxChanged_ = window_.cmdPrintFonts.Caption() != QLatin1String("&Print All Printer Fonts");
    }

    /// Runs one random step and checks the invariants after it.
    /// @return what went wrong, empty when nothing did
    QString step()
    {
        fixture_.messages.answers.clear();
        for (int i = 0; i < 3; ++i)
            fixture_.messages.answers.push_back(chance(2));
        fixture_.messages.shown.clear();
        fixture_.printer.calls.clear();
        fixture_.printer.items.clear();
        expectation_ = {};
        try {
            act();
        } catch (const std::exception& error) {
            return QStringLiteral("a handler let out an exception: ") + QString::fromLocal8Bit(error.what());
        } catch (...) {
            return QStringLiteral("a handler let out an exception");
        }
        return check();
    }

    QStringList trail() const { return { trail_.begin(), trail_.end() }; }

    // How much of the program the steps reached, to show that they do reach it.
    struct Reach {
        int completedRuns = 0;
        int runsOfSeveralDocuments = 0;
        int entriesPrinted = 0;
        int sizeErrors = 0;
        int reversedRanges = 0;
        int refusedConfirmations = 0;
        int slideShowSteps = 0;
    };
    const Reach& reach() const { return reach_; }

private:
    struct Expectation {
        QCheckBox* clickedBox = nullptr;
        bool wasChecked = false;
        float optionSize = 0;
        bool printPressed = false;
        int exitsBefore = -1;
    };

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    bool chance(int oneIn) { return pick(oneIn) == 0; }

    void note(const QString& what)
    {
        trail_.push_back(what);
        if (trail_.size() > 40)
            trail_.pop_front();
    }

    QString randomText()
    {
        switch (pick(6)) {
        case 0:
            return printerEntries_.isEmpty() ? QStringLiteral("Arial")
                                             : printerEntries_.at(pick(int(printerEntries_.size())));
        case 1: {
            const QString name = printerEntries_.isEmpty() ? QStringLiteral("Courier")
                                                           : printerEntries_.at(pick(int(printerEntries_.size())));
            return name.left(1 + pick(int(name.size())));
        }
        case 2:
            return QString(1 + pick(3), QLatin1Char(' '));
        case 3:
            return printerEntries_.isEmpty() ? QStringLiteral("ZZ")
                                             : printerEntries_.at(pick(int(printerEntries_.size()))).toUpper();
        default: {
            QString text;
            const int length = 1 + pick(8);
            for (int i = 0; i < length; ++i)
                text += QChar(u"abcxyzABCXYZ 019-"[pick(17)]);
            return text;
        }
        }
    }

    void act()
    {
        static const char* const boxes[] = { "Check1", "Check2", "chkPrintSmall", "chkPrintLarge", "chkPrintHuge" };
        static const char* const options[] = { "Option1", "Option2", "Option3", "Option4", "Option5", "Option6" };
        static const float optionSizes[] = { 10, 14, 18, 24, 36, 48 };
        switch (pick(15)) {
        case 0:
        case 1: {
            SortedList& list = chance(2) ? window_.cboFontsScreen : window_.cboFontsPrinter;
            const int position = list.ListCount() == 0 ? -1 : pick(list.ListCount());
            note(QStringLiteral("pick %1 in %2").arg(position).arg(list.widget()->objectName()));
            list.widget()->setCurrentIndex(position);
            break;
        }
        case 2: {
            SortedList& list = chance(2) ? window_.cboFontsScreen : window_.cboFontsPrinter;
            static const Qt::Key keys[]
                = { Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown, Qt::Key_A, Qt::Key_M };
            const Qt::Key key = keys[pick(7)];
            note(QStringLiteral("key %1 on %2").arg(key).arg(list.widget()->objectName()));
            QTest::keyClick(list.widget(), key);
            break;
        }
        case 3: {
            auto* box = window_.findChild<QCheckBox*>(QLatin1String(boxes[pick(5)]));
            note(QStringLiteral("click %1").arg(box->objectName()));
            expectation_.clickedBox = box;
            expectation_.wasChecked = box->isChecked();
            QTest::mouseClick(box, Qt::LeftButton);
            break;
        }
        case 4: {
            const int option = pick(6);
            auto* button = window_.findChild<QRadioButton*>(QLatin1String(options[option]));
            note(QStringLiteral("click %1").arg(button->objectName()));
            expectation_.optionSize = optionSizes[option];
            QTest::mouseClick(button, Qt::LeftButton);
            break;
        }
        case 5:
        case 6: {
            // Pages from smaller than one Huge entry to room for dozens of entries.
            if (chance(4)) {
                static const float pageHeights[] = { 900, 1500, 2500, 4000, 15000 };
                fixture_.printer.scaleHeight = pageHeights[pick(5)];
            }
            note(QStringLiteral("click cmdPrintFonts, answers %1, page height %2")
                     .arg(answers())
                     .arg(fixture_.printer.scaleHeight));
            expectation_.printPressed = true;
            QTest::mouseClick(window_.cmdPrintFonts.widget(), Qt::LeftButton);
            break;
        }
        case 7: {
            CommandButton* buttons[] = { &window_.cmdShowFonts, &window_.cmdNumberOfFonts, &window_.cmdExit };
            CommandButton* button = buttons[pick(chance(10) ? 3 : 2)];
            note(QStringLiteral("click %1").arg(button->widget()->objectName()));
            if (button == &window_.cmdExit)
                expectation_.exitsBefore = fixture_.programEnd.ends;
            QTest::mouseClick(button->widget(), Qt::LeftButton);
            break;
        }
        case 8: {
            TextBox& box = chance(2) ? window_.txtStartFont : window_.txtEndFont;
            const QString text = randomText();
            note(QStringLiteral("type \"%1\" into %2").arg(text, box.widget()->objectName()));
            QTest::keyClicks(box.widget(), text);
            break;
        }
        case 9: {
            TextBox& box = chance(2) ? window_.txtStartFont : window_.txtEndFont;
            if (chance(2)) {
                note(QStringLiteral("clear %1").arg(box.widget()->objectName()));
                QTest::keyClick(box.widget(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(box.widget(), Qt::Key_Backspace);
            } else {
                note(QStringLiteral("backspace in %1").arg(box.widget()->objectName()));
                QTest::keyClick(box.widget(), Qt::Key_End);
                QTest::keyClick(box.widget(), Qt::Key_Backspace);
            }
            break;
        }
        case 10: {
            QScrollBar* bar = window_.HsbSpeed.widget();
            barMoved_ = true;
            if (chance(3)) {
                const QPoint place(pick(bar->width()), bar->height() / 2);
                note(QStringLiteral("click HsbSpeed at x %1").arg(place.x()));
                const int before = bar->value();
                QTest::mouseClick(bar, Qt::LeftButton, {}, place);
                if (std::abs(bar->value() - before) > 1)
                    barFault_ = QStringLiteral("a click moved the bar from %1 to %2").arg(before).arg(bar->value());
                break;
            }
            if (chance(2)) {
                const Qt::Key key = chance(2) ? Qt::Key_Left : Qt::Key_Right;
                note(QStringLiteral("key %1 on HsbSpeed").arg(key));
                QTest::keyClick(bar, key);
                break;
            }
            note(QStringLiteral("drag HsbSpeed"));
            bar->setSliderDown(true);
            for (int moves = 1 + pick(4); moves > 0; --moves) {
                const int value = 5 + pick(4996);
                bar->setSliderPosition(value);
                if (window_.tmrTimer.Interval() != value)
                    barFault_ = QStringLiteral("the interval did not follow the thumb to %1").arg(value);
            }
            bar->setSliderDown(false);
            break;
        }
        case 11:
        case 12: {
            note(QStringLiteral("tick"));
            const int before = window_.cboFontsScreen.ListIndex();
            window_.tmrTimer_Timer();
            reach_.slideShowSteps += window_.cboFontsScreen.ListIndex() != before ? 1 : 0;
            break;
        }
        case 14: {
            // A turn of the mouse wheel over a list or the speed bar.
            QWidget* targets[] = { window_.cboFontsScreen.widget(), window_.cboFontsPrinter.widget(),
                window_.HsbSpeed.widget() };
            QWidget* target = targets[pick(3)];
            if (target == window_.HsbSpeed.widget())
                barMoved_ = true;
            const int notches = chance(2) ? 1 : -1;
            note(QStringLiteral("wheel %1 over %2").arg(notches).arg(target->objectName()));
            const QPointF centre(target->width() / 2.0, target->height() / 2.0);
            QWheelEvent wheel(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
            break;
        }
        default:
            note(QStringLiteral("let the event loop run"));
            QTest::qWait(pick(8));
            break;
        }
    }

    QString answers() const
    {
        QString text;
        for (bool ok : fixture_.messages.answers)
            text += ok ? QLatin1Char('O') : QLatin1Char('C');
        return text;
    }

    static bool isProgramMessage(const ShownBox& box)
    {
        const QString& p = box.prompt;
        if (box.buttons == Buttons::OkOnly && box.title.isEmpty())
            return p.startsWith(QLatin1String("Number Of Screen Fonts  "))
                || p.startsWith(QLatin1String("Number Of Printer Fonts  "));
        if (box.buttons == Buttons::OkOnly && box.title == QLatin1String("ERROR!"))
            return p == QLatin1String("First Select A Print Size!")
                || p == QLatin1String("Start Font Must Be Higher On The Font List Than End Font!");
        if (box.buttons == Buttons::OkCancel && box.title == QLatin1String("Print All Fonts?"))
            return p == QLatin1String("Print All Printer Fonts?");
        if (box.buttons == Buttons::OkCancel && box.title == QLatin1String("Print Partial Fonts?"))
            return p.startsWith(QLatin1String("Print Fonts From ")) && p.endsWith(QLatin1Char('?'));
        return false;
    }

    QString check()
    {
        frmFonts& w = window_;
        if (!barFault_.isEmpty())
            return std::exchange(barFault_, QString());

        const int printSizes
            = int(w.chkPrintSmall.Value() != 0) + int(w.chkPrintLarge.Value() != 0) + int(w.chkPrintHuge.Value() != 0);
        if (printSizes > 1)
            return QStringLiteral("%1 print-size boxes checked").arg(printSizes);
        if (QCheckBox* box = expectation_.clickedBox) {
            if (box->isChecked() == expectation_.wasChecked)
                return QStringLiteral("the click left %1 as it was").arg(box->objectName());
        }
        if (expectation_.optionSize != 0
            && (w.lblSample.FontSize() != expectation_.optionSize
                || w.lblPrinterFonts.FontSize() != expectation_.optionSize))
            return QStringLiteral("the size option did not size both samples to %1").arg(expectation_.optionSize);

        const QString caption = w.cmdPrintFonts.Caption();
        if (w.txtStartFont.Text().isEmpty()) {
            if (caption != QLatin1String(startBoxChanged_ ? "Print All Printer Fonts" : "&Print All Printer Fonts"))
                return QStringLiteral("empty start box, print button reads \"%1\"").arg(caption);
        } else if (caption != QLatin1String("Print Fonts From Start To End")) {
            return QStringLiteral("filled start box, print button reads \"%1\"").arg(caption);
        }

        if (w.lblSample.FontName() != w.cboFontsScreen.Text())
            return QStringLiteral("the screen sample is not in the selected screen font");
        if (w.lblPrinterFonts.FontName() != w.cboFontsPrinter.Text())
            return QStringLiteral("the printer sample is not in the selected printer font");
        const bool bold = w.Check1.Value() == CheckBox::Checked;
        const bool italic = w.Check2.Value() == CheckBox::Checked;
        if (w.lblSample.FontBold() != bold || w.lblPrinterFonts.FontBold() != bold || w.lblSample.FontItalic() != italic
            || w.lblPrinterFonts.FontItalic() != italic)
            return QStringLiteral("the samples do not follow the Bold and Italic boxes");

        if (w.ShowCounter != 0 && w.ShowCounter != 1)
            return QStringLiteral("ShowCounter is %1").arg(w.ShowCounter);
        const QString showCaption = w.cmdShowFonts.Caption();
        if ((w.ShowCounter == 1) != (showCaption == QLatin1String("&Stop Showing Fonts")))
            return QStringLiteral("show button reads \"%1\" with ShowCounter %2").arg(showCaption).arg(w.ShowCounter);
        const int interval = w.tmrTimer.Interval();
        if (interval != (barMoved_ ? int(w.HsbSpeed.Value()) : 1000))
            return QStringLiteral("timer interval %1 with the bar at %2").arg(interval).arg(w.HsbSpeed.Value());
        if (!w.tmrTimer.timer()->isActive())
            return QStringLiteral("the timer stopped");

        if (WindowFixture::entries(w.cboFontsScreen) != screenEntries_
            || WindowFixture::entries(w.cboFontsPrinter) != printerEntries_)
            return QStringLiteral("a font list changed");

        for (const ShownBox& box : fixture_.messages.shown) {
            if (!isProgramMessage(box))
                return QStringLiteral("a message the program does not give: \"%1\" titled \"%2\"")
                    .arg(box.prompt, box.title);
            reach_.sizeErrors += box.prompt == QLatin1String("First Select A Print Size!") ? 1 : 0;
            reach_.reversedRanges += box.prompt.startsWith(QLatin1String("Start Font Must")) ? 1 : 0;
        }
        if (expectation_.printPressed && !fixture_.messages.shown.empty() && fixture_.messages.answers.size() == 2
            && fixture_.printer.calls.isEmpty())
            ++reach_.refusedConfirmations;
        if (expectation_.exitsBefore >= 0 && fixture_.programEnd.ends != expectation_.exitsBefore + 1)
            return QStringLiteral("Exit did not end the program");

        if (expectation_.printPressed)
            return checkPrintRun();
        if (!fixture_.printer.calls.isEmpty())
            return QStringLiteral("the printer was used outside a print run");
        return {};
    }

    QString checkPrintRun()
    {
        frmFonts& w = window_;
        RecordingPrinter& printer = fixture_.printer;
        for (int pages : printer.pagesPerDocument()) {
            if (pages > 10)
                return QStringLiteral("a print document of %1 pages").arg(pages);
        }
        // Entries: number, name, sample; numbered consecutively in list order.
        const std::vector<PrintedItem>& items = printer.items;
        if (items.size() % 3 != 0)
            return QStringLiteral("%1 items printed, not whole entries").arg(items.size());
        int expectedNumber = 0;
        for (std::size_t i = 0; i < items.size(); i += 3) {
            bool ok = false;
            const int number = items.at(i).text.trimmed().toInt(&ok);
            if (!ok || items.at(i).text != QStringLiteral(" %1 ").arg(number))
                return QStringLiteral("entry begins with \"%1\", not a number").arg(items.at(i).text);
            if (i > 0 && number != expectedNumber)
                return QStringLiteral("running number %1 follows %2").arg(number).arg(expectedNumber - 1);
            expectedNumber = number + 1;
            // A place past the end of a list that lost a name cannot be selected: the entry
            // then prints the font selected before, as the entry before it did.
            const bool inList = number - 1 < printerEntries_.size();
            if (!inList && i == 0)
                continue;
            const QString name = inList ? printerEntries_.value(number - 1) : items.at(i - 2).text;
            if (items.at(i + 1).text != name || items.at(i + 2).fontName != name)
                return QStringLiteral("entry %1 is not the font at its place in the list").arg(number);
        }
        const bool completed = !printer.calls.isEmpty() && printer.calls.last() == QLatin1String("EndDoc");
        if (completed) {
            ++reach_.completedRuns;
            reach_.runsOfSeveralDocuments += printer.pagesPerDocument().size() > 1 ? 1 : 0;
            reach_.entriesPrinted += int(items.size() / 3);
            const int first = printerEntries_.isEmpty() ? -1 : 0;
            if (w.cboFontsPrinter.ListIndex() != first)
                return QStringLiteral("after a run position %1 is selected").arg(w.cboFontsPrinter.ListIndex());
            if (w.lblPrinterFonts.FontSize() != w.lblSample.FontSize())
                return QStringLiteral("after a run the printer sample is not at the screen sample's size");
        } else if (!items.empty()) {
            return QStringLiteral("a run printed entries but did not end its document");
        }
        return {};
    }

    WindowFixture& fixture_;
    frmFonts& window_;
    std::mt19937 random_;
    QStringList screenEntries_;
    QStringList printerEntries_;
    bool startBoxChanged_ = false;
    bool barMoved_ = false;
    QString barFault_;
    Expectation expectation_;
    std::deque<QString> trail_;
    Reach reach_;
};

} // namespace

class TestRandomUse : public QObject {
    Q_OBJECT

private slots:
    // Found by random use: the drag handler ran before the bar took the thumb's value, so
    // during a drag the interval stayed one move behind the thumb; and the arrow keys moved
    // the thumb against their direction.
    void speedBarFollowsTheThumb()
    {
        WindowFixture fixture({ "Mono" }, { "Serif" });
        frmFonts& window = fixture.start();
        QScrollBar* bar = window.HsbSpeed.widget();
        bar->setSliderDown(true);
        for (int value : { 4000, 5, 5000, 1234 }) {
            bar->setSliderPosition(value);
            QCOMPARE(window.tmrTimer.Interval(), value);
        }
        bar->setSliderDown(false);
        QCOMPARE(window.tmrTimer.Interval(), 1234);
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(window.tmrTimer.Interval(), 1235);
        QTest::keyClick(bar, Qt::Key_Left);
        QTest::keyClick(bar, Qt::Key_Left);
        QCOMPARE(window.tmrTimer.Interval(), 1233);
        // The wheel keeps a scroll bar's way: turned towards the user, it moves the thumb right.
        const QPointF centre(bar->width() / 2.0, bar->height() / 2.0);
        QWheelEvent wheel(centre, bar->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        QCOMPARE(window.tmrTimer.Interval(), 1234);
    }

    void randomSteps_data()
    {
        QTest::addColumn<QStringList>("screenFonts");
        QTest::addColumn<QStringList>("printerFonts");
        QTest::addColumn<float>("pageHeight");
        QTest::addColumn<std::uint32_t>("seedOffset");
        QTest::addColumn<bool>("namesLost");
        QTest::newRow("many fonts, runs of several documents")
            << manyNames().mid(0, 12) << manyNames() << 1500.0f << std::uint32_t(0) << false;
        QTest::newRow("one font each") << QStringList { "Mono" } << QStringList { "Serif" } << 15000.0f
                                       << std::uint32_t(1) << false;
        QTest::newRow("no printer fonts") << manyNames().mid(5, 4) << QStringList {} << 15000.0f << std::uint32_t(2)
                                          << false;
        // The lists hold fewer names than the counts taken at start-up.
        QTest::newRow("names that could not be read")
            << manyNames().mid(0, 6) << manyNames().mid(6, 8) << 4000.0f << std::uint32_t(3) << true;
    }

    void randomSteps()
    {
        QFETCH(QStringList, screenFonts);
        QFETCH(QStringList, printerFonts);
        QFETCH(float, pageHeight);
        QFETCH(std::uint32_t, seedOffset);
        QFETCH(bool, namesLost);
        const std::uint32_t seed = seedFromEnvironment() + seedOffset;
        WindowFixture fixture(screenFonts, printerFonts);
        fixture.printer.scaleHeight = pageHeight;
        if (namesLost) {
            fixture.screen.unreadable = { 2 };
            fixture.printer.failingCalls = { 1 + 3 }; // the fourth name, after the count
        }
        fixture.start();
        fixture.printer.failingCalls.clear();
        QVERIFY(fixture.window->startedUp());
        if (namesLost) {
            QCOMPARE(fixture.window->cboFontsScreen.ListCount(), fixture.window->ScreenFontCount - 1);
            QCOMPARE(fixture.window->cboFontsPrinter.ListCount(), fixture.window->PrinterFontCount - 1);
        }

        RandomUse use(fixture, seed);
        for (int step = 1; step <= stepsPerRun; ++step) {
            const QString fault = use.step();
            if (!fault.isEmpty()) {
                const QString report
                    = QStringLiteral("step %1 of seed %2 (replay: VANTREEL_RANDOM_SEED=%3): %4\nlast steps:\n  %5")
                          .arg(step)
                          .arg(seed)
                          .arg(seedFromEnvironment())
                          .arg(fault, use.trail().join(QStringLiteral("\n  ")));
                QFAIL(qPrintable(report));
            }
        }
        const auto& reach = use.reach();
        qInfo("%d steps of seed %u: %d completed runs (%d of several documents, %d entries), %d refused, "
              "%d missing print sizes, %d reversed ranges, %d slide-show steps",
            stepsPerRun, seed, reach.completedRuns, reach.runsOfSeveralDocuments, reach.entriesPrinted,
            reach.refusedConfirmations, reach.sizeErrors, reach.reversedRanges, reach.slideShowSteps);
    }
};

QTEST_MAIN(TestRandomUse)
#include "test_randomuse.moc"
