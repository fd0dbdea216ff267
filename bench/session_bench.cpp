// The literal sum against the grid lookup on whole sessions of the window.
// Run: build/bench/roccalc_bench (the literal runs take seconds each).
#include <benchmark/benchmark.h>

#include <string>

#include "detection/calculator.h"
#include "detection/memory_form1.h"
#include "detection/session.h"

namespace {

using roccalc::Calculator;
using roccalc::Evaluation;
using roccalc::MemoryForm1;
using roccalc::SessionTexts;
using roccalc::TextBox;

void benchSession(benchmark::State& state, Evaluation evaluation, const std::string& pfa,
                  const std::string& pd) {
    for (auto _ : state) {
        MemoryForm1 form;
        Calculator calculator(form, ".", evaluation);
        SessionTexts texts;
        texts[TextBox::Text1] = pfa;
        texts[TextBox::Text2] = pd;
        roccalc::runSession(texts, form, calculator);
        benchmark::DoNotOptimize(calculator.state());
    }
}

void BM_TypicalSession(benchmark::State& state, Evaluation evaluation) {
    benchSession(state, evaluation, "1", "90");
}

void BM_SearchRunOut(benchmark::State& state, Evaluation evaluation) {
    benchSession(state, evaluation, "0.1", "99.9");
}

}  // namespace

// Medians: --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
BENCHMARK_CAPTURE(BM_TypicalSession, literal, Evaluation::Literal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TypicalSession, fast, Evaluation::Fast)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchRunOut, literal, Evaluation::Literal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchRunOut, fast, Evaluation::Fast)->Unit(benchmark::kMicrosecond);
