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

// Runs against the processor's flags natively and against the rules that
// stand in for them where there are none (WebAssembly): the same errors.
TEST(CheckedArithmetic, EachStepIsCheckedOnItsOwn) {
  const double big = std::numeric_limits<double>::max();
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(ErrorOf(CheckedDivide, 10, 0), kErrorDivisionByZero);
  EXPECT_EQ(ErrorOf(CheckedDivide, -10, 0), kErrorDivisionByZero);
  EXPECT_EQ(ErrorOf(CheckedDivide, 0, 0), kErrorOverflow);
  EXPECT_EQ(ErrorOf(CheckedDivide, big, 0.5), kErrorOverflow);
  EXPECT_EQ(ErrorOf(CheckedMultiply, big, 2), kErrorOverflow);
  EXPECT_EQ(ErrorOf(CheckedMultiply, -big, 2), kErrorOverflow);
  EXPECT_EQ(ErrorOf(CheckedMultiply, 0, 5), 0);
  EXPECT_EQ(ErrorOf(CheckedDivide, 0, 5), 0);
  EXPECT_EQ(ErrorOf(CheckedMultiply, 1e-300, 1e-300), 0);  // underflow is no error
  EXPECT_EQ(ErrorOf(CheckedDivide, 1e300, 1e-300), kErrorOverflow);
  // Operands no box gives, but where the flags are exact all the same.
  EXPECT_EQ(ErrorOf(CheckedMultiply, inf, 2), 0);
  EXPECT_EQ(ErrorOf(CheckedMultiply, inf, 0), kErrorOverflow);
  EXPECT_EQ(ErrorOf(CheckedDivide, inf, 0), 0);
  EXPECT_EQ(ErrorOf(CheckedDivide, inf, inf), kErrorOverflow);
  EXPECT_EQ(ErrorOf(CheckedDivide, 1, inf), 0);
  EXPECT_EQ(ErrorOf(CheckedMultiply, nan, 2), 0);
  EXPECT_EQ(ErrorOf(CheckedDivide, nan, 0), 0);
  EXPECT_EQ(CheckedDivide(10, 4), 2.5);
  EXPECT_EQ(CheckedMultiply(2, 3), 6);
}

}  // namespace
}  // namespace ohmcalc
