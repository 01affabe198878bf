#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesises data/1.wav, the soft "plop" a tile makes as it lands.

A sine that glides down an octave while it dies away, with a short fade-in
so that it starts without a click: 16-bit mono PCM, 22 050 Hz, 0.12 s.
"""
import math
import struct
import sys
import wave

RATE = 22050
SECONDS = 0.12
START_HZ, END_HZ = 880.0, 440.0
FADE_IN = 0.003

def samples():
    phase = 0.0
    count = int(RATE * SECONDS)
    for i in range(count):
        t = i / RATE
        frequency = START_HZ * (END_HZ / START_HZ) ** (t / SECONDS)
        phase += 2 * math.pi * frequency / RATE
        envelope = min(1.0, t / FADE_IN) * math.exp(-t * 30)
        yield int(0.6 * 32767 * envelope * math.sin(phase))

def main(path):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", s) for s in samples()))

if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "data/1.wav")
