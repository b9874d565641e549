#include "win32/error_report.h"

#include "win32/box_field_store.h"
#include "win32/utf16.h"
#include "window/report_wording.h"

namespace ohmcalc {

void ReportRunTimeError(HWND window, const RunTimeError& error) {
  MessageBoxW(window, Widen(ReportText(error.number())).c_str(), WindowText(window).c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace ohmcalc
