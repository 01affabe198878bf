// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "monitor_listener.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace kwintor::bench {

namespace {

constexpr std::uint32_t Rate = 48000;
constexpr std::size_t BlockFrames = Rate / 500;  // two milliseconds
// A null sink's silence is digital zero; -60 dBFS leaves a margin.
constexpr int Loudest = 33;

struct StreamDeleter {
    void operator()(pa_simple* stream) const { pa_simple_free(stream); }
};
using Stream = std::unique_ptr<pa_simple, StreamDeleter>;

Stream OpenMonitor(const std::string& monitor)
{
    const pa_sample_spec format {PA_SAMPLE_S16NE, Rate, 1};
    // Small fragments, so that each block is read as soon as it is there.
    pa_buffer_attr buffering {};
    buffering.maxlength = std::uint32_t(-1);
    buffering.fragsize = std::uint32_t(BlockFrames * sizeof(std::int16_t));
    int error = 0;
    Stream stream(pa_simple_new(nullptr, "Kwintor drop-sound benchmark", PA_STREAM_RECORD, monitor.c_str(),
                                "monitor", &format, nullptr, &buffering, &error));
    if (!stream)
        throw std::runtime_error("cannot record " + monitor + ": " + pa_strerror(error));
    return stream;
}

}  // namespace

struct MonitorListener::Shared {
    Stream stream;
    std::atomic<bool> stopping = false;

    std::mutex mutex;
    Clock::time_point armedAt;
    std::optional<Clock::time_point> heardAt;
    Clock::time_point lastHeard;
    std::string failure;

    void Listen()
    {
        std::array<std::int16_t, BlockFrames> block {};
        while (!stopping) {
            int error = 0;
            if (pa_simple_read(stream.get(), block.data(), sizeof block, &error) < 0) {
                const std::lock_guard lock(mutex);
                failure = std::string("the recording stopped: ") + pa_strerror(error);
                return;
            }
            const Clock::time_point arrived = Clock::now();
            if (std::none_of(block.begin(), block.end(),
                             [](std::int16_t sample) { return std::abs(sample) > Loudest; }))
                continue;
            const std::lock_guard lock(mutex);
            lastHeard = arrived;
            if (!heardAt && arrived >= armedAt)
                heardAt = arrived;
        }
    }
};

MonitorListener::MonitorListener(const std::string& monitor)
    : shared_(std::make_shared<Shared>())
{
    shared_->stream = OpenMonitor(monitor);
    std::thread([shared = shared_] { shared->Listen(); }).detach();
}

MonitorListener::~MonitorListener() { shared_->stopping = true; }

void MonitorListener::Arm(Clock::time_point since)
{
    const std::lock_guard lock(shared_->mutex);
    shared_->armedAt = since;
    shared_->heardAt.reset();
}

std::optional<MonitorListener::Clock::time_point> MonitorListener::Heard() const
{
    const std::lock_guard lock(shared_->mutex);
    return shared_->heardAt;
}

MonitorListener::Clock::time_point MonitorListener::LastHeard() const
{
    const std::lock_guard lock(shared_->mutex);
    return shared_->lastHeard;
}

std::string MonitorListener::Failure() const
{
    const std::lock_guard lock(shared_->mutex);
    return shared_->failure;
}

}  // namespace kwintor::bench
