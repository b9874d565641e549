#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/numeric_text.h"

namespace ohmcalc {
namespace {

struct Form {
  const char* text;
  std::optional<double> value;  // nullopt: error 13
};

constexpr std::nullopt_t kMismatch = std::nullopt;

void Check(const Form& form, const NumberLocale& locale) {
  SCOPED_TRACE(std::string("'") + form.text + "' with '" + locale.decimal_separator + "'");
  try {
    double value = ParseNumber(form.text, locale);
    ASSERT_TRUE(form.value.has_value()) << "accepted as " << value;
    EXPECT_EQ(value, *form.value);
  } catch (const RunTimeError& error) {
    EXPECT_FALSE(form.value.has_value()) << "rejected with " << error.number();
    EXPECT_EQ(error.number(), kErrorTypeMismatch);
  }
}

// Forms that read the same whatever the decimal separator.
const Form kEitherLocale[] = {
    // Metric prefixes, right after the number or after one blank.
    {"100m", 0.1},
    {"10u", 0.00001},
    {"100u", 100e-6},
    {"47k", 47000},
    {"47K", 47000},
    {"2M", 2e6},
    {"3G", 3e9},
    {"1T", 1e12},
    {"22p", 22e-12},
    {"100n", 100e-9},
    {"10\u00B5", 10e-6},  // micro sign
    {"10\u03BC", 10e-6},  // Greek mu
    {"1meg", 1e6},
    {"1MEG", 1e6},
    {"1Meg", 1e6},
    {"1meg ", 1e6},
    {"100 m", 0.1},
    {"100\tk", 100000},
    {" -5k ", -5000},
    {"+2k", 2000},
    // Resistor codes.
    {"4k7", 4700},
    {"2k2", 2200},
    {"2M2", 2200000},
    {"1m5", 0.0015},
    {"4R7", 4.7},
    {"R47", 0.47},
    {"0R1", 0.1},
    {"47R", 47},
    {"4r7", 4.7},  // as phones type it
    {"r47", 0.47},
    {"0r1", 0.1},
    {"47r", 47},
    {"2n2", 2.2e-9},
    {"4\u00B57", 4.7e-6},
    {"-4k7", -4700},
    // E stays the exponent.
    {"1e3", 1000},
    {"1E3", 1000},
    // Full-width and input-method forms.
    {"\uFF14\uFF17\uFF10", 470},   // ４７０
    {"\uFF14\uFF4B\uFF17", 4700},  // ４ｋ７
    {"\uFF0D\uFF12", -2},          // －２
    {"\uFF0B\uFF12", 2},           // ＋２
    {"\u2212\uFF12", -2},          // −２
    {"\u30002\u3000", 2},          // ideographic spaces
    {"\u00A02\u00A0", 2},          // no-break spaces, pasted from web pages
    {"100\u00A0m", 0.1},
    {"-5\u00A0k", -5000},
    {"\uFF11\uFF25\uFF13", 1000},        // １Ｅ３
    {"\uFF11\uFF2D\uFF25\uFF27", 1e6},   // １ＭＥＧ
    {"4\u30027", 4.7},                   // 4。7
    {"4\uFF617", 4.7},                   // 4｡7
    {"\uFF11\uFF10\u3000\uFF4D", 0.01},  // １０　ｍ
    // Still errors.
    {"12a", kMismatch},
    {"k", kMismatch},
    {"R", kMismatch},
    {"meg", kMismatch},
    {"1kk", kMismatch},
    {"1km", kMismatch},
    {"1e3k", kMismatch},
    {"1e300k", kMismatch},  // a prefix after an exponent, whatever the magnitude
    {"4k7k", kMismatch},
    {"4R7k", kMismatch},
    {"k47", kMismatch},
    {"4 k7", kMismatch},
    {"4  k", kMismatch},
    {"4 R7", kMismatch},
    {"4 r7", kMismatch},
    {"4r7k", kMismatch},
    {"r", kMismatch},
    {"4\u00A0\u00A0k", kMismatch},
    {"4x", kMismatch},
    {"1E", kMismatch},
    {"1me", kMismatch},
    {"1xeg", kMismatch},
    {"1mex", kMismatch},
    {"1Ω", kMismatch},
    {"5kΩ", kMismatch},
    {"- 5k", kMismatch},
    {"inf", kMismatch},
    {"nan", kMismatch},
    {"1P", kMismatch},
    {"1f", kMismatch},
    {"\uFF41", kMismatch},              // ａ
    {"5\uFF00", kMismatch},             // just below the full-width forms
    {"\uFF08\uFF11\uFF09", kMismatch},  // （１）
    {"\xEF\xBC", kMismatch},            // cut-off UTF-8
    {"\xFF"
     "1",
     kMismatch},
};

TEST(CircuitForms, PointLocale) {
  const NumberLocale point{"."};
  for (const Form& form : kEitherLocale) Check(form, point);
  const Form point_only[] = {
      {"4.7k", 4700},          {".5k", 500},         {"4.7 k", 4700},     {"\uFF14\uFF0E\uFF17", 4.7},
      {"4.7R", kMismatch},     {"4.7k7", kMismatch}, {"4,7k", kMismatch}, {"1,000k", kMismatch},
      {"4\uFF0C7", kMismatch},  // full-width comma is a group separator here
  };
  for (const Form& form : point_only) Check(form, point);
}

TEST(CircuitForms, CommaLocale) {
  const NumberLocale comma{","};
  for (const Form& form : kEitherLocale) Check(form, comma);
  const Form comma_only[] = {
      {"4,7k", 4700},      {",5k", 500},        {"4\uFF0C7", 4.7},    {"4\u30027", 4.7},
      {"4.7k", kMismatch}, {"4,7R", kMismatch}, {"1.000", kMismatch},
  };
  for (const Form& form : comma_only) Check(form, comma);
}

TEST(CircuitForms, OutOfRangeStaysOverflow) {
  const std::string beyond[] = {"1E+400", "1" + std::string(306, '0') + "k", "2" + std::string(296, '0') + "T",
                                "1" + std::string(305, '0') + "meg", "1" + std::string(306, '0') + "k5"};
  for (const std::string& text : beyond) {
    try {
      ParseNumber(text);
      ADD_FAILURE() << text << " raised nothing";
    } catch (const RunTimeError& error) {
      EXPECT_EQ(error.number(), kErrorOverflow) << text;
    }
  }
}

TEST(CircuitForms, PrefixesAreExactDecimalShifts) {
  // 4.7k must be exactly the double nearest 4700, not 4.7 × 1000 rounded twice.
  EXPECT_EQ(ParseNumber("0.3k"), 300.0);
  EXPECT_EQ(ParseNumber("0.1m"), 0.0001);
  EXPECT_EQ(ParseNumber("3u3"), 3.3e-6);
}

}  // namespace
}  // namespace ohmcalc
