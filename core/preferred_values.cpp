#include "core/preferred_values.h"

#include <algorithm>
#include <string>

#include "core/decimal_double.h"

namespace ohmcalc {
namespace {

DecimalNumber Scaled(unsigned mantissa, std::int64_t exponent) {
  DecimalNumber number;
  AppendInteger(number.digits, mantissa);
  number.exponent = exponent;
  Normalise(number);
  return number;
}

PreferredValue Deviating(DecimalNumber value, double target) {
  double deviation = (ToDouble(value) - target) / target * 100.0;
  return {std::move(value), deviation};
}

}  // namespace

Neighbours FindNeighbours(const ESeries& series, const DecimalNumber& target) {
  // Compared exactly, on the target's own decimal digits: its first `digits`
  // digits as a whole number, and whether any non-zero digit follows them.
  auto width = static_cast<std::size_t>(series.digits);
  unsigned whole = 0;
  for (std::size_t i = 0; i < width; ++i) {
    whole = whole * 10 + (i < target.digits.size() ? static_cast<unsigned>(target.digits[i] - '0') : 0u);
  }
  bool more = target.digits.size() > width;
  std::int64_t exponent = target.LeadingPower() - series.digits + 1;

  const auto& values = series.values;
  auto above = std::lower_bound(values.begin(), values.end(), whole + (more ? 1u : 0u));
  auto below = std::upper_bound(values.begin(), values.end(), whole) - 1;  // values[0] starts the decade
  double target_value = ToDouble(target);
  // Past the last value the next one up is the first of the next decade.
  DecimalNumber upper = above == values.end() ? Scaled(values.front(), exponent + 1) : Scaled(*above, exponent);
  bool exact = !more && *below == whole;
  return {Deviating(Scaled(*below, exponent), target_value), Deviating(std::move(upper), target_value), exact};
}

}  // namespace ohmcalc
