#pragma once

namespace ohmcalc {

// a × b and a ÷ b, each checked right after the step: RunTimeError 11 for a
// non-zero number divided by zero, 6 for 0 ÷ 0 or a result beyond the double
// range. Underflow to zero is no error.
double CheckedMultiply(double a, double b);
double CheckedDivide(double a, double b);

}  // namespace ohmcalc
