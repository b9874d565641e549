#include "tests/win32/app_driver.h"

#include <chrono>
#include <future>
#include <stdexcept>
#include <thread>

#include "win32/form1.h"

namespace ohmcalc {
namespace {

constexpr UINT kMessageTimeoutMs = 20000;
constexpr auto kPoll = std::chrono::milliseconds(5);
constexpr int kStartTimeoutPolls = 4000;

struct ReportSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ReportSearch*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (process == search->process && IsWindowVisible(window) && std::wstring(name) == L"#32770") {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

AppDriver::AppDriver(const std::wstring& exe) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring command = L"\"" + exe + L"\"";
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
    throw std::runtime_error("cannot start the program");
  }
  WaitForInputIdle(process_.hProcess, kMessageTimeoutMs);
  for (int i = 0; i < kStartTimeoutPolls && form_ == nullptr; ++i) {
    for (HWND window = FindWindowW(kForm1ClassName, nullptr); window != nullptr;
         window = FindWindowExW(nullptr, window, kForm1ClassName, nullptr)) {
      DWORD process = 0;
      GetWindowThreadProcessId(window, &process);
      if (process == process_.dwProcessId && IsWindowVisible(window)) form_ = window;
    }
    if (form_ == nullptr) std::this_thread::sleep_for(kPoll);
  }
  if (form_ == nullptr) throw std::runtime_error("the window did not come up");
  Sync();
}

AppDriver::~AppDriver() {
  if (process_.hProcess == nullptr) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND AppDriver::Control(const char* name) const { return GetDlgItem(form_, ControlId(name)); }

HWND AppDriver::Box(int number) const { return Control(("Text" + std::to_string(number)).c_str()); }

HWND AppDriver::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(process_.dwThreadId, &info);
  return info.hwndFocus;
}

HWND AppDriver::WaitForFocus(HWND expected) const {
  for (int i = 0; i < 400 && Focus() != expected; ++i) {
    // With no window manager, X may take the focus from the window when the
    // report's own window goes; a Windows desktop hands it back, so do that.
    if (i % 40 == 39 && GetForegroundWindow() != form_) SetForegroundWindow(form_);
    std::this_thread::sleep_for(kPoll);
  }
  return Focus();
}

std::wstring AppDriver::Text(HWND control) const {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                      kMessageTimeoutMs, &copied);
  text.resize(copied);
  return text;
}

void AppDriver::SetText(HWND control, const std::wstring& text) const {
  SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                      kMessageTimeoutMs, nullptr);
}

HWND AppDriver::FindReport() const {
  ReportSearch search{process_.dwProcessId, nullptr};
  EnumWindows(FindVisibleDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A sent message is handled only once everything posted before it has been:
// the program's thread reaches its message loop again.
void AppDriver::Sync() const { SendMessageTimeoutW(form_, WM_NULL, 0, 0, SMTO_NORMAL, kMessageTimeoutMs, nullptr); }

bool AppDriver::Click(const char* button, const std::function<void(HWND)>& report) const {
  HWND target = Control(button);
  // Sent from a thread of its own: a modal report keeps the send waiting.
  auto click = std::async(std::launch::async, [target] {
    SendMessageTimeoutW(target, BM_CLICK, 0, 0, SMTO_NORMAL, kMessageTimeoutMs, nullptr);
  });
  bool reported = false;
  while (click.wait_for(kPoll) == std::future_status::timeout) {
    if (HWND box = FindReport(); box != nullptr && !reported) {
      reported = true;
      if (report) report(box);
    }
  }
  Sync();
  return reported;
}

std::size_t AppDriver::Paste(HWND box) const {
  // Posted, then polled: a long paste can keep the program busy past any
  // sensible send timeout (Wine's edit control is slow on long lines).
  PostMessageW(box, WM_PASTE, 0, 0);
  for (int i = 0; i < 400; ++i) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(box, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &length);
    if (length != 0) return length;
    std::this_thread::sleep_for(kPoll);
  }
  return 0;
}

void AppDriver::PressKey(UINT key) const {
  HWND target = Focus();
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
  // A posted key is handled after any message sent meanwhile, so waiting
  // for a send is no proof; give the loop time, then make sure it is free.
  HWND before = Focus();
  for (int i = 0; i < 40 && Focus() == before; ++i) std::this_thread::sleep_for(kPoll);
  Sync();
}

DWORD AppDriver::Close() {
  PostMessageW(form_, WM_CLOSE, 0, 0);
  WaitForSingleObject(process_.hProcess, kMessageTimeoutMs);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

}  // namespace ohmcalc
