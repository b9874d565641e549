#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "core/numeric_text.h"

namespace ohmcalc {
namespace {

const NumberLocale kPoint{"."};
const NumberLocale kComma{","};

struct Accepted {
  const char* text;
  double value;
};

void ExpectError(std::string_view text, const NumberLocale& locale, int number) {
  try {
    double value = ParseNumber(text, locale);
    ADD_FAILURE() << "'" << text << "' gave " << value << ", expected error " << number;
  } catch (const RunTimeError& error) {
    EXPECT_EQ(error.number(), number) << "'" << text << "'";
  }
}

TEST(ParseNumber, AcceptsPlainSignedDecimalsWithExponent) {
  const Accepted cases[] = {
      {"0", 0.0},
      {"10", 10.0},
      {"-3", -3.0},
      {"+4", 4.0},
      {".5", 0.5},
      {"5.", 5.0},
      {"2.5", 2.5},
      {"  7  ", 7.0},
      {"\t8\t", 8.0},
      {"1e3", 1000.0},
      {"1E3", 1000.0},
      {"1.5E-05", 1.5e-5},
      {"2e+2", 200.0},
      {"-.25e1", -2.5},
      {"007", 7.0},
      {"0100", 100.0},
      {"0.50", 0.5},
      {"0.1", 0.1},
      {"123456789012345678901234567890", 1.2345678901234568e29},
      {"1.7976931348623157e308", std::numeric_limits<double>::max()},
      {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseNumber(c.text, kPoint), c.value) << c.text;
}

TEST(ParseNumber, RejectsWhatIsNotANumberWithTypeMismatch) {
  for (const char* text : {"",    " ",    "abc",   "12a",   "a12", "1.2.3", ".",     "-",   "+",        "e5",
                           "1e",  "1e+",  "--1",   "+-1",   "1 2", "1,5",   "1,000", "inf", "Infinity", "nan",
                           "NaN", "0x10", "0x1p3", "1e3.5", "- 5", "5 e3",  "1\n",   "\n1"}) {
    ExpectError(text, kPoint, kErrorTypeMismatch);
  }
}

TEST(ParseNumber, RejectsEmbeddedNul) {
  ExpectError(std::string_view("1\0"
                               "2",
                               3),
              kPoint, kErrorTypeMismatch);
  // A view ending inside a character: the bytes past its end are not read.
  ExpectError(std::string_view("1\xEF\xBC\x91", 3), kPoint, kErrorTypeMismatch);
}

TEST(ParseNumber, BeyondDoubleRangeIsOverflowAndBelowItIsZero) {
  for (const char* text : {"1E+400", "-1e400", "1.8e308", "1e999999999999999999999", "100000000000000000000e300"}) {
    ExpectError(text, kPoint, kErrorOverflow);
  }
  for (const char* text : {"1E-400", "-1e-400", "2e-324", "1e-99999999999999999999", "0e999999"}) {
    EXPECT_EQ(ParseNumber(text, kPoint), 0.0) << text;
  }
}

TEST(ParseNumber, ManyDigitsStillRoundCorrectly) {
  // Just above the halfway point between 1 and the next double: must round up,
  // which only works if the digits far to the right are not thrown away.
  std::string above_half = "1.00000000000000011102230246251565404236316680908203125" + std::string(2000, '0') + "1";
  EXPECT_EQ(ParseNumber(above_half, kPoint), std::nextafter(1.0, 2.0));
  std::string exact_half = "1.00000000000000011102230246251565404236316680908203125" + std::string(2000, '0');
  EXPECT_EQ(ParseNumber(exact_half, kPoint), 1.0);  // ties to even
  EXPECT_EQ(ParseNumber(std::string(5000, '0') + "12", kPoint), 12.0);
  EXPECT_EQ(ParseNumber("0." + std::string(5000, '0') + "12e5005", kPoint), 12e3);
}

TEST(ParseNumber, CommaLocaleTakesOnlyTheComma) {
  EXPECT_EQ(ParseNumber("2,5", kComma), 2.5);
  EXPECT_EQ(ParseNumber(",5", kComma), 0.5);
  EXPECT_EQ(ParseNumber("5,", kComma), 5.0);
  EXPECT_EQ(ParseNumber("-1,5E-05", kComma), -1.5e-5);
  for (const char* text : {"2.5", "1.000,5", "1,2,3", ","}) ExpectError(text, kComma, kErrorTypeMismatch);
}

TEST(ParseNumber, IgnoresTheProcessLocale) {
  // Linux names first, then the Windows C runtime's.
  const char* comma_locales[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8", "de-DE", "German_Germany.1252"};
  const char* chosen = nullptr;
  for (const char* name : comma_locales) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      chosen = name;
      break;
    }
  }
  if (chosen == nullptr) GTEST_SKIP() << "no comma locale installed";
  EXPECT_EQ(ParseNumber("2.5", kPoint), 2.5);
  EXPECT_EQ(NumberToText(2.5, kPoint), "2.5");
  EXPECT_EQ(FormatResult("2.5", kPoint), "2.5");
  std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace ohmcalc
