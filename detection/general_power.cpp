#include "detection/general_power.h"

#include <cmath>

namespace roccalc {

double generalPower(double base, double exponent) {
    // Volatile copies hide the constant arguments of the callers from the
    // optimizer, also under link-time optimization, so no call is folded.
    volatile double opaqueBase = base;
    volatile double opaqueExponent = exponent;
    return std::pow(opaqueBase, opaqueExponent);
}

}  // namespace roccalc
