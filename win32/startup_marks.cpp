#include "win32/startup_marks.h"

#include <windows.h>

#include <array>
#include <charconv>
#include <cstring>
#include <string>

namespace ohmcalc {
namespace {

struct Phase {
  const char* name;
  LONGLONG ticks;
};

std::array<Phase, 16> g_phases{};
std::size_t g_phase_count = 0;
LONGLONG g_last = 0;
double g_first_mark_ms = 0;  // from process creation

LONGLONG Now() {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

// Milliseconds from process creation to now, on the system clock.
double SinceProcessCreation() {
  FILETIME created{}, unused{}, now{};
  GetProcessTimes(GetCurrentProcess(), &created, &unused, &unused, &unused);
  GetSystemTimePreciseAsFileTime(&now);
  auto ticks = [](FILETIME time) { return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime; };
  return static_cast<double>(ticks(now) - ticks(created)) / 1e4;
}

std::string Milliseconds(double ms) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, ms, std::chars_format::fixed, 3).ptr);
}

}  // namespace

void StartupMark(const char* phase) {
  const LONGLONG now = Now();
  if (g_last == 0) {  // the first mark starts the clock
    g_last = now;
    g_first_mark_ms = SinceProcessCreation();
  }
  std::size_t index = 0;
  while (index < g_phase_count && std::strcmp(g_phases[index].name, phase) != 0) ++index;
  if (index == g_phase_count) {
    if (g_phase_count == g_phases.size()) return;
    g_phases[g_phase_count++] = {phase, 0};
  }
  g_phases[index].ticks += now - g_last;
  g_last = Now();  // the mark's own cost goes to no phase
}

void StartupMarksWrite() {
  const double at = SinceProcessCreation();
  wchar_t path[MAX_PATH];
  if (GetEnvironmentVariableW(L"OHMCALC_STARTUP_MARKS", path, MAX_PATH) == 0) return;
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  std::string text = "process start to first mark " + Milliseconds(g_first_mark_ms) + "\n";
  for (std::size_t index = 0; index < g_phase_count; ++index) {
    const double ms = static_cast<double>(g_phases[index].ticks) * 1e3 / static_cast<double>(frequency.QuadPart);
    text += std::string(g_phases[index].name) + " " + Milliseconds(ms) + "\n";
  }
  text += "process start to last mark " + Milliseconds(at) + "\n";
  HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

void StartupMarksWriteWhenIdle(const char* phase) {
  static bool written = false;
  MSG message;
  if (written || PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) return;
  written = true;
  StartupMark(phase);
  StartupMarksWrite();
}

}  // namespace ohmcalc
