#pragma once

#include <algorithm>
#include <cstddef>

#include "window/form_controls.h"

namespace ohmcalc {

// Boxes and buttons take the focus; labels and bars never do.
constexpr bool TakesFocus(const ControlSpec& entry) {
  return entry.kind == ControlKind::kTextBox || entry.kind == ControlKind::kButton;
}

// The control's place in the tab order, 1, 2, …, among those that take the
// focus, by their TabIndex.
constexpr int TabPosition(const ControlSpec& entry) {
  return 1 + static_cast<int>(std::count_if(kFormControls.begin(), kFormControls.end(), [&entry](const ControlSpec& o) {
           return TakesFocus(o) && o.tab_index < entry.tab_index;
         }));
}

// The control that has the focus as the window opens, by its place in
// kFormControls: the first in tab order.
inline constexpr std::size_t kFirstInTabOrder = static_cast<std::size_t>(
    std::find_if(kFormControls.begin(), kFormControls.end(),
                 [](const ControlSpec& entry) { return TakesFocus(entry) && TabPosition(entry) == 1; }) -
    kFormControls.begin());
static_assert(kFirstInTabOrder < kFormControls.size());

}  // namespace ohmcalc
