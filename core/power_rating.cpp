#include "core/power_rating.h"

#include <array>

namespace ohmcalc {
namespace {

// Leaded and chip resistors as commonly stocked; 1/3 W and 3/4 W are left
// out as sizes only some makers offer.
constexpr std::array<PowerRating, 17> kRatings = {{
    {1, 20, "1/20"},
    {1, 16, "1/16"},
    {1, 10, "1/10"},
    {1, 8, "1/8"},
    {1, 4, "1/4"},
    {1, 2, "1/2"},
    {1, 1, "1"},
    {2, 1, "2"},
    {3, 1, "3"},
    {5, 1, "5"},
    {7, 1, "7"},
    {10, 1, "10"},
    {15, 1, "15"},
    {20, 1, "20"},
    {25, 1, "25"},
    {50, 1, "50"},
    {100, 1, "100"},
}};

}  // namespace

const PowerRating& LargestRating() { return kRatings.back(); }

const PowerRating* NextRating(double watts) {
  if (!(watts > 0.0)) return nullptr;
  for (const PowerRating& rating : kRatings) {
    if (watts <= rating.Watts()) return &rating;
  }
  return nullptr;
}

}  // namespace ohmcalc
