#include "window/tab_order.h"

#include <gtest/gtest.h>

#include <set>

namespace ohmcalc {
namespace {

TEST(TabOrder, EveryFocusableControlHasItsOwnPlaceAndTheFirstBoxOpens) {
  std::set<int> places;
  for (const ControlSpec& entry : kFormControls) {
    if (TakesFocus(entry)) places.insert(TabPosition(entry));
  }
  EXPECT_EQ(places.size(), 42u);  // 21 boxes and 21 buttons
  EXPECT_EQ(*places.begin(), 1);
  EXPECT_EQ(*places.rbegin(), 42);
  EXPECT_STREQ(kFormControls[kFirstInTabOrder].name, "Text1");
}

}  // namespace
}  // namespace ohmcalc
