#pragma once

#include "detection/erf_sum.h"

namespace roccalc {

inline constexpr double kIndexStep = 0.0001;
inline constexpr double kIndexLimit = 30.0;

// Where the section 2 search stops: d as the loop leaves it and the last
// evaluation it made (at d, or at the last d within the limit on a run-out).
struct IndexSearchResult {
    double d;
    DetectionValue last;
};

// The section 2 search: d from 0 in steps of kIndexStep (repeated addition)
// while d <= kIndexLimit, until the p(D) at q and d exceeds v. When nothing
// exceeds v, d is one step past the limit.
IndexSearchResult searchIndexLiteral(double q, double v, ErfSumFunction erf);

// The same search with the same resulting bits in a few dozen evaluations.
// Along the grid the p(D) never decreases (each rounding step is monotone
// and the running sums never fall), so the first point above v can be found
// by bisection over the precomputed grid.
IndexSearchResult searchIndexFast(double q, double v);

}  // namespace roccalc
