#pragma once

#include <string>
#include <string_view>

namespace ohmcalc {

// Correctly rounded conversions between doubles and plain ASCII decimals,
// never through the process locale. The system provides them (platform/):
// the C++ library where it can; where it lacks them (WebAssembly's), the C
// library, whose locale there is always "C".

// The double nearest to ASCII digits with an optional exponent, "1234e-5".
// `out_of_range` when the value is beyond the double range or, not being
// zero, rounds to zero.
struct AsciiDouble {
  double value;
  bool out_of_range;
};
AsciiDouble ReadAsciiDouble(std::string_view text);

// "d.ddde+XX": `value` with `fraction_digits` digits after the point.
std::string ScientificAscii(double value, int fraction_digits);

// "ddd.dd": `value` with `decimals` digits after the point.
std::string FixedAscii(double value, int decimals);

}  // namespace ohmcalc
