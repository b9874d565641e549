// FormatResult on any text never throws, leaves non-numbers alone, and
// formatting its own output changes nothing.
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ohmcalc;
  auto input = fuzz::SplitInput(data, size);
  std::string formatted = FormatResult(input.text, input.locale);
  bool is_number = true;
  try {
    ParseNumber(input.text, input.locale);
  } catch (const RunTimeError&) {
    is_number = false;
  }
  if (!is_number && formatted != input.text) fuzz::Violated();
  if (is_number) {
    if (formatted.find(input.locale.decimal_separator) == std::string::npos) fuzz::Violated();
    if (FormatResult(formatted, input.locale) != formatted) fuzz::Violated();
  }
  return 0;
}
