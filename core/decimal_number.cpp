#include "core/decimal_number.h"

#include <charconv>

namespace ohmcalc {

void AppendInteger(std::string& out, std::int64_t value) {
  char buffer[24];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

void Normalise(DecimalNumber& number) {
  std::string& digits = number.digits;
  auto first = digits.find_first_not_of('0');
  if (first == std::string::npos) {
    digits.clear();
    number.exponent = 0;
    return;
  }
  auto last = digits.find_last_not_of('0');
  number.exponent += static_cast<std::int64_t>(digits.size() - 1 - last);
  digits = digits.substr(first, last - first + 1);
}

void RoundHalfAwayFromZero(DecimalNumber& number, std::int64_t lowest_power) {
  if (number.IsZero() || number.exponent >= lowest_power) return;
  std::int64_t keep = number.LeadingPower() - lowest_power + 1;
  if (keep < 0) {
    number.digits.clear();
    number.exponent = 0;
    return;
  }
  // exponent < lowest_power, so the digit at index `keep` exists.
  bool up = number.digits[static_cast<std::size_t>(keep)] >= '5';
  number.digits.resize(static_cast<std::size_t>(keep));
  number.exponent = lowest_power;
  if (up) {
    auto i = number.digits.size();
    while (i > 0 && number.digits[i - 1] == '9') number.digits[--i] = '0';
    if (i == 0) {
      number.digits.insert(number.digits.begin(), '1');
    } else {
      ++number.digits[i - 1];
    }
  }
  Normalise(number);
}

PlainParts SplitPlain(const DecimalNumber& number) {
  const std::string& digits = number.digits;
  if (number.IsZero()) return {};
  if (number.exponent >= 0) return {digits + std::string(static_cast<std::size_t>(number.exponent), '0'), {}};
  std::int64_t lead = number.LeadingPower();
  if (lead >= 0) {
    auto whole = static_cast<std::size_t>(lead + 1);
    return {digits.substr(0, whole), digits.substr(whole)};
  }
  return {{}, std::string(static_cast<std::size_t>(-lead - 1), '0') + digits};
}

}  // namespace ohmcalc
