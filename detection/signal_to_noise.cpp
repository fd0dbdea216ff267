#include "detection/signal_to_noise.h"

#include <cmath>

namespace roccalc {

std::optional<double> signalToNoiseDb(double d, double bandwidth, double rcTime) {
    if (bandwidth == 0.0 || rcTime == 0.0) {
        return std::nullopt;
    }
    double p = 2.0 * bandwidth;
    p = p * rcTime;
    double r = d / p;
    if (!std::isfinite(p) || p == 0.0 || !std::isfinite(r) || r < 0.0) {
        return std::nullopt;
    }
    r = std::sqrt(r);
    r = r + 0.00001;
    const double a = std::log(r);
    const double b = std::log(10.0);
    return (a * 10.0) / b;
}

}  // namespace roccalc
