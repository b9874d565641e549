#pragma once

#include <QString>

#include "core/run_time_error.h"

class QWidget;

namespace ohmcalc {

// The Chinese description of a run-time error number.
QString ErrorDescription(int number);

// Shows the modal report of `error` over `window`, titled with its title, and
// returns once the user has dismissed it. The program goes on.
void ReportRunTimeError(QWidget* window, const RunTimeError& error);

}  // namespace ohmcalc
