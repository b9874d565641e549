#include <cmath>

#include "core/float_status.h"

namespace ohmcalc {

// For systems without floating-point exception flags (WebAssembly): the
// step's operands and result tell what the flags would have raised, by the
// IEEE 754 rules. NaN operands pass quietly; infinite operands raise nothing
// that an infinite result alone would.
void ClearFloatStatus() noexcept {}

FloatStatus ReadFloatStatus(const FloatStep& step) noexcept {
  const bool operands_finite = std::isfinite(step.left) && std::isfinite(step.right);
  const bool operands_numbers = !std::isnan(step.left) && !std::isnan(step.right);
  if (step.divide && step.right == 0.0 && std::isfinite(step.left) && step.left != 0.0) {
    return FloatStatus::kDivisionByZero;
  }
  const bool invalid = std::isnan(step.result) && operands_numbers;
  const bool overflow = std::isinf(step.result) && operands_finite;
  return invalid || overflow ? FloatStatus::kInvalidOrOverflow : FloatStatus::kClean;
}

}  // namespace ohmcalc
