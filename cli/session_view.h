#pragma once

#include <string>
#include <vector>

#include "detection/calculator.h"
#include "detection/exact_theory.h"
#include "detection/form1.h"
#include "detection/session.h"

namespace roccalc::cli {

// "p(FA) = .9875"-style lines for the calculations that ran; with `exact`,
// each followed by "   exact " and the exact value to 6 significant digits
// where there is one, written with `separator`.
std::vector<std::string> captionLines(const SessionTexts& texts, const Form1& form,
                                      const ExactValues* exact = nullptr,
                                      const std::string& separator = ".");

// The whole window as one JSON object on one line: box texts, captions,
// button colours, CurveState and the exact values (null where none).
std::string sessionJson(const Form1& form, const Calculator& calculator);

}  // namespace roccalc::cli
