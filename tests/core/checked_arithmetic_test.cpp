#include "core/checked_arithmetic.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/run_time_error.h"

namespace ohmcalc {
namespace {

int ErrorOf(double (*step)(double, double), double a, double b) {
  try {
    step(a, b);
    return 0;
  } catch (const RunTimeError& error) {
    return error.number();
  }
}

// What each status becomes: the system's stand-in says what a step raised
// (its own table runs against each stand-in), the core reports it.
TEST(CheckedArithmetic, EachStepIsCheckedOnItsOwn) {
  const double big = std::numeric_limits<double>::max();
  EXPECT_EQ(ErrorOf(CheckedDivide, 10, 0), kErrorDivisionByZero);
  EXPECT_EQ(ErrorOf(CheckedDivide, 0, 0), kErrorOverflow);
  EXPECT_EQ(ErrorOf(CheckedMultiply, big, 2), kErrorOverflow);
  EXPECT_EQ(ErrorOf(CheckedMultiply, 1e-300, 1e-300), 0);
  EXPECT_EQ(CheckedDivide(10, 4), 2.5);
  EXPECT_EQ(CheckedMultiply(2, 3), 6);
}

}  // namespace
}  // namespace ohmcalc
