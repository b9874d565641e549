#pragma once

#include <string>
#include <string_view>

#include "core/decimal_number.h"
#include "core/numeric_text.h"

namespace ohmcalc {

// `value` with a metric prefix and `unit`: three significant digits (or
// `digits`), an exponent that is a multiple of three, mantissa in [1, 1000),
// trailing zeros dropped; "54.5 mA", "4.7 kΩ", "0 V". Prefixes p n µ m k M G
// T only; beyond 1e-12 ≤ |x| < 1e15 the boxes' exponent form: "1.23E+20 V".
std::string EngineeringReading(const DecimalNumber& value, std::string_view unit, const NumberLocale& locale,
                               int digits = 3);

// Whether the reading shows `value` as it is, with no digit rounded away.
bool ReadsExactly(const DecimalNumber& value);

}  // namespace ohmcalc
