#pragma once

#include <optional>

namespace roccalc {

// 10 log10(sqrt(d / (2 b rc)) + 0.00001) in dB, in the calculator's order of
// operations. No value when b or rc is 0, or when the quotient has no finite
// real root (a negative quotient, 2 b rc overflowing or rounding to 0): a
// number made from such a quotient would be shown as if it were right.
std::optional<double> signalToNoiseDb(double d, double bandwidth, double rcTime);

}  // namespace roccalc
