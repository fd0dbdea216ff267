#include "detection/erf_sum.h"

#include <cmath>

#include "detection/general_power.h"

namespace roccalc {

double erfTerm(double x) {
    return generalPower(kPowerBase, -generalPower(x, 2.0));
}

double erfSum(double u, double step, double piValue) {
    double s = 0.0;
    double x = 0.0;
    while (x <= u) {
        const double term = erfTerm(x);
        s = term * step + s;
        x = x + step;
    }
    return (2.0 / std::sqrt(piValue)) * s;
}

double falseAlarmPercent(double q, ErfSumFunction erf) {
    const double u = q / std::sqrt(2.0);
    const double e = erf(u, kFineStep, kPiFalseAlarm);
    const double tail = 1.0 - e;
    return (tail * 100.0) / 2.0;
}

DetectionValue detectionPercent(double q, double dValue, double step, ErfSumFunction erf) {
    const double z = q - std::sqrt(dValue);
    const double u = std::fabs(z) / std::sqrt(2.0);
    const double e = erf(u, step, kPiDetection);
    const double y = z < 0.0 ? e + 1.0 : 1.0 - e;
    return {(y * 100.0) / 2.0, y};
}

}  // namespace roccalc
