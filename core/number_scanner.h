#pragma once

#include <optional>
#include <string_view>

#include "core/decimal_number.h"

namespace ohmcalc {

// Reads text that is one number and nothing else; nullopt for anything else.
// Blanks (spaces, tabs) may stand around it. Accepted, with `decimal_separator`
// as the only decimal mark:
//   plain:    [sign] digits [mark digits] [E|e [sign] digits]      -3  .5  5.  1.5E-05
//   prefixed: the plain number without exponent, then at most one blank and
//             one of p n u µ μ m k K M G T, or meg in any case       4.7k  100 m  2Meg
//   coded:    [sign] digits, then a prefix letter or R (or r) in place of
//             the mark, then digits; R may also lead or end          4k7  2M2  4R7  4r7  R47  47R
std::optional<DecimalNumber> ScanDecimal(std::string_view text, std::string_view decimal_separator);

}  // namespace ohmcalc
