// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "design/transformer_design.h"
#include "tests/readable_params.h"

namespace spulix {
namespace {

using testing_support::ReadableName;

// A text and the number read from it.
struct TextCase {
  const char* text;
  double value;
};

void PrintTo(const TextCase& c, std::ostream* os) {
  testing_support::PrintText(c.text, os);
}

class ReadStrictAccepts : public testing::TestWithParam<TextCase> {};

TEST_P(ReadStrictAccepts, ReadsTheNumber) {
  EXPECT_DOUBLE_EQ(ReadStrict(GetParam().text), GetParam().value)
      << "text: '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ReadStrictAccepts,
    testing::Values(
        TextCase{"1,234.5", 1234.5}, TextCase{" 12 ", 12},
        TextCase{"\t12\t", 12}, TextCase{"+7", 7}, TextCase{"-2.5", -2.5},
        TextCase{".5", 0.5}, TextCase{"5.", 5}, TextCase{"-.25", -0.25},
        TextCase{"1,", 1}, TextCase{"1,2", 12}, TextCase{"1,200", 1200},
        TextCase{"1,,2", 12}, TextCase{"1E3", 1000}, TextCase{"2.5e-2", 0.025},
        TextCase{"1e+2", 100}, TextCase{"1,022.0", 1022}, TextCase{"0.00", 0},
        TextCase{"1e-400", 0}, TextCase{"1.5E-05", 1.5e-5},
        TextCase{"+.5", 0.5}, TextCase{"1,2e+3", 12000}, TextCase{"5.e3", 5000},
        TextCase{"+1,000.5", 1000.5}, TextCase{"-1,5.E-1", -1.5},
        TextCase{"007", 7}),
    ReadableName());

struct NotNumber {
  const char* text;
};

void PrintTo(const NotNumber& c, std::ostream* os) {
  testing_support::PrintText(c.text, os);
}

class ReadStrictRejects : public testing::TestWithParam<NotNumber> {};

TEST_P(ReadStrictRejects, FailsWithTypeMismatch) {
  EXPECT_THROW(ReadStrict(GetParam().text), TypeMismatch)
      << "text: '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    NotNumbers, ReadStrictRejects,
    testing::ValuesIn(std::vector<NotNumber>{
        {""},      {"   "},       {"12abc"}, {"abc"},  {"."},
        {"-"},     {"+"},         {",1"},    {"1e"},   {"1e+"},
        {"1.2.3"}, {"1 2"},       {"1.2,3"}, {"$5"},   {"(5)"},
        {"&H10"},  {"1\n"},       {"\n1"},   {"12 a"}, {"--1"},
        {"0x10"},  {"1,234.5,6"}, {"inf"},   {"nan"},  {"１２"}}),
    ReadableName());

TEST(ReadStrict, NumberBeyondDoubleRangeIsArithmeticFault) {
  EXPECT_THROW(ReadStrict("1E400"), ArithmeticFault);
  EXPECT_THROW(ReadStrict("-1e309"), ArithmeticFault);
  EXPECT_THROW(ReadStrict("1" + std::string(400, '0')), ArithmeticFault);
}

class ReadLenientReads : public testing::TestWithParam<TextCase> {};

TEST_P(ReadLenientReads, TakesTheLeadingNumber) {
  EXPECT_DOUBLE_EQ(ReadLenient(GetParam().text), GetParam().value)
      << "text: '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadLenientReads,
    testing::Values(TextCase{"1,234.5", 1}, TextCase{"", 0},
                    TextCase{"12abc", 12}, TextCase{"abc", 0},
                    TextCase{" 1 2 ", 12}, TextCase{"1\t2\n3\r", 123},
                    TextCase{".5", 0.5}, TextCase{"-.5", -0.5},
                    TextCase{"-", 0}, TextCase{".", 0}, TextCase{"0.", 0},
                    TextCase{"20.3", 20.3}, TextCase{"1e3", 1000},
                    TextCase{"1e", 1}, TextCase{"1e+", 1},
                    TextCase{"2E-1x", 0.2}, TextCase{"- 3", -3},
                    TextCase{"+4", 4}, TextCase{"1.2.3", 1.2}),
    ReadableName());

TEST(ReadLenient, HugeNumberIsInfiniteSoCheckedArithmeticRejectsIt) {
  const double value = ReadLenient("1e400");
  EXPECT_TRUE(std::isinf(value));
  EXPECT_THROW(Mul(value, 0.9), ArithmeticFault);
}

struct PatternCase {
  double value;
  Pattern pattern;
  const char* text;
};

void PrintTo(const PatternCase& c, std::ostream* os) {
  *os << c.value
      << (c.pattern == Pattern::kOneDecimal ? " one decimal" : " two decimals");
}

class FormatPatternWrites : public testing::TestWithParam<PatternCase> {};

TEST_P(FormatPatternWrites, ExactText) {
  EXPECT_EQ(FormatPattern(GetParam().value, GetParam().pattern),
            GetParam().text);
}

constexpr Pattern k1 = Pattern::kOneDecimal;
constexpr Pattern k2 = Pattern::kTwoDecimals;

INSTANTIATE_TEST_SUITE_P(
    Values, FormatPatternWrites,
    testing::Values(
        PatternCase{0, k2, "0.00"}, PatternCase{1234.5, k1, "1,234.5"},
        PatternCase{1234.56, k1, "1,234.6"}, PatternCase{0.5, k2, "0.50"},
        PatternCase{20.3100960, k1, "20.3"}, PatternCase{2.675, k2, "2.68"},
        PatternCase{1.005, k2, "1.01"}, PatternCase{-0.04, k1, "0.0"},
        PatternCase{-0.05, k1, "-0.1"},
        PatternCase{-1234567.891, k2, "-1,234,567.89"},
        PatternCase{999.95, k1, "1,000.0"}, PatternCase{0.004, k2, "0.00"},
        PatternCase{0.005, k2, "0.01"}, PatternCase{-0.0, k2, "0.00"},
        PatternCase{1e20, k1, "100,000,000,000,000,000,000.0"},
        PatternCase{123456.0, k2, "123,456.00"},
        PatternCase{1338.75, k2, "1,338.75"}),
    ReadableName());

struct GeneralCase {
  double value;
  const char* text;
};

void PrintTo(const GeneralCase& c, std::ostream* os) { *os << c.value; }

class FormatGeneralWrites : public testing::TestWithParam<GeneralCase> {};

TEST_P(FormatGeneralWrites, ExactText) {
  EXPECT_EQ(FormatGeneral(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatGeneralWrites,
    testing::Values(GeneralCase{264.0, "264"}, GeneralCase{6.5, "6.5"},
                    GeneralCase{12.75, "12.75"}, GeneralCase{0.1 + 0.2, "0.3"},
                    GeneralCase{0, "0"}, GeneralCase{-0.0, "0"},
                    GeneralCase{-3.25, "-3.25"}, GeneralCase{1e15, "1E+15"},
                    GeneralCase{1.5e-5, "1.5E-05"}, GeneralCase{1e-4, "0.0001"},
                    GeneralCase{123456789012345.0, "123456789012345"},
                    GeneralCase{999999999999999.9, "1E+15"},
                    GeneralCase{-2.5e100, "-2.5E+100"},
                    GeneralCase{1.0 / 3, "0.333333333333333"}),
    ReadableName());

TEST(WholeNumbers, RoundHalvesToEven) {
  EXPECT_EQ(RoundToInt16(2.5), 2);
  EXPECT_EQ(RoundToInt16(3.5), 4);
  EXPECT_EQ(RoundToInt16(62.5), 62);
  EXPECT_EQ(RoundToInt16(-2.5), -2);
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
  EXPECT_EQ(RoundToInt16(-32768.4), -32768);
  EXPECT_EQ(RoundToInt32(277.78), 278);
  EXPECT_EQ(FormatWhole(-42), "-42");
}

TEST(WholeNumbers, OutOfRangeIsArithmeticFault) {
  EXPECT_THROW(RoundToInt16(32767.5), ArithmeticFault);
  EXPECT_THROW(RoundToInt16(-32768.6), ArithmeticFault);
  EXPECT_THROW(RoundToInt32(2147483647.5), ArithmeticFault);
  EXPECT_THROW(RoundToInt32(std::nan("")), ArithmeticFault);
  EXPECT_THROW(RoundToInt32(std::numeric_limits<double>::infinity()),
               ArithmeticFault);
}

TEST(CheckedArithmetic, NeverYieldsInfinityOrNan) {
  const double huge = std::numeric_limits<double>::max();
  EXPECT_THROW(Div(1, 0), ArithmeticFault);
  EXPECT_THROW(Div(0, 0), ArithmeticFault);
  EXPECT_THROW(Sqrt(-1), ArithmeticFault);
  EXPECT_THROW(Mul(huge, 10), ArithmeticFault);
  EXPECT_THROW(Add(huge, huge), ArithmeticFault);
  EXPECT_DOUBLE_EQ(Sqrt(6.94), std::sqrt(6.94));
  EXPECT_EQ(Sqrt(-0.0), 0.0);
}

// Whatever the writers produce reads back strictly as (nearly) the value.
TEST(WrittenTexts, ReadBackStrictly) {
  std::mt19937_64 random(20261209);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-30, 30);
  for (int i = 0; i < 20000; ++i) {
    const double value = mantissa(random) * std::pow(10.0, exponent(random));
    const std::string general = FormatGeneral(value);
    const double back = ReadStrict(general);
    EXPECT_NEAR(back, value, std::fabs(value) * 1e-14) << general;
    for (Pattern pattern : {k1, k2}) {
      const std::string fixed = FormatPattern(value, pattern);
      const double tolerance = pattern == k1 ? 0.05 : 0.005;
      EXPECT_NEAR(ReadStrict(fixed), value,
                  tolerance + std::fabs(value) * 1e-14)
          << fixed;
    }
  }
}

}  // namespace
}  // namespace spulix

namespace spulix {
namespace {

TEST(WrittenTexts, TopOfTheDoubleRangeStillReadsBack) {
  const double largest = std::numeric_limits<double>::max();
  for (double value : {largest, -largest, 1.7976931348623155e308}) {
    EXPECT_EQ(FormatGeneral(value).substr(value < 0 ? 1 : 0),
              "1.79769313486231E+308");
    EXPECT_NO_THROW(ReadStrict(FormatGeneral(value)));
    EXPECT_NO_THROW(ReadStrict(FormatPattern(value, Pattern::kOneDecimal)));
  }
  EXPECT_EQ(FormatGeneral(1.5e308), "1.5E+308");
}

}  // namespace
}  // namespace spulix
