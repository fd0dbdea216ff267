#pragma once

#include "detection/erf_sum.h"

namespace roccalc {

inline constexpr double kThresholdStep = 0.01;
inline constexpr double kThresholdLimit = 3.0;

// Where the section 1 search stops: q as the loop leaves it and the p(FA)
// of the last q evaluated.
struct ThresholdSearchResult {
    double q;
    double pfaCalc;
};

// The section 1 search: q from 0 in steps of kThresholdStep (repeated
// addition) while q <= kThresholdLimit, until the p(FA) at q falls below v.
// When nothing falls below v, q is the first value past the limit (3.01).
ThresholdSearchResult searchThresholdLiteral(double v, ErfSumFunction erf);

// The same search with the same resulting bits from a table of the p(FA)
// at every grid point, made once: along the grid the p(FA) never rises (the
// running sums never fall), so the stop point is found by bisection.
ThresholdSearchResult searchThresholdFast(double v);

}  // namespace roccalc
