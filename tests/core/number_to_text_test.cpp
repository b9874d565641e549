#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/numeric_text.h"

namespace ohmcalc {
namespace {

struct Written {
  double value;
  const char* text;
};

TEST(NumberToText, FifteenSignificantDigitsWithoutTrailingZeros) {
  volatile double tenth = 0.1;
  const Written cases[] = {
      {2.5, "2.5"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {tenth * 3, "0.3"},
      {6.0, "6"},
      {-6.0, "-6"},
      {-0.5, "-0.5"},
      {100.0, "100"},
      {123456789012345.0, "123456789012345"},
      {999999999999999.0, "999999999999999"},
      {9999999999999999.0, "1E+16"},
      {1e15, "1E+15"},
      {1.5e15, "1.5E+15"},
      {0.0001, "0.0001"},
      {0.00012345, "0.00012345"},
      {1.5e-5, "1.5E-05"},
      {-1e-5, "-1E-05"},
      {1e-10, "1E-10"},
      {2e-9, "2E-09"},
      {1e100, "1E+100"},
      {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
      {0.0, "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberToText(c.value), c.text) << c.text;
}

TEST(NumberToText, NegativeZeroHasNoSign) {
  volatile double zero = 0.0;
  EXPECT_EQ(NumberToText(zero * -5.0), "0");
}

TEST(NumberToText, LargestDoubleStaysReadable) {
  // Rounding DBL_MAX up would spell a number beyond the double range.
  std::string text = NumberToText(std::numeric_limits<double>::max());
  EXPECT_EQ(text, "1.79769313486231E+308");
  EXPECT_NO_THROW(ParseNumber(text));
  EXPECT_EQ(NumberToText(-std::numeric_limits<double>::max()), "-1.79769313486231E+308");
}

TEST(NumberToText, InfinityAndNaNAreOverflow) {
  for (double value : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()}) {
    try {
      NumberToText(value);
      ADD_FAILURE() << "no error for " << value;
    } catch (const RunTimeError& error) {
      EXPECT_EQ(error.number(), kErrorOverflow);
    }
  }
}

TEST(NumberToText, CommaLocale) {
  const NumberLocale comma{","};
  EXPECT_EQ(NumberToText(2.5, comma), "2,5");
  EXPECT_EQ(NumberToText(1.5e-5, comma), "1,5E-05");
  EXPECT_EQ(NumberToText(-1234.5, comma), "-1234,5");
}

}  // namespace
}  // namespace ohmcalc
