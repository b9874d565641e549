#include "core/numeric_text.h"

#include <cmath>

#include "core/decimal_double.h"
#include "core/decimal_text.h"

namespace ohmcalc {
namespace {

// Plain notation from 0.0001 up to 15 whole digits, exponent form outside.
constexpr std::int64_t kPlainLowestLeadingPower = -4;
constexpr std::int64_t kPlainHighestLeadingPower = 14;
constexpr std::int64_t kFormattedLowestPower = -9;

}  // namespace

double ParseNumber(std::string_view text, const NumberLocale& locale) {
  auto number = ReadDecimal(text, locale);
  if (!number) throw RunTimeError(kErrorTypeMismatch);
  return ToDouble(*number);
}

std::string NumberToText(double value, const NumberLocale& locale) {
  if (!std::isfinite(value)) throw RunTimeError(kErrorOverflow);
  DecimalNumber number = ToDecimal15(value);
  if (number.IsZero()) return "0";  // negative zero too

  std::string out = number.negative ? "-" : "";
  std::int64_t lead = number.LeadingPower();
  if (lead < kPlainLowestLeadingPower || lead > kPlainHighestLeadingPower) {
    AppendExponentForm(out, number, locale);
    return out;
  }
  AppendPlain(out, number, locale);
  return out;
}

std::string FormatResult(std::string_view text, const NumberLocale& locale) {
  auto number = ReadDecimalInRange(text, locale);
  if (!number) return std::string(text);
  RoundHalfAwayFromZero(*number, kFormattedLowestPower);

  std::string out = number->negative && !number->IsZero() ? "-" : "";
  PlainParts parts = SplitPlain(*number);
  out += parts.whole.empty() ? "0" : parts.whole;
  out += locale.decimal_separator;
  out += parts.fraction;
  return out;
}

}  // namespace ohmcalc
