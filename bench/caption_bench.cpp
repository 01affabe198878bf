// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "gform.h"

namespace {

// Composing a 1 920-pixel caption bar off-screen and copying it onto the
// window's surface, as every frame repaint does.
void BM_RenderCaptionBar(benchmark::State& state)
{
    kwintor::TGradientForm window;
    window.setWindowTitle(QStringLiteral("Kwintor"));
    window.SetGradientStartColor(127);
    window.SetGradientStopColor(0xFF0000);
    window.resize(1920, 200);
    QImage surface(window.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&surface);
        benchmark::DoNotOptimize(window.RenderCaptionBar(painter, true));
    }
}
BENCHMARK(BM_RenderCaptionBar)->Unit(benchmark::kMicrosecond)->Repetitions(5);

}  // namespace
