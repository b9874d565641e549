#pragma once

#include <string>
#include <string_view>

#include "core/run_time_error.h"

namespace ohmcalc {

// How the user writes numbers; UTF-8.
struct NumberLocale {
  std::string decimal_separator = ".";
};

// The number a box's text spells. Raises RunTimeError 13 for text that is not
// a number and 6 for a magnitude beyond the double range.
double ParseNumber(std::string_view text, const NumberLocale& locale = {});

// A finite double as text, at most 15 significant digits, exponent form for
// very large and very small magnitudes. Raises 6 for an infinity or NaN.
std::string NumberToText(double value, const NumberLocale& locale = {});

// The number `text` spells, rounded to nine decimals (half away from zero)
// and always ending in or containing the decimal separator: 5 gives "5.".
// Text that is not a number in the double range comes back unchanged.
std::string FormatResult(std::string_view text, const NumberLocale& locale = {});

}  // namespace ohmcalc
