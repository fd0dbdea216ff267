#include <gtest/gtest.h>

#include "text/key_filter.h"

namespace roccalc {
namespace {

TEST(KeyAllowedTest, TakesOnlyTheCharactersOfADecimalNumber) {
    for (char16_t c : std::u16string_view(u"0123456789.-\b")) {
        EXPECT_TRUE(keyAllowed(c)) << static_cast<int>(c);
    }
    for (char16_t c : std::u16string_view(u"aZeE+, \t\r\n\x01\x03\x16\x18\x7f&\u0661\u066B")) {
        EXPECT_FALSE(keyAllowed(c)) << static_cast<int>(c);
    }
    EXPECT_FALSE(keyAllowed(0));
}

}  // namespace
}  // namespace roccalc
