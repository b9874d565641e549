#pragma once

#include <array>

#include "core/calc_rows.h"

namespace ohmcalc {

enum class Operand { kA, kB };

// Operands typed into a row whose equals button then reports run-time error
// `number`, in the wording of window/report_wording.h; afterwards the culprit
// operand's box has the focus. Run by every window, as the row cases are.
struct ErrorCase {
  int row;
  const char* a_text;
  const char* b_text;
  int number;
  Operand culprit;
};

inline constexpr std::array<ErrorCase, 11> kErrorCases = {{
    {1, "", "3", 13, Operand::kA},
    {1, "2", "abc", 13, Operand::kB},
    {1, "1E+400", "x", 13, Operand::kB},
    {2, "", "4", 13, Operand::kA},
    {2, "1E+400", "abc", 6, Operand::kA},
    {3, "5", "0", 11, Operand::kB},
    {3, "0", "0", 6, Operand::kB},
    {6, "1e200", "1e200", 6, Operand::kA},
    {6, "1E+200", "1E+200", 6, Operand::kA},
    {7, "x", "0", 13, Operand::kA},
    {7, "abc", "0", 13, Operand::kA},
}};

// The box that has the focus after the report.
inline int CulpritBox(const ErrorCase& error) {
  const CalcRow& row = CalcRowNumbered(error.row);
  return error.culprit == Operand::kA ? row.a : row.b;
}

}  // namespace ohmcalc
