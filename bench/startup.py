# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Times two programs built with bench/first_frame_probe.cpp from the moment
they are started to their first maximised frame, and reads their resident
memory then: the game and the toolkit's floor, run in turn so that whatever
else the machine does weighs on both alike. Expects DISPLAY to name a display
with a window manager. Prints the medians and ratios as a Markdown table;
--json FILE writes them for bench/figures.py too."""

import argparse
import json
import statistics
import subprocess
import sys
import time

from number_format import duration, grouped, ratio

MAIN_WINDOW_CLASS = "kwintor::TForm1"
FLOOR_WINDOW_CLASS = "QLabel"
TIME_TARGET = 1.5
MEMORY_TARGET = 1.3


def first_frame(executable, run_dir, expected_class):
    """One run: seconds from spawning to the first frame, and kB resident."""
    started = time.monotonic_ns()
    result = subprocess.run([executable], cwd=run_dir, capture_output=True, text=True, timeout=60)
    for line in result.stdout.splitlines():
        fields = line.split()
        if fields[:1] == ["first-frame"] and len(fields) == 4:
            if fields[3] != expected_class:
                sys.exit(f"{executable} painted a {fields[3]} first, not its {expected_class}")
            return (int(fields[1]) - started) / 1e9, int(fields[2])
    sys.exit(f"{executable} ended with {result.returncode} before its first frame:\n{result.stderr}")


def measure(programs, runs, run_dir):
    samples = {name: [] for name in programs}
    # The first start of each fills the disk and font caches; it is not counted.
    for executable, window_class in programs.values():
        first_frame(executable, run_dir, window_class)
    for _ in range(runs):
        for name, (executable, window_class) in programs.items():
            samples[name].append(first_frame(executable, run_dir, window_class))
    return {
        name: {
            "seconds": statistics.median(seconds for seconds, _ in taken),
            "kB": statistics.median(kb for _, kb in taken),
        }
        for name, taken in samples.items()
    }


def print_table(medians, runs):
    game, floor = medians["game"], medians["floor"]
    print(f"Start-up to the first maximised frame, median of {runs} interleaved runs each\n")
    print("| | Game | Floor | Ratio | Target |")
    print("|---|---:|---:|---:|---:|")
    print(f"| Time | {duration(game['seconds'])} | {duration(floor['seconds'])} "
          f"| {ratio(game['seconds'] / floor['seconds'])} | ≤ {TIME_TARGET}× |")
    print(f"| VmRSS | {grouped(game['kB'])} kB | {grouped(floor['kB'])} kB "
          f"| {ratio(game['kB'] / floor['kB'])} | ≤ {MEMORY_TARGET}× |")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--game", required=True, help="kwintor_startup_probe")
    parser.add_argument("--floor", required=True, help="kwintor_floor_probe")
    parser.add_argument("--run-dir", required=True, help="working directory seeded with the game's data")
    parser.add_argument("--runs", type=int, default=21, help="runs of each program (at least 10)")
    parser.add_argument("--json", help="also write the medians to this file")
    arguments = parser.parse_args()
    if arguments.runs < 10:
        parser.error("a median needs at least 10 runs")

    programs = {"game": (arguments.game, MAIN_WINDOW_CLASS), "floor": (arguments.floor, FLOOR_WINDOW_CLASS)}
    medians = measure(programs, arguments.runs, arguments.run_dir)
    print_table(medians, arguments.runs)
    if arguments.json:
        with open(arguments.json, "w", encoding="utf-8") as out:
            json.dump({"runs": arguments.runs, **medians}, out)


if __name__ == "__main__":
    main()
