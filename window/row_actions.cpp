#include "window/row_actions.h"

namespace ohmcalc {

std::optional<ClickFailure> RunClickRoute(const ClickRoute& route, FieldStore& boxes, const NumberLocale& locale) {
  const CalcRow& row = CalcRowNumbered(route.row);
  try {
    if (route.action == RowAction::kEvaluate) {
      EvaluateRow(row, boxes, locale);
    } else {
      ClearRow(row, boxes);
    }
  } catch (const RunTimeError& error) {
    const bool known = error.box() >= 1 && error.box() <= kBoxCount;
    return ClickFailure{error, known ? error.box() : 0};
  }
  return std::nullopt;
}

}  // namespace ohmcalc
