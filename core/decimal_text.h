#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/decimal_number.h"
#include "core/numeric_text.h"

namespace ohmcalc {

// The exact decimal a box's text spells, in every form ParseNumber reads
// (input-method forms included); nullopt for text that is not a number.
std::optional<DecimalNumber> ReadDecimal(std::string_view text, const NumberLocale& locale);

// The same, but only for numbers inside the double range: what ParseNumber
// would accept without an error.
std::optional<DecimalNumber> ReadDecimalInRange(std::string_view text, const NumberLocale& locale);

// d.dddE±XX, the exponent form the boxes show; the sign is not written.
void AppendExponentForm(std::string& out, const DecimalNumber& number, const NumberLocale& locale);

// Plain digits with the decimal separator only where there is a fraction:
// "0.05", "4700"; the sign is not written.
void AppendPlain(std::string& out, const DecimalNumber& number, const NumberLocale& locale);

}  // namespace ohmcalc
