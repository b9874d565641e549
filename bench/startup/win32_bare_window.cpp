// The floor ohmcalc.exe's start-up is measured against: a bare Win32 window
// with the same seventy plain controls at the same places, built the same
// way (one static executable, common controls 6), with the same Chinese
// title and captions, a Chinese font for the boxes and one for the rest, as
// any Chinese window of this kind needs; and nothing else: no colours,
// tooltips, icon or click routing.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "win32/startup_marks.h"
#include "window/form_controls.h"

namespace {

std::wstring Wide(const char* utf8) {
  wchar_t text[64] = {};
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text, 64);
  return text;
}

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  ohmcalc::StartupMark("wWinMain");
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = BareProc;
  window_class.hInstance = instance;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = L"bare window";
  RegisterClassExW(&window_class);
  ohmcalc::StartupMark("class registration");
  HWND window =
      CreateWindowExW(0, L"bare window", Wide(ohmcalc::kFormTitle).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, ohmcalc::TwipsToPixels(ohmcalc::kClientWidthTwips),
                      ohmcalc::TwipsToPixels(ohmcalc::kClientHeightTwips), nullptr, nullptr, instance, nullptr);
  ohmcalc::StartupMark("main window");
  LOGFONTW font{};
  font.lfCharSet = GB2312_CHARSET;
  font.lfHeight = -21;
  lstrcpyW(font.lfFaceName, L"SimSun");
  HFONT box_font = CreateFontIndirectW(&font);
  font.lfHeight = -12;
  lstrcpyW(font.lfFaceName, L"Microsoft YaHei UI");
  HFONT interface_font = CreateFontIndirectW(&font);
  ohmcalc::StartupMark("fonts");
  for (const ohmcalc::ControlSpec& entry : ohmcalc::kFormControls) {
    const wchar_t* name = entry.kind == ohmcalc::ControlKind::kTextBox  ? L"EDIT"
                          : entry.kind == ohmcalc::ControlKind::kButton ? L"BUTTON"
                                                                        : L"STATIC";
    HWND control = CreateWindowExW(0, name, Wide(entry.caption).c_str(), WS_CHILD | WS_VISIBLE,
                                   ohmcalc::TwipsToPixels(entry.rect.left), ohmcalc::TwipsToPixels(entry.rect.top),
                                   ohmcalc::TwipsToPixels(entry.rect.width), ohmcalc::TwipsToPixels(entry.rect.height),
                                   window, nullptr, instance, nullptr);
    ohmcalc::StartupMark("seventy controls");
    const bool box = entry.kind == ohmcalc::ControlKind::kTextBox;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(box ? box_font : interface_font), FALSE);
    ohmcalc::StartupMark("fonts");
  }
  ShowWindow(window, show);
  ohmcalc::StartupMark("show");
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    DispatchMessageW(&message);
    ohmcalc::StartupMarksWriteWhenIdle("first paint");
  }
  return 0;
}
