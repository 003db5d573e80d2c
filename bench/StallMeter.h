#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPair>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <functional>

// Processor time of the calling thread so far.
inline double ThreadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The longest time the event loop did not turn: the largest gap between two
// ticks of a 1 ms timer, less the millisecond; and within such gaps, the
// longest time the GUI thread itself was working (the rest it waited for a
// processor, which other programs on a busy machine also take).
class StallMeter : public QObject
{
public:
    StallMeter()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(1);
        connect(&timer, &QTimer::timeout, this, [this]() {
            const qint64 now = clock.nsecsElapsed();
            const double cpu = ThreadCpuMs();
            longest = std::max(longest, (now - last) / 1e6 - 1.0);
            longestBusy = std::max(longestBusy, cpu - lastCpu);
            last = now;
            lastCpu = cpu;
            if (onTick)
                onTick();
        });
    }
    void Start()
    {
        longest = longestBusy = 0;
        clock.start();
        last = 0;
        lastCpu = ThreadCpuMs();
        timer.start();
    }
    QPair<double, double> Stop()
    {
        timer.stop();
        return {longest, longestBusy};
    }

    std::function<void()> onTick;

private:
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    double lastCpu = 0;
    double longest = 0;
    double longestBusy = 0;
};
