// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QIODevice;

namespace kwintor {

// Whether `file`, read from its start, is a RIFF wave file that the sound
// output decodes: a "fmt " chunk with 8 or 16 bit integer PCM, then a
// "data" chunk all there. Reads the chunk headers only.
bool IsPlayableWave(QIODevice& file);

}  // namespace kwintor
