// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

namespace kwintor {

// A stream of silence to the sound server's default output, which keeps
// that output from being put to sleep while it plays: a sleeping output
// loses the start of the next sound to its waking. It speaks libpulse,
// which PipeWire's pipewire-pulse serves too. Every call returns at once:
// the connection is made in libpulse's own thread, and its failures are
// quiet, since the drop sound itself reports a missing output.
class SilenceStream {
public:
    SilenceStream();
    ~SilenceStream();
    SilenceStream(const SilenceStream&) = delete;
    SilenceStream& operator=(const SilenceStream&) = delete;

    // Starts the stream, or starts it afresh when the server refused it or
    // went away; a stream still playing or still connecting is left alone.
    void Play();
    // Ends the stream and the connection, so that the output may sleep.
    void Stop();

private:
    struct Connection;
    std::unique_ptr<Connection> connection_;
};

}  // namespace kwintor
