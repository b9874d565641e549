#pragma once

namespace ohmcalc {

// One multiplication or division, as done.
struct FloatStep {
  double left;
  double right;
  double result;
  bool divide;
};

// What a step raised by the IEEE 754 rules, as far as the rows care.
enum class FloatStatus { kClean, kDivisionByZero, kInvalidOrOverflow };

// The system provides these two (platform/): one file reads the processor's
// exception flags, another decides from the step's values where there are
// no flags.

// Forgets what earlier arithmetic raised; call right before a step.
void ClearFloatStatus() noexcept;

// What `step` raised: a non-zero number divided by zero, an invalid
// operation (0 ÷ 0) or an overflow, or nothing.
FloatStatus ReadFloatStatus(const FloatStep& step) noexcept;

}  // namespace ohmcalc
