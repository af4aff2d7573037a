#include "grenvil/answers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "grenvil/fixedfield.h"

namespace grenvil {
namespace {

TEST(Answers, RealNumbersInTheFormsUsersType) {
    EXPECT_EQ(parseReal("20"), 20.0f);
    EXPECT_EQ(parseReal("  -3.5  "), -3.5f);
    EXPECT_EQ(parseReal("+.5"), 0.5f);
    EXPECT_EQ(parseReal("5."), 5.0f);
    EXPECT_EQ(parseReal("1.5E2"), 150.0f);
    EXPECT_EQ(parseReal("1.5d-1"), 0.15f);
    EXPECT_EQ(parseReal("18\r"), 18.0f);  // a line typed on a CR LF console
    EXPECT_EQ(parseReal("0.1"), 0.1f);    // rounded once, straight to single precision
}

TEST(Answers, AnythingElseIsNoAnswer) {
    for (const char* text : {"", "   ", "abc", "1,5", "2 m", "1e", "e5", ".", "-", "1.2.3", "inf",
                             "nan", "0x10", "1e40", "- 5"}) {
        EXPECT_FALSE(parseReal(text).has_value()) << text;
    }
}

TEST(Answers, IntegersOnlyForCounts) {
    EXPECT_EQ(parseInteger(" 20 "), 20);
    EXPECT_EQ(parseInteger("-1"), -1);
    EXPECT_EQ(parseInteger("+1"), 1);
    for (const char* text : {"", "10.5", "1e1", "diez", "99999999999", "1 0"}) {
        EXPECT_FALSE(parseInteger(text).has_value()) << text;
    }
}

TEST(FixedField, RightAlignedWithItsDecimals) {
    EXPECT_EQ(fixedDecimal(1.7624f, 7, 3), "  1.762");
    EXPECT_EQ(fixedDecimal(-0.01f, 7, 3), " -0.010");
    EXPECT_EQ(fixedDecimal(0.0f, 6, 3), " 0.000");
    EXPECT_EQ(fixedDecimal(99.9994f, 6, 3), "99.999");
    EXPECT_EQ(fixedInteger(7, 4), "   7");
}

TEST(FixedField, WhatDoesNotFitIsAsterisks) {
    EXPECT_EQ(fixedDecimal(100.0f, 6, 3), "******");
    EXPECT_EQ(fixedDecimal(99.9996f, 6, 3), "******");  // rounds up to 100.000
    EXPECT_EQ(fixedDecimal(-10.0f, 6, 3), "******");
    EXPECT_EQ(fixedDecimal(155.4f, 7, 3), "155.400");
    EXPECT_EQ(fixedDecimal(1000.0f, 7, 3), "*******");
    EXPECT_EQ(fixedDecimal(std::numeric_limits<float>::quiet_NaN(), 6, 3), "******");
    EXPECT_EQ(fixedDecimal(std::numeric_limits<float>::infinity(), 7, 3), "*******");
    EXPECT_EQ(fixedInteger(12345, 4), "****");
}

}  // namespace
}  // namespace grenvil
