// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include "main_window.h"
#include "settings.h"

namespace {

// A test-mode board with the sound off: a tick or a drop measured here is
// the game's own work without the sound device. The board is painted into
// a pixmap, since an offscreen window may skip a repaint nobody sees.
struct Board {
    Board()
    {
        form.Dwik1->setChecked(false);
        settings.CurrentLevel = kwintor::TestMode;
        settings.OperandCount = 5;
        form.NewRound();
        form.show();
    }
    kwintor::Settings settings;
    kwintor::TForm1 form {settings, std::make_unique<kwintor::EventSoundPlayback>(),
                          kwintor::PeriodicTimer::Start::Held};
};

void BM_ClockTick(benchmark::State& state)
{
    Board board;
    for (auto _ : state)
        board.form.ClockTick();
}
BENCHMARK(BM_ClockTick)->Unit(benchmark::kMicrosecond)->Iterations(1000)->Repetitions(5);

void BM_DropAndRepaint(benchmark::State& state)
{
    Board board;
    for (auto _ : state) {
        board.form.Image5DragDrop(*board.form.Image5, *board.form.Image2);
        benchmark::DoNotOptimize(board.form.ClientArea()->grab());
    }
}
BENCHMARK(BM_DropAndRepaint)->Unit(benchmark::kMicrosecond)->Iterations(1000)->Repetitions(5);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
