#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "window/form_controls.h"

namespace ohmcalc {

// Boxes and buttons take the focus; labels and bars never do.
constexpr bool TakesFocus(const ControlSpec& entry) {
  return entry.kind == ControlKind::kTextBox || entry.kind == ControlKind::kButton;
}

inline constexpr std::size_t kFocusableCount =
    static_cast<std::size_t>(std::count_if(kFormControls.begin(), kFormControls.end(), TakesFocus));

// The boxes and buttons by their TabIndex, as places in kFormControls.
inline constexpr std::array<std::size_t, kFocusableCount> kTabOrder = [] {
  std::array<std::size_t, kFocusableCount> order{};
  std::size_t count = 0;
  for (std::size_t index = 0; index < kFormControls.size(); ++index) {
    if (!TakesFocus(kFormControls[index])) continue;
    std::size_t place = count++;
    for (; place > 0 && kFormControls[order[place - 1]].tab_index > kFormControls[index].tab_index; --place) {
      order[place] = order[place - 1];
    }
    order[place] = index;
  }
  return order;
}();
static_assert(std::adjacent_find(kTabOrder.begin(), kTabOrder.end(),
                                 [](std::size_t a, std::size_t b) {
                                   return kFormControls[a].tab_index == kFormControls[b].tab_index;
                                 }) == kTabOrder.end(),
              "two controls share a TabIndex");

// The order in which a front end makes the controls, as places in
// kFormControls, which is also their stacking order from the top: the boxes
// and buttons in tab order, then the labels, which so lie below the boxes
// they reach into.
inline constexpr std::array<std::size_t, kFormControls.size()> kCreationOrder = [] {
  std::array<std::size_t, kFormControls.size()> order{};
  std::copy(kTabOrder.begin(), kTabOrder.end(), order.begin());
  std::size_t count = kTabOrder.size();
  for (std::size_t index = 0; index < kFormControls.size(); ++index) {
    if (!TakesFocus(kFormControls[index])) order[count++] = index;
  }
  return order;
}();

// The control that has the focus as the window opens, by its place in
// kFormControls: the first in tab order.
inline constexpr std::size_t kFirstInTabOrder = kTabOrder.front();

// The control's place in the tab order, 1, 2, …, among those that take the
// focus.
constexpr int TabPosition(const ControlSpec& entry) {
  const auto place =
      std::find(kTabOrder.begin(), kTabOrder.end(), static_cast<std::size_t>(&entry - kFormControls.data()));
  return 1 + static_cast<int>(place - kTabOrder.begin());
}

}  // namespace ohmcalc
