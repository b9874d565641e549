#include <windows.h>

#include "win32/form1.h"
#include "win32/startup_marks.h"
#include "window/system_number_locale.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  ohmcalc::StartupMark("wWinMain");
  HWND window = ohmcalc::Form1::Create(instance, ohmcalc::SystemNumberLocale());
  if (window == nullptr) return 1;
  ohmcalc::StartupMark("window and its seventy controls");
  ShowWindow(window, show);
  ohmcalc::StartupMark("show");
  UpdateWindow(window);
  ohmcalc::StartupMark("first paint");

  // The dialog manager gives Tab and Shift+Tab; no control answers to the
  // IDOK and IDCANCEL it sends for Enter and Escape.
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    ohmcalc::StartupMarksWriteWhenIdle("names and tooltips after the first paint");
  }
  return static_cast<int>(message.wParam);
}
