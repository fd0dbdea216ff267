// The window's first paint with the chart beside the controls (1920 x 1080,
// maximized on such a screen) and without it (a window too narrow for it).
#include <benchmark/benchmark.h>

#include <QPixmap>

#include "window/form1_window.h"

namespace {

void BM_WindowFirstPaint(benchmark::State& state, QSize size) {
    for (auto _ : state) {
        roccalc::window::Form1Window window(QLocale::c());
        window.resize(size);
        benchmark::DoNotOptimize(window.grab());
    }
}

}  // namespace

BENCHMARK_CAPTURE(BM_WindowFirstPaint, with_chart, QSize(1920, 1040))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WindowFirstPaint, without_chart, QSize(1300, 1040))
    ->Unit(benchmark::kMillisecond);
