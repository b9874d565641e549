#pragma once

#include "core/decimal_number.h"

namespace ohmcalc {

// The double nearest to `number`. Magnitudes beyond the double range raise
// RunTimeError 6; those below the smallest double become zero.
double ToDouble(const DecimalNumber& number);

// `value` rounded to 15 significant digits; a finite value only.
DecimalNumber ToDecimal15(double value);

}  // namespace ohmcalc
