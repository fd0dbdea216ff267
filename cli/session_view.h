#pragma once

#include <string>
#include <vector>

#include "detection/calculator.h"
#include "detection/form1.h"
#include "detection/session.h"

namespace roccalc::cli {

// "p(FA) = .9875"-style lines for the calculations that ran.
std::vector<std::string> captionLines(const SessionTexts& texts, const Form1& form);

// The whole window as one JSON object on one line: box texts, captions,
// button colours and CurveState.
std::string sessionJson(const Form1& form, const Calculator& calculator);

}  // namespace roccalc::cli
