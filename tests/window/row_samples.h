#pragma once

#include <array>

namespace ohmcalc {

// Operands typed into a row, the equals button clicked, the text C should show.
struct RowSample {
  const char* equals;
  int a;  // box A; B and C follow it
  const char* a_text;
  const char* b_text;
  const char* c_text;
};

// One row of each kind, as both windows must compute it.
inline constexpr std::array<RowSample, 7> kRowSamples = {{
    {"Command1", 1, "2", "3", "6"},
    {"Command5", 4, "10", "4", "2.5"},
    {"Command8", 7, "10", "3", "3.333333333"},
    {"Command11", 10, "10", "5", "2."},
    {"Command14", 13, "1", "1024", "0.000976563"},
    {"Command19", 16, "0.1", "3", "0.3"},
    {"Command21", 19, "-3", "2", "4.5"},
}};

}  // namespace ohmcalc
