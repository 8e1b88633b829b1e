// The slide show at scale. One step is what a timer tick does: select the next font, set the
// sample's font, and draw it (the repaint the event loop runs after the tick). Steps are timed
// one by one over every font of the set, twice (the first pass loads each font, the second
// finds it loaded), and then the real timer runs at the fastest pace, 5 ms, for a while.
//
//     vantreel_bench_slideshow program|floor SECONDS_AT_5MS
//
// "floor" does the same with a bare label and drop-down list.

#include "app/frmFonts.h"
#include "bench/measure.h"
#include "bench/startedwindow.h"
#include "platform/qtfonts.h"
#include "platform/qtprinter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFontDatabase>
#include <QLabel>
#include <QScrollBar>

#include <algorithm>
#include <cstring>

namespace {

struct Stepper {
    std::function<void()> step;      // one tick's work, without drawing
    std::function<int()> position;   // the selected position
    std::function<void(int)> startTimerAt5ms;
    std::function<void()> stopTimer;
    int count = 0;
};

// Counts paints of the sample, to make sure every step drew.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void timeSteps(const char* pass, Stepper& stepper, PaintCounter& counter)
{
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(stepper.count));
    const int paintsBefore = counter.paints;
    for (int i = 0; i < stepper.count; ++i) {
        const long long start = vantreel::bench::monotonicNs();
        stepper.step();
        QCoreApplication::processEvents();
        times.push_back(static_cast<double>(vantreel::bench::monotonicNs() - start) / 1e6);
    }
    std::sort(times.begin(), times.end());
    const auto at = [&](double q) { return times.empty() ? 0.0 : times[std::min(times.size() - 1, static_cast<std::size_t>(q * static_cast<double>(times.size())))]; };
    std::printf("%s_median_ms=%.4f %s_p99_ms=%.4f %s_paints=%d ", pass, at(0.5), pass, at(0.99), pass,
                counter.paints - paintsBefore);
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace vantreel;
    QApplication app(argc, argv);
    const bool floor = argc > 1 && std::strcmp(argv[1], "floor") == 0;
    const double seconds = argc > 2 ? std::atof(argv[2]) : 2.0;

    QtScreenFonts screen;
    auto printer = QtPrinter::toPdfFiles(QDir::tempPath() + QStringLiteral("/vantreel-bench-unused-%1.pdf"));
    bench::AlwaysOk messages;
    bench::NoEnd programEnd;
    std::unique_ptr<frmFonts> window;

    QWidget floorWindow;
    QComboBox floorList(&floorWindow);
    QLabel floorSample(&floorWindow);
    QTimer floorTimer;
    QStringList families;

    Stepper stepper;
    QWidget* sample = nullptr;
    int ticks = 0;
    if (!floor) {
        window = bench::startedWindow(frmFonts::Outside{screen, *printer, messages, programEnd});
        frmFonts& w = *window;
        w.tmrTimer.timer()->stop();
        w.cmdShowFonts_Click(); // the show is on
        stepper.count = w.cboFontsScreen.ListCount();
        stepper.step = [&w] { w.tmrTimer_Timer(); };
        stepper.position = [&w] { return w.cboFontsScreen.ListIndex(); };
        stepper.startTimerAt5ms = [&w, &ticks](int) {
            QObject::connect(w.tmrTimer.timer(), &QTimer::timeout, [&ticks] { ++ticks; });
            w.HsbSpeed.widget()->setValue(5); // the bar's Change sets the interval
            w.tmrTimer.timer()->start();
        };
        stepper.stopTimer = [&w] { w.tmrTimer.timer()->stop(); };
        sample = w.lblSample.widget();
    } else {
        families = QFontDatabase::families();
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
        floorWindow.setFixedSize(604, 447);
        floorList.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        floorList.setMinimumContentsLength(1);
        floorList.addItems(families);
        floorList.setGeometry(16, 24, 201, 21);
        floorSample.setText(QStringLiteral("Aa Bb Cc Dd Ee Ff Gg Hh Ii Jj Kk Ll Mm Nn Oo Pp Qq Rr Ss Tt Uu Vv Ww Xx Yy Zz 1 2 3 4 5 6 7 8 9 0"));
        floorSample.setWordWrap(true);
        floorSample.setGeometry(16, 64, 569, 113);
        floorWindow.show();
        QCoreApplication::processEvents();
        stepper.count = static_cast<int>(families.size());
        stepper.step = [&] {
            const int next = floorList.currentIndex() + 1 < floorList.count() ? floorList.currentIndex() + 1 : 0;
            floorList.setCurrentIndex(next);
            QFont font(families.at(next));
            font.setPointSizeF(9.75);
            font.setStyleStrategy(QFont::NoFontMerging);
            floorSample.setFont(font);
        };
        stepper.position = [&] { return floorList.currentIndex(); };
        QObject::connect(&floorTimer, &QTimer::timeout, [&] {
            ++ticks;
            stepper.step();
        });
        stepper.startTimerAt5ms = [&](int) { floorTimer.start(5); };
        stepper.stopTimer = [&] { floorTimer.stop(); };
        sample = &floorSample;
    }

    PaintCounter counter(sample);
    std::printf("fonts=%d ", stepper.count);
    timeSteps("first", stepper, counter);
    timeSteps("loaded", stepper, counter);

    int steps = 0;
    int last = stepper.position();
    QObject::connect(qobject_cast<QComboBox*>(floor ? static_cast<QWidget*>(&floorList) : window->cboFontsScreen.widget()),
                     &QComboBox::currentIndexChanged, [&](int index) {
                         if (index != last)
                             ++steps;
                         last = index;
                     });
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    const long long start = bench::monotonicNs();
    stepper.startTimerAt5ms(0);
    loop.exec();
    const double elapsed = static_cast<double>(bench::monotonicNs() - start) / 1e9;
    stepper.stopTimer();
    std::printf("steps_per_s=%.1f ticks_per_s=%.1f peak_kib=%ld\n", steps / elapsed, ticks / elapsed, bench::peakKiB());
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}
