#pragma once

namespace kwintor {

enum class AudioOutput { Unknown, Present, Absent };

// Whether this machine can play sound. The first call starts asking in the
// background and every call answers at once: Unknown until the answer is
// in. Asking Qt Multimedia directly would block the board for half a
// minute when a sound server takes the connection and then never answers.
AudioOutput SystemAudioOutput();

}  // namespace kwintor
