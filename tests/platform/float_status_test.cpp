#include <gtest/gtest.h>

#include <limits>

#include "core/checked_arithmetic.h"
#include "core/run_time_error.h"

namespace ohmcalc {
namespace {

struct StepCase {
  double left;
  double right;
  bool divide;
  int error;
};

int ErrorOf(const StepCase& step) {
  try {
    step.divide ? CheckedDivide(step.left, step.right) : CheckedMultiply(step.left, step.right);
    return 0;
  } catch (const RunTimeError& error) {
    return error.number();
  }
}

// The core's checked steps, run against the processor's flags natively and
// against the rules that stand in for them where there are none
// (WebAssembly, and natively in float_status_from_values_tests): the same
// errors from both.
TEST(FloatStatus, EachStepRaisesWhatTheFlagsWould) {
  const double big = std::numeric_limits<double>::max();
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  constexpr int kClean = 0;
  constexpr int kZero = kErrorDivisionByZero;
  constexpr int kOver = kErrorOverflow;
  const StepCase cases[] = {
      {10, 0, true, kZero},
      {-10, 0, true, kZero},
      {0, 0, true, kOver},
      {big, 0.5, true, kOver},
      {big, 2, false, kOver},
      {-big, 2, false, kOver},
      {0, 5, false, kClean},
      {5, 0, false, kClean},
      {0, 5, true, kClean},
      {1e-300, 1e-300, false, kClean},  // underflow is no error
      {1e300, 1e-300, true, kOver},
      {10, 4, true, kClean},
      {2, 3, false, kClean},
      // Operands no box gives, but where the flags are exact all the same.
      {inf, 2, false, kClean},
      {inf, 0, false, kOver},
      {inf, 0, true, kClean},
      {inf, inf, true, kOver},
      {1, inf, true, kClean},
      {nan, 2, false, kClean},
      {nan, 0, true, kClean},
  };
  for (const StepCase& step : cases) {
    EXPECT_EQ(ErrorOf(step), step.error) << step.left << (step.divide ? " / " : " * ") << step.right;
  }
}

}  // namespace
}  // namespace ohmcalc
