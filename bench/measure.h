#pragma once

// What the benchmark programs share: the clock the runner also reads, peak memory, a
// detector of a widget's first paint, and a printer and message boxes that need no print
// system and no user.

#include "platform/messageboxes.h"
#include "platform/programend.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace vantreel::bench {

/// @return nanoseconds of the system's monotonic clock, the one the runner reads before it starts a program
inline long long monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

/// @return the peak resident memory of this process so far, in KiB
inline long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Calls back once, when every watched widget has been painted while ready() held, after the
// paint has been flushed (the call-back waits for the event that painted to finish).
class FirstPaint : public QObject {
public:
    FirstPaint(std::vector<QWidget*> watched, std::function<bool()> ready, std::function<void()> done)
        : watched_(std::move(watched))
        , painted_(watched_.size(), false)
        , ready_(std::move(ready))
        , done_(std::move(done))
    {
        for (QWidget* widget : watched_)
            widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !fired_ && ready_()) {
            for (std::size_t i = 0; i < watched_.size(); ++i) {
                if (watched_[i] == object)
                    painted_[i] = true;
            }
            if (std::all_of(painted_.begin(), painted_.end(), [](bool painted) { return painted; })) {
                fired_ = true;
                QTimer::singleShot(0, this, [this] { done_(); });
            }
        }
        return false;
    }

private:
    std::vector<QWidget*> watched_;
    std::vector<bool> painted_;
    std::function<bool()> ready_;
    std::function<void()> done_;
    bool fired_ = false;
};

/// Prints the start-up figures the runner reads and ends the process without tearing down.
[[noreturn]] inline void reportStartUpAndExit(int families)
{
    std::printf("painted_ns=%lld peak_kib=%ld families=%d\n", monotonicNs(), peakKiB(), families);
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

// Confirms every request, as a user pressing OK would.
class AlwaysOk : public MessageBoxes {
public:
    bool show(const QString&, Buttons, const QString&) override
    {
        ++shown;
        return true;
    }
    int shown = 0;
};

class NoEnd : public ProgramEnd {
public:
    void endNow() override {}
};

} // namespace vantreel::bench
