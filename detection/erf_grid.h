#pragma once

#include <vector>

namespace roccalc {

// The running sums of erfTerm over the grid of one step. Because erfSum is a
// running sum over a grid that does not depend on u, its value for any u is
// the running sum up to the last grid point not above u: keeping the points
// (by the same repeated addition) and the sums answers every u at once with
// the same bits. The grid grows lazily, only as far as evaluations ask.
// Not thread-safe: the calculator runs on one thread.
class RunningSumGrid {
  public:
    explicit RunningSumGrid(double step);

    // The sum s that erfSum(u, step, ...) reaches before its final factor.
    double sumUpTo(double u);

  private:
    void growPast(double u);

    double step_;
    std::vector<double> points_;  // x_k, by repeated addition from 0
    std::vector<double> sums_;    // s after the term at x_k
    bool saturated_ = false;      // terms are 0 from here on; sums stay put
};

// erfSum with the same result bits, answered from the grid of its step; a
// step other than the calculator's two falls back to the literal sum.
double erfSumFast(double u, double step, double piValue);

}  // namespace roccalc
