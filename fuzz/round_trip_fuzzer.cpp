// NumberToText of any finite double reads back as that double to 15 digits,
// and FormatResult of it is the digit-by-digit rounding to nine decimals.
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "fuzz/fuzz_input.h"

namespace {

constexpr double kLargestFifteenDigits = 1.79769313486231e308;

// The 15 significant digits and the power of ten of the first, straight from
// the standard library: an independent route to the same decimal.
struct Scientific {
  bool negative;
  std::string digits;
  int power;
};

Scientific FifteenDigits(double x) {
  char buffer[40];
  auto end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14).ptr;
  std::string text(buffer, end);
  Scientific s{text[0] == '-', {}, 0};
  if (s.negative) text.erase(0, 1);
  auto e = text.find('e');
  s.digits = text.substr(0, 1) + text.substr(2, e - 2);
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), s.power);
  return s;
}

// Plain decimal text rounded half away from zero to nine decimals, by string
// arithmetic on the 15-digit value: the reference FormatResult must match.
std::string ReferenceFormat(const Scientific& s, const std::string& separator) {
  // Fixed-point digits with exactly 10 fraction digits (one guard digit).
  std::string fixed;
  int whole_digits = s.power + 1;
  std::string all = s.digits;
  if (whole_digits <= 0) {
    all = std::string(static_cast<std::size_t>(1 - whole_digits), '0') + all;
    whole_digits = 1;
  }
  std::size_t needed = static_cast<std::size_t>(whole_digits) + 10;
  if (all.size() < needed) all.append(needed - all.size(), '0');
  all.resize(needed);
  bool up = all.back() >= '5';
  all.pop_back();
  if (up) {
    std::size_t i = all.size();
    while (i > 0 && all[i - 1] == '9') all[--i] = '0';
    if (i == 0) {
      all.insert(all.begin(), '1');
      ++whole_digits;
    } else {
      ++all[i - 1];
    }
  }
  std::string whole = all.substr(0, static_cast<std::size_t>(whole_digits));
  std::string fraction = all.substr(static_cast<std::size_t>(whole_digits));
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  bool zero = whole == "0" && fraction.empty();
  return (s.negative && !zero ? "-" : "") + whole + separator + fraction;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ohmcalc;
  if (size < 9) return 0;
  NumberLocale locale{(data[0] & 1) != 0 ? "," : "."};
  std::uint64_t bits = 0;
  std::memcpy(&bits, data + 1, sizeof bits);
  double x = std::bit_cast<double>(bits);
  if (!std::isfinite(x)) return 0;

  std::string text = NumberToText(x, locale);
  double expected = 0.0;
  if (x != 0.0) {
    char buffer[40];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14).ptr;
    // Rounding up past the largest double: the text keeps the largest finite one.
    if (std::from_chars(buffer, end, expected).ec == std::errc::result_out_of_range) {
      expected = std::copysign(kLargestFifteenDigits, x);
    }
  }
  if (ParseNumber(text, locale) != expected) fuzz::Violated();

  // FormatResult writes out every whole digit; keep the reference to sane sizes.
  if (x != 0.0 && std::fabs(expected) < 1e300 && std::fabs(expected) != kLargestFifteenDigits) {
    if (FormatResult(text, locale) != ReferenceFormat(FifteenDigits(x), locale.decimal_separator)) fuzz::Violated();
  }
  return 0;
}
