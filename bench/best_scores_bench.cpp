// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include "najlepsi.h"
#include "score_table.h"

namespace {

// The best-scores list with a 10 MiB name at its top, as a score file from
// anywhere may hold: listed once, then repainted. It is painted into a
// pixmap, since an offscreen window may skip a repaint nobody sees.
void BM_RepaintListWithHugeName(benchmark::State& state)
{
    kwintor::ScoreTable = {};
    kwintor::ScoreTable[1] = {QStringLiteral("Zbyszek") + QString(10 << 20, QLatin1Char('x')), 42};
    kwintor::Tnaj2 dialog;
    dialog.show();
    dialog.FormShow();
    dialog.ListBox1->doItemsLayout();
    for (auto _ : state)
        benchmark::DoNotOptimize(dialog.ListBox1->viewport()->grab());
    kwintor::ScoreTable = {};
}
BENCHMARK(BM_RepaintListWithHugeName)->Unit(benchmark::kMicrosecond)->Repetitions(5);

}  // namespace
