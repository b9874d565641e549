#include "window/tab_order.h"

#include <gtest/gtest.h>

#include <set>

#include "window/aids_readers.h"
#include "window/click_routes.h"
#include "window/control_names.h"

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
  for (std::size_t place = 1; place < kTabOrder.size(); ++place) {
    EXPECT_LT(kFormControls[kTabOrder[place - 1]].tab_index, kFormControls[kTabOrder[place]].tab_index);
  }
}

TEST(TabOrder, ControlsAreMadeBoxesAndButtonsFirstThenTheLabelsInTableOrder) {
  std::set<std::size_t> made(kCreationOrder.begin(), kCreationOrder.end());
  EXPECT_EQ(made.size(), kFormControls.size());
  for (std::size_t place = 0; place < kCreationOrder.size(); ++place) {
    const std::size_t index = kCreationOrder[place];
    if (place < kTabOrder.size()) {
      EXPECT_EQ(index, kTabOrder[place]);
    } else {
      EXPECT_FALSE(TakesFocus(kFormControls[index])) << kFormControls[index].name;
      if (place > kTabOrder.size()) {
        EXPECT_GT(index, kCreationOrder[place - 1]);
      }
    }
  }
}

TEST(ControlOrders, EachRoutedButtonHasItsRouteByPlace) {
  for (const ClickRoute& route : kClickRoutes) {
    EXPECT_EQ(kRouteOfControl[static_cast<std::size_t>(&ControlNamed(route.button) - kFormControls.data())], &route);
  }
  EXPECT_EQ(kRouteOfControl[static_cast<std::size_t>(&ControlNamed("Command3") - kFormControls.data())], nullptr);
}

TEST(ControlOrders, EachResultBoxAndTheResistanceRowsVoltageAreRead) {
  int reads = 0;
  for (int box = 1; box <= kBoxCount; ++box) {
    for (const CalcRow* row : RowsReadingBox(box)) {
      EXPECT_TRUE(box == row->c || (row->number == 3 && box == row->a)) << "box " << box << " row " << row->number;
      ++reads;
    }
  }
  EXPECT_EQ(reads, 8);  // seven results and the voltage of V÷I=R
}

}  // namespace
}  // namespace ohmcalc
