#include <cfenv>

#include "core/float_status.h"

namespace ohmcalc {

// The processor's exception flags say what the step raised.
void ClearFloatStatus() noexcept { std::feclearexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW); }

FloatStatus ReadFloatStatus(const FloatStep&) noexcept {
  int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  if (raised == 0) return FloatStatus::kClean;
  return (raised & FE_DIVBYZERO) != 0 ? FloatStatus::kDivisionByZero : FloatStatus::kInvalidOrOverflow;
}

}  // namespace ohmcalc
