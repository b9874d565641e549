#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ohmcalc {

// A running ohmcalc.exe, driven from outside the way a user or a screen
// reader would: window messages, keys, the clipboard.
class AppDriver {
 public:
  explicit AppDriver(const std::wstring& exe);
  ~AppDriver();
  AppDriver(const AppDriver&) = delete;
  AppDriver& operator=(const AppDriver&) = delete;

  HWND form() const { return form_; }
  HWND Control(const char* name) const;
  HWND Box(int number) const;
  HWND Focus() const;
  // The focus once it is on `expected`, or after 2 s: under X, focus moves
  // with events that arrive after the call that asked for it, and the
  // window is handed back its activation if X took it away.
  HWND WaitForFocus(HWND expected) const;

  std::wstring Text(HWND control) const;
  void SetText(HWND control, const std::wstring& text) const;
  std::wstring BoxText(int number) const { return Text(Box(number)); }
  void SetBox(int number, const std::wstring& text) const { SetText(Box(number), text); }

  // Pastes the clipboard into `box`; the length of the box's text after.
  std::size_t Paste(HWND box) const;

  // Clicks a button and waits until the click is handled. A modal report
  // that comes up meanwhile is handed to `report`, which must dismiss it;
  // returns whether one came.
  bool Click(const char* button, const std::function<void(HWND)>& report = {}) const;

  // Posts a key to the focused control, through the program's message loop,
  // and waits until the focus moves or 200 ms have passed.
  void PressKey(UINT key) const;

  // Waits for the program to end after WM_CLOSE; its exit code.
  DWORD Close();

 private:
  HWND FindReport() const;
  void Sync() const;

  PROCESS_INFORMATION process_{};
  HWND form_ = nullptr;
};

}  // namespace ohmcalc
