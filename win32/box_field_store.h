#pragma once

#include <windows.h>

#include <array>

#include "core/calc_rows.h"

namespace ohmcalc {

// The rows' view of the window's twenty-one edit controls, UTF-8 both ways.
// A box that cannot take its new text raises RunTimeError 7 (out of memory),
// so a failed write is never mistaken for a result.
class BoxFieldStore : public FieldStore {
 public:
  explicit BoxFieldStore(const std::array<HWND, kBoxCount>& boxes) : boxes_(boxes) {}
  std::string Get(int box) const override;
  void Set(int box, std::string_view text) override;

 private:
  HWND At(int box) const { return boxes_.at(static_cast<std::size_t>(box - 1)); }
  const std::array<HWND, kBoxCount>& boxes_;
};

// The whole text of a control, however long.
std::wstring WindowText(HWND control);

}  // namespace ohmcalc
