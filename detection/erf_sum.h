#pragma once

namespace roccalc {

// The power base of the kernel: ten significant digits, not the exact e.
inline constexpr double kPowerBase = 2.718281828;
// The two values of pi, each fixed per caller.
inline constexpr double kPiFalseAlarm = 3.141592654;
inline constexpr double kPiDetection = 3.14159;

inline constexpr double kFineStep = 0.0001;   // section 1 and the second box
inline constexpr double kCoarseStep = 0.001;  // the section 2 search

// An approximation of erf(u) by a fixed-step sum; the literal definition and
// the fast grid lookup share this signature.
using ErfSumFunction = double (*)(double u, double step, double piValue);

// The summand at x: kPowerBase to the power -(x^2), both powers general.
double erfTerm(double x);

// The definition: a left-point sum over x = 0, step, 2 step, ... (by repeated
// addition) while x <= u, times 2 / sqrt(piValue). Sums again from 0 on
// every call; erfSumFast gives the same bits at once.
double erfSum(double u, double step, double piValue);

// p(FA) in percent at threshold q.
double falseAlarmPercent(double q, ErfSumFunction erf);

// One p(D) evaluation: the percent and the 1 +/- E it was made from, which
// the calculator keeps as lastY.
struct DetectionValue {
    double percent;
    double y;
};

// p(D) at threshold q and detection index dValue >= 0, summed with `step`.
// At q - sqrt(dValue) == 0 exactly it counts as above 0, so the value never
// depends on an earlier evaluation. Pure: any (q, d) may be evaluated.
DetectionValue detectionPercent(double q, double dValue, double step, ErfSumFunction erf);

}  // namespace roccalc
