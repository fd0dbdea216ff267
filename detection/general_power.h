#pragma once

namespace roccalc {

// base raised to exponent through the C library's general pow, in every
// build. Compilers rewrite pow(x, 2.0) as x * x, which differs from glibc's
// pow in the last bit at some grid points and would change the kernel's terms.
double generalPower(double base, double exponent);

}  // namespace roccalc
