#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "text/number_reader.h"

namespace roccalc {
namespace {

struct ReadCase {
    const char* name;
    std::string text;
    double expected;
    friend std::ostream& operator<<(std::ostream& os, const ReadCase& c) { return os << c.name; }
};

class ReadNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsTheLeadingNumber) {
    const ReadCase& c = GetParam();
    const double got = readNumber(c.text);
    EXPECT_EQ(got, c.expected) << '"' << c.text << '"';
    EXPECT_EQ(std::signbit(got), std::signbit(c.expected)) << '"' << c.text << '"';
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTest,
    testing::Values(
        ReadCase{"Empty", "", 0.0}, ReadCase{"LoneMinus", "-", 0.0},
        ReadCase{"LonePoint", ".", 0.0}, ReadCase{"LoneSignAndPoint", "+.", 0.0},
        ReadCase{"Integer", "90", 90.0}, ReadCase{"Decimal", "13.0312", 13.0312},
        ReadCase{"MinusInsideEndsNumber", "1-2", 1.0},
        ReadCase{"SecondPointEndsNumber", "1.2.3", 1.2}, ReadCase{"DoubleMinus", "--5", 0.0},
        ReadCase{"CommaIsNoSeparator", "1,5", 1.0}, ReadCase{"BlankBetweenDigits", "2 5", 25.0},
        ReadCase{"NegativeFraction", "-.5", -0.5}, ReadCase{"PlusSign", "+7", 7.0},
        ReadCase{"BlanksTabsLineFeeds", " \t1\n 2 . 5", 12.5},
        ReadCase{"BlankAfterSign", "- 3", -3.0}, ReadCase{"ExponentE", "1.5e3", 1500.0},
        ReadCase{"ExponentUpperD", "2D-2", 0.02}, ReadCase{"ExponentLowerD", "1d2", 100.0},
        ReadCase{"ExponentWithBlanks", "1 e + 2", 100.0}, ReadCase{"BareExponentLetter", "3e", 3.0},
        ReadCase{"ExponentSignOnly", "3e-", 3.0}, ReadCase{"LetterEnds", "12abc", 12.0},
        ReadCase{"LetterFirst", "abc12", 0.0}, ReadCase{"CarriageReturnEnds", "4\r5", 4.0},
        ReadCase{"HexPrefixIsNotRead", "&H10", 0.0}, ReadCase{"OctalPrefixIsNotRead", "&O10", 0.0},
        ReadCase{"CPrefixReadsItsZero", "0x10", 0.0},
        ReadCase{"ArabicIndicDigitsAreNoDigits", "\u0661\u0662\u0663", 0.0},
        ReadCase{"NegativeZero", "-0", -0.0}, ReadCase{"LeadingZeros", "000.0100", 0.01},
        ReadCase{"OverflowPositive", "1e999999999", kInf},
        ReadCase{"OverflowNegative", "-1e400", -kInf},
        ReadCase{"HugeExponentDigits", "1e99999999999999999999999", kInf},
        ReadCase{"UnderflowNegative", "-1e-400", -0.0},
        ReadCase{"Subnormal", "4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        ReadCase{"LargestDouble", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        ReadCase{"ZeroMantissaHugeExponent", "0e999999", 0.0},
        ReadCase{"InfinityWordIsNoNumber", "inf", 0.0}, ReadCase{"NanWordIsNoNumber", "nan", 0.0}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(ReadNumberLocaleTest, PointIsTheDecimalPointUnderACommaLocale) {
    // Only meaningful where such a locale is installed; the C locale is the
    // fallback and the expectation is the same.
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "it_IT.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            break;
        }
    }
    EXPECT_EQ(readNumber("2.5"), 2.5);
    EXPECT_EQ(readNumber("2,5"), 2.0);
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(ReadNumberLongTextTest, ReadsAHundredThousandDigitsExactly) {
    std::string text = "0." + std::string(100'000, '0') + "1e100005";
    EXPECT_EQ(readNumber(text), 1e4);
    EXPECT_EQ(readNumber(std::string(100'000, '9')), kInf);
}

}  // namespace
}  // namespace roccalc

namespace roccalc {
namespace {

TEST(ReadsEntirelyTest, TellsWhetherTheWholeTextIsTheNumber) {
    for (const char* whole : {"1", " 2 5 ", "-.5", "1e3", "0", "1.", "\t7\n"}) {
        EXPECT_TRUE(readsEntirely(whole)) << '"' << whole << '"';
    }
    for (const char* partial : {"", "-", ".", "1,5", "1-2", "1.2.3", "3e", "abc", "12x", "4\r"}) {
        EXPECT_FALSE(readsEntirely(partial)) << '"' << partial << '"';
    }
}

}  // namespace
}  // namespace roccalc
