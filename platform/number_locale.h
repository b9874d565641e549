#pragma once

#include "core/numeric_text.h"

namespace ohmcalc {

// The user's decimal separator, as LC_ALL, LC_NUMERIC or LANG set it.
NumberLocale SystemNumberLocale();

}  // namespace ohmcalc
