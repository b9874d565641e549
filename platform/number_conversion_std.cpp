#include <charconv>
#include <system_error>

#include "core/number_conversion.h"

namespace ohmcalc {

AsciiDouble ReadAsciiDouble(std::string_view text) {
  double value = 0.0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return {value, result.ec == std::errc::result_out_of_range};
}

std::string ScientificAscii(double value, int fraction_digits) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, fraction_digits);
  return std::string(buffer, result.ptr);
}

std::string FixedAscii(double value, int decimals) {
  char buffer[400];  // the largest double has 309 whole digits
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return std::string(buffer, result.ptr);
}

}  // namespace ohmcalc
