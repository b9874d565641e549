#include "core/decimal_number.h"

#include <algorithm>
#include <charconv>

namespace ohmcalc {
namespace {

// Exponents beyond this are far outside any double; clamping keeps the sums
// below from overflowing however many digits the text holds.
constexpr std::int64_t kExponentClamp = 1'000'000'000'000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ == text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  void Advance() { ++pos_; }
  bool Take(char c) {
    if (AtEnd() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  bool Take(std::string_view word) {
    if (word.empty() || text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(text_[pos_])) ++pos_;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Appends a run of digits; returns how many there were.
std::size_t TakeDigits(Cursor& in, std::string& out) {
  std::size_t count = 0;
  while (IsDigit(in.Peek())) {
    out.push_back(in.Peek());
    in.Advance();
    ++count;
  }
  return count;
}

std::optional<std::int64_t> TakeExponent(Cursor& in) {
  if (!in.Take('E') && !in.Take('e')) return std::int64_t{0};
  bool negative = in.Take('-');
  if (!negative) in.Take('+');
  if (!IsDigit(in.Peek())) return std::nullopt;
  std::int64_t value = 0;
  while (IsDigit(in.Peek())) {
    value = std::min(kExponentClamp, value * 10 + (in.Peek() - '0'));
    in.Advance();
  }
  return negative ? -value : value;
}

}  // namespace

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

std::optional<DecimalNumber> ScanDecimal(std::string_view text, std::string_view decimal_separator) {
  Cursor in(text);
  DecimalNumber number;
  in.SkipBlanks();
  number.negative = in.Take('-');
  if (!number.negative) in.Take('+');

  std::size_t whole = TakeDigits(in, number.digits);
  std::size_t fraction = 0;
  if (in.Take(decimal_separator)) fraction = TakeDigits(in, number.digits);
  if (whole + fraction == 0) return std::nullopt;

  auto exponent = TakeExponent(in);
  if (!exponent) return std::nullopt;
  in.SkipBlanks();
  if (!in.AtEnd()) return std::nullopt;

  number.exponent = *exponent - static_cast<std::int64_t>(fraction);
  Normalise(number);
  return number;
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
