#pragma once

#include <windows.h>

#include "window/form_controls.h"

namespace ohmcalc {

// The three fonts of the window at one DPI: 宋体 (GB2312) in two sizes for
// the boxes and the formula, a Chinese UI font for the rest.
class Fonts {
 public:
  explicit Fonts(UINT dpi);
  ~Fonts();
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;
  HFONT For(ControlFont font) const;

 private:
  HFONT window_;
  HFONT song_;
  HFONT song_small_;
};

}  // namespace ohmcalc
