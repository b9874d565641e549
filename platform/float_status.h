#pragma once

namespace ohmcalc {

// Clears the invalid-operation, division-by-zero and overflow flags of the
// floating-point unit.
void ClearFloatStatus() noexcept;

// Raises RunTimeError 11 when the division-by-zero flag is set, 6 when only
// invalid operation or overflow is; does nothing when none is.
void CheckFloatStatus();

}  // namespace ohmcalc
