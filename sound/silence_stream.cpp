// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "silence_stream.h"

#include <QLoggingCategory>

#include <pulse/pulseaudio.h>

#include <cstdint>
#include <vector>

namespace kwintor {

namespace {

Q_LOGGING_CATEGORY(SilenceLog, "kwintor.sound.silence", QtCriticalMsg)

// The rate and channels follow the output (PA_STREAM_FIX_*), so nothing is
// resampled; these only fill in the format until the server fixes them.
constexpr pa_sample_spec Silence {PA_SAMPLE_S16NE, 48000, 2};
// A second of buffer refilled twice a second: the server and the game wake
// for it rarely, which keeps its cost far below a tenth of a percent of a
// core, where a short buffer with default refills costs several times more.
constexpr pa_usec_t BufferLength = PA_USEC_PER_SEC;
constexpr pa_usec_t RefillAfter = PA_USEC_PER_SEC / 2;

pa_proplist* StreamProperties()
{
    pa_proplist* properties = pa_proplist_new();
    // The drop's own role, so that a server routing event sounds to another
    // output keeps that one awake.
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "event");
    pa_proplist_sets(properties, PA_PROP_MEDIA_NAME, "Gotowość dźwięku");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Kwintor");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "io.github.kwintor.Kwintor");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "kwintor");
    return properties;
}

bool Ended(pa_context_state_t state) { return state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED; }

}  // namespace

// libpulse's objects, touched from the game's thread only under the main
// loop's lock; the callbacks run in the loop's thread with the lock held.
struct SilenceStream::Connection {
    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    pa_stream* stream = nullptr;
    std::vector<char> zeros;

    Connection()
        : loop(pa_threaded_mainloop_new())
    {
        if (loop && pa_threaded_mainloop_start(loop) < 0) {
            pa_threaded_mainloop_free(loop);
            loop = nullptr;
        }
        if (!loop)
            qCWarning(SilenceLog, "libpulse started no main loop");
    }

    ~Connection()
    {
        if (!loop)
            return;
        pa_threaded_mainloop_lock(loop);
        Disconnect();
        pa_threaded_mainloop_unlock(loop);
        pa_threaded_mainloop_stop(loop);
        pa_threaded_mainloop_free(loop);
    }

    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void EnsurePlaying()
    {
        if (!loop)
            return;
        pa_threaded_mainloop_lock(loop);
        if (!context || Ended(pa_context_get_state(context)) || StreamEnded())
            Connect();
        pa_threaded_mainloop_unlock(loop);
    }

    bool StreamEnded() const
    {
        if (pa_context_get_state(context) != PA_CONTEXT_READY)
            return false;
        return !stream || !PA_STREAM_IS_GOOD(pa_stream_get_state(stream));
    }

    void Connect()
    {
        Disconnect();
        pa_proplist* properties = StreamProperties();
        context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop), "Kwintor", properties);
        pa_proplist_free(properties);
        if (!context)
            return;
        pa_context_set_state_callback(context, &Connection::ContextChanged, this);
        // No server is started for the silence: the game asks for none.
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            qCWarning(SilenceLog, "no sound server for the silence: %s",
                      pa_strerror(pa_context_errno(context)));
            Disconnect();
        }
    }

    void Disconnect()
    {
        if (stream) {
            pa_stream_set_write_callback(stream, nullptr, nullptr);
            pa_stream_disconnect(stream);
            pa_stream_unref(stream);
            stream = nullptr;
        }
        if (context) {
            pa_context_set_state_callback(context, nullptr, nullptr);
            pa_context_disconnect(context);
            pa_context_unref(context);
            context = nullptr;
        }
    }

    static void ContextChanged(pa_context* context, void* self)
    {
        const pa_context_state_t state = pa_context_get_state(context);
        if (state == PA_CONTEXT_READY)
            static_cast<Connection*>(self)->OpenStream();
        else if (Ended(state))
            qCWarning(SilenceLog, "the sound server ended the silence: %s",
                      pa_strerror(pa_context_errno(context)));
    }

    void OpenStream()
    {
        pa_proplist* properties = StreamProperties();
        stream = pa_stream_new_with_proplist(context, "Gotowość dźwięku", &Silence, nullptr, properties);
        pa_proplist_free(properties);
        if (!stream)
            return;
        const auto bytes = [](pa_usec_t length) {
            return static_cast<std::uint32_t>(pa_usec_to_bytes(length, &Silence));
        };
        pa_buffer_attr buffer {};
        buffer.maxlength = static_cast<std::uint32_t>(-1);
        buffer.tlength = bytes(BufferLength);
        buffer.prebuf = static_cast<std::uint32_t>(-1);
        buffer.minreq = bytes(RefillAfter);
        buffer.fragsize = static_cast<std::uint32_t>(-1);
        pa_stream_set_write_callback(stream, &Connection::Refill, this);
        const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_FIX_RATE | PA_STREAM_FIX_CHANNELS);
        if (pa_stream_connect_playback(stream, nullptr, &buffer, flags, nullptr, nullptr) < 0)
            qCWarning(SilenceLog, "the sound server took no silence: %s",
                      pa_strerror(pa_context_errno(context)));
    }

    static void Refill(pa_stream* stream, std::size_t bytes, void* self)
    {
        std::vector<char>& zeros = static_cast<Connection*>(self)->zeros;
        if (zeros.size() < bytes)
            zeros.resize(bytes);
        pa_stream_write(stream, zeros.data(), bytes, nullptr, 0, PA_SEEK_RELATIVE);
    }
};

SilenceStream::SilenceStream() = default;

SilenceStream::~SilenceStream() = default;

void SilenceStream::Play()
{
    if (!connection_)
        connection_ = std::make_unique<Connection>();
    connection_->EnsurePlaying();
}

void SilenceStream::Stop() { connection_.reset(); }

}  // namespace kwintor
