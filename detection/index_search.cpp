#include "detection/index_search.h"

#include <vector>

#include "detection/erf_grid.h"

namespace roccalc {
namespace {

// The points of the search grid by the loop's own addition, the last one
// being the first value past the limit.
const std::vector<double>& indexGrid() {
    static const std::vector<double> grid = [] {
        std::vector<double> points;
        points.reserve(static_cast<std::size_t>(kIndexLimit / kIndexStep) + 2);
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

IndexSearchResult searchIndexLiteral(double q, double v, ErfSumFunction erf) {
    double d = 0.0;
    DetectionValue last{};
    while (d <= kIndexLimit) {
        last = detectionPercent(q, d, kCoarseStep, erf);
        if (last.percent > v) {
            break;
        }
        d = kIndexStep + d;
    }
    return {d, last};
}

IndexSearchResult searchIndexFast(double q, double v) {
    const std::vector<double>& grid = indexGrid();
    const std::size_t pastLimit = grid.size() - 1;
    auto exceeds = [&](std::size_t k) {
        return detectionPercent(q, grid[k], kCoarseStep, erfSumFast).percent > v;
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
    // The loop's last evaluation: at the stop point, or at the last point
    // within the limit when the search runs out.
    const std::size_t lastEvaluated = high < pastLimit ? high : pastLimit - 1;
    return {grid[high], detectionPercent(q, grid[lastEvaluated], kCoarseStep, erfSumFast)};
}

}  // namespace roccalc
