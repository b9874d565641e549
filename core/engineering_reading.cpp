#include "core/engineering_reading.h"

#include <array>

#include "core/decimal_text.h"

namespace ohmcalc {
namespace {

constexpr std::int64_t kSignificantDigits = 3;
constexpr std::int64_t kLowestPrefixPower = -12;
constexpr std::int64_t kHighestPrefixPower = 12;

// From p (10^-12) to T (10^12), one for every third power of ten. The micro
// sign is U+00B5, the narrow form in CJK fonts.
constexpr std::array<std::string_view, 9> kPrefixes = {"p", "n", "\u00B5", "m", "", "k", "M", "G", "T"};

DecimalNumber RoundedForReading(const DecimalNumber& value, std::int64_t digits = kSignificantDigits) {
  DecimalNumber rounded = value;
  if (!rounded.IsZero()) RoundHalfAwayFromZero(rounded, rounded.LeadingPower() - digits + 1);
  return rounded;
}

}  // namespace

bool ReadsExactly(const DecimalNumber& value) { return RoundedForReading(value).digits == value.digits; }

std::string EngineeringReading(const DecimalNumber& value, std::string_view unit, const NumberLocale& locale,
                               int digits) {
  DecimalNumber rounded = RoundedForReading(value, digits);
  std::string out;
  if (rounded.negative && !rounded.IsZero()) out.push_back('-');
  std::int64_t group = rounded.IsZero() ? 0 : FloorToMultipleOfThree(rounded.LeadingPower());
  if (group < kLowestPrefixPower || group > kHighestPrefixPower) {
    AppendExponentForm(out, rounded, locale);
    group = 0;
  } else {
    DecimalNumber mantissa = rounded;
    mantissa.exponent -= group;
    AppendPlain(out, mantissa, locale);
  }
  out.push_back(' ');
  out += kPrefixes[static_cast<std::size_t>((group - kLowestPrefixPower) / 3)];
  out += unit;
  return out;
}

}  // namespace ohmcalc
