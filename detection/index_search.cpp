#include "index_search.h"

#include <vector>

#include "erf_grid.h"

namespace roccalc {
namespace {

// The points of the search grid by the loop's own addition, the last one
// being the first value past the limit.
const std::vector<double>& indexGrid() {
    static const std::vector<double> grid = [] {
        std::vector<double> points;
        double d = 0.0;
        while (d <= kIndexLimit) {
            points.push_back(d);
            d = kIndexStep + d;
        }
        points.push_back(d);
        return points;
    }();
    return grid;
}

}  // namespace

void searchIndexLiteral(double v, CurveState& state, ErfSumFunction erf) {
    state.d = 0.0;
    while (state.d <= kIndexLimit) {
        state.pdCalc = detectionPercent(state.q, state.d, kCoarseStep, state, erf);
        if (state.pdCalc > v) {
            return;
        }
        state.d = kIndexStep + state.d;
    }
}

void searchIndexFast(double v, CurveState& state) {
    const std::vector<double>& grid = indexGrid();
    const std::size_t pastLimit = grid.size() - 1;
    CurveState probe = state;
    auto exceeds = [&](std::size_t k) {
        return detectionPercent(state.q, grid[k], kCoarseStep, probe, erfSumFast) > v;
    };
    // Invariant: no point below `low` exceeds v; the point at `high` does
    // (or high is past the limit).
    std::size_t low = 0;
    std::size_t high = pastLimit;
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (exceeds(mid)) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    // The loop's last evaluation sets pdCalc and lastY: at the stop point, or
    // at the last point within the limit when the search runs out.
    const std::size_t lastEvaluated = high < pastLimit ? high : pastLimit - 1;
    state.pdCalc = detectionPercent(state.q, grid[lastEvaluated], kCoarseStep, state, erfSumFast);
    state.d = grid[high];
}

}  // namespace roccalc
