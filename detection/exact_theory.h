#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "detection/calculator.h"
#include "detection/form1.h"

namespace roccalc {

// The exact theory of the calculator's own model (a known signal in
// Gaussian noise, the exact normal distribution), computed beside the
// kernel's digits and never instead of them. Everything in percent.

enum class ExactQuantity { Q, Pfa, D, Pd, PdSetD, SnrDb };

struct ExactField {
    ExactQuantity quantity;
    ResultLabel label;        // the caption it is the exact value of
    std::string_view key;     // JSON key
    std::string_view column;  // batch column
};

inline constexpr std::array kExactFields{
    ExactField{ExactQuantity::Q, ResultLabel::Label11, "q", "q_exact"},
    ExactField{ExactQuantity::Pfa, ResultLabel::Label19, "pfa", "pfa_exact"},
    ExactField{ExactQuantity::D, ResultLabel::Label16, "d", "d_exact"},
    ExactField{ExactQuantity::Pd, ResultLabel::Label14, "pd", "pd_exact"},
    ExactField{ExactQuantity::PdSetD, ResultLabel::Label27, "pdSetD", "pd_for_d_exact"},
    ExactField{ExactQuantity::SnrDb, ResultLabel::Label20, "snrDb", "snr_db_exact"},
};

using ExactValues = std::array<std::optional<double>, kExactFields.size()>;

// 1 - Phi(x), the upper tail, exact far out.
double normalUpperTail(double x);
// Phi^-1(1 - p), the x whose upper tail holds p; not finite at p 0 or 1,
// NaN outside [0, 1].
double normalUpperQuantile(double p);

// The exact value behind each caption: q for the p(FA) read, the p(FA) at
// the shown q, d for the p(D) read at the shown q, the p(D) at the found and
// at the set d, and the S/N for the exact d. A value exists only where its
// calculation ran on its input (not refused) and its caption is shown, and
// only when it is finite.
ExactValues exactValues(const Form1& form, const Calculator& calculator);

// The exact value that stands beside a caption, if any.
std::optional<double> exactValueOf(const ExactValues& values, ResultLabel label);

}  // namespace roccalc
