#include <gtest/gtest.h>

#include <string>

#include "core/numeric_text.h"

namespace ohmcalc {
namespace {

struct Formatted {
  const char* in;
  const char* out;
};

TEST(FormatResult, RoundsToNineDecimalsAndKeepsTheSeparator) {
  const Formatted cases[] = {
      {"0.333333333333333", "0.333333333"},
      {"0.666666666666667", "0.666666667"},
      {"2.5", "2.5"},
      {"5", "5."},
      {"36", "36."},
      {"0.0000000001", "0."},
      {"0.0009765625", "0.000976563"},  // an exact half goes away from zero
      {"-0.0009765625", "-0.000976563"},
      {"2.0000000005", "2.000000001"},  // exact in decimal, not in binary
      {"0.0000000005", "0.000000001"},
      {"0.00000000049999", "0."},
      {"9.9999999995", "10."},
      {"-9.9999999995", "-10."},
      {"-0.0000000001", "0."},  // no minus sign on a zero
      {"-2.5", "-2.5"},
      {".5", "0.5"},
      {"1.5E-05", "0.000015"},
      {"1E+15", "1000000000000000."},
      {"1.23456789012345E+20", "123456789012345000000."},
      {"3.33333333333333", "3.333333333"},
      {"  7 ", "7."},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatResult(c.in), c.out) << c.in;
}

TEST(FormatResult, LargestDoubleIsWrittenOut) {
  std::string text = FormatResult("1.79769313486231E+308");
  EXPECT_EQ(text, "179769313486231" + std::string(294, '0') + ".");
}

TEST(FormatResult, TextThatIsNotANumberComesBackUnchanged) {
  for (const char* text : {"", "abc", "12a", "1,5", "1E+400", "1.8E+308", "inf", "1..2"})
    EXPECT_EQ(FormatResult(text), text);
}

TEST(FormatResult, CommaLocale) {
  const NumberLocale comma{","};
  EXPECT_EQ(FormatResult("0,333333333333333", comma), "0,333333333");
  EXPECT_EQ(FormatResult("5", comma), "5,");
  EXPECT_EQ(FormatResult("0.5", comma), "0.5");  // not a number there
}

}  // namespace
}  // namespace ohmcalc
