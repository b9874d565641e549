#pragma once

#include "core/decimal_number.h"
#include "core/e_series.h"

namespace ohmcalc {

// A standard value near a target, and how far it lies from it:
// (standard − target) / target, in percent.
struct PreferredValue {
  DecimalNumber value;
  double deviation_percent;
};

// The standard values of `series` on either side of `target` (> 0), across
// decade ends: 9.6 k in E24 lies between 9.1 k and 10 k. On an exact hit
// both are that value and `exact` is set.
struct Neighbours {
  PreferredValue below;
  PreferredValue above;
  bool exact;
};
Neighbours FindNeighbours(const ESeries& series, const DecimalNumber& target);

}  // namespace ohmcalc
