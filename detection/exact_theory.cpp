#include "detection/exact_theory.h"

#include <boost/math/distributions/normal.hpp>
#include <cmath>

#include "detection/signal_to_noise.h"

namespace roccalc {
namespace {

// Out-of-domain and overflowing arguments give NaN or an infinity instead
// of an exception: such a value simply does not exist here.
using QuietPolicy = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::ignore_error>,
    boost::math::policies::overflow_error<boost::math::policies::ignore_error>,
    boost::math::policies::evaluation_error<boost::math::policies::ignore_error>>;
using StandardNormal = boost::math::normal_distribution<double, QuietPolicy>;

std::optional<double> finite(double value) {
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// Whether a calculation's caption stands for the result of its input.
bool resultShown(const Form1& form, const Calculator& calculator, Calculation calculation,
                 ResultLabel label) {
    const Outcome outcome = calculator.outcome(calculation);
    return (outcome == Outcome::Shown || outcome == Outcome::RanOut) &&
           !form.caption(label).empty();
}

std::size_t index(ExactQuantity quantity) {
    return static_cast<std::size_t>(quantity);
}

}  // namespace

double normalUpperTail(double x) {
    return boost::math::cdf(boost::math::complement(StandardNormal(), x));
}

double normalUpperQuantile(double p) {
    if (!(p >= 0.0 && p <= 1.0)) {
        return std::nan("");
    }
    return boost::math::quantile(boost::math::complement(StandardNormal(), p));
}

ExactValues exactValues(const Form1& form, const Calculator& calculator) {
    const CurveState& state = calculator.state();
    const ReadInputs& inputs = calculator.inputs();
    ExactValues values;
    auto set = [&](ExactQuantity quantity, double value) {
        values[index(quantity)] = finite(value);
    };
    if (resultShown(form, calculator, Calculation::Section1, ResultLabel::Label11)) {
        set(ExactQuantity::Q, normalUpperQuantile(inputs.pfaSet / 100.0));
    }
    if (resultShown(form, calculator, Calculation::Section1, ResultLabel::Label19)) {
        set(ExactQuantity::Pfa, 100.0 * normalUpperTail(state.q));
    }
    if (resultShown(form, calculator, Calculation::IndexSearch, ResultLabel::Label16)) {
        // p(D) = Q(q - sqrt(d)): no d >= 0 gives a p(D) below the tail at q.
        const double root = state.q - normalUpperQuantile(inputs.pdSet / 100.0);
        set(ExactQuantity::D, root >= 0.0 ? root * root : std::nan(""));
    }
    if (resultShown(form, calculator, Calculation::IndexSearch, ResultLabel::Label14)) {
        set(ExactQuantity::Pd, 100.0 * normalUpperTail(state.q - std::sqrt(state.d)));
    }
    if (resultShown(form, calculator, Calculation::SetIndex, ResultLabel::Label27)) {
        set(ExactQuantity::PdSetD, 100.0 * normalUpperTail(state.q - std::sqrt(state.dSet)));
    }
    const std::optional<double> exactD = values[index(ExactQuantity::D)];
    if (exactD && resultShown(form, calculator, Calculation::Section3, ResultLabel::Label20)) {
        const std::optional<double> snr = signalToNoiseDb(*exactD, inputs.bandwidth, inputs.rcTime);
        set(ExactQuantity::SnrDb, snr ? *snr : std::nan(""));
    }
    return values;
}

std::optional<double> exactValueOf(const ExactValues& values, ResultLabel label) {
    for (std::size_t i = 0; i < kExactFields.size(); ++i) {
        if (kExactFields[i].label == label) {
            return values[i];
        }
    }
    return std::nullopt;
}

}  // namespace roccalc
