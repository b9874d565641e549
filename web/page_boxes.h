#pragma once

#include <bitset>

#include "core/calc_rows.h"

namespace ohmcalc {

// The twenty-one boxes of the page, through the DOM, by the numbers the page
// carries. Like a desktop box, a box that changes here refreshes the
// designer aids that read it: in the page's next task, so that a result
// shows before the aids are worked out.
class PageBoxes : public FieldStore {
 public:
  explicit PageBoxes(const NumberLocale& locale);
  std::string Get(int box) const override;
  void Set(int box, std::string_view text) override;

  // Rebuilds the aids of every row that reads `box`, after any change to it.
  void RefreshAidsReading(int box) const;

  // Rebuilds the aids that read any box set since the last call.
  void RefreshStaleAids();

 private:
  using BoxSet = std::bitset<kBoxCount + 1>;  // by box number, 1..kBoxCount
  void RefreshAidsReadingAny(const BoxSet& boxes) const;

  const NumberLocale& locale_;
  BoxSet stale_;
};

}  // namespace ohmcalc
