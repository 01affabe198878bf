// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "gradient_form.h"
#include "window_frame.h"

namespace {

// Composing a 1 920-pixel caption bar off-screen and copying it onto the
// window's surface, as every frame repaint does, on a screen of the device
// pixel ratio given in hundredths.
void BM_RenderCaptionBar(benchmark::State& state)
{
    const qreal ratio = static_cast<qreal>(state.range(0)) / 100;
    kwintor::TGradientForm window;
    window.setWindowTitle(QStringLiteral("Kwintor"));
    window.SetGradientStartColor(kwintor::CaptionDarkRed);
    window.SetGradientStopColor(kwintor::CaptionBlue);
    window.resize(1920, 200);
    QImage surface(window.size() * ratio, QImage::Format_RGB32);
    surface.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        QPainter painter(&surface);
        benchmark::DoNotOptimize(window.RenderCaptionBar(painter, true));
    }
}
BENCHMARK(BM_RenderCaptionBar)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMicrosecond)->Repetitions(5);

}  // namespace
