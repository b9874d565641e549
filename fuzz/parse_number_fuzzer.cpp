// ParseNumber on any text: a finite number or RunTimeError 6 or 13, nothing else.
#include <cmath>

#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ohmcalc;
  auto input = fuzz::SplitInput(data, size);
  double value = 0.0;
  try {
    value = ParseNumber(input.text, input.locale);
  } catch (const RunTimeError& error) {
    if (error.number() != kErrorOverflow && error.number() != kErrorTypeMismatch) fuzz::Violated();
    return 0;
  }
  if (!std::isfinite(value)) fuzz::Violated();
  // Whatever was read survives the trip through a box's text; a throw here
  // escapes and is a finding too.
  ParseNumber(NumberToText(value, input.locale), input.locale);
  return 0;
}
