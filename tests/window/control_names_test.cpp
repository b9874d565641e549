#include "window/control_names.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace ohmcalc {
namespace {

TEST(ControlNames, UnknownNamesAndBoxesAreErrors) {
  EXPECT_STREQ(ControlNamed("Text9").name, "Text9");
  EXPECT_STREQ(BoxControl(21).name, "Text21");
  EXPECT_THROW(ControlNamed("Text22"), std::out_of_range);
  EXPECT_THROW(ControlNamed(""), std::out_of_range);
  EXPECT_THROW(BoxControl(0), std::out_of_range);
  EXPECT_THROW(BoxControl(22), std::out_of_range);
}

}  // namespace
}  // namespace ohmcalc
