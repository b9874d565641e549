#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "window/form_controls.h"

namespace ohmcalc {

enum class RowAction { kEvaluate, kClear };

// A button that runs a row operation. The operator buttons (×, ÷) are not
// listed: clicking one only moves the focus.
struct ClickRoute {
  const char* button;
  int row;
  RowAction action;
};

inline constexpr std::array<ClickRoute, 14> kClickRoutes = {{
    {"Command1", 1, RowAction::kEvaluate},
    {"Command2", 1, RowAction::kClear},
    {"Command5", 2, RowAction::kEvaluate},
    {"Command6", 2, RowAction::kClear},
    {"Command8", 3, RowAction::kEvaluate},
    {"Command9", 3, RowAction::kClear},
    {"Command11", 4, RowAction::kEvaluate},
    {"Command12", 4, RowAction::kClear},
    {"Command14", 5, RowAction::kEvaluate},
    {"Command15", 5, RowAction::kClear},
    {"Command19", 6, RowAction::kEvaluate},
    {"Command16", 6, RowAction::kClear},
    {"Command21", 7, RowAction::kEvaluate},
    {"Command17", 7, RowAction::kClear},
}};

// The route of each control, by its place in kFormControls; null for all
// but the routed buttons.
inline constexpr std::array<const ClickRoute*, kFormControls.size()> kRouteOfControl = [] {
  std::array<const ClickRoute*, kFormControls.size()> routes{};
  for (const ClickRoute& route : kClickRoutes) {
    for (std::size_t index = 0; index < kFormControls.size(); ++index) {
      if (std::string_view(kFormControls[index].name) == route.button) routes[index] = &route;
    }
  }
  return routes;
}();
// By name, not by counting nulls: the sanitizers' build cannot compare
// pointers in a constant expression.
static_assert(
    [] {
      std::size_t named = 0;
      for (const ClickRoute& route : kClickRoutes) {
        for (const ControlSpec& control : kFormControls) named += std::string_view(control.name) == route.button;
      }
      return named == kClickRoutes.size();
    }(),
    "a route names no control, or two");

// The route of row `row`'s equals button.
inline const ClickRoute& EvaluateRouteOfRow(int row) {
  return *std::find_if(kClickRoutes.begin(), kClickRoutes.end(), [row](const ClickRoute& candidate) {
    return candidate.row == row && candidate.action == RowAction::kEvaluate;
  });
}

}  // namespace ohmcalc
