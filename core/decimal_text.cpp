#include "core/decimal_text.h"

#include "core/decimal_double.h"
#include "core/input_forms.h"
#include "core/number_scanner.h"

namespace ohmcalc {
namespace {

// Beyond this a number may be outside the double range and needs the exact test.
constexpr std::int64_t kLeadingPowerAlwaysInRange = 307;

}  // namespace

std::optional<DecimalNumber> ReadDecimal(std::string_view text, const NumberLocale& locale) {
  return ScanDecimal(NormaliseInputForms(text, locale.decimal_separator), locale.decimal_separator);
}

std::optional<DecimalNumber> ReadDecimalInRange(std::string_view text, const NumberLocale& locale) {
  auto number = ReadDecimal(text, locale);
  if (!number || number->IsZero() || number->LeadingPower() <= kLeadingPowerAlwaysInRange) return number;
  try {
    ToDouble(*number);
    return number;
  } catch (const RunTimeError&) {
    return std::nullopt;
  }
}

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

void AppendPlain(std::string& out, const DecimalNumber& number, const NumberLocale& locale) {
  PlainParts parts = SplitPlain(number);
  out += parts.whole.empty() ? "0" : parts.whole;
  if (!parts.fraction.empty()) out += locale.decimal_separator + parts.fraction;
}

}  // namespace ohmcalc
