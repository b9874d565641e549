#pragma once

#include <array>

namespace ohmcalc {

// Operands a designer might type, one pair a row: what the screenshots show.
// The row's boxes and equals button come from the description.
struct SampleRow {
  int row;
  const char* a_text;
  const char* b_text;
};

inline constexpr std::array<SampleRow, 7> kSampleRows = {{
    {1, "4.7", "0.1"},
    {2, "12", "220"},
    {3, "10", "20m"},
    {4, "60", "0.5"},
    {5, "5", "220"},
    {6, "3.3", "0.2"},
    {7, "230", "47"},
}};

}  // namespace ohmcalc
