#include "core/decimal_double.h"

#include <charconv>
#include <cmath>

#include "core/number_conversion.h"
#include "core/run_time_error.h"

namespace ohmcalc {
namespace {

// Enough digits to decide the rounding of any double; a single '1' after
// them stands for whatever non-zero digits were cut off.
constexpr std::size_t kSignificantDigitsKept = 800;

// Every magnitude with its leading digit at 10^309 or above overflows, and
// every one below 10^-400 underflows to zero.
constexpr std::int64_t kLeadingPowerAlwaysOverflows = 309;
constexpr std::int64_t kLeadingPowerAlwaysUnderflows = -400;

// The largest 15-digit decimal that is still a finite double; rounding DBL_MAX
// up to 15 digits would give a text that no longer reads back as a number.
constexpr const char* kLargestFifteenDigits = "179769313486231";
constexpr std::int64_t kLargestFifteenDigitsExponent = 308 - 14;

}  // namespace

double ToDouble(const DecimalNumber& number) {
  double sign = number.negative ? -1.0 : 1.0;
  if (number.IsZero()) return sign * 0.0;
  std::int64_t lead = number.LeadingPower();
  if (lead >= kLeadingPowerAlwaysOverflows) throw RunTimeError(kErrorOverflow);
  if (lead < kLeadingPowerAlwaysUnderflows) return sign * 0.0;

  std::string text = number.digits.substr(0, kSignificantDigitsKept);
  if (number.digits.size() > text.size()) text.push_back('1');
  auto digits_dropped = static_cast<std::int64_t>(number.digits.size()) - static_cast<std::int64_t>(text.size());
  text.push_back('e');
  AppendInteger(text, number.exponent + digits_dropped);

  AsciiDouble read = ReadAsciiDouble(text);
  if (read.out_of_range) {
    if (lead > 0) throw RunTimeError(kErrorOverflow);
    return sign * 0.0;
  }
  return sign * read.value;
}

DecimalNumber ToDecimal15(double value) {
  DecimalNumber number;
  if (value == 0.0) return number;
  // d.dddddddddddddde±XX, correctly rounded from the exact binary value.
  std::string printed = ScientificAscii(value, 14);
  std::string_view text(printed);
  if (text.front() == '-') {
    number.negative = true;
    text.remove_prefix(1);
  }
  auto e = text.find('e');
  number.digits.push_back(text[0]);
  number.digits.append(text.substr(2, e - 2));
  std::string_view exponent_text = text.substr(e + 1);
  if (exponent_text.front() == '+') exponent_text.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);
  number.exponent = exponent - 14;
  if (number.digits > kLargestFifteenDigits && number.exponent == kLargestFifteenDigitsExponent) {
    number.digits = kLargestFifteenDigits;
  }
  Normalise(number);
  return number;
}

}  // namespace ohmcalc
