#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "detection/exact_theory.h"
#include "detection/memory_form1.h"
#include "detection/session.h"

namespace roccalc {
namespace {

struct QuantileCase {
    double upperTail;
    double x;  // published Phi^-1(1 - upperTail)
};

TEST(NormalDistributionTest, QuantilesAndTailsMatchPublishedValues) {
    for (const QuantileCase& c :
         {QuantileCase{0.01, 2.3263478740408408}, QuantileCase{0.001, 3.0902323061678132},
          QuantileCase{0.1, 1.2815515655446004}}) {
        EXPECT_NEAR(normalUpperQuantile(c.upperTail), c.x, 4e-16 * c.x) << c.upperTail;
        // x is rounded to a double: its tail is off by the slope times that.
        EXPECT_NEAR(normalUpperTail(c.x), c.upperTail, 1e-14 * c.upperTail) << c.x;
    }
    EXPECT_NEAR(normalUpperTail(2.33), 0.009903075559164252, 1e-17);
    EXPECT_NEAR(normalUpperTail(3.09), 0.0010007824766140113, 1e-18);
    // Far out the complement keeps full precision, where 1 - Phi would be 0.
    EXPECT_NEAR(normalUpperTail(10.0), 7.6198530241605260e-24, 1e-37);
    EXPECT_FALSE(std::isfinite(normalUpperQuantile(0.0)));
    EXPECT_TRUE(std::isnan(normalUpperQuantile(-0.1)));
    EXPECT_TRUE(std::isnan(normalUpperQuantile(1.5)));
}

class ExactValuesTest : public testing::Test {
  protected:
    ExactValues run(SessionTexts texts) {
        runSession(texts, form, calculator);
        return exactValues(form, calculator);
    }
    static SessionTexts session(const char* pfa, const char* pd, const char* d, const char* band,
                                const char* rc) {
        SessionTexts texts;
        for (auto [box, text] : {std::pair{TextBox::Text1, pfa},
                                 {TextBox::Text2, pd},
                                 {TextBox::Text5, d},
                                 {TextBox::Text3, band},
                                 {TextBox::Text4, rc}}) {
            if (text != nullptr) {
                texts[box] = std::string(text);
            }
        }
        return texts;
    }
    static std::optional<double> at(const ExactValues& values, ExactQuantity quantity) {
        return values[static_cast<std::size_t>(quantity)];
    }

    MemoryForm1 form;
    Calculator calculator{form};
};

TEST_F(ExactValuesTest, TypicalUseBesideTheCaptions) {
    const ExactValues values = run(session("1", "90", "13.0312", "1", "1"));
    EXPECT_NEAR(*at(values, ExactQuantity::Q), 2.3263478740408408, 1e-15);
    EXPECT_NEAR(*at(values, ExactQuantity::Pfa), 0.990307555916441, 1e-14);
    // (q - Phi^-1(0.1))^2 at the shown q 2.33.
    const double root = calculator.state().q - (-1.2815515655446004);
    EXPECT_NEAR(*at(values, ExactQuantity::D), root * root, 1e-13);
    const double pd = 100.0 * normalUpperTail(calculator.state().q - std::sqrt(13.0312));
    EXPECT_NEAR(*at(values, ExactQuantity::PdSetD), pd, 1e-12);
    // The found d is the same 13.0312 (plus the grid's drift): the exact p(D)
    // there is below 90, where the coarse sum gave 90.01.
    EXPECT_NEAR(*at(values, ExactQuantity::Pd), pd, 1e-9);
    EXPECT_LT(*at(values, ExactQuantity::Pd), 90.0);
    // Section 3's formula with the exact d.
    const double snr = 10.0 * std::log10(std::sqrt(root * root / 2.0) + 0.00001);
    EXPECT_NEAR(*at(values, ExactQuantity::SnrDb), snr, 1e-12);
    // The shown captions do not move.
    EXPECT_EQ(form.caption(ResultLabel::Label11), "2.33");
    EXPECT_EQ(form.caption(ResultLabel::Label16), "13.0312");
}

struct AbsentCase {
    const char* name;
    const char* pfa;
    const char* pd;
    const char* d;
    const char* band;
    const char* rc;
    std::vector<ExactQuantity> absent;
    friend std::ostream& operator<<(std::ostream& os, const AbsentCase& c) { return os << c.name; }
};

class AbsentExactTest : public ExactValuesTest, public testing::WithParamInterface<AbsentCase> {};

// No exact value where the calculation did not run, refused its input, or
// the value is not finite.
TEST_P(AbsentExactTest, HasNoValue) {
    const AbsentCase& c = GetParam();
    const ExactValues values = run(session(c.pfa, c.pd, c.d, c.band, c.rc));
    for (const ExactQuantity quantity : c.absent) {
        EXPECT_FALSE(at(values, quantity).has_value()) << static_cast<int>(quantity);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, AbsentExactTest,
    testing::Values(
        AbsentCase{"NothingRun",
                   nullptr,
                   nullptr,
                   nullptr,
                   nullptr,
                   nullptr,
                   {ExactQuantity::Q, ExactQuantity::Pfa, ExactQuantity::D, ExactQuantity::Pd,
                    ExactQuantity::PdSetD, ExactQuantity::SnrDb}},
        AbsentCase{"PfaAboveLimit",
                   "60",
                   nullptr,
                   nullptr,
                   nullptr,
                   nullptr,
                   {ExactQuantity::Q, ExactQuantity::Pfa}},
        AbsentCase{"PfaReadsAsZero", "x", nullptr, nullptr, nullptr, nullptr, {ExactQuantity::Q}},
        AbsentCase{
            "NegativePfaRunsOut", "-1", nullptr, nullptr, nullptr, nullptr, {ExactQuantity::Q}},
        AbsentCase{"PdBelowReached",
                   "10",
                   "5",
                   nullptr,
                   nullptr,
                   nullptr,
                   {ExactQuantity::D, ExactQuantity::Pd}},
        AbsentCase{"PdOfHundred", "1", "100", nullptr, nullptr, nullptr, {ExactQuantity::D}},
        AbsentCase{"DOutsideRange", "1", nullptr, "41", nullptr, nullptr, {ExactQuantity::PdSetD}},
        AbsentCase{"NoSnrWithoutExactD",
                   "1",
                   nullptr,
                   nullptr,
                   "1",
                   "1",
                   {ExactQuantity::SnrDb, ExactQuantity::D}},
        AbsentCase{"NoSnrForZeroBandwidth", "1", "90", nullptr, "0", "1", {ExactQuantity::SnrDb}}),
    [](const testing::TestParamInfo<AbsentCase>& info) { return std::string(info.param.name); });

// A new section 1 run empties section 2's captions: their exact values go too.
TEST_F(ExactValuesTest, Section1RunRemovesTheOthersValues) {
    run(session("1", "90", "13.0312", nullptr, nullptr));
    const ExactValues values = run(session("10", nullptr, nullptr, nullptr, nullptr));
    EXPECT_TRUE(at(values, ExactQuantity::Q).has_value());
    EXPECT_FALSE(at(values, ExactQuantity::D).has_value());
    EXPECT_FALSE(at(values, ExactQuantity::Pd).has_value());
    EXPECT_FALSE(at(values, ExactQuantity::PdSetD).has_value());
}

// The run-out p(FA) 0.1 still has its exact threshold: the value that the
// grid cannot reach.
TEST_F(ExactValuesTest, RunOutKeepsTheExactThreshold) {
    const ExactValues values = run(session("0.1", nullptr, nullptr, nullptr, nullptr));
    EXPECT_NEAR(*at(values, ExactQuantity::Q), 3.0902323061678132, 1e-15);
}

}  // namespace
}  // namespace roccalc
