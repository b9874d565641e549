#pragma once

#include <cstdint>

#include "window/form_controls.h"

namespace ohmcalc {

// The look every edition shares: what the window fixes, and what we chose
// where it fixes nothing.

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// The bars between the rows.
inline constexpr Rgb kBarColour{0xFF, 0x00, 0x00};

// The web edition's browser chrome and focus rings; the icon's tile.
inline constexpr Rgb kThemeColour{0x1D, 0x4E, 0x89};

// Each control font's size, in hundredths of a point.
constexpr int FontSize(ControlFont font) {
  switch (font) {
    case ControlFont::kSong:
      return 1575;
    case ControlFont::kSongSmall:
      return 1500;
    case ControlFont::kDefault:
      break;
  }
  return 900;
}

// The designer aids' popup is at most this wide, at 96 DPI.
inline constexpr int kAidsWidthPx = 640;

}  // namespace ohmcalc
