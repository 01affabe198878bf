// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's clock against the monotonic clock: 40 ticks of the real
// PeriodicTimer, beside a plain QTimer of the same interval as the
// yardstick, both in one event loop. Prints each one's total against
// 40 000 ms and how late its ticks came.
//   kwintor_clock_bench [TICKS]

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "periodic_timer.h"

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;
constexpr std::chrono::milliseconds Interval(1000);

// When each tick of one clock came, and what it says once all have come.
class TickLog {
public:
    TickLog(const char* name, Clock::time_point start, int ticks)
        : name_(name)
        , start_(start)
        , ticks_(ticks)
    {
    }

    // True at the last tick; the ticks after it are not counted.
    bool RecordLast()
    {
        if (int(arrivals_.size()) == ticks_)
            return false;
        arrivals_.push_back(Clock::now());
        return int(arrivals_.size()) == ticks_;
    }

    void Print() const
    {
        std::vector<double> lateness;
        for (std::size_t i = 0; i < arrivals_.size(); ++i)
            lateness.push_back(Milliseconds(arrivals_[i] - start_ - Interval * int(i + 1)).count());
        const double total = Milliseconds(arrivals_.back() - start_).count();
        const double wanted = Milliseconds(Interval * ticks_).count();
        std::vector<double> sorted = lateness;
        std::sort(sorted.begin(), sorted.end());
        std::printf("%-14s %d ticks in %.1f ms (%+.1f ms against %.0f ms); "
                    "tick against its due time: median %+.2f ms, earliest %+.2f ms, latest %+.2f ms\n",
                    name_, ticks_, total, total - wanted, wanted, sorted[sorted.size() / 2], sorted.front(),
                    sorted.back());
    }

private:
    const char* name_;
    Clock::time_point start_;
    int ticks_;
    std::vector<Clock::time_point> arrivals_;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int ticks = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 40;

    // Both start now: the game's clock counts from its construction.
    const Clock::time_point start = Clock::now();
    kwintor::PeriodicTimer gameClock(Interval);
    QTimer plain;
    plain.start(Interval);

    TickLog gameTicks("PeriodicTimer", start, ticks);
    TickLog plainTicks("coarse QTimer", start, ticks);
    int running = 2;
    const auto finishedOne = [&] {
        if (--running == 0)
            application.quit();
    };
    QObject::connect(&gameClock, &kwintor::PeriodicTimer::Ticked, &application, [&] {
        if (gameTicks.RecordLast())
            finishedOne();
    });
    QObject::connect(&plain, &QTimer::timeout, &application, [&] {
        if (plainTicks.RecordLast())
            finishedOne();
    });
    application.exec();
    gameTicks.Print();
    plainTicks.Print();
    return 0;
}
