#pragma once

#include <pulse/simple.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace kwintor::bench {

// Listens to a sink's monitor on the sound server and tells when a sound
// was first heard there, on the steady clock (CLOCK_MONOTONIC).
//
// A thread reads the monitor in blocks of two milliseconds. As a block
// arrives, its last sample is dated at the arrival time less the stream's
// latency as the server reports it (the data still queued between the
// monitor and this process), and each earlier sample one sample period
// before the next. The error is about one block, once the latency has
// settled: a monitor sends nothing before its sink first plays, and then
// reports for a while the sink's whole buffer as latency.
class MonitorListener {
public:
    // Throws std::runtime_error with the server's reason when the monitor
    // (a source name such as "@DEFAULT_MONITOR@") cannot be recorded.
    explicit MonitorListener(const std::string& monitor);
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
    // The latency the server gave for the last block; nothing before one.
    std::optional<Clock::duration> Latency() const;
    // Why the recording stopped early; empty while it runs.
    std::string Failure() const;

private:
    void Listen(const std::stop_token& stop);

    struct StreamDeleter {
        void operator()(pa_simple* stream) const { pa_simple_free(stream); }
    };
    std::unique_ptr<pa_simple, StreamDeleter> stream_;

    mutable std::mutex mutex_;
    Clock::time_point armedAt_;
    std::optional<Clock::time_point> heardAt_;
    Clock::time_point lastHeard_;
    std::optional<Clock::duration> latency_;
    std::string failure_;

    std::jthread thread_;  // last: it stops before what it uses goes
};

}  // namespace kwintor::bench
