#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "detection/calculator.h"
#include "detection/session.h"

namespace roccalc::cli {

// Why a calculation that has just run gave no result for its input, in the
// window's terms ("is above 49.5 %: refused, the box is emptied; ..."); no
// value when it showed the result of its input.
std::optional<std::string> refusalReason(Calculation calculation, const Calculator& calculator);

// Whether a calculation that reads section 1's threshold ran on a stored one
// because section 1, given in the same session, was refused.
bool usesStoredThreshold(Calculation calculation, const SessionTexts& texts,
                         const Calculator& calculator);

// For a calculation of a session that has just run: a line if it was
// refused or ran out, and one if it ran on a stored threshold, each starting
// with where its texts came from (`where(box)` names a box: "--pfa",
// "FILE:3: pfa"). Empty when it gave the result of its input.
std::vector<std::string> explainCalculation(Calculation calculation, const SessionTexts& texts,
                                            const Calculator& calculator,
                                            const std::function<std::string(TextBox)>& where);

// `where(box) "text"` for each box the calculation reads, joined by ", ".
std::string describeInputs(Calculation calculation, const SessionTexts& texts,
                           const std::function<std::string(TextBox)>& where);

}  // namespace roccalc::cli
