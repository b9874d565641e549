#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/numeric_text.h"

namespace ohmcalc {

inline constexpr int kBoxCount = 21;

// The twenty-one text boxes, numbered 1..kBoxCount, as the rows see them.
class FieldStore {
 public:
  virtual ~FieldStore() = default;
  virtual std::string Get(int box) const = 0;  // UTF-8 text
  virtual void Set(int box, std::string_view text) = 0;
};

enum class Operation { Multiply, Divide, SquareDivide };  // A×B, A÷B, (A×A)÷B

// One calculation row: A operation B = C. Formatted rows pass the result
// through FormatResult.
struct CalcRow {
  int number;
  int a;
  int b;
  int c;
  Operation operation;
  bool formatted;
};

inline constexpr std::array<CalcRow, 7> kCalcRows = {{
    {1, 1, 2, 3, Operation::Multiply, false},        // resistance × current = voltage
    {2, 4, 5, 6, Operation::Divide, true},           // voltage ÷ resistance = current
    {3, 7, 8, 9, Operation::Divide, true},           // voltage ÷ current = resistance
    {4, 10, 11, 12, Operation::Divide, true},        // power ÷ current = voltage
    {5, 13, 14, 15, Operation::Divide, true},        // power ÷ voltage = current
    {6, 16, 17, 18, Operation::Multiply, false},     // voltage × current = power
    {7, 19, 20, 21, Operation::SquareDivide, true},  // voltage² ÷ resistance = power
}};

// Row `number` (1..7).
inline const CalcRow& CalcRowNumbered(int number) { return kCalcRows.at(static_cast<std::size_t>(number - 1)); }

// Computes the row and writes box C, and only box C. On a RunTimeError
// nothing is written; the error's box() names the box to correct.
void EvaluateRow(const CalcRow& row, FieldStore& boxes, const NumberLocale& locale = {});

// Empties boxes A, B and C, in that order.
void ClearRow(const CalcRow& row, FieldStore& boxes);

}  // namespace ohmcalc
