#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "core/number_conversion.h"
#include "core/numeric_text.h"

namespace ohmcalc {
namespace {

// x rounded to 15 significant digits, by an independent route: the
// library's own round trip of a 15-digit scientific text.
double RoundTo15Digits(double x) {
  AsciiDouble read = ReadAsciiDouble(ScientificAscii(x, 14));
  if (read.out_of_range) return std::copysign(1.79769313486231e308, x);  // the largest text kept finite
  return read.value;
}

double FromBits(std::uint64_t bits) {
  double x;
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

}  // namespace

void PrintTo(const NumberLocale& locale, std::ostream* out) { *out << "'" << locale.decimal_separator << "'"; }

namespace {

class RoundTrip : public ::testing::TestWithParam<NumberLocale> {};

TEST_P(RoundTrip, ParseOfTextIsTheNumberToFifteenDigits) {
  const NumberLocale& locale = GetParam();
  std::mt19937_64 random(20261207);
  for (int i = 0; i < 200000; ++i) {
    double x = FromBits(random());
    if (!std::isfinite(x)) continue;
    std::string text = NumberToText(x, locale);
    double expected = x == 0 ? 0.0 : RoundTo15Digits(x);
    ASSERT_EQ(ParseNumber(text, locale), expected) << text;
    // FormatResult reads the same number: its nine decimals agree with the
    // digit rounding of that number's own plain text.
    if (std::fabs(x) < 1e15 && std::fabs(x) >= 1e-4) {
      std::string formatted = FormatResult(text, locale);
      ASSERT_EQ(FormatResult(formatted, locale), formatted) << text;
      ASSERT_LE(std::fabs(ParseNumber(formatted, locale) - expected), 5e-10 * (1 + std::fabs(expected))) << text;
    }
  }
}

TEST_P(RoundTrip, EveryScaleOfMagnitude) {
  const NumberLocale& locale = GetParam();
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  for (int power = -320; power <= 308; ++power) {
    double x = mantissa(random) * std::pow(10.0, power);
    if (!std::isfinite(x)) continue;
    std::string text = NumberToText(x, locale);
    EXPECT_EQ(ParseNumber(text, locale), RoundTo15Digits(x)) << text;
    std::string formatted = FormatResult(text, locale);
    EXPECT_EQ(formatted.find('E'), std::string::npos) << "FormatResult must read " << text;
    EXPECT_NEAR(ParseNumber(formatted, locale), RoundTo15Digits(x), 5e-10 + std::fabs(x) * 1e-15) << text;
  }
}

TEST_P(RoundTrip, LargestDoublesReadBack) {
  const NumberLocale& locale = GetParam();
  for (double x : {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                   std::nextafter(std::numeric_limits<double>::max(), 0.0), 1.797693134862315e308}) {
    std::string text = NumberToText(x, locale);
    EXPECT_EQ(ParseNumber(text, locale), RoundTo15Digits(x)) << text;
  }
}

INSTANTIATE_TEST_SUITE_P(Locales, RoundTrip, ::testing::Values(NumberLocale{"."}, NumberLocale{","}),
                         [](const auto& info) { return info.param.decimal_separator == "." ? "Point" : "Comma"; });

}  // namespace
}  // namespace ohmcalc
