#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace ohmcalc {

// One preferred-number series for resistors: the values of one decade as
// whole mantissas with `digits` digits (47 is 4.7, 487 is 4.87), rising.
struct ESeries {
  std::string_view name;
  std::span<const std::uint16_t> values;
  int digits;
  int deviation_decimals;  // how finely a deviation from it is worth showing
};

// E6, E12, E24, E48, E96 and E192, coarsest first.
extern const std::array<ESeries, 6> kESeries;

// The series resistors are most often stocked in.
const ESeries& E24();

}  // namespace ohmcalc
