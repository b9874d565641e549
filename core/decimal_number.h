#pragma once

#include <cstdint>
#include <string>

namespace ohmcalc {

// A number exactly as its text spells it: value = ±digits × 10^exponent.
// Kept in decimal so that rounding works on what the user wrote, not on a
// binary approximation of it.
struct DecimalNumber {
  bool negative = false;
  std::string digits;         // no leading or trailing zeros; empty means zero
  std::int64_t exponent = 0;  // of the last digit
  // Power of ten of the leading digit; meaningless for zero.
  std::int64_t LeadingPower() const { return exponent + static_cast<std::int64_t>(digits.size()) - 1; }
  bool IsZero() const { return digits.empty(); }
};

// Appends `value` in plain ASCII digits, whatever the process locale.
void AppendInteger(std::string& out, std::int64_t value);

// Strips leading and trailing zeros, moving the exponent to match.
void Normalise(DecimalNumber& number);

// The multiple of three at or below `power`: -4 gives -6. Engineering
// prefixes and resistor codes step by a thousand.
inline std::int64_t FloorToMultipleOfThree(std::int64_t power) {
  std::int64_t remainder = power % 3;
  return remainder < 0 ? power - remainder - 3 : power - remainder;
}

// Rounds to a multiple of 10^lowest_power; an exact half goes away from zero.
void RoundHalfAwayFromZero(DecimalNumber& number, std::int64_t lowest_power);

// The digits before and after the decimal mark in plain (non-exponent)
// notation, without padding zeros on the outer ends: 0.05 is {"", "05"}.
struct PlainParts {
  std::string whole;
  std::string fraction;
};
PlainParts SplitPlain(const DecimalNumber& number);

}  // namespace ohmcalc
