#include "cli/refusals.h"

#include <QString>

#include "cli/diagnostics.h"

namespace roccalc::cli {
namespace {

// Numbers in messages: six significant digits, '.' as the separator.
std::string number(double value) {
    return QString::number(value, 'g', 6).toStdString();
}

std::string storedSection1(const CurveState& state) {
    return "the stored q " + number(state.q) + " and p(FA) " + number(state.pfaCalc) +
           " % are shown";
}

}  // namespace

std::optional<std::string> refusalReason(Calculation calculation, const Calculator& calculator) {
    const CurveState& state = calculator.state();
    switch (calculator.outcome(calculation)) {
        case Outcome::NotRun:
        case Outcome::Shown:
            return std::nullopt;
        case Outcome::ReadsAsZero:
            return "reads as 0: no threshold is searched; " + storedSection1(state);
        case Outcome::AboveLimit:
            return "is above 49.5 %: refused, the box is emptied; " + storedSection1(state);
        case Outcome::RanOut:
            if (calculation == Calculation::Section1) {
                return "is below every p(FA) reached up to q = 3: the search ran out at q " +
                       number(state.q) + ", p(FA) " + number(state.pfaCalc) + " %";
            }
            return "is not exceeded up to d = 30: the search ran out at d " + number(state.d) +
                   ", p(D) " + number(state.pdCalc) + " %";
        case Outcome::Negative:
            return std::string("is below 0: refused, no search");
        case Outcome::BelowReached:
            return "is below the p(FA) reached, " + number(state.pfaCalc) +
                   " %: refused, the box is emptied (give a p(D) above it)";
        case Outcome::OutsideRange:
            return std::string("is outside 0 to 40: refused");
        case Outcome::NoValue:
            return std::string(
                "give no S/N: a bandwidth or RC time of 0, or a quotient with no finite root");
    }
    return std::nullopt;
}

bool usesStoredThreshold(Calculation calculation, const SessionTexts& texts,
                         const Calculator& calculator) {
    const bool readsThreshold =
        calculation == Calculation::IndexSearch || calculation == Calculation::SetIndex;
    const Outcome section1 = calculator.outcome(Calculation::Section1);
    return readsThreshold && texts.runs(Calculation::Section1) &&
           (section1 == Outcome::ReadsAsZero || section1 == Outcome::AboveLimit);
}

std::string describeInputs(Calculation calculation, const SessionTexts& texts,
                           const std::function<std::string(TextBox)>& where) {
    std::string out;
    for (const TextBoxField& row : kTextBoxFields) {
        if (row.calculation != calculation) {
            continue;
        }
        if (!out.empty()) {
            out += ", ";
        }
        out += where(row.box) + ' ' + quoted(texts[row.box].value_or(std::string()));
    }
    return out;
}

std::vector<std::string> explainCalculation(Calculation calculation, const SessionTexts& texts,
                                            const Calculator& calculator,
                                            const std::function<std::string(TextBox)>& where) {
    std::vector<std::string> lines;
    const std::string inputs = describeInputs(calculation, texts, where);
    if (usesStoredThreshold(calculation, texts, calculator)) {
        lines.push_back(inputs + ": section 1 was refused, so this runs at the stored q " +
                        number(calculator.state().q));
    }
    if (const auto reason = refusalReason(calculation, calculator)) {
        lines.push_back(inputs + ' ' + *reason);
    }
    return lines;
}

}  // namespace roccalc::cli
