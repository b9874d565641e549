#include <cfenv>

#include "core/run_time_error.h"
#include "platform/float_status.h"

namespace ohmcalc {

// The processor's exception flags say what the step raised.
void ClearFloatStatus() noexcept { std::feclearexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW); }

void CheckFloatStatus(const FloatStep&) {
  int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  if (raised == 0) return;
  throw RunTimeError((raised & FE_DIVBYZERO) != 0 ? kErrorDivisionByZero : kErrorOverflow);
}

}  // namespace ohmcalc
