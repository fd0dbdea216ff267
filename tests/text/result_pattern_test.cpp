#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "text/number_text.h"
#include "text/result_pattern.h"

namespace roccalc {
namespace {

struct PatternCase {
    const char* name;
    double value;
    std::string_view pattern;
    const char* expected;
    friend std::ostream& operator<<(std::ostream& os, const PatternCase& c) { return os << c.name; }
};

class FormatPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(FormatPatternTest, WritesThePattern) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(formatPattern(c.value, c.pattern), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatPatternTest,
    testing::Values(
        PatternCase{"Threshold", 2.33, kPatternFourDecimals, "2.33"},
        PatternCase{"NoLeadingZero", 0.02, kPatternFourDecimals, ".02"},
        PatternCase{"ZeroIsSeparatorAlone", 0.0, kPatternFourDecimals, "."},
        PatternCase{"MoreIntegerDigitsThanPattern", 100.0, kPatternFourDecimals, "100."},
        PatternCase{"HugeValueEveryDigit", 1e20, kPatternFourDecimals, "100000000000000000000."},
        PatternCase{"RunOutThreshold", 3.0099999999999945, kPatternFourDecimals, "3.01"},
        PatternCase{"LiteralBlanksKept", 50.0, kPatternPercent, "   50."},
        PatternCase{"PercentTwoDecimals", 90.0123, kPatternPercent, "   90.01"},
        PatternCase{"ExactHalfAwayFromZero", 0.125, kPatternPercent, "   .13"},
        PatternCase{"BelowHalfByBinaryValue", 2.675, kPatternPercent, "   2.67"},
        PatternCase{"CarryIntoInteger", 9.99999, kPatternPercent, "   10."},
        PatternCase{"TrailingZerosDropped", 13.0312, kPatternDetectionIndex, "13.0312"},
        PatternCase{"FiveDecimals", 30.000099999999, kPatternDetectionIndex, "30.0001"},
        PatternCase{"NegativeDecibels", -50.0, kPatternDecibels, "-50."},
        PatternCase{"NegativeHalfAwayFromZero", -0.25, kPatternDecibels, "-.3"},
        PatternCase{"RoundsToWholeDecibels", 3.0000217, kPatternDecibels, "3."},
        PatternCase{"SmallestSubnormal", std::numeric_limits<double>::denorm_min(),
                    kPatternFourDecimals, "."},
        PatternCase{"LargestDouble", std::numeric_limits<double>::max(), kPatternDecibels,
                    "17976931348623157081452742373170435679807056752584499659891747680315726078002"
                    "85387605895586327668781715404589535143824642343213268894641827684675467035375"
                    "16986049910576551282076245490090389328944075868508455133942304583236903222948"
                    "16580855933212334827479782620414472316873817718091929988125040402618412485836"
                    "8."}),
    [](const testing::TestParamInfo<PatternCase>& info) { return std::string(info.param.name); });

TEST(FormatPatternTest, NoValueIsTheEmptyText) {
    EXPECT_EQ(formatPattern(std::nullopt, kPatternDecibels), "");
    EXPECT_EQ(formatPattern(std::numeric_limits<double>::quiet_NaN(), kPatternDecibels), "");
    EXPECT_EQ(formatPattern(std::numeric_limits<double>::infinity(), kPatternDecibels), "");
}

TEST(FormatPatternTest, WritesTheGivenSeparator) {
    EXPECT_EQ(formatPattern(2.33, kPatternFourDecimals, ","), "2,33");
    EXPECT_EQ(formatPattern(0.0, kPatternFourDecimals, ","), ",");
    EXPECT_EQ(formatPattern(50.0, kPatternPercent, "\u066B"), "   50\u066B");
}

}  // namespace
}  // namespace roccalc

namespace roccalc {
namespace {

TEST(ShortestNumberTest, ReadsBackWithTheGivenSeparator) {
    EXPECT_EQ(shortestNumber(13.0312), "13.0312");
    EXPECT_EQ(shortestNumber(13.0312, ","), "13,0312");
    EXPECT_EQ(shortestNumber(40), "40");
    EXPECT_EQ(shortestNumber(0.1, "\u066B"), "0\u066B1");
    EXPECT_EQ(shortestNumber(2.3299999999999943), "2.3299999999999943");
}

}  // namespace
}  // namespace roccalc
