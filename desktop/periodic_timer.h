// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

namespace kwintor {

// When the ticks of a clock are due: one every interval after the start,
// so that a tick delivered late does not put off the ones after it.
class TickSchedule {
public:
    using Clock = std::chrono::steady_clock;

    TickSchedule(Clock::time_point start, std::chrono::milliseconds interval);

    // For a tick delivered at `now`: how long until the next one is due.
    // After a stall of more than a whole interval the missed ticks are not
    // made up in a burst: one comes at once and the count goes on from there.
    std::chrono::milliseconds NextDelay(Clock::time_point now);

    Clock::time_point NextDue() const { return due_; }

private:
    std::chrono::milliseconds interval_;
    Clock::time_point due_;
};

// A clock that ticks on the UI thread from construction until it is
// destroyed, also inside modal loops. It has no way to stop on purpose.
// A held clock never starts: its only ticks are those a test emits, so that
// no second passes behind the test's back.
class PeriodicTimer : public QObject {
    Q_OBJECT

public:
    enum class Start { Running, Held };

    explicit PeriodicTimer(std::chrono::milliseconds interval = std::chrono::milliseconds(1000),
                           QObject* parent = nullptr, Start start = Start::Running);

    std::chrono::milliseconds Interval() const { return interval_; }
    bool IsRunning() const { return timer_.isActive(); }

signals:
    void Ticked();

private:
    std::chrono::milliseconds interval_;
    TickSchedule schedule_;
    QTimer timer_;
};

}  // namespace kwintor
