#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <memory>

#include "core/calc_rows.h"
#include "win32/fonts.h"
#include "window/click_routes.h"
#include "window/form_controls.h"

namespace ohmcalc {

inline constexpr const wchar_t* kForm1ClassName = L"ohmcalc.Form1";

// Control ids: the entry's index in kFormControls plus this. Far from IDOK
// and IDCANCEL, which the dialog manager sends for Enter and Escape.
inline constexpr int kFirstControlId = 100;

// The id of the control called `name` in kFormControls.
int ControlId(const char* name);

// The main window: seventy controls placed from kFormControls at the
// window's DPI, the routed buttons from kClickRoutes, designer aids as the
// result boxes' tooltips. Owns itself; destroyed with its window.
class Form1 {
 public:
  // Registers the window class once (and the common controls it uses) and
  // creates the (hidden) window.
  static HWND Create(HINSTANCE instance, NumberLocale locale);

 private:
  Form1(HWND window, NumberLocale locale);
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);  // to one handler per message
  void OnCreate();
  void OnAfterFirstPaint();
  void OnDpiChanged(UINT dpi, const RECT& suggested);
  LRESULT OnCtlColorStatic(HDC device, HWND control);
  void OnCommand(int id, int code);
  void OnActivate(UINT state);

  void SetIcons();
  void BuildControls(UINT dpi);  // at their places, with their fonts
  void AddAccessibleName(HWND box);
  void AddToolTips();
  void FitToolTip(const Fonts& fonts, UINT dpi);
  TTTOOLINFOW Tool(int box, const wchar_t* text) const;  // box's entry in the tooltip control
  void Layout(UINT dpi);                                 // again, at a new DPI
  void FitFrame(UINT dpi);
  void RunRowAction(const ClickRoute& route);
  void ShowDesignerAids(const CalcRow& row);
  HWND Box(int number) const { return boxes_.at(static_cast<std::size_t>(number - 1)); }

  HWND window_;
  NumberLocale locale_;
  std::array<HWND, kFormControls.size()> controls_{};
  std::array<HWND, kBoxCount> boxes_{};
  std::unique_ptr<Fonts> fonts_;
  HBRUSH bar_brush_;
  HWND tooltip_ = nullptr;
  HWND last_focus_ = nullptr;
};

}  // namespace ohmcalc
