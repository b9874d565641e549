#include "core/checked_arithmetic.h"

#include "core/float_status.h"
#include "core/run_time_error.h"

namespace ohmcalc {
namespace {

// The flags are only meaningful if the arithmetic happens between the clear
// and the test. Volatile operands cannot be read before the clear, and the
// volatile result must be stored before the test, so the optimiser can
// neither fold the step away nor move it across either call.
template <typename Step>
double Checked(double a, double b, bool divide, Step step) {
  ClearFloatStatus();
  volatile double left = a;
  volatile double right = b;
  volatile double result = step(left, right);
  switch (ReadFloatStatus({a, b, result, divide})) {
    case FloatStatus::kClean:
      return result;
    case FloatStatus::kDivisionByZero:
      throw RunTimeError(kErrorDivisionByZero);
    case FloatStatus::kInvalidOrOverflow:
      break;
  }
  throw RunTimeError(kErrorOverflow);
}

}  // namespace

double CheckedMultiply(double a, double b) {
  return Checked(a, b, false, [](double x, double y) { return x * y; });
}

double CheckedDivide(double a, double b) {
  return Checked(a, b, true, [](double x, double y) { return x / y; });
}

}  // namespace ohmcalc
