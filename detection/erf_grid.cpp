#include "detection/erf_grid.h"

#include <cmath>

#include "detection/erf_sum.h"

namespace roccalc {
namespace {

// Beyond x = 30 the term, e to about -900, underflows to 0 with room to
// spare, so the sums can no longer change.
constexpr double kSaturationPoint = 30.0;

}  // namespace

RunningSumGrid::RunningSumGrid(double step) : step_(step) {}

void RunningSumGrid::growPast(double u) {
    double x = points_.empty() ? 0.0 : points_.back() + step_;
    double s = sums_.empty() ? 0.0 : sums_.back();
    while (!saturated_ && (points_.empty() || points_.back() <= u)) {
        const double term = erfTerm(x);
        s = term * step_ + s;
        points_.push_back(x);
        sums_.push_back(s);
        saturated_ = term == 0.0 && x > kSaturationPoint;
        x = x + step_;
    }
}

double RunningSumGrid::sumUpTo(double u) {
    if (!(u >= 0.0)) {
        return 0.0;  // erfSum sums nothing when 0 <= u fails
    }
    growPast(u);
    const std::size_t last = points_.size() - 1;
    if (points_[last] <= u) {
        return sums_[last];  // saturated: every later term is 0
    }
    // x_k drifts from k * step by far less than a step, so the estimate is
    // off by at most one point either way.
    const double estimate = std::floor(u / step_);
    std::size_t k =
        estimate < static_cast<double>(last) ? static_cast<std::size_t>(estimate) : last;
    while (k < last && points_[k + 1] <= u) {
        ++k;
    }
    while (points_[k] > u) {
        --k;
    }
    return sums_[k];
}

double erfSumFast(double u, double step, double piValue) {
    static RunningSumGrid fineGrid(kFineStep);
    static RunningSumGrid coarseGrid(kCoarseStep);
    double s = 0.0;
    if (step == kFineStep) {
        s = fineGrid.sumUpTo(u);
    } else if (step == kCoarseStep) {
        s = coarseGrid.sumUpTo(u);
    } else {
        return erfSum(u, step, piValue);
    }
    return (2.0 / std::sqrt(piValue)) * s;
}

}  // namespace roccalc
