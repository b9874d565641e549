#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/number_conversion.h"

namespace ohmcalc {

// The C library's conversions: correctly rounded where this file is built
// (musl), and in the "C" locale there, the only one it has.

AsciiDouble ReadAsciiDouble(std::string_view text) {
  std::string terminated(text);
  errno = 0;
  double value = std::strtod(terminated.c_str(), nullptr);
  // strtod also flags a subnormal result; only a lost value is out of range.
  bool lost = errno == ERANGE && (value == 0.0 || std::isinf(value));
  return {lost ? 0.0 : value, lost};
}

namespace {

std::string Printed(const char* format, int digits, double value) {
  char buffer[400];  // the largest double has 309 whole digits
  int length = std::snprintf(buffer, sizeof buffer, format, digits, value);
  return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace

std::string ScientificAscii(double value, int fraction_digits) { return Printed("%.*e", fraction_digits, value); }

std::string FixedAscii(double value, int decimals) { return Printed("%.*f", decimals, value); }

}  // namespace ohmcalc
