#include "core/number_scanner.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace ohmcalc {
namespace {

// Exponents beyond this are far outside any double; clamping keeps the sums
// below from overflowing however many digits the text holds.
constexpr std::int64_t kExponentClamp = 1'000'000'000'000;

struct MetricPrefix {
  std::string_view symbol;
  int power;
};

// Case matters: m is milli, M is mega. E and e stay the exponent.
constexpr std::array<MetricPrefix, 11> kMetricPrefixes = {{
    {"p", -12},
    {"n", -9},
    {"u", -6},
    {"\u00B5", -6},  // micro sign
    {"\u03BC", -6},  // Greek small mu
    {"m", -3},
    {"k", 3},
    {"K", 3},
    {"M", 6},
    {"G", 9},
    {"T", 12},
}};
constexpr std::string_view kMegaWord = "meg";  // as circuit simulators write it, any case
constexpr int kMegaPower = 6;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ == text_.size(); }
  bool AtDigit() const { return !AtEnd() && IsDigit(text_[pos_]); }
  char Next() { return text_[pos_++]; }
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
  bool TakeIgnoringCase(std::string_view word) {
    if (text_.size() - pos_ < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
      if (std::tolower(static_cast<unsigned char>(text_[pos_ + i])) != word[i]) return false;
    }
    pos_ += word.size();
    return true;
  }
  bool TakeBlank() {
    if (AtEnd() || !IsBlank(text_[pos_])) return false;
    ++pos_;
    return true;
  }
  void SkipBlanks() {
    while (TakeBlank()) {
    }
  }
  bool AtEndAfterBlanks() {
    SkipBlanks();
    return AtEnd();
  }
  std::size_t position() const { return pos_; }
  void Rewind(std::size_t position) { pos_ = position; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Appends a run of digits; returns how many there were.
std::size_t TakeDigits(Cursor& in, std::string& out) {
  std::size_t count = 0;
  for (; in.AtDigit(); ++count) out.push_back(in.Next());
  return count;
}

std::optional<int> TakePrefixLetter(Cursor& in) {
  for (const MetricPrefix& prefix : kMetricPrefixes) {
    if (in.Take(prefix.symbol)) return prefix.power;
  }
  return std::nullopt;
}

std::optional<int> TakePrefix(Cursor& in) {
  if (in.TakeIgnoringCase(kMegaWord)) return kMegaPower;
  return TakePrefixLetter(in);
}

// E or e, an optional sign and at least one digit; false if the text starts
// an exponent but does not finish it.
bool TakeExponent(Cursor& in, std::int64_t& exponent) {
  if (!in.Take('E') && !in.Take('e')) return true;
  bool negative = in.Take('-');
  if (!negative) in.Take('+');
  if (!in.AtDigit()) return false;
  std::int64_t value = 0;
  while (in.AtDigit()) value = std::min(kExponentClamp, value * 10 + (in.Next() - '0'));
  exponent = negative ? -value : value;
  return true;
}

// A prefix letter or R standing in the decimal mark: 4k7, 2M2, 4R7, R47, 47R.
// R in either case, as phones type it; r is no prefix, so nothing is ambiguous.
// Called right after the whole digits; on success the fraction digits follow
// and `power` is the prefix's.
bool TakeCodeMark(Cursor& in, std::size_t whole, int& power) {
  std::size_t start = in.position();
  if (in.Take('R') || in.Take('r')) {
    power = 0;
    return true;
  }
  if (whole == 0) return false;
  if (auto prefix = TakePrefixLetter(in); prefix && in.AtDigit()) {
    power = *prefix;
    return true;
  }
  in.Rewind(start);
  return false;
}

std::optional<DecimalNumber> Finish(DecimalNumber number, std::int64_t power, std::size_t fraction) {
  number.exponent = power - static_cast<std::int64_t>(fraction);
  Normalise(number);
  return number;
}

}  // namespace

std::optional<DecimalNumber> ScanDecimal(std::string_view text, std::string_view decimal_separator) {
  Cursor in(text);
  DecimalNumber number;
  in.SkipBlanks();
  number.negative = in.Take('-');
  if (!number.negative) in.Take('+');

  std::size_t whole = TakeDigits(in, number.digits);
  int code_power = 0;
  if (TakeCodeMark(in, whole, code_power)) {
    std::size_t fraction = TakeDigits(in, number.digits);
    if (whole + fraction == 0 || !in.AtEndAfterBlanks()) return std::nullopt;
    return Finish(std::move(number), code_power, fraction);
  }

  std::size_t fraction = 0;
  if (in.Take(decimal_separator)) fraction = TakeDigits(in, number.digits);
  if (whole + fraction == 0) return std::nullopt;

  std::int64_t exponent = 0;
  std::size_t before_exponent = in.position();
  if (!TakeExponent(in, exponent)) return std::nullopt;
  if (in.position() == before_exponent) {  // no exponent: a prefix may follow
    in.TakeBlank();
    if (auto prefix = TakePrefix(in)) {
      exponent = *prefix;
    } else {
      in.Rewind(before_exponent);
    }
  }
  if (!in.AtEndAfterBlanks()) return std::nullopt;
  return Finish(std::move(number), exponent, fraction);
}

}  // namespace ohmcalc
