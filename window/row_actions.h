#pragma once

#include <optional>

#include "core/calc_rows.h"
#include "window/click_routes.h"

namespace ohmcalc {

// What a routed click leaves for the window to do after its row operation:
// nothing, or report `error` and put the cursor in box `culprit` (1..21; 0
// when no box is to blame). Every box is then as it was before the click.
struct ClickFailure {
  RunTimeError error;
  int culprit;
};

// Runs the route's row operation on `boxes`.
std::optional<ClickFailure> RunClickRoute(const ClickRoute& route, FieldStore& boxes, const NumberLocale& locale);

}  // namespace ohmcalc
