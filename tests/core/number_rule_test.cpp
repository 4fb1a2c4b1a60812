#include "nc/number_rule.h"

#include <gtest/gtest.h>

#include <string>

#include "base/guarded.h"
#include "nc/line_words.h"

using namespace orca;

TEST(NumberRule, ReadsSignsPointsAndStopsAtTheNextCharacterThatCannotContinue) {
    EXPECT_EQ(ParseNumber("10. Y-5.5").value, 10.0);
    EXPECT_EQ(ParseNumber("-.5").value, -0.5);
    EXPECT_EQ(ParseNumber("+3").value, 3.0);
    EXPECT_EQ(ParseNumber("5.").value, 5.0);
    EXPECT_EQ(ParseNumber("1.2.3").value, 1.2);
    EXPECT_EQ(ParseNumber("12(X5)").value, 12.0);
    EXPECT_EQ(ParseNumber("7\r\n").value, 7.0);
    EXPECT_EQ(ParseNumber("").value, 0.0);
    EXPECT_EQ(ParseNumber("Y5").value, 0.0);
    EXPECT_EQ(ParseNumber("-").value, 0.0);
    EXPECT_EQ(ParseNumber("+-5").value, 0.0);
}

TEST(NumberRule, SkipsBlanksTabsAndLineFeedsEvenBetweenDigits) {
    EXPECT_EQ(ParseNumber("1 2Y3").value, 12.0);
    EXPECT_EQ(ParseNumber(" \t- 4\n5 . 5").value, -45.5);
    // A carriage return ends the number.
    EXPECT_EQ(ParseNumber("4\r5").value, 4.0);
}

TEST(NumberRule, ExponentByEOrDInEitherCase) {
    EXPECT_EQ(ParseNumber("1E2").value, 100.0);
    EXPECT_EQ(ParseNumber("1D2").value, 100.0);
    EXPECT_EQ(ParseNumber("1e-2").value, 0.01);
    EXPECT_EQ(ParseNumber("1d+2").value, 100.0);
    // G41 G01 X10. Y5. D01: the Y word runs into the D.
    EXPECT_EQ(ParseNumber("5. D01").value, 50.0);
    EXPECT_EQ(ParseNumber("2E").value, 2.0);
}

TEST(NumberRule, HexadecimalAndOctalPrefixes) {
    EXPECT_EQ(ParseNumber("&H1F").value, 31.0);
    EXPECT_EQ(ParseNumber("&hff").value, 255.0);
    EXPECT_EQ(ParseNumber("&O17").value, 15.0);
    EXPECT_EQ(ParseNumber("&O19").value, 1.0);
    EXPECT_EQ(ParseNumber("&HFFFFFFFFFFFF").value, 281474976710655.0);
    EXPECT_EQ(ParseNumber("&X1").value, 0.0);
}

TEST(NumberRule, IsCorrectlyRoundedForLongAndExtremeNumbers) {
    EXPECT_EQ(ParseNumber("0.1").value, 0.1);
    EXPECT_EQ(ParseNumber("123456789012345678901234567890").value, 123456789012345678901234567890.0);
    EXPECT_EQ(ParseNumber("99999.999").value, 99999.999);
    EXPECT_EQ(ParseNumber("1.7976931348623157E308").value, 1.7976931348623157e308);
    std::string longNumber(400, '9');
    const NumberReading big = ParseNumber(longNumber);
    EXPECT_TRUE(big.overflow);
    std::string longFraction = "0." + std::string(400, '0') + "1";
    EXPECT_EQ(ParseNumber(longFraction).value, 0.0);
    EXPECT_EQ(ParseNumber("1." + std::string(400, '3')).value, 1.3333333333333333);
}

TEST(NumberRule, OverflowIsReportedNeverInfinite) {
    EXPECT_TRUE(ParseNumber("1E999").overflow);
    EXPECT_TRUE(ParseNumber("-1E309").overflow);
    EXPECT_FALSE(ParseNumber("1E308").overflow);
    EXPECT_FALSE(ParseNumber("1E-320").overflow);
    EXPECT_FALSE(ParseNumber("1E-99999999999999").overflow);
    // The interpreter raises the overflow when it reads the word.
    EXPECT_THROW(static_cast<void>(NcLine("X1E999").word('X')), ArithmeticFault);
    EXPECT_EQ(NcLine("X-1E308").word('X'), -1e308);
}

TEST(NumberRule, HalvesRoundToEvenAndSixteenBitRange) {
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    short v = 0;
    EXPECT_TRUE(ToInt16(12.5, v));
    EXPECT_EQ(v, 12);
    EXPECT_TRUE(ToInt16(13.5, v));
    EXPECT_EQ(v, 14);
    EXPECT_TRUE(ToInt16(-32768, v));
    EXPECT_FALSE(ToInt16(32767.5, v));
    EXPECT_FALSE(ToInt16(99999, v));
}
