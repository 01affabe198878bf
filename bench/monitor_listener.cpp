#include "monitor_listener.h"

#include <pulse/error.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace kwintor::bench {

namespace {

constexpr std::uint32_t Rate = 48000;
constexpr std::size_t BlockFrames = Rate / 500;  // two milliseconds
// A null sink's silence is digital zero; -60 dBFS leaves a margin.
constexpr int Loudest = 33;

pa_simple* OpenMonitor(const std::string& monitor)
{
    const pa_sample_spec format {PA_SAMPLE_S16NE, Rate, 1};
    // Small fragments, so that each block is read as soon as it is there.
    pa_buffer_attr buffering {};
    buffering.maxlength = std::uint32_t(-1);
    buffering.fragsize = std::uint32_t(BlockFrames * sizeof(std::int16_t));
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, "Kwintor drop-sound benchmark", PA_STREAM_RECORD, monitor.c_str(),
                                      "monitor", &format, nullptr, &buffering, &error);
    if (!stream)
        throw std::runtime_error("cannot record " + monitor + ": " + pa_strerror(error));
    return stream;
}

}  // namespace

MonitorListener::MonitorListener(const std::string& monitor)
    : stream_(OpenMonitor(monitor))
    , thread_([this](const std::stop_token& stop) { Listen(stop); })
{
}

MonitorListener::~MonitorListener() = default;

void MonitorListener::Arm(Clock::time_point since)
{
    const std::lock_guard lock(mutex_);
    armedAt_ = since;
    heardAt_.reset();
}

std::optional<MonitorListener::Clock::time_point> MonitorListener::Heard() const
{
    const std::lock_guard lock(mutex_);
    return heardAt_;
}

MonitorListener::Clock::time_point MonitorListener::LastHeard() const
{
    const std::lock_guard lock(mutex_);
    return lastHeard_;
}

std::string MonitorListener::Failure() const
{
    const std::lock_guard lock(mutex_);
    return failure_;
}

void MonitorListener::Listen(const std::stop_token& stop)
{
    std::array<std::int16_t, BlockFrames> block {};
    while (!stop.stop_requested()) {
        int error = 0;
        if (pa_simple_read(stream_.get(), block.data(), sizeof block, &error) < 0) {
            const std::lock_guard lock(mutex_);
            failure_ = std::string("the recording stopped: ") + pa_strerror(error);
            return;
        }
        const Clock::time_point arrived = Clock::now();
        if (std::none_of(block.begin(), block.end(), [](std::int16_t sample) { return std::abs(sample) > Loudest; }))
            continue;
        const std::lock_guard lock(mutex_);
        lastHeard_ = arrived;
        if (!heardAt_ && arrived >= armedAt_)
            heardAt_ = arrived;
    }
}

}  // namespace kwintor::bench
