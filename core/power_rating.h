#pragma once

#include <string_view>

namespace ohmcalc {

// A standard resistor power rating: numerator/denominator watts, as written
// on parts and in catalogues ("1/4", "2").
struct PowerRating {
  int numerator;
  int denominator;
  std::string_view text;
  double Watts() const { return static_cast<double>(numerator) / denominator; }
};

// The smallest standard rating at or above `watts`, from 1/20 W to 100 W;
// nullptr above 100 W, and for zero or less.
const PowerRating* NextRating(double watts);

// The largest standard rating, 100 W.
const PowerRating& LargestRating();

}  // namespace ohmcalc
