#pragma once

#include "core/numeric_text.h"

namespace ohmcalc {

// The user's decimal separator, read once at start. Each front end asks its
// own system: Qt's locale (LC_ALL, LC_NUMERIC, LANG) on Linux, the regional
// settings on Windows, the browser's language on the web.
NumberLocale SystemNumberLocale();

}  // namespace ohmcalc
