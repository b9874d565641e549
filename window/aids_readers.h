#pragma once

#include <array>
#include <cstddef>

#include "core/calc_rows.h"
#include "core/designer_aids.h"

namespace ohmcalc {

// The rows whose designer aids read one box (DesignerAidsRead): those to
// rebuild when it changes.
struct AidsReaders {
  std::array<const CalcRow*, kCalcRows.size()> rows{};
  std::size_t count = 0;
  constexpr auto begin() const { return rows.begin(); }
  constexpr auto end() const { return rows.begin() + static_cast<std::ptrdiff_t>(count); }
};

// By box number, 1..kBoxCount.
inline constexpr std::array<AidsReaders, kBoxCount + 1> kAidsReaders = [] {
  std::array<AidsReaders, kBoxCount + 1> readers{};
  for (int box = 1; box <= kBoxCount; ++box) {
    AidsReaders& of_box = readers[static_cast<std::size_t>(box)];
    for (const CalcRow& row : kCalcRows) {
      if (DesignerAidsRead(row, box)) of_box.rows[of_box.count++] = &row;
    }
  }
  return readers;
}();

constexpr const AidsReaders& RowsReadingBox(int box) { return kAidsReaders.at(static_cast<std::size_t>(box)); }

}  // namespace ohmcalc
