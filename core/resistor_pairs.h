#pragma once

#include "core/decimal_number.h"

namespace ohmcalc {

enum class Connection { kSeries, kParallel };

// Two stocked E24 parts, 1 Ω to 10 MΩ, that together come nearest a target.
// `main` carries most of it (the larger part in series, the smaller in
// parallel); `partner` trims it. `combined` is in ohms, as exact as a double
// allows; the deviation is (combined − target) / target, in percent.
struct PartPair {
  DecimalNumber main;
  DecimalNumber partner;
  DecimalNumber combined;
  double deviation_percent;
  bool exact;
};

// Whether two stocked parts could come near `target` at all: from 0.01 Ω to
// 999 MΩ, a decade and more beyond the 0.5 Ω to 20 MΩ they make. Outside it
// any single standard value is nearer.
bool WithinPairReach(const DecimalNumber& target);

// The best pair for `target` (> 0, within reach). Of pairs equally near it: two equal
// parts (one line on the parts list), then the main part nearest the
// target, then the larger combined resistance (the less current).
PartPair NearestE24Pair(Connection connection, const DecimalNumber& target);

}  // namespace ohmcalc
