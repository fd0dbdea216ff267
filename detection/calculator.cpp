#include "detection/calculator.h"

#include <utility>

#include "detection/signal_to_noise.h"
#include "text/number_reader.h"
#include "text/result_pattern.h"

namespace roccalc {
namespace {

// Bounds of the inputs.
constexpr double kHighestFalseAlarm = 49.5;  // the hint says 49 %, the test is 49.5
constexpr double kHighestSetIndex = 40.0;

}  // namespace

Calculator::Calculator(Form1& form, std::string decimalSeparator, Evaluation evaluation)
    : form_(form), separator_(std::move(decimalSeparator)), kernel_(kernelPaths(evaluation)) {}

std::string Calculator::format(double value, std::string_view pattern) const {
    return formatPattern(value, pattern, separator_);
}

void Calculator::Command1_Click() {
    for (ResultLabel label :
         {ResultLabel::Label14, ResultLabel::Label16, ResultLabel::Label20, ResultLabel::Label27}) {
        form_.setCaption(label, "");
    }
    for (TextBox box : {TextBox::Text2, TextBox::Text3, TextBox::Text4, TextBox::Text5}) {
        form_.setText(box, "");
    }
    form_.setBackColor(FlagButton::Command1, kRed);
    form_.setCaption(ResultLabel::Label19, "");
    form_.setCaption(ResultLabel::Label11, "");
    s1();
}

void Calculator::s1() {
    const double v = readNumber(form_.text(TextBox::Text1));
    inputs_.pfaSet = v;
    Outcome& outcome = outcomes_[slot(Calculation::Section1)];
    if (v == 0.0) {
        outcome = Outcome::ReadsAsZero;
    } else if (v > kHighestFalseAlarm) {
        form_.setText(TextBox::Text1, "");
        outcome = Outcome::AboveLimit;
    } else {
        const ThresholdSearchResult found = kernel_.searchThreshold(v);
        state_.q = found.q;
        state_.pfaCalc = found.pfaCalc;
        outcome = state_.q > kThresholdLimit ? Outcome::RanOut : Outcome::Shown;
    }
    // Shown on every path: a refused input redisplays the stored values.
    form_.setCaption(ResultLabel::Label19, format(state_.pfaCalc, kPatternFourDecimals));
    form_.setCaption(ResultLabel::Label11, format(state_.q, kPatternFourDecimals));
    form_.setBackColor(FlagButton::Command1, kGreen);
}

void Calculator::Command2_Click() {
    form_.setBackColor(FlagButton::Command2, kRed);
    form_.setCaption(ResultLabel::Label14, "");
    form_.setCaption(ResultLabel::Label16, "");
}

void Calculator::Timer1_Timer() {
    if (form_.backColor(FlagButton::Command2) == kRed) {
        s2();
    }
}

void Calculator::s2() {
    const double v = readNumber(form_.text(TextBox::Text2));
    inputs_.pdSet = v;
    Outcome& outcome = outcomes_[slot(Calculation::IndexSearch)];
    if (!(v >= 0.0)) {
        outcome = Outcome::Negative;
    } else if (v < state_.pfaCalc) {
        form_.setText(TextBox::Text2, "");
        outcome = Outcome::BelowReached;
    } else {
        const IndexSearchResult found = kernel_.searchIndex(state_.q, v);
        state_.d = found.d;
        state_.pdCalc = found.last.percent;
        state_.lastY = found.last.y;
        form_.setCaption(ResultLabel::Label14, format(state_.pdCalc, kPatternPercent));
        form_.setCaption(ResultLabel::Label16, format(state_.d, kPatternDetectionIndex));
        outcome = state_.d > kIndexLimit ? Outcome::RanOut : Outcome::Shown;
    }
    form_.setBackColor(FlagButton::Command2, kGreen);
}

void Calculator::Command4_Click() {
    form_.setBackColor(FlagButton::Command4, kRed);
    form_.setCaption(ResultLabel::Label27, "");
}

void Calculator::Timer2_Timer() {
    if (form_.backColor(FlagButton::Command4) == kRed) {
        s3();
    }
}

void Calculator::s3() {
    const double v = readNumber(form_.text(TextBox::Text5));
    if (v >= 0.0 && v <= kHighestSetIndex) {
        state_.dSet = v;
        const DetectionValue value =
            detectionPercent(state_.q, state_.dSet, kFineStep, kernel_.erf);
        state_.pdCalc = value.percent;
        state_.lastY = value.y;
        form_.setCaption(ResultLabel::Label27, format(state_.pdCalc, kPatternPercent));
        outcomes_[slot(Calculation::SetIndex)] = Outcome::Shown;
    } else {
        outcomes_[slot(Calculation::SetIndex)] = Outcome::OutsideRange;
    }
    form_.setBackColor(FlagButton::Command4, kGreen);
}

void Calculator::Command3_Click() {
    form_.setCaption(ResultLabel::Label20, "");
    const double bandwidth = readNumber(form_.text(TextBox::Text3));
    const double rcTime = readNumber(form_.text(TextBox::Text4));
    inputs_.bandwidth = bandwidth;
    inputs_.rcTime = rcTime;
    const std::optional<double> value = signalToNoiseDb(state_.d, bandwidth, rcTime);
    outcomes_[slot(Calculation::Section3)] = value ? Outcome::Shown : Outcome::NoValue;
    form_.setCaption(ResultLabel::Label20, formatPattern(value, kPatternDecibels, separator_));
}

}  // namespace roccalc
