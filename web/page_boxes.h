#pragma once

#include "core/calc_rows.h"

namespace ohmcalc {

// The twenty-one boxes of the page, through the DOM, by the numbers the page
// carries. Like a desktop box, a box that changes here refreshes the
// designer aids that read it.
class PageBoxes : public FieldStore {
 public:
  explicit PageBoxes(const NumberLocale& locale);
  std::string Get(int box) const override;
  void Set(int box, std::string_view text) override;

  // Rebuilds the aids of every row that reads `box`, after any change to it.
  void RefreshAidsReading(int box) const;

 private:
  const NumberLocale& locale_;
};

}  // namespace ohmcalc
