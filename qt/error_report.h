#pragma once

#include "core/run_time_error.h"

class QWidget;

namespace ohmcalc {

// Shows the modal report of `error` over `window`, titled with its title, and
// returns once the user has dismissed it. The program goes on.
void ReportRunTimeError(QWidget* window, const RunTimeError& error);

}  // namespace ohmcalc
