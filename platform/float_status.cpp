#include "platform/float_status.h"

#include <cfenv>

#include "core/run_time_error.h"

namespace ohmcalc {

void ClearFloatStatus() noexcept { std::feclearexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW); }

void CheckFloatStatus() {
  int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  if (raised == 0) return;
  throw RunTimeError((raised & FE_DIVBYZERO) != 0 ? kErrorDivisionByZero : kErrorOverflow);
}

}  // namespace ohmcalc
