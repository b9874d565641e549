#pragma once

#include <windows.h>

#include "core/run_time_error.h"

namespace ohmcalc {

// Shows the modal warning box for `error` over `window`, titled with its
// title, and returns once the user has dismissed it. The program goes on.
void ReportRunTimeError(HWND window, const RunTimeError& error);

}  // namespace ohmcalc
