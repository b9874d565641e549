#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/calc_rows.h"

namespace ohmcalc {

enum class Quantity { kVoltage, kCurrent, kResistance, kPower };

// What a row's result box C holds: V for rows 1 and 4, A for 2 and 5, Ω for
// 3, W for 6 and 7.
constexpr Quantity ResultQuantity(const CalcRow& row) {
  constexpr std::array<Quantity, kCalcRows.size()> kResultQuantities = {
      Quantity::kVoltage, Quantity::kCurrent, Quantity::kResistance, Quantity::kVoltage,
      Quantity::kCurrent, Quantity::kPower,   Quantity::kPower};
  return kResultQuantities.at(static_cast<std::size_t>(row.number - 1));
}

// What a designer does next with the number in the row's box C, as a few
// lines of UTF-8 for a tooltip: its engineering reading; for a resistance,
// the neighbouring preferred values of E6..E192, the nearest E24 part's code
// and colour bands, and current and power recomputed with it; for a power,
// the rating to choose. Empty when C is not a number.
std::string DesignerAids(const CalcRow& row, const FieldStore& boxes, const NumberLocale& locale = {});

// Whether the aids of `row` depend on box `box`: its box C, and for the
// resistance row also box A, the voltage it rechecks with. A front end
// rebuilds them whenever such a box changes.
constexpr bool DesignerAidsRead(const CalcRow& row, int box) {
  return box == row.c || (box == row.a && ResultQuantity(row) == Quantity::kResistance);
}

}  // namespace ohmcalc
