#include "core/numeric_text.h"

#include <cmath>

#include "core/decimal_double.h"
#include "core/decimal_number.h"
#include "core/input_forms.h"
#include "core/number_scanner.h"

namespace ohmcalc {
namespace {

// Plain notation from 0.0001 up to 15 whole digits, exponent form outside.
constexpr std::int64_t kPlainLowestLeadingPower = -4;
constexpr std::int64_t kPlainHighestLeadingPower = 14;
constexpr std::int64_t kFormattedLowestPower = -9;

// Beyond this a number may be outside the double range and needs the exact test.
constexpr std::int64_t kLeadingPowerAlwaysInRange = 307;

void AppendExponentForm(std::string& out, const DecimalNumber& number, const NumberLocale& locale) {
  out.push_back(number.digits.front());
  if (number.digits.size() > 1) {
    out += locale.decimal_separator;
    out.append(number.digits, 1);
  }
  std::int64_t power = number.LeadingPower();
  out += power < 0 ? "E-" : "E+";
  std::int64_t magnitude = power < 0 ? -power : power;
  if (magnitude < 10) out.push_back('0');
  AppendInteger(out, magnitude);
}

std::optional<DecimalNumber> ReadDecimal(std::string_view text, const NumberLocale& locale) {
  return ScanDecimal(NormaliseInputForms(text, locale.decimal_separator), locale.decimal_separator);
}

bool InDoubleRange(const DecimalNumber& number) {
  if (number.IsZero() || number.LeadingPower() <= kLeadingPowerAlwaysInRange) return true;
  try {
    ToDouble(number);
    return true;
  } catch (const RunTimeError&) {
    return false;
  }
}

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
  PlainParts parts = SplitPlain(number);
  out += parts.whole.empty() ? "0" : parts.whole;
  if (!parts.fraction.empty()) out += locale.decimal_separator + parts.fraction;
  return out;
}

std::string FormatResult(std::string_view text, const NumberLocale& locale) {
  auto number = ReadDecimal(text, locale);
  if (!number || !InDoubleRange(*number)) return std::string(text);
  RoundHalfAwayFromZero(*number, kFormattedLowestPower);

  std::string out = number->negative && !number->IsZero() ? "-" : "";
  PlainParts parts = SplitPlain(*number);
  out += parts.whole.empty() ? "0" : parts.whole;
  out += locale.decimal_separator;
  out += parts.fraction;
  return out;
}

}  // namespace ohmcalc
