#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "detection/calculator.h"
#include "detection/memory_form1.h"
#include "detection/session.h"
#include "detection/signal_to_noise.h"
#include "text/result_pattern.h"

namespace roccalc {
namespace {

class CalculatorTest : public testing::Test {
  protected:
    std::string caption(ResultLabel label) const { return form.caption(label); }
    std::string text(TextBox box) const { return form.text(box); }

    void runSection1(const std::string& pfa) {
        form.setText(TextBox::Text1, pfa);
        press(calculator, Command::Command1);
    }
    void runSearch(const std::string& pd) {
        form.setText(TextBox::Text2, pd);
        press(calculator, Command::Command2);
    }
    void runSecondBox(const std::string& d) {
        form.setText(TextBox::Text5, d);
        press(calculator, Command::Command4);
    }
    void runSection3(const std::string& bandwidth, const std::string& rc) {
        form.setText(TextBox::Text3, bandwidth);
        form.setText(TextBox::Text4, rc);
        press(calculator, Command::Command3);
    }

    MemoryForm1 form;
    Calculator calculator{form};
};

TEST_F(CalculatorTest, TypicalUseEndToEnd) {
    runSection1("1");
    EXPECT_EQ(caption(ResultLabel::Label19), ".9875");
    EXPECT_EQ(caption(ResultLabel::Label11), "2.33");
    EXPECT_EQ(form.backColor(FlagButton::Command1), kGreen);

    runSearch("90");
    EXPECT_EQ(caption(ResultLabel::Label14), "   90.01");
    EXPECT_EQ(caption(ResultLabel::Label16), "13.0312");
    EXPECT_EQ(form.backColor(FlagButton::Command2), kGreen);

    runSecondBox("13.0312");
    EXPECT_EQ(caption(ResultLabel::Label27), "   89.97");

    runSection3("1", "1");
    EXPECT_EQ(caption(ResultLabel::Label20), "4.1");

    // The same bits in every build type and through either evaluation.
    const CurveState& s = calculator.state();
    EXPECT_EQ(std::bit_cast<std::uint64_t>(s.q),
              std::bit_cast<std::uint64_t>(0x1.2a3d70a3d7097p+1));
    EXPECT_EQ(s.pfaCalc, 0x1.f99c27a060fccp-1);
    EXPECT_EQ(s.d, 0x1.a0ff972471fc5p+3);
    EXPECT_EQ(s.pdCalc, 0x1.67e5ce64d6a21p+6);
    EXPECT_EQ(s.dSet, 0x1.a0ff972474539p+3);
    EXPECT_EQ(s.lastY, 0x1.ccab459fcb0cep+0);
}

struct ThresholdCase {
    const char* name;
    const char* pfa;
    const char* pfaReached;
    const char* q;
    const char* text1After;
    friend std::ostream& operator<<(std::ostream& os, const ThresholdCase& c) {
        return os << c.name;
    }
};

class ThresholdTest : public CalculatorTest, public testing::WithParamInterface<ThresholdCase> {};

TEST_P(ThresholdTest, ShowsReachedFalseAlarmAndThreshold) {
    const ThresholdCase& c = GetParam();
    runSection1(c.pfa);
    EXPECT_EQ(caption(ResultLabel::Label19), c.pfaReached);
    EXPECT_EQ(caption(ResultLabel::Label11), c.q);
    EXPECT_EQ(text(TextBox::Text1), c.text1After);
    EXPECT_EQ(form.backColor(FlagButton::Command1), kGreen);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ThresholdTest,
    testing::Values(ThresholdCase{"TenPercent", "10", "9.8501", "1.29", "10"},
                    ThresholdCase{"OnePercent", "1", ".9875", "2.33", "1"},
                    ThresholdCase{"UpperBound", "49.5", "49.1989", ".02", "49.5"},
                    ThresholdCase{"BelowReachRunsOut", "0.1", ".1322", "3.01", "0.1"},
                    ThresholdCase{"NegativeRunsOut", "-1", ".1322", "3.01", "-1"},
                    ThresholdCase{"EmptyShowsStoredZeros", "", ".", ".", ""},
                    ThresholdCase{"LoneMinusReadsAsZero", "-", ".", ".", "-"},
                    ThresholdCase{"AboveBoundEmptiesBox", "50", ".", ".", ""},
                    ThresholdCase{"OverflowEmptiesBox", "1e999", ".", ".", ""}),
    [](const testing::TestParamInfo<ThresholdCase>& info) { return std::string(info.param.name); });

TEST_F(CalculatorTest, Section1EmptiesTheOtherSectionsButKeepsTheirValues) {
    runSection1("1");
    runSearch("90");
    runSecondBox("5");
    runSection3("1", "1");
    const CurveState before = calculator.state();

    form.setText(TextBox::Text1, "");
    calculator.Command1_Click();
    for (TextBox box : {TextBox::Text2, TextBox::Text3, TextBox::Text4, TextBox::Text5}) {
        EXPECT_EQ(text(box), "");
    }
    for (ResultLabel label :
         {ResultLabel::Label14, ResultLabel::Label16, ResultLabel::Label20, ResultLabel::Label27}) {
        EXPECT_EQ(caption(label), "");
    }
    EXPECT_EQ(caption(ResultLabel::Label11), "2.33");
    EXPECT_EQ(calculator.state(), before);

    // Section 3 still uses the d of the earlier search.
    runSection1("10");
    runSection3("1", "1");
    EXPECT_EQ(caption(ResultLabel::Label20), "4.1");
}

TEST_F(CalculatorTest, RequestFlagRunsOnTheNextTickOnly) {
    runSection1("1");
    form.setText(TextBox::Text2, "90");
    form.setCaption(ResultLabel::Label14, "old");
    calculator.Timer1_Timer();  // green: nothing to do
    EXPECT_EQ(caption(ResultLabel::Label14), "old");

    calculator.Command2_Click();
    calculator.Command2_Click();  // a second click leaves one request
    EXPECT_EQ(form.backColor(FlagButton::Command2), kRed);
    EXPECT_EQ(caption(ResultLabel::Label14), "");
    EXPECT_EQ(caption(ResultLabel::Label16), "");

    form.setText(TextBox::Text2, "50");  // the tick reads the text present then
    calculator.Timer1_Timer();
    EXPECT_EQ(form.backColor(FlagButton::Command2), kGreen);
    const std::string found = caption(ResultLabel::Label16);
    EXPECT_NE(found, "");

    form.setText(TextBox::Text2, "90");
    calculator.Timer1_Timer();
    EXPECT_EQ(caption(ResultLabel::Label16), found);

    calculator.Command4_Click();
    EXPECT_EQ(form.backColor(FlagButton::Command4), kRed);
    form.setText(TextBox::Text5, "4");
    calculator.Timer2_Timer();
    EXPECT_EQ(form.backColor(FlagButton::Command4), kGreen);
    EXPECT_NE(caption(ResultLabel::Label27), "");
}

struct SearchRefusalCase {
    const char* name;
    const char* pd;
    const char* text2After;
    friend std::ostream& operator<<(std::ostream& os, const SearchRefusalCase& c) {
        return os << c.name;
    }
};

class SearchRefusalTest : public CalculatorTest,
                          public testing::WithParamInterface<SearchRefusalCase> {};

TEST_P(SearchRefusalTest, LeavesLabelsEmptyAndTurnsGreen) {
    runSection1("10");
    const CurveState before = calculator.state();
    runSearch(GetParam().pd);
    EXPECT_EQ(caption(ResultLabel::Label14), "");
    EXPECT_EQ(caption(ResultLabel::Label16), "");
    EXPECT_EQ(text(TextBox::Text2), GetParam().text2After);
    EXPECT_EQ(form.backColor(FlagButton::Command2), kGreen);
    EXPECT_EQ(calculator.state(), before);
}

INSTANTIATE_TEST_SUITE_P(Inputs, SearchRefusalTest,
                         testing::Values(SearchRefusalCase{"Negative", "-5", "-5"},
                                         SearchRefusalCase{"BelowReachedFalseAlarm", "9.8", ""},
                                         SearchRefusalCase{"EmptyReadsAsZeroBelowFalseAlarm", "",
                                                           ""}),
                         [](const testing::TestParamInfo<SearchRefusalCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(CalculatorTest, SearchRunsOutOnePastThirty) {
    runSection1("0.1");
    runSearch("99.9");
    EXPECT_EQ(caption(ResultLabel::Label16), "30.0001");
    EXPECT_EQ(caption(ResultLabel::Label14), "   99.35");
    EXPECT_GT(calculator.state().d, 30.0);
}

TEST_F(CalculatorTest, SearchStopsAtHundredForSmallThreshold) {
    runSection1("49.5");
    runSearch("100");
    EXPECT_GT(calculator.state().pdCalc, 100.0);
    EXPECT_LT(calculator.state().d, 30.0);
}

struct SetIndexCase {
    const char* name;
    const char* d;
    const char* shown;
    friend std::ostream& operator<<(std::ostream& os, const SetIndexCase& c) {
        return os << c.name;
    }
};

class SecondBoxTest : public CalculatorTest, public testing::WithParamInterface<SetIndexCase> {};

TEST_P(SecondBoxTest, ShowsPdForTheSetIndex) {
    runSection1("1");
    runSecondBox(GetParam().d);
    EXPECT_EQ(caption(ResultLabel::Label27), GetParam().shown);
    EXPECT_EQ(text(TextBox::Text5), GetParam().d);
    EXPECT_EQ(form.backColor(FlagButton::Command4), kGreen);
}

INSTANTIATE_TEST_SUITE_P(Inputs, SecondBoxTest,
                         testing::Values(SetIndexCase{"ZeroGivesFalseAlarm", "0", "   .99"},
                                         SetIndexCase{"UpperBoundAccepted", "40", "   100."},
                                         SetIndexCase{"AboveBoundRefused", "40.0001", ""},
                                         SetIndexCase{"NegativeRefused", "-1", ""},
                                         SetIndexCase{"CommaEndsNumber", "13,5", "   89.9"},
                                         SetIndexCase{"BlankInsideDigits", "1 3.0312", "   89.97"}),
                         [](const testing::TestParamInfo<SetIndexCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(CalculatorTest, BothBoxesShareThePdValue) {
    runSection1("1");
    runSearch("90");
    const double fromSearch = calculator.state().pdCalc;
    runSecondBox("4");
    EXPECT_NE(calculator.state().pdCalc, fromSearch);
    EXPECT_EQ(calculator.state().dSet, 4.0);
    EXPECT_EQ(caption(ResultLabel::Label14), "   90.01");  // the search's caption stays
}

TEST_F(CalculatorTest, SignalToNoiseUsesTheStoredIndex) {
    runSection3("1", "1");
    EXPECT_EQ(caption(ResultLabel::Label20), "-50.");  // d is still 0
    runSection3("", "1");
    EXPECT_EQ(caption(ResultLabel::Label20), "");
}

struct DecibelCase {
    const char* name;
    double d;
    double bandwidth;
    double rc;
    std::optional<double> expected;
    friend std::ostream& operator<<(std::ostream& os, const DecibelCase& c) { return os << c.name; }
};

class SignalToNoiseTest : public testing::TestWithParam<DecibelCase> {};

TEST_P(SignalToNoiseTest, ComputesOrHasNoValue) {
    const DecibelCase& c = GetParam();
    EXPECT_EQ(signalToNoiseDb(c.d, c.bandwidth, c.rc), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SignalToNoiseTest,
    testing::Values(DecibelCase{"RootOfTwo", 8.0, 1.0, 1.0, 0x1.815238745b814p+1},
                    DecibelCase{"OnlyTheProductCounts", 8.0, 2.0, 0.5, 0x1.815238745b814p+1},
                    DecibelCase{"ZeroIndexIsMinusFifty", 0.0, 3.0, 7.0, -50.0},
                    DecibelCase{"ZeroBandwidth", 8.0, 0.0, 1.0, std::nullopt},
                    DecibelCase{"ZeroRcTime", 8.0, 1.0, 0.0, std::nullopt},
                    DecibelCase{"NegativeQuotient", 8.0, -1.0, 1.0, std::nullopt},
                    DecibelCase{"NegativeProductWithZeroIndex", 0.0, -1.0, 1.0, -50.0},
                    DecibelCase{"BothNegative", 8.0, -1.0, -1.0, 0x1.815238745b814p+1},
                    DecibelCase{"ProductOverflows", 8.0, 1e200, 1e200, std::nullopt},
                    DecibelCase{"ProductRoundsToZero", 8.0, 1e-200, 1e-200, std::nullopt},
                    DecibelCase{"InfiniteBandwidth", 8.0, HUGE_VAL, 1.0, std::nullopt}),
    [](const testing::TestParamInfo<DecibelCase>& info) { return std::string(info.param.name); });

TEST(DecibelCaptionTest, WorkedValues) {
    EXPECT_EQ(formatPattern(signalToNoiseDb(8.0, 1.0, 1.0), kPatternDecibels), "3.");
    EXPECT_EQ(formatPattern(signalToNoiseDb(0.0, 1.0, 1.0), kPatternDecibels), "-50.");
}

// How each calculation ended, for the command line's words: a run of
// section 1 at p(FA) 1 first, then the calculation with the given text.
struct OutcomeCase {
    const char* name;
    Calculation calculation;
    const char* text;  // for section 3 both bandwidth and RC
    Outcome expected;
    friend std::ostream& operator<<(std::ostream& os, const OutcomeCase& c) { return os << c.name; }
};

class OutcomeTest : public CalculatorTest, public testing::WithParamInterface<OutcomeCase> {};

TEST_P(OutcomeTest, RecordsHowTheCalculationEnded) {
    const OutcomeCase& c = GetParam();
    runSection1("1");
    switch (c.calculation) {
        case Calculation::Section1:
            runSection1(c.text);
            break;
        case Calculation::IndexSearch:
            runSearch(c.text);
            break;
        case Calculation::SetIndex:
            runSecondBox(c.text);
            break;
        case Calculation::Section3:
            runSection3(c.text, c.text);
            break;
    }
    EXPECT_EQ(calculator.outcome(c.calculation), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, OutcomeTest,
    testing::Values(
        OutcomeCase{"Section1Shown", Calculation::Section1, "10", Outcome::Shown},
        OutcomeCase{"Section1ReadsAsZero", Calculation::Section1, "x", Outcome::ReadsAsZero},
        OutcomeCase{"Section1AboveLimit", Calculation::Section1, "49.6", Outcome::AboveLimit},
        OutcomeCase{"Section1AtLimit", Calculation::Section1, "49.5", Outcome::Shown},
        OutcomeCase{"Section1RunsOut", Calculation::Section1, "0.1", Outcome::RanOut},
        OutcomeCase{"Section1NegativeRunsOut", Calculation::Section1, "-1", Outcome::RanOut},
        OutcomeCase{"SearchShown", Calculation::IndexSearch, "90", Outcome::Shown},
        OutcomeCase{"SearchNegative", Calculation::IndexSearch, "-1", Outcome::Negative},
        OutcomeCase{"SearchBelowReached", Calculation::IndexSearch, "0.5", Outcome::BelowReached},
        OutcomeCase{"SearchRunsOut", Calculation::IndexSearch, "99.99", Outcome::RanOut},
        OutcomeCase{"SetIndexShown", Calculation::SetIndex, "40", Outcome::Shown},
        OutcomeCase{"SetIndexAbove", Calculation::SetIndex, "40.0001", Outcome::OutsideRange},
        OutcomeCase{"SetIndexNegative", Calculation::SetIndex, "-0.1", Outcome::OutsideRange},
        OutcomeCase{"Section3Shown", Calculation::Section3, "1", Outcome::Shown},
        OutcomeCase{"Section3Zero", Calculation::Section3, "0", Outcome::NoValue}),
    [](const testing::TestParamInfo<OutcomeCase>& info) { return std::string(info.param.name); });

TEST_F(CalculatorTest, NothingRunIsNotRun) {
    EXPECT_EQ(calculator.outcome(Calculation::Section1), Outcome::NotRun);
    calculator.Timer1_Timer();  // green: the search does not run
    EXPECT_EQ(calculator.outcome(Calculation::IndexSearch), Outcome::NotRun);
}

TEST(CommaLocaleTest, ResultsUseTheGivenSeparatorInputStillReadsPoint) {
    MemoryForm1 form;
    Calculator calculator(form, ",");
    form.setText(TextBox::Text1, "0.9");
    calculator.Command1_Click();
    EXPECT_EQ(form.caption(ResultLabel::Label11), "2,37");
}

}  // namespace
}  // namespace roccalc
