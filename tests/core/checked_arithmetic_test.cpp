#include "core/checked_arithmetic.h"

#include <gtest/gtest.h>

#include <cfenv>
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

TEST(CheckedArithmetic, EachStepIsCheckedOnItsOwn) {
  const double big = std::numeric_limits<double>::max();
  EXPECT_EQ(ErrorOf(CheckedDivide, 10, 0), kErrorDivisionByZero);
  EXPECT_EQ(ErrorOf(CheckedDivide, -10, 0), kErrorDivisionByZero);
  EXPECT_EQ(ErrorOf(CheckedDivide, 0, 0), kErrorOverflow);
  EXPECT_EQ(ErrorOf(CheckedDivide, big, 0.5), kErrorOverflow);
  EXPECT_EQ(ErrorOf(CheckedMultiply, big, 2), kErrorOverflow);
  EXPECT_EQ(ErrorOf(CheckedMultiply, -big, 2), kErrorOverflow);
  EXPECT_EQ(ErrorOf(CheckedMultiply, 0, 5), 0);
  EXPECT_EQ(ErrorOf(CheckedDivide, 0, 5), 0);
  EXPECT_EQ(ErrorOf(CheckedMultiply, 1e-300, 1e-300), 0);  // underflow is no error
  EXPECT_EQ(CheckedDivide(10, 4), 2.5);
  EXPECT_EQ(CheckedMultiply(2, 3), 6);
}

TEST(CheckedArithmetic, FlagsLeftOverFromEarlierWorkAreNotBlamedOnTheStep) {
  std::feraiseexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
  EXPECT_EQ(CheckedDivide(1, 2), 0.5);
  std::feraiseexcept(FE_DIVBYZERO);
  EXPECT_EQ(CheckedMultiply(3, 4), 12);
}

}  // namespace
}  // namespace ohmcalc
