#pragma once

namespace ohmcalc {

// One multiplication or division, as done.
struct FloatStep {
  double left;
  double right;
  double result;
  bool divide;
};

// Forgets what earlier arithmetic raised; call right before a step.
void ClearFloatStatus() noexcept;

// Raises RunTimeError 11 when `step` divided a non-zero number by zero, 6
// when it was an invalid operation (0 ÷ 0) or overflowed; nothing otherwise.
void CheckFloatStatus(const FloatStep& step);

}  // namespace ohmcalc
