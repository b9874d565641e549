#pragma once

#include <array>

namespace ohmcalc {

// Operands typed into a row, its equals button clicked, the text C should show.
struct RowSample {
  int row;
  const char* a_text;
  const char* b_text;
  const char* c_text;
};

// One row of each kind, as both windows must compute it.
inline constexpr std::array<RowSample, 7> kRowSamples = {{
    {1, "2", "3", "6"},
    {2, "10", "4", "2.5"},
    {3, "10", "3", "3.333333333"},
    {4, "10", "5", "2."},
    {5, "1", "1024", "0.000976563"},
    {6, "0.1", "3", "0.3"},
    {7, "-3", "2", "4.5"},
}};

}  // namespace ohmcalc
