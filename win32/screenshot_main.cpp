// Opens the main window with sample values computed, prints where its frame
// lies on the screen ("x y width height"), and closes it after SECONDS
// (default 3), so that a screen grabber can take its picture meanwhile.
// With --aids the pointer rests on the resistance row's result, whose
// tooltip then shows the designer aids.
//   ohmcalc-screenshot.exe [--aids] [SECONDS]
#include <windows.h>

#include <charconv>
#include <cstdio>
#include <cwchar>
#include <string>

#include "core/calc_rows.h"
#include "win32/form1.h"
#include "win32/utf16.h"
#include "window/click_routes.h"
#include "window/control_names.h"
#include "window/sample_values.h"
#include "window/system_number_locale.h"

namespace {

HWND Control(HWND form, const char* name) { return GetDlgItem(form, ohmcalc::ControlId(name)); }

// Whole seconds from the argument's digits; 3 if there are none.
UINT Seconds(const wchar_t* argument) {
  const std::string text = ohmcalc::Narrow(argument);
  UINT seconds = 3;
  std::from_chars(text.data(), text.data() + text.size(), seconds);
  return seconds;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool aids = argc > 1 && std::wcscmp(argv[1], L"--aids") == 0;
  const int seconds_argument = aids ? 2 : 1;
  const UINT seconds = argc > seconds_argument ? Seconds(argv[seconds_argument]) : 3;
  HWND form = ohmcalc::Form1::Create(GetModuleHandleW(nullptr), ohmcalc::SystemNumberLocale());
  if (form == nullptr) return 1;
  for (const ohmcalc::SampleRow& sample : ohmcalc::kSampleRows) {
    const ohmcalc::CalcRow& row = ohmcalc::CalcRowNumbered(sample.row);
    SetWindowTextW(Control(form, ohmcalc::BoxControl(row.a).name), ohmcalc::Widen(sample.a_text).c_str());
    SetWindowTextW(Control(form, ohmcalc::BoxControl(row.b).name), ohmcalc::Widen(sample.b_text).c_str());
    SendMessageW(Control(form, ohmcalc::EvaluateRouteOfRow(sample.row).button), BM_CLICK, 0, 0);
  }
  ShowWindow(form, SW_SHOWNORMAL);
  SetFocus(Control(form, "Text1"));
  RECT frame{};
  GetWindowRect(form, &frame);
  if (aids) {
    RECT box{};
    GetWindowRect(Control(form, "Text9"), &box);
    SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2);
  }
  std::string where;
  for (LONG value : {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top}) {
    where += (where.empty() ? "" : " ") + std::to_string(value);
  }
  std::fputs((where + "\n").c_str(), stdout);
  std::fflush(stdout);
  SetTimer(form, 1, seconds * 1000, [](HWND window, UINT, UINT_PTR, DWORD) { DestroyWindow(window); });
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
