#include "common/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "common/fieldvalue.h"
#include "common/patterntext.h"

using namespace common;

TEST(FieldValue, ReadsTheLeadingNumberAndIgnoresTheRest) {
    EXPECT_DOUBLE_EQ(fieldValue("2.5 m"), 2.5);
    EXPECT_DOUBLE_EQ(fieldValue("1,5"), 1.5);
    EXPECT_DOUBLE_EQ(fieldValue("abc"), 0.0);
    EXPECT_DOUBLE_EQ(fieldValue(""), 0.0);
    EXPECT_DOUBLE_EQ(fieldValue("   -2.5"), -2.5);
    EXPECT_DOUBLE_EQ(fieldValue("1 2 . 5"), 12.5);
    EXPECT_DOUBLE_EQ(fieldValue("+.5"), 0.5);
    EXPECT_DOUBLE_EQ(fieldValue("-"), 0.0);
    EXPECT_DOUBLE_EQ(fieldValue("."), 0.0);
}

TEST(FieldValue, ReadsExponentsWithEOrD) {
    EXPECT_DOUBLE_EQ(fieldValue("1.5E3"), 1500.0);
    EXPECT_DOUBLE_EQ(fieldValue("1.5d-2"), 0.015);
    EXPECT_DOUBLE_EQ(fieldValue("2E"), 2.0);
    EXPECT_DOUBLE_EQ(fieldValue("2E+x"), 2.0);
}

TEST(FieldValue, HugeExponentsStayFinite) {
    EXPECT_TRUE(std::isfinite(fieldValue("1E999")));
    EXPECT_DOUBLE_EQ(fieldValue("1E-999"), 0.0);
    EXPECT_DOUBLE_EQ(fieldValue("1e-999"), 0.0);
    EXPECT_DOUBLE_EQ(fieldValue("-1d-999"), 0.0);
    // Too small or too large by its digits alone, with no exponent to tell
    EXPECT_DOUBLE_EQ(fieldValue("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(fieldValue("1" + std::string(400, '0')), std::numeric_limits<double>::max());
    EXPECT_DOUBLE_EQ(fieldValue("0." + std::string(400, '0') + "1E500"), 1e99);
    EXPECT_TRUE(std::isfinite(toSingle(fieldValue("1E300"))));
    EXPECT_EQ(toSingle(-1e300), -std::numeric_limits<float>::max());
}

TEST(NumberTokens, WholeTokenMustBeANumber) {
    double v = 0;
    EXPECT_TRUE(parseNumberToken("-1.5E+07", v));
    EXPECT_DOUBLE_EQ(v, -1.5e7);
    EXPECT_TRUE(parseNumberToken(".25", v));
    EXPECT_DOUBLE_EQ(v, 0.25);
    EXPECT_FALSE(parseNumberToken("2.5m", v));
    EXPECT_FALSE(parseNumberToken("abc", v));
    EXPECT_FALSE(parseNumberToken("", v));
    EXPECT_FALSE(parseNumberToken("-", v));
}

TEST(DisplayText, ShortestTextWithLeadingZero) {
    EXPECT_EQ(displaySingle(0.5f), "0.5");
    EXPECT_EQ(displaySingle(0.25f), "0.25");
    EXPECT_EQ(displaySingle(-2.5f), "-2.5");
    EXPECT_EQ(displaySingle(30.0f), "30");
    EXPECT_EQ(displaySingle(0.0f), "0");
    EXPECT_EQ(displaySingle(0.1f), "0.1");
    EXPECT_EQ(displaySingle(1234567.8f), "1234568");
    EXPECT_EQ(displaySingle(1e7f), "1E+07");
    EXPECT_EQ(displayDouble(0.1), "0.1");
    EXPECT_EQ(displayDouble(1.0 / 3.0), "0.333333333333333");
}

TEST(PrintText, SignBlankNoLeadingZeroTrailingBlank) {
    EXPECT_EQ(printSingle(30.0f), " 30 ");
    EXPECT_EQ(printSingle(-2.5f), "-2.5 ");
    EXPECT_EQ(printSingle(0.25f), " .25 ");
    EXPECT_EQ(printSingle(-0.25f), "-.25 ");
    EXPECT_EQ(printSingle(0.0f), " 0 ");
    EXPECT_EQ(printSingle(1234567.8f), " 1234568 ");
    EXPECT_EQ(printSingle(1e7f), " 1E+07 ");
    EXPECT_EQ(printSingle(12345678.0f), " 1.234568E+07 ");
    EXPECT_EQ(printSingle(0.0000123f), " 1.23E-05 ");
    EXPECT_EQ(printDouble(18.4010915), " 18.4010915 ");
    EXPECT_EQ(printInteger(1), " 1 ");
    EXPECT_EQ(printInteger(-100000), "-100000 ");
    EXPECT_EQ(numberInText(4), " 4");
}

TEST(PrintText, EverySingleReadsBackToSevenDigits) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> exponent(-8, 9);
    for (int k = 0; k < 5000; ++k) {
        const float value = static_cast<float>(std::pow(10.0, exponent(random)) * (k % 2 ? -1 : 1));
        double back = 0;
        std::string text = printSingle(value);
        ASSERT_TRUE(parseNumberToken(
            text.substr(text[0] == ' ' ? 1 : 0, text.size() - 1 - (text[0] == ' ' ? 1 : 0)), back))
            << text;
        EXPECT_NEAR(back, value, std::fabs(value) * 1e-6) << text;
        EXPECT_NEAR(fieldValue(displaySingle(value)), value, std::fabs(value) * 1e-6);
    }
}

TEST(PatternText, FixedDecimalsHalfAwayFromZero) {
    EXPECT_EQ(formatPattern(1234.56, "####0.0"), "1234.6");
    EXPECT_EQ(formatPattern(0.04, "####0.000"), "0.040");
    EXPECT_EQ(formatPattern(0.125, "0.00"), "0.13");
    EXPECT_EQ(formatPattern(-0.125, "0.00"), "-0.13");
    EXPECT_EQ(formatPattern(2.5, "##0"), "3");
    EXPECT_EQ(formatPattern(9.9996, "0.000"), "10.000");
    EXPECT_EQ(formatPattern(123456789.0, "##0.0"), "123456789.0");
    EXPECT_EQ(formatPattern(100000, "####0.000"), "100000.000");
    EXPECT_EQ(formatPattern(-0.0001, "0.000"), "0.000");
}

TEST(PatternText, HashesOnlyAndLiteralText) {
    EXPECT_EQ(formatPattern(0, "###"), "");
    EXPECT_EQ(formatPattern(12, "###"), "12");
    EXPECT_EQ(formatPattern(0, "##0"), "0");
    EXPECT_EQ(formatPattern(3.14159, "####0.000 kN/m2"), "3.142 kN/m2");
    EXPECT_EQ(formatPattern(-7.5, "Fs = ##0.0"), "Fs = -7.5");
}
