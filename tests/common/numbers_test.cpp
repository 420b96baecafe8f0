#include "common/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <utility>

namespace {

struct ParseCase {
    const char* text;
    double expected;
};

class ParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(num::parse(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseTest,
                         ::testing::Values(ParseCase{"12.5", 12.5}, ParseCase{" 1 2", 12.0}, ParseCase{"1,000", 1.0},
                                           ParseCase{".5", 0.5}, ParseCase{"-3E2", -300.0}, ParseCase{"abc", 0.0},
                                           ParseCase{"", 0.0}, ParseCase{"0.2.5", 0.2}, ParseCase{"+7", 7.0},
                                           ParseCase{"\t4\n5", 45.0}, ParseCase{"2e-1x", 0.2}, ParseCase{"5E", 5.0},
                                           ParseCase{"5E+", 5.0}, ParseCase{"-", 0.0}, ParseCase{"-.", 0.0},
                                           ParseCase{"３", 3.0}, ParseCase{"12ｍ", 12.0}, ParseCase{"1.5e1", 15.0},
                                           ParseCase{"- 2", -2.0}, ParseCase{"30゜", 30.0}));

// What a Japanese input method in full-width mode types, or a pasted text carries: each
// full-width digit, point, sign and blank reads as its half-width counterpart, the rest
// of the reading rule unchanged.
INSTANTIATE_TEST_SUITE_P(
    FullWidth, ParseTest,
    ::testing::Values(ParseCase{"２．５", 2.5}, ParseCase{"－１０", -10.0}, ParseCase{"−０．２５", -0.25},
                      ParseCase{"＋７", 7.0}, ParseCase{"１　０", 10.0}, ParseCase{"２．５ｍ", 2.5},
                      ParseCase{"1２.５0", 12.5}, ParseCase{"３Ｅ２", 300.0}, ParseCase{"１，０００", 1.0},
                      ParseCase{"０．２．５", 0.2}, ParseCase{"ａｂｃ", 0.0}, ParseCase{"－", 0.0},
                      ParseCase{"２４N/mm2", 24.0}, ParseCase{"擁壁１", 0.0}));

TEST(Parse, AHugeNumberFaultsWhenStored) {
    double v = num::parse("1E400");
    EXPECT_TRUE(std::isinf(v));
    EXPECT_THROW(num::store(v), num::CalcFault);
    EXPECT_THROW(num::store(num::parse("1E39")), num::CalcFault);
    EXPECT_NO_THROW(num::store(num::parse("3E38")));
}

TEST(Checked, FaultsInsteadOfNaNOrInfinity) {
    EXPECT_THROW(num::div(1, 0), num::CalcFault);
    EXPECT_THROW(num::div(0, 0), num::CalcFault);
    EXPECT_THROW(num::sqrt(-1e-9), num::CalcFault);
    EXPECT_THROW(num::asin(1.0000001), num::CalcFault);
    EXPECT_THROW(num::acos(-2), num::CalcFault);
    EXPECT_THROW(num::atan(std::nan("")), num::CalcFault);
    EXPECT_THROW(num::store(std::nan("")), num::CalcFault);
    EXPECT_THROW(num::store(static_cast<double>(FLT_MAX) * 2), num::CalcFault);
    EXPECT_THROW(num::finite(HUGE_VAL), num::CalcFault);
    EXPECT_DOUBLE_EQ(num::div(1, 4), 0.25);
    EXPECT_DOUBLE_EQ(num::sqrt(0), 0.0);
    EXPECT_FLOAT_EQ(num::store(0.1), 0.1f);
}

// Angles convert with π written as 3.14159, not the true π.
TEST(Checked, DegreesUseTheProgramsPi) {
    EXPECT_DOUBLE_EQ(num::rad(180), 3.14159);
    EXPECT_DOUBLE_EQ(num::deg(3.14159), 180.0);
    EXPECT_DOUBLE_EQ(num::rad(90), 1.570795);
    EXPECT_DOUBLE_EQ(num::atan(1), std::atan(1.0));
}

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

class FormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, WritesThePattern) {
    const auto& c = GetParam();
    EXPECT_EQ(num::format(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatTest,
    ::testing::Values(
        // Half away from zero on the exact binary value: 0.125 and 2.5 are exact ties.
        FormatCase{0.125, "0.00", "0.13"}, FormatCase{-0.125, "0.00", "-0.13"}, FormatCase{2.5, "0", "3"},
        FormatCase{-2.5, "0", "-3"},
        // 1.005 is stored just below the tie, so it rounds down.
        FormatCase{1.005, "0.00", "1.00"},
        // The float 0.7133 is 0.71329998970..., not a tie.
        FormatCase{static_cast<double>(0.7133f), "0.000", "0.713"}, FormatCase{0.33333, "0.000", "0.333"},
        FormatCase{0.5, "0.00#", "0.50"}, FormatCase{0.3333, "0.00#", "0.333"}, FormatCase{0.3, "0.00#", "0.30"},
        FormatCase{0.29951, "0.00#", "0.30"}, FormatCase{0.2995, "0.00#", "0.299"}, FormatCase{12.0, "0.00#", "12.00"},
        // Rounding to zero drops the sign.
        FormatCase{-0.0004, "0.000", "0.000"}, FormatCase{-0.004, "0.00", "0.00"},
        FormatCase{1234567.891, "#,##0.00", "1,234,567.89"}, FormatCase{999.996, "0.00", "1000.00"},
        FormatCase{0.5, "#.00", ".50"}, FormatCase{7, "0", "7"}, FormatCase{0, "0.0", "0.0"},
        FormatCase{12.34, "0.0 m", "12.3 m"}));

struct SingleCase {
    float value;
    const char* expected;
};

class SingleFormTest : public ::testing::TestWithParam<SingleCase> {};

TEST_P(SingleFormTest, WritesGeneralFormatWithSevenDigits) {
    EXPECT_EQ(num::singleForm(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Cases, SingleFormTest,
                         ::testing::Values(SingleCase{0.7133f, " .7133 "}, SingleCase{60.0f, " 60 "},
                                           SingleCase{0.0f, " 0 "}, SingleCase{-0.0f, " 0 "},
                                           SingleCase{2.5f, " 2.5 "}, SingleCase{-0.25f, "-.25 "},
                                           SingleCase{1.2345678f, " 1.234568 "}, SingleCase{1e7f, " 1E+07 "},
                                           SingleCase{0.000015f, " 1.5E-05 "}, SingleCase{0.0001f, " .0001 "},
                                           SingleCase{9999999.0f, " 9999999 "}, SingleCase{123456.7f, " 123456.7 "},
                                           SingleCase{-1500.25f, "-1500.25 "}, SingleCase{1.5e-12f, " 1.5E-12 "},
                                           SingleCase{3e20f, " 3E+20 "}));

TEST(SingleForm, NeverWritesAnythingButANumber) {
    EXPECT_EQ(num::singleForm(std::numeric_limits<float>::infinity()), " 0 ");
    EXPECT_EQ(num::singleForm(std::numeric_limits<float>::quiet_NaN()), " 0 ");
}

TEST(ShortForm, DropsTheBlanksAndWritesTheLeadingZero) {
    const std::pair<float, const char*> cases[] = {{10.0f, "10"}, {2.5f, "2.5"},       {0.25f, "0.25"},
                                                   {-0.5f, "-0.5"}, {0.0f, "0"},        {-1500.25f, "-1500.25"},
                                                   {1e7f, "1E+07"}, {0.0001f, "0.0001"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(num::shortForm(value), text) << value;
}

TEST(IntegerForm, HasTheSignPositionAndTrailingBlank) {
    EXPECT_EQ(num::integerForm(3), " 3 ");
    EXPECT_EQ(num::integerForm(-1), "-1 ");
    EXPECT_EQ(num::integerForm(0), " 0 ");
}

}  // namespace
