# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Every benchmark figure of the project as one Markdown table of medians and
ratios, from what bench/figures.sh gathered in one directory: the Google
Benchmark JSON of the engine (engine.json) and of the board (board.json),
the start-up medians (startup.json), the lines "rss-after-rounds ROUNDS
KB" of kwintor_memory_bench (memory.txt), after about 100 and about 10 000
rounds, and the drop-to-sound latencies on each sound server
(drop_sound_pulseaudio.json, drop_sound_pipewire.json)."""

import argparse
import datetime
import json
import pathlib
import re
import statistics
import subprocess
import textwrap
from typing import NamedTuple

import startup
from number_format import duration, grouped, ratio, significant

FRAME_SECONDS = 1 / 60
SCORE_FILE_SECONDS = 1e-3
HUGE_SCORE_FILE_SECONDS = 100e-3
HUGE_NAME_REPAINT_SECONDS = 10e-3
DROP_SOUND_SECONDS = 50e-3
# The idle game with its output held, in percent of one core.
IDLE_CPU_PERCENT = 0.1
SOUND_SERVERS = ("pulseaudio", "pipewire")
MEMORY_GROWTH_TARGET = 1.05
TIME_UNITS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1}


class Row(NamedTuple):
    figure: str
    median: str
    compared_with: str = ""
    ratio: str = ""
    target: str = ""
    met: str = ""


def verdict(within):
    return "yes" if within else "no"


def benchmark_medians(path):
    """The median aggregate of each benchmark, by its name without the
    repetition and iteration counts."""
    report = json.loads(path.read_text(encoding="utf-8"))
    medians = {
        re.sub(r"/(repeats|iterations):\d+", "", entry["run_name"]): entry
        for entry in report["benchmarks"]
        if entry.get("aggregate_name") == "median"
    }
    return medians, report["context"]


def seconds(entry, clock="real_time"):
    return entry[clock] * TIME_UNITS[entry["time_unit"]]


def within_frame(figure, entry):
    taken = seconds(entry)
    return Row(figure, duration(taken), target=f"≤ {duration(FRAME_SECONDS)} (a frame)",
               met=verdict(taken <= FRAME_SECONDS))


def level_range(name):
    """"15-20" as "levels 15–20", "other" as "other levels"."""
    if name == "other":
        return "other levels"
    first, _, last = name.partition("-")
    return f"levels {first}–{last}" if last else f"level {first}"


def engine_rows(medians):
    ours = medians["BM_EvaluateExpression"]
    theirs = medians["BM_MuparserSetExprEval"]
    yield Row("`EvaluateExpression`, 1 000 game equations",
              f"{significant(ours['items_per_second'] / 1e6)} M/s",
              f"muparser `SetExpr` + `Eval`: {significant(theirs['items_per_second'] / 1e3)} k/s",
              ratio(ours["items_per_second"] / theirs["items_per_second"]))
    yield Row("Heap allocations per evaluation", significant(ours["allocations_per_eval"]))
    for name, entry in medians.items():
        found = re.fullmatch(r"GenerateRound/levels:([^/]+)/operands:(\d)", name)
        if found:
            yield Row(f"Round set-up, {level_range(found[1])}, {found[2]} operands", duration(seconds(entry)))
    score_file = medians["BM_LoadAndSaveScoreFile"]
    wall = seconds(score_file)
    yield Row("Score file loaded and saved, 15 entries",
              f"{duration(wall)} wall, {duration(seconds(score_file, 'cpu_time'))} CPU",
              target=f"≤ {SCORE_FILE_SECONDS * 1e3:g} ms wall", met=verdict(wall <= SCORE_FILE_SECONDS))
    huge = seconds(medians["BM_LoadHugeScoreFile"])
    yield Row("Score file of 200 MiB loaded, 15 entries then zero bytes", duration(huge),
              target=f"≤ {HUGE_SCORE_FILE_SECONDS * 1e3:g} ms", met=verdict(huge <= HUGE_SCORE_FILE_SECONDS))


def board_rows(medians):
    yield within_frame("Clock tick with its check and labels", medians["BM_ClockTick"])
    yield within_frame("Drop with its check, board repainted", medians["BM_DropAndRepaint"])
    for percent in (100, 150, 200):
        yield within_frame(f"Caption bar, 1 920 px, composed and copied, device pixel ratio {percent / 100:g}",
                           medians[f"BM_RenderCaptionBar/{percent}"])
    repaint = seconds(medians["BM_RepaintListWithHugeName"])
    yield Row("Best-scores list repainted, 10 MiB name at its top", duration(repaint),
              target=f"≤ {HUGE_NAME_REPAINT_SECONDS * 1e3:g} ms", met=verdict(repaint <= HUGE_NAME_REPAINT_SECONDS))


def startup_rows(medians):
    game, floor = medians["game"], medians["floor"]
    runs = medians["runs"]
    time_ratio = game["seconds"] / floor["seconds"]
    memory_ratio = game["kB"] / floor["kB"]
    yield Row(f"Start-up to the first maximised frame, {runs} runs each", duration(game["seconds"]),
              f"one-label Qt program: {duration(floor['seconds'])}", ratio(time_ratio),
              f"≤ {startup.TIME_TARGET}×", verdict(time_ratio <= startup.TIME_TARGET))
    yield Row("VmRSS at the first frame", f"{grouped(game['kB'])} kB",
              f"one-label Qt program: {grouped(floor['kB'])} kB", ratio(memory_ratio),
              f"≤ {startup.MEMORY_TARGET}×", verdict(memory_ratio <= startup.MEMORY_TARGET))


def memory_rows(path):
    """The first checkpoint against the last: the program stops at the end of
    a game, so a checkpoint may hold a few more rounds than it asked for."""
    checkpoints = []
    for line in path.read_text(encoding="utf-8").splitlines():
        fields = line.split()
        if fields[:1] == ["rss-after-rounds"] and len(fields) == 3:
            checkpoints.append((int(fields[1]), int(fields[2])))
    if len(checkpoints) < 2:
        raise SystemExit(f"{path}: kwintor_memory_bench gave fewer than two checkpoints")
    (few, early), (many, late) = checkpoints[0], checkpoints[-1]
    growth = late / early
    yield Row(f"VmRSS after {grouped(many)} rounds, one run", f"{grouped(late)} kB",
              f"after {grouped(few)} rounds: {grouped(early)} kB", ratio(growth), f"≤ {MEMORY_GROWTH_TARGET}×",
              verdict(growth <= MEMORY_GROWTH_TARGET))


def drop_rows(figures, heard, unheard, what, compared_with=""):
    """The median over the drops heard; a drop not heard misses the target."""
    figure = f"{what}, {figures['server']}, {len(heard) + unheard} drops"
    target = f"≤ {DROP_SOUND_SECONDS * 1e3:g} ms"
    if not heard:
        yield Row(figure, "no sound", compared_with, target=target, met=verdict(False))
        return
    median = statistics.median(heard) * 1e-3
    notes = [compared_with] + ([f"{unheard} not heard"] if unheard else [])
    yield Row(figure, duration(median), "; ".join(note for note in notes if note), target=target,
              met=verdict(median <= DROP_SOUND_SECONDS and not unheard))


def drop_sound_rows(results):
    """Warm drops, drops after a quiet spell, and the idle game's CPU share."""
    for server in SOUND_SERVERS:
        figures = json.loads((results / f"drop_sound_{server}.json").read_text(encoding="utf-8"))
        yield from drop_rows(figures, figures["heard_ms"], figures["unheard"],
                             "Drop to its sound at the default sink")
        let_go = figures["let_go_heard_ms"]
        unheld = f"output let go: {duration(statistics.median(let_go) * 1e-3)}" if let_go else "output let go: no sound"
        yield from drop_rows(figures, figures["quiet_heard_ms"], figures["quiet_unheard"],
                             "Drop to its sound after 10 s of quiet", unheld)
        share = figures["idle_cpu_percent"]
        yield Row(f"Idle game with its output held, {figures['server']}, CPU", f"{share:.3f} % of a core",
                  target=f"≤ {IDLE_CPU_PERCENT:g} %", met=verdict(share <= IDLE_CPU_PERCENT))


def machine(build, context):
    lscpu = subprocess.run(["lscpu"], capture_output=True, text=True, check=True).stdout
    fields = (line.partition(":") for line in lscpu.splitlines())
    cpu = {key.strip(): value.strip() for key, _, value in fields}
    (compiler_file,) = build.glob("CMakeFiles/*/CMakeCXXCompiler.cmake")
    compiler = dict(re.findall(r'set\(CMAKE_CXX_COMPILER_(ID|VERSION) "([^"]*)"\)',
                               compiler_file.read_text(encoding="utf-8")))
    text = (f"Measured on {datetime.date.today().isoformat()}: {cpu['CPU(s)']} cores, model name "
            f"\"{cpu['Model name']}\" as `lscpu` gives it, load average {context['load_avg'][0]:.1f} as the "
            f"engine's benchmarks began; Release build with {compiler['ID']} {compiler['VERSION']}.")
    return textwrap.fill(text, width=76)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("results", type=pathlib.Path, help="the directory bench/figures.sh filled")
    parser.add_argument("build", type=pathlib.Path, help="the build the benchmarks came from")
    arguments = parser.parse_args()

    engine, context = benchmark_medians(arguments.results / "engine.json")
    board, _ = benchmark_medians(arguments.results / "board.json")
    start = json.loads((arguments.results / "startup.json").read_text(encoding="utf-8"))
    rows = [*engine_rows(engine), *board_rows(board), *startup_rows(start),
            *memory_rows(arguments.results / "memory.txt"), *drop_sound_rows(arguments.results)]

    print(machine(arguments.build, context))
    print()
    print("| Figure | Median | Compared with | Ratio | Target | Met |")
    print("|---|---:|---|---:|---|---|")
    for row in rows:
        print("| " + " | ".join(row) + " |")


if __name__ == "__main__":
    main()
