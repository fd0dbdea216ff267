#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "detection/calculator.h"
#include "detection/erf_grid.h"
#include "detection/erf_sum.h"
#include "detection/index_search.h"
#include "detection/memory_form1.h"
#include "detection/session.h"
#include "detection/threshold_search.h"

namespace roccalc {
namespace {

std::uint64_t bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

// Every u the calculations can ask for: q <= 3.01 and d <= 40 bound
// |q - sqrt(d)| / sqrt(2) by sqrt(40 / 2).
const double kReachableU = std::sqrt(20.0) + 0.01;

struct KernelCase {
    const char* name;
    double step;
    double piValue;
    friend std::ostream& operator<<(std::ostream& os, const KernelCase& c) { return os << c.name; }
};

class FastKernelTest : public testing::TestWithParam<KernelCase> {
  protected:
    void expectSameBits(double u) const {
        const KernelCase& c = GetParam();
        EXPECT_EQ(bits(erfSumFast(u, c.step, c.piValue)), bits(erfSum(u, c.step, c.piValue)))
            << "u = " << std::hexfloat << u;
    }
    std::vector<double> gridPoints() const {
        std::vector<double> points;
        for (double x = 0.0; x <= kReachableU; x = x + GetParam().step) {
            points.push_back(x);
        }
        return points;
    }
};

TEST_P(FastKernelTest, SameBitsOnGridPointsAndOneUlpAround) {
    const std::vector<double> points = gridPoints();
    // About 60 points spread over the range, plus the first few.
    const std::size_t stride = points.size() / 60;
    for (std::size_t k = 0; k < points.size(); k += (k < 4 ? 1 : stride)) {
        expectSameBits(points[k]);
        expectSameBits(std::nextafter(points[k], 0.0));
        expectSameBits(std::nextafter(points[k], 100.0));
    }
}

TEST_P(FastKernelTest, SameBitsAtRandomU) {
    std::mt19937_64 random(20261211);
    std::uniform_real_distribution<double> anywhere(0.0, kReachableU);
    for (int i = 0; i < 150; ++i) {
        expectSameBits(anywhere(random));
    }
}

TEST_P(FastKernelTest, SameBitsAtTheEdges) {
    for (double u : {0.0, -0.0, 1e-300, GetParam().step, 35.0}) {
        expectSameBits(u);
    }
    expectSameBits(-1.0);
    expectSameBits(std::nan(""));
}

INSTANTIATE_TEST_SUITE_P(
    StepsAndPi, FastKernelTest,
    testing::Values(KernelCase{"FineFalseAlarm", kFineStep, kPiFalseAlarm},
                    KernelCase{"FineDetection", kFineStep, kPiDetection},
                    KernelCase{"CoarseDetection", kCoarseStep, kPiDetection},
                    KernelCase{"CoarseFalseAlarm", kCoarseStep, kPiFalseAlarm}),
    [](const testing::TestParamInfo<KernelCase>& info) { return std::string(info.param.name); });

// A session of the window: box texts set, then clicks with their ticks.
struct Session {
    const char* name;
    std::string pfa;   // Text1, then Command1 (skipped when empty)
    std::string pd;    // Text2, then Command2 and a tick
    std::string dSet;  // Text5, then Command4 and a tick
    friend std::ostream& operator<<(std::ostream& os, const Session& c) { return os << c.name; }
};

void play(const Session& session, Form1& form, Calculator& calculator) {
    SessionTexts texts;
    for (auto [box, text] : {std::pair{TextBox::Text1, &session.pfa},
                             {TextBox::Text2, &session.pd},
                             {TextBox::Text5, &session.dSet}}) {
        if (!text->empty()) {
            texts[box] = *text;
        }
    }
    runSession(texts, form, calculator);
}

class FastSearchTest : public testing::TestWithParam<Session> {};

TEST_P(FastSearchTest, SameStateAndCaptionsAsTheLiteralSum) {
    MemoryForm1 literalForm;
    MemoryForm1 fastForm;
    Calculator literal(literalForm, ".", Evaluation::Literal);
    Calculator fast(fastForm, ".", Evaluation::Fast);
    play(GetParam(), literalForm, literal);
    play(GetParam(), fastForm, fast);

    const CurveState& a = literal.state();
    const CurveState& b = fast.state();
    for (auto [name, x, y] : {std::tuple{"q", a.q, b.q},
                              {"pfaCalc", a.pfaCalc, b.pfaCalc},
                              {"d", a.d, b.d},
                              {"pdCalc", a.pdCalc, b.pdCalc},
                              {"dSet", a.dSet, b.dSet},
                              {"lastY", a.lastY, b.lastY}}) {
        EXPECT_EQ(bits(x), bits(y)) << name;
    }
    for (int i = 0; i < kResultLabelCount; ++i) {
        const auto label = static_cast<ResultLabel>(i);
        EXPECT_EQ(literalForm.caption(label), fastForm.caption(label));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, FastSearchTest,
    testing::Values(Session{"TypicalUse", "1", "90", "13.0312"},
                    Session{"RunOut", "0.1", "99.9", "40"},
                    Session{"ThresholdTenPercent", "10", "50", "0"},
                    Session{"RootEqualsThresholdOnTheGrid", "49.5", "50", "0.0004"},
                    Session{"NoThresholdYet", "", "0", "0"},
                    Session{"NegativeFalseAlarmRunsOut", "-3", "99.5", "2 5"}),
    [](const testing::TestParamInfo<Session>& info) { return std::string(info.param.name); });

// The bisection rests on p(D) never falling along the d grid; check that on
// the whole grid for thresholds across section 1's range.
TEST(IndexSearchTest, DetectionPercentNeverFallsAlongTheGrid) {
    for (double q : {0.0, 0.02, 0.5, 1.29, 2.33, 3.0099999999999945}) {
        double previous = -1.0;
        double d = 0.0;
        for (int k = 0; d <= kIndexLimit; ++k, d = kIndexStep + d) {
            const double pd = detectionPercent(q, d, kCoarseStep, erfSumFast).percent;
            ASSERT_GE(pd, previous) << "q " << q << ", point " << k;
            previous = pd;
        }
    }
}

// Bisection against the loop itself, both on the fast kernel (whose bits are
// checked above), over many thresholds and set p(D) values.
TEST(IndexSearchTest, BisectionStopsWhereTheLoopStops) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> thresholdStep(0, 301);
    std::uniform_real_distribution<double> percent(0.0, 100.5);
    for (int i = 0; i < 40; ++i) {
        double q = 0.0;
        for (int k = thresholdStep(random); k > 0; --k) {
            q = 0.01 + q;
        }
        const double v = i % 8 == 0 ? 99.9 : percent(random);
        const IndexSearchResult loop = searchIndexLiteral(q, v, erfSumFast);
        const IndexSearchResult bisection = searchIndexFast(q, v);
        EXPECT_EQ(bits(loop.d), bits(bisection.d)) << "q " << q << ", v " << v;
        EXPECT_EQ(bits(loop.last.percent), bits(bisection.last.percent))
            << "q " << q << ", v " << v;
        EXPECT_EQ(bits(loop.last.y), bits(bisection.last.y)) << "q " << q << ", v " << v;
    }
}

}  // namespace
}  // namespace roccalc

namespace roccalc {
namespace {

// The threshold table rests on p(FA) never rising along the q grid, and its
// bisection must stop where the loop stops, run-outs and ties included.
TEST(ThresholdSearchTest, TableBisectionStopsWhereTheLoopStops) {
    std::vector<double> values{49.5, 10, 1, 0.1, 0.1322, -3, 1e-300, 50};
    double q = 0.0;
    while (q <= kThresholdLimit) {
        const double pfa = falseAlarmPercent(q, erfSumFast);
        values.push_back(pfa);  // equal to a grid value: the strict test must not stop
        values.push_back(std::nextafter(pfa, 100.0));
        q = kThresholdStep + q;
    }
    for (const double v : values) {
        const ThresholdSearchResult loop = searchThresholdLiteral(v, erfSumFast);
        const ThresholdSearchResult table = searchThresholdFast(v);
        ASSERT_EQ(bits(loop.q), bits(table.q)) << "v " << v;
        ASSERT_EQ(bits(loop.pfaCalc), bits(table.pfaCalc)) << "v " << v;
    }
}

}  // namespace
}  // namespace roccalc
