#pragma once

#include <optional>
#include <string>

#include "core/decimal_number.h"

namespace ohmcalc {

// The resistor code of a value in ohms, in the forms the boxes read back:
// the prefix letter or R stands in the decimal mark. "510R", "4K7", "2M2",
// "R47", "1K0". nullopt from 1000 TΩ up.
std::optional<std::string> ResistorCode(const DecimalNumber& ohms);

// The four colour bands (two digits, multiplier, 5 % tolerance) of a value of
// at most two significant digits, in Chinese: 4.7 kΩ is "黄 紫 红 金".
// nullopt outside 0.1 Ω to 99 GΩ, which four bands cannot spell.
std::optional<std::string> ColourBands(const DecimalNumber& ohms);

}  // namespace ohmcalc
