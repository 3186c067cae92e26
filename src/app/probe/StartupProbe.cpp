#include "app/probe/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

// Called once, right after the first frame: a profiler can stop there
// (valgrind --tool=callgrind --dump-after=zefra_first_frame).
extern "C" __attribute__((noinline)) void zefra_first_frame()
{
    asm volatile(""); // kept as a call of its own
}

namespace app::probe {

namespace {

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

rusage ownUsage()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage;
}

long long microseconds(const timeval &t)
{
    return static_cast<long long>(t.tv_sec) * 1'000'000LL + t.tv_usec;
}

// Handles the window's first expose itself, so that the time is taken after
// the widgets have painted into the backing store and it has been flushed:
// Qt paints and flushes while it handles the expose event.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWindow *window, int settleMs) : QObject(window), settleMs_(settleMs) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Expose || !static_cast<QWindow *>(watched)->isExposed())
            return false;
        watched->removeEventFilter(this);
        // Painted and flushed to the display connection when this returns.
        // (No QGuiApplication::sync(): it would run posted events first.)
        QCoreApplication::sendEvent(watched, event);
        zefra_first_frame();
        const long long now = monotonicNanoseconds();
        const rusage usage = ownUsage(); // ru_maxrss in KiB on Linux
        std::printf("first-paint %lld %lld %ld\n", now,
                    microseconds(usage.ru_utime) + microseconds(usage.ru_stime), usage.ru_maxrss);
        std::fflush(stdout);
        QTimer::singleShot(settleMs_, [] {
            std::printf("settled %ld\n", ownUsage().ru_maxrss);
            std::fflush(stdout);
            ::_exit(0);
        });
        return true;
    }

private:
    int settleMs_;
};

} // namespace

void WatchFirstPaint(QWidget &window)
{
    const char *settle = std::getenv("ZEFRA_STARTUP_PROBE");
    if (!settle || !window.windowHandle())
        return;
    window.windowHandle()->installEventFilter(
        new FirstPaint(window.windowHandle(), std::atoi(settle)));
}

} // namespace app::probe
