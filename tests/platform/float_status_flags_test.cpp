#include <gtest/gtest.h>

#include <cfenv>

#include "core/checked_arithmetic.h"

namespace ohmcalc {
namespace {

TEST(FloatStatusFlags, FlagsLeftOverFromEarlierWorkAreNotBlamedOnTheStep) {
  std::feraiseexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
  EXPECT_EQ(CheckedDivide(1, 2), 0.5);
  std::feraiseexcept(FE_DIVBYZERO);
  EXPECT_EQ(CheckedMultiply(3, 4), 12);
}

}  // namespace
}  // namespace ohmcalc
