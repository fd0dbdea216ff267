// The ROC chart: its data from the kernel and the whole picture painted into
// an 800 x 800 image, after the typical use.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "chart/chart_data.h"
#include "chart/chart_painter.h"
#include "detection/memory_form1.h"
#include "detection/session.h"

namespace {

using namespace roccalc;

struct TypicalSession {
    TypicalSession() {
        SessionTexts texts;
        texts[TextBox::Text1] = std::string("1");
        texts[TextBox::Text2] = std::string("90");
        texts[TextBox::Text5] = std::string("13.0312");
        runSession(texts, form, calculator);
    }
    MemoryForm1 form;
    Calculator calculator{form};
};

void BM_ChartData(benchmark::State& state) {
    const TypicalSession session;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart::buildChart(session.calculator.state(), session.form, "."));
    }
}

void BM_ChartIntoImage(benchmark::State& state) {
    const TypicalSession session;
    QImage image(800, 800, QImage::Format_RGB32);
    for (auto _ : state) {
        const chart::ChartData data =
            chart::buildChart(session.calculator.state(), session.form, ".");
        QPainter painter(&image);
        chart::paintChart(painter, QRectF(image.rect()), data);
    }
}

}  // namespace

BENCHMARK(BM_ChartData)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartIntoImage)->Unit(benchmark::kMillisecond);
