// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace kwintor::bench {

// Listens to a sink's monitor on the sound server and tells when a sound
// was first heard there, on the steady clock (CLOCK_MONOTONIC).
//
// A thread reads the monitor in blocks of two milliseconds and dates each
// block by the time it arrives: a bound that is never early and at most a
// block plus its delivery late. The server's own latency figure would be
// tighter if it could be trusted, but a monitor reports its sink's whole
// buffer for a while after it starts, and PipeWire 0.3.65 swings by tens
// of milliseconds from one block to the next.
class MonitorListener {
public:
    // Throws std::runtime_error with the server's reason when the monitor
    // (a source name such as "@DEFAULT_MONITOR@") cannot be recorded.
    explicit MonitorListener(const std::string& monitor);
    // Returns at once; the thread stops after the next block.
    ~MonitorListener();
    MonitorListener(const MonitorListener&) = delete;
    MonitorListener& operator=(const MonitorListener&) = delete;

    using Clock = std::chrono::steady_clock;

    // Forgets what was heard before `since`.
    void Arm(Clock::time_point since);
    // The first sound heard since the last Arm, if any.
    std::optional<Clock::time_point> Heard() const;
    // When the last sound was still heard; the epoch before any.
    Clock::time_point LastHeard() const;
    // Why the recording stopped early; empty while it runs.
    std::string Failure() const;

private:
    // Shared with the thread, which outlives this object while a monitor
    // whose sink has gone idle sends nothing that would wake it.
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

}  // namespace kwintor::bench
