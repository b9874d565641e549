#pragma once

#include "core/numeric_text.h"

namespace ohmcalc {

// The user's decimal separator: on Linux as LC_ALL, LC_NUMERIC or LANG set
// it; on Windows from the regional settings. Read once, at start.
NumberLocale SystemNumberLocale();

}  // namespace ohmcalc
