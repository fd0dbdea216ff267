// roccalc-cli's batch path without the process start: typical rows read
// from a file, run and written to /dev/null. Items per second are rows.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <cstdio>
#include <memory>
#include <string>

#include "cli/modes.h"
#include "cli/options.h"
#include "cli/output.h"

namespace {

constexpr int kRows = 100000;

// A CSV file of `rows` copies of one row, removed at the end.
class RowsFile {
  public:
    RowsFile(const std::string& row, int rows) {
        char name[] = "/tmp/roccalc_batch_bench_XXXXXX";
        const int fd = ::mkstemp(name);
        path_ = name;
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(::fdopen(fd, "w"), &std::fclose);
        std::fputs("pfa,pd,d,band,rc\n", file.get());
        for (int i = 0; i < rows; ++i) {
            std::fputs(row.c_str(), file.get());
        }
    }
    ~RowsFile() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

void runRows(benchmark::State& state, const std::string& row) {
    const RowsFile file(row, kRows);
    roccalc::cli::Options options;
    options.mode = roccalc::cli::Options::Mode::Batch;
    options.path = file.path();
    options.separator.assign(1, '.');  // a char* here trips GCC 12's -Wrestrict
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> sink(std::fopen("/dev/null", "w"),
                                                         &std::fclose);
    for (auto _ : state) {
        roccalc::cli::Output out(sink.get(), "/dev/null");
        benchmark::DoNotOptimize(roccalc::cli::runBatch(options, out));
        out.flush();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

// The README's typical row: all three sections.
void BM_BatchTypicalRows(benchmark::State& state) {
    runRows(state, "1,90,,1,1\n");
}

// Every box given, the second box's d too.
void BM_BatchFullRows(benchmark::State& state) {
    runRows(state, "10,50,4,2,0.5\n");
}

}  // namespace

BENCHMARK(BM_BatchTypicalRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchFullRows)->Unit(benchmark::kMillisecond);
