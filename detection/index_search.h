#pragma once

#include "curve_state.h"
#include "erf_sum.h"

namespace roccalc {

inline constexpr double kIndexStep = 0.0001;
inline constexpr double kIndexLimit = 30.0;

// The section 2 search: d from 0 in steps of kIndexStep (repeated addition)
// while d <= kIndexLimit, until the p(D) at state.q and d exceeds v. Leaves d,
// pdCalc and lastY as the loop leaves them; when nothing exceeds v, d is one
// step past the limit and pdCalc the value at the last d evaluated.
void searchIndexLiteral(double v, CurveState& state, ErfSumFunction erf);

// The same search with the same resulting bits in a few dozen evaluations.
// Along the grid the p(D) never decreases (each rounding step is monotone
// and the running sums never fall), so the first point above v can be found
// by bisection over the precomputed grid.
void searchIndexFast(double v, CurveState& state);

}  // namespace roccalc
