#include "core/float_status.h"

#include <gtest/gtest.h>

#include <limits>

namespace ohmcalc {
namespace {

struct StepCase {
  double left;
  double right;
  bool divide;
  FloatStatus raised;
};

// The step done as the core does it: volatile, between the clear and the read.
FloatStatus StatusOf(const StepCase& step) {
  ClearFloatStatus();
  volatile double left = step.left;
  volatile double right = step.right;
  volatile double result = step.divide ? left / right : left * right;
  return ReadFloatStatus({step.left, step.right, result, step.divide});
}

// Runs against the processor's flags natively and against the rules that
// stand in for them where there are none (WebAssembly): the same answers.
TEST(FloatStatus, EachStepRaisesWhatTheFlagsWould) {
  const double big = std::numeric_limits<double>::max();
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  constexpr auto kClean = FloatStatus::kClean;
  constexpr auto kZero = FloatStatus::kDivisionByZero;
  constexpr auto kOver = FloatStatus::kInvalidOrOverflow;
  const StepCase cases[] = {
      {10, 0, true, kZero},
      {-10, 0, true, kZero},
      {0, 0, true, kOver},
      {big, 0.5, true, kOver},
      {big, 2, false, kOver},
      {-big, 2, false, kOver},
      {0, 5, false, kClean},
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
    EXPECT_EQ(StatusOf(step), step.raised) << step.left << (step.divide ? " / " : " * ") << step.right;
  }
}

}  // namespace
}  // namespace ohmcalc
