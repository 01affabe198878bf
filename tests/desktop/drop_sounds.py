#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Cuts a sink monitor's recording (raw 16-bit mono, 48 kHz, as parec
--raw writes it) into sounds at its silences and checks them.

  drop_sounds.py --reference PAPLAY.raw --sounds N HEARD.raw
      HEARD holds exactly N sounds, each at least 90 % as long as the
      median sound of PAPLAY and with an RMS within 2 dB of it.
  drop_sounds.py --sounds 0 HEARD.raw
      HEARD holds no sound at all.

Prints a line per sound; exits 1 when a check fails.
"""

import argparse
import array
import math
import statistics
import sys
from typing import NamedTuple

RATE = 48000
# A null sink's silence is digital zero; the drop sound's tail is still
# above -40 dBFS when it ends.
LOUD = 32768 * 10 ** (-60 / 20)
# Quiet runs inside one sound are a few samples round each zero crossing;
# drops are hundreds of milliseconds apart.
GAP = int(0.03 * RATE)
LENGTH_SHARE = 0.9
RMS_TOLERANCE_DB = 2.0


class Sound(NamedTuple):
    start_ms: float
    length_ms: float
    rms_db: float

    def __str__(self):
        return f"{self.length_ms:6.1f} ms, RMS {self.rms_db:6.1f} dBFS (at {self.start_ms / 1e3:.2f} s)"


def samples_of(path):
    samples = array.array("h")
    with open(path, "rb") as recording:
        data = recording.read()
    samples.frombytes(data[: len(data) - len(data) % 2])
    if sys.byteorder == "big":
        samples.byteswap()
    return samples


def rms_db(samples):
    power = sum(value * value for value in samples) / len(samples)
    return 10 * math.log10(power / 32768**2) if power else -math.inf


def sounds_in(path):
    samples = samples_of(path)
    runs = []
    for index, value in enumerate(samples):
        if abs(value) <= LOUD:
            continue
        if runs and index - runs[-1][1] <= GAP:
            runs[-1][1] = index
        else:
            runs.append([index, index])
    return [Sound(first * 1e3 / RATE, (last + 1 - first) * 1e3 / RATE, rms_db(samples[first : last + 1]))
            for first, last in runs]


def median_sound(sounds):
    return Sound(0, statistics.median(s.length_ms for s in sounds), statistics.median(s.rms_db for s in sounds))


def is_whole(sound, reference):
    return (sound.length_ms >= LENGTH_SHARE * reference.length_ms
            and abs(sound.rms_db - reference.rms_db) <= RMS_TOLERANCE_DB)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--reference", help="a recording of the same file played by paplay")
    parser.add_argument("--sounds", type=int, required=True, help="how many sounds HEARD must hold")
    parser.add_argument("heard")
    arguments = parser.parse_args()

    heard = sounds_in(arguments.heard)
    reference = None
    if arguments.reference:
        played = sounds_in(arguments.reference)
        if not played:
            print("  paplay's recording holds no sound")
            return 1
        reference = median_sound(played)
        print(f"  paplay:   {reference.length_ms:6.1f} ms, RMS {reference.rms_db:6.1f} dBFS "
              f"(median of {len(played)})")
    ok = len(heard) == arguments.sounds
    for number, sound in enumerate(heard, 1):
        verdict = ""
        if reference:
            whole = is_whole(sound, reference)
            ok = ok and whole
            verdict = (f": {sound.length_ms / reference.length_ms:4.0%} of paplay's length, "
                       f"RMS {sound.rms_db - reference.rms_db:+5.1f} dB, {'whole' if whole else 'NOT WHOLE'}")
        print(f"  sound {number:2}: {sound}{verdict}")
    if len(heard) != arguments.sounds:
        print(f"  {len(heard)} sound(s) heard where {arguments.sounds} were due")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
