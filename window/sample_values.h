#pragma once

#include <array>

namespace ohmcalc {

// Operands a designer might type, one pair a row, and the row's equals
// button: what the screenshots show.
struct SampleRow {
  int a;  // box A; B follows it
  const char* a_text;
  const char* b_text;
  const char* equals;
};

inline constexpr std::array<SampleRow, 7> kSampleRows = {{
    {1, "4.7", "0.1", "Command1"},
    {4, "12", "220", "Command5"},
    {7, "10", "20m", "Command8"},
    {10, "60", "0.5", "Command11"},
    {13, "5", "220", "Command14"},
    {16, "3.3", "0.2", "Command19"},
    {19, "230", "47", "Command21"},
}};

}  // namespace ohmcalc
