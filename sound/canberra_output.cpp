// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canberra_output.h"

#include <QLoggingCategory>

#include <alsa/asoundlib.h>
#include <canberra.h>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <variant>

namespace kwintor {

namespace {

// Why a sound did not play, for a player who asks about "no sound": silent
// below critical unless QT_LOGGING_RULES asks, as "kwintor.*=true" does.
Q_LOGGING_CATEGORY(SoundLog, "kwintor.sound", QtCriticalMsg)

// One id for every drop sound, so that a new one cancels the one before.
constexpr std::uint32_t DropSoundId = 1;

constexpr std::chrono::milliseconds StopPatience {500};

struct AskRequest {
    std::uint64_t ticket;
};

struct PlayRequest {
    std::string path;
};

using Request = std::variant<AskRequest, PlayRequest>;

void SilenceAlsa(const char*, int, const char*, int, const char*, ...) { }

// canberra's ALSA driver opens nothing until a sound plays, so whether
// ALSA has a device is asked of ALSA itself.
bool AlsaHasDevice()
{
    // Without a card, ALSA prints its configuration errors on every try.
    snd_lib_error_set_handler(SilenceAlsa);
    snd_pcm_t* device = nullptr;
    if (const int result = snd_pcm_open(&device, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
        result < 0) {
        qCWarning(SoundLog, "ALSA has no default device: %s", snd_strerror(result));
        return false;
    }
    snd_pcm_close(device);
    return true;
}

ca_context* OpenDriver(const char* driver)
{
    ca_context* context = nullptr;
    int result = ca_context_create(&context);
    if (result != CA_SUCCESS) {
        qCWarning(SoundLog, "libcanberra made no context: %s", ca_strerror(result));
        return nullptr;
    }
    result = ca_context_set_driver(context, driver);
    if (result == CA_SUCCESS)
        result = ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Kwintor", CA_PROP_APPLICATION_ID,
                                         "io.github.kwintor.Kwintor", CA_PROP_APPLICATION_ICON_NAME,
                                         "kwintor", nullptr);
    if (result == CA_SUCCESS)
        result = ca_context_open(context);
    if (result == CA_SUCCESS)
        return context;
    qCWarning(SoundLog, "libcanberra's %s driver opened no output: %s", driver, ca_strerror(result));
    ca_context_destroy(context);
    return nullptr;
}

// canberra tries no other driver once the sound server's refuses, so the
// fallback to a bare ALSA device is ours.
ca_context* OpenOutput()
{
    if (ca_context* server = OpenDriver("pulse"))
        return server;
    return AlsaHasDevice() ? OpenDriver("alsa") : nullptr;
}

// A context whose server went away refuses any change; setting a property
// again asks the server without playing anything.
bool StillConnected(ca_context* context)
{
    return ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Kwintor", nullptr) == CA_SUCCESS;
}

bool LostConnection(int result) { return result == CA_ERROR_STATE || result == CA_ERROR_DISCONNECTED; }

}  // namespace

// Requests go one at a time: a new one replaces one not yet taken, so a
// thread held by a silent server finds only the latest sound once it is free.
struct CanberraOutput::Worker {
    std::mutex mutex;
    std::condition_variable changed;
    std::optional<Request> pending;
    bool busy = false;
    bool stopping = false;
    bool finished = false;
    std::uint64_t lastTicket = 0;
    std::uint64_t answeredTicket = 0;
    OutputAnswer answer = OutputAnswer::Pending;

    ca_context* context = nullptr;  // the thread's alone

    void Run()
    {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [this] { return stopping || pending; });
            if (stopping)
                break;
            const Request request = std::exchange(pending, std::nullopt).value();
            busy = true;
            lock.unlock();
            const std::optional<OutputAnswer> result = Handle(request);
            lock.lock();
            busy = false;
            if (result) {
                answeredTicket = std::get<AskRequest>(request).ticket;
                answer = *result;
            }
            changed.notify_all();
        }
        lock.unlock();
        Close();
        lock.lock();
        finished = true;
        changed.notify_all();
    }

    std::optional<OutputAnswer> Handle(const Request& request)
    {
        if (std::holds_alternative<AskRequest>(request))
            return Connect() ? OutputAnswer::Ready : OutputAnswer::Absent;
        // The question just before has checked the connection; a server
        // gone since shows in the play's own result.
        if (!EnsureOpen())
            return std::nullopt;
        ca_context_cancel(context, DropSoundId);
        const int result = ca_context_play(context, DropSoundId, CA_PROP_MEDIA_FILENAME,
                                           std::get<PlayRequest>(request).path.c_str(), CA_PROP_MEDIA_ROLE,
                                           "event", CA_PROP_CANBERRA_CACHE_CONTROL, "never", nullptr);
        if (result != CA_SUCCESS)
            qCWarning(SoundLog, "libcanberra did not play %s: %s",
                      std::get<PlayRequest>(request).path.c_str(), ca_strerror(result));
        // The next question then looks for an output afresh.
        if (LostConnection(result))
            Close();
        return std::nullopt;
    }

    bool Connect()
    {
        if (context && !StillConnected(context))
            Close();
        return EnsureOpen();
    }

    bool EnsureOpen()
    {
        if (!context)
            context = OpenOutput();
        return context != nullptr;
    }

    void Close()
    {
        if (context)
            ca_context_destroy(context);
        context = nullptr;
    }
};

CanberraOutput::CanberraOutput(std::chrono::milliseconds patience)
    : worker_(std::make_shared<Worker>())
    , patience_(patience)
{
    std::thread([worker = worker_] { worker->Run(); }).detach();
}

CanberraOutput::~CanberraOutput()
{
    std::unique_lock lock(worker_->mutex);
    worker_->stopping = true;
    worker_->changed.notify_all();
    // A thread held by a silent server is left to the end of the process.
    worker_->changed.wait_for(lock, StopPatience, [this] { return worker_->finished; });
}

OutputAnswer CanberraOutput::Ask()
{
    std::unique_lock lock(worker_->mutex);
    if (worker_->busy || worker_->pending)
        return OutputAnswer::Pending;
    const std::uint64_t ticket = ++worker_->lastTicket;
    worker_->pending = AskRequest {ticket};
    worker_->changed.notify_all();
    if (!worker_->changed.wait_for(lock, patience_, [&] { return worker_->answeredTicket == ticket; }))
        return OutputAnswer::Pending;
    return worker_->answer;
}

void CanberraOutput::Play(const std::string& path)
{
    // A server that started late or came back is held from this drop on.
    if (awake_)
        silence_.Play();
    std::lock_guard lock(worker_->mutex);
    worker_->pending = PlayRequest {path};
    worker_->changed.notify_all();
}

void CanberraOutput::KeepAwake(bool awake)
{
    awake_ = awake;
    if (awake_)
        silence_.Play();
    else
        silence_.Stop();
}

}  // namespace kwintor
