#pragma once

#include <array>

namespace ohmcalc {

// Operands typed into a row, its equals button clicked, the text C should
// show. The row's boxes and button come from the window's description. Every
// window runs every case: the Qt and Windows tests, and the browsers through
// the JSON the web build writes (cases_json.cpp).
struct RowCase {
  int row;
  const char* a_text;
  const char* b_text;
  const char* c_text;
};

inline constexpr std::array<RowCase, 16> kRowCases = {{
    {1, "2", "3", "6"},
    {1, "4k7", "1m", "4.7"},
    {2, "4k7", "\xEF\xBC\x92", "2350."},  // a resistor code over a full-width 2
    {2, "12", "220", "0.054545455"},
    {2, "10", "4", "2.5"},
    {3, "10", "3", "3.333333333"},
    {3, "10", "20m", "500."},
    {4, "10", "5", "2."},
    {4, "60", "0.5", "120."},
    {5, "1", "1024", "0.000976563"},
    {5, "5", "220", "0.022727273"},
    {6, "0.1", "3", "0.3"},
    {6, "3.3", "0.2", "0.66"},
    {7, "-3", "2", "4.5"},
    {7, "12", "4k7", "0.030638298"},
    {7, "230", "47", "1125.531914894"},
}};

}  // namespace ohmcalc
