#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "detection/erf_sum.h"
#include "detection/general_power.h"

namespace roccalc {
namespace {

double gridPoint(double step, int index) {
    double x = 0.0;
    for (int k = 0; k < index; ++k) {
        x = x + step;
    }
    return x;
}

std::uint64_t bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

// At these grid points glibc's pow(x, 2) and x * x differ in the last bit,
// and the difference reaches the term: a build that folds the power into a
// product shows the second value.
struct TermCase {
    double step;
    int index;
    double powTerm;
    double productTerm;
};

TEST(ErfTermTest, SquaresThroughTheGeneralPowerFunction) {
    for (const TermCase& c : {TermCase{0.0001, 3501, 0x1.c4f00de5cbda7p-1, 0x1.c4f00de5cbda8p-1},
                              TermCase{0.001, 1204, 0x1.e0959f1d33b93p-3, 0x1.e0959f1d33b91p-3}}) {
        const double x = gridPoint(c.step, c.index);
        EXPECT_EQ(bits(erfTerm(x)), bits(c.powTerm)) << "step " << c.step << " point " << c.index;
        EXPECT_NE(bits(erfTerm(x)), bits(c.productTerm));
    }
}

TEST(ErfSumTest, ZeroSumsExactlyTheFirstTerm) {
    EXPECT_EQ(erfSum(0.0, kFineStep, kPiFalseAlarm), (2.0 / std::sqrt(kPiFalseAlarm)) * kFineStep);
    const double atZero = falseAlarmPercent(0.0, erfSum);
    EXPECT_LT(atZero, 50.0);
    EXPECT_GT(atZero, 49.99);
}

TEST(ErfSumTest, FalseAlarmLiesBelowTheExactNormalTail) {
    for (double q : {0.01, 0.5, 1.29, 2.33, 3.0}) {
        const double exactTail = 50.0 * std::erfc(q / std::sqrt(2.0));
        EXPECT_LT(falseAlarmPercent(q, erfSum), exactTail) << "q " << q;
        EXPECT_NEAR(falseAlarmPercent(q, erfSum), exactTail, 0.01) << "q " << q;
    }
}

TEST(DetectionPercentTest, AtZeroIndexMatchesFalseAlarmExceptForPi) {
    for (double q : {0.5, 1.29, 2.33}) {
        EXPECT_NEAR(detectionPercent(q, 0.0, kFineStep, erfSum).percent,
                    falseAlarmPercent(q, erfSum), 5e-4)
            << "q " << q;
    }
}

TEST(DetectionPercentTest, SignRuleAndY) {
    const DetectionValue below = detectionPercent(2.0, 1.0, kCoarseStep, erfSum);
    EXPECT_LT(below.percent, 50.0);
    EXPECT_EQ(below.y, below.percent * 2.0 / 100.0);
    const DetectionValue above = detectionPercent(1.0, 4.0, kCoarseStep, erfSum);
    EXPECT_GT(above.percent, 50.0);
    EXPECT_GT(above.y, 1.0);

    // z exactly 0 counts as above 0: no earlier evaluation shows through.
    const double e0 = erfSum(0.0, kCoarseStep, kPiDetection);
    const DetectionValue atZero = detectionPercent(2.0, 4.0, kCoarseStep, erfSum);
    EXPECT_EQ(atZero.percent, ((1.0 - e0) * 100.0) / 2.0);
    EXPECT_EQ(atZero.y, 1.0 - e0);
}

TEST(DetectionPercentTest, CoarseSumPassesHundredForLargeIndex) {
    const double pd = detectionPercent(0.02, 30.0, kCoarseStep, erfSum).percent;
    EXPECT_GT(pd, 100.0);
    EXPECT_LT(pd, 100.04);
}

}  // namespace
}  // namespace roccalc
