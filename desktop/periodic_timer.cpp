// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "periodic_timer.h"

namespace kwintor {

TickSchedule::TickSchedule(Clock::time_point start, std::chrono::milliseconds interval)
    : interval_(interval)
    , due_(start + interval)
{
}

std::chrono::milliseconds TickSchedule::NextDelay(Clock::time_point now)
{
    due_ += interval_;
    if (due_ <= now - interval_)
        due_ = now;
    // Rounded up: a tick never comes before its time.
    return std::max(std::chrono::ceil<std::chrono::milliseconds>(due_ - now), std::chrono::milliseconds(0));
}

// Qt treats a plain timer as coarse and lets it slip by up to 5 % a tick;
// each tick here is a single shot aimed at its own due time instead.
PeriodicTimer::PeriodicTimer(std::chrono::milliseconds interval, QObject* parent, Start start)
    : QObject(parent)
    , interval_(interval)
    , schedule_(TickSchedule::Clock::now(), interval)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        timer_.start(schedule_.NextDelay(TickSchedule::Clock::now()));
        emit Ticked();
    });
    if (start == Start::Running)
        timer_.start(interval);
}

}  // namespace kwintor
