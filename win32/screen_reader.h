#pragma once

#include <windows.h>

#include <string_view>

namespace ohmcalc {

// Has a screen reader say `text` (UTF-8) for `result_box` now: UI
// Automation's notification that an action completed, which a newer result
// replaces if it is still waiting. Without UI Automation notifications
// (Windows before 10 1709, Wine 8) nothing is said.
void AnnounceResult(HWND result_box, std::string_view text);

}  // namespace ohmcalc
