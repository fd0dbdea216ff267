#pragma once

namespace roccalc {

// Whether a typed character may enter the p(FA), p(D), bandwidth and RC
// boxes: the characters of a plain decimal number, and backspace.
bool keyAllowed(char16_t code);

}  // namespace roccalc
