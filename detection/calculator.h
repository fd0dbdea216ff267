#pragma once

#include <array>
#include <string>
#include <string_view>

#include "detection/curve_state.h"
#include "detection/evaluation.h"
#include "detection/form1.h"

namespace roccalc {

// How a calculation's last run ended. The window shows only the captions;
// the command line says in words why a calculation gave no result.
enum class Outcome {
    NotRun,
    Shown,         // the result of the input
    ReadsAsZero,   // section 1: the text reads as 0, the stored values are shown
    AboveLimit,    // section 1: above 49.5 %, the box is emptied
    RanOut,        // a search reached the end of its grid without stopping
    Negative,      // section 2: a p(D) below 0
    BelowReached,  // section 2: a p(D) below the p(FA) reached, the box is emptied
    OutsideRange,  // second box: a d outside 0 to 40
    NoValue,       // section 3: a bandwidth or RC of 0, or no finite value
};

// The numbers the calculations last read from their boxes (the d of the
// second box is CurveState's dSet), for values computed beside the kernel.
struct ReadInputs {
    double pfaSet = 0.0;     // section 1, Text1
    double pdSet = 0.0;      // section 2 search, Text2
    double bandwidth = 0.0;  // section 3, Text3
    double rcTime = 0.0;     // section 3, Text4
};

// The calculator behind Form1: CurveState and every handler and procedure,
// named after the control and event they serve. Handlers work only through
// the Form1 model, so the same object runs in the window, the command line
// and the tests.
class Calculator {
  public:
    explicit Calculator(Form1& form, std::string decimalSeparator = ".",
                        Evaluation evaluation = Evaluation::Fast);

    // Section 1: threshold q from p(FA); runs inside the click.
    void Command1_Click();
    // Section 2 search: the click only raises the request flag (red), the
    // next tick runs the long search, so the red button is painted first.
    void Command2_Click();
    void Timer1_Timer();
    // Section 2, second box: p(D) for a set d, requested the same way.
    void Command4_Click();
    void Timer2_Timer();
    // Section 3: S/N in dB; short, runs inside the click.
    void Command3_Click();

    const CurveState& state() const { return state_; }
    Outcome outcome(Calculation calculation) const { return outcomes_[slot(calculation)]; }
    const ReadInputs& inputs() const { return inputs_; }
    const std::string& decimalSeparator() const { return separator_; }

  private:
    void s1();
    void s2();
    void s3();
    std::string format(double value, std::string_view pattern) const;

    Form1& form_;
    std::string separator_;
    KernelPaths kernel_;
    CurveState state_;
    std::array<Outcome, kCalculationsInWindowOrder.size()> outcomes_{};
    ReadInputs inputs_;
};

}  // namespace roccalc
