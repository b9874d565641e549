#include "core/resistor_marking.h"

#include <array>
#include <string_view>

namespace ohmcalc {
namespace {

// Code letters for each third power of ten, from 10^-12 up; ohms use R.
constexpr std::array<std::string_view, 9> kCodeLetters = {"p", "n", "\u00B5", "m", "R", "K", "M", "G", "T"};
constexpr std::int64_t kLowestCodePower = -12;
constexpr std::int64_t kHighestCodePower = 12;

constexpr std::array<std::string_view, 10> kDigitColours = {"黑", "棕", "红", "橙", "黄", "绿", "蓝", "紫", "灰", "白"};
constexpr std::string_view kGold = "金";
constexpr std::string_view kSilver = "银";
constexpr std::int64_t kLowestMultiplierPower = -2;  // silver
constexpr std::int64_t kHighestMultiplierPower = 9;  // white

}  // namespace

std::optional<std::string> ResistorCode(const DecimalNumber& ohms) {
  if (ohms.IsZero() || ohms.negative) return std::nullopt;
  std::int64_t lead = ohms.LeadingPower();
  // Below one ohm down to a milliohm, R leads: R47, R047.
  std::int64_t group = lead < 0 && lead >= -3 ? 0 : FloorToMultipleOfThree(lead);
  if (group < kLowestCodePower || group > kHighestCodePower) return std::nullopt;
  DecimalNumber scaled = ohms;
  scaled.exponent -= group;
  PlainParts parts = SplitPlain(scaled);
  std::string code = parts.whole;
  code += kCodeLetters[static_cast<std::size_t>((group - kLowestCodePower) / 3)];
  code += parts.fraction;
  // One digit before the letter gets one after it too: 1K0, 4R0.
  if (parts.whole.size() == 1 && parts.fraction.empty()) code.push_back('0');
  return code;
}

std::optional<std::string> ColourBands(const DecimalNumber& ohms) {
  if (ohms.IsZero() || ohms.negative || ohms.digits.size() > 2) return std::nullopt;
  std::string digits = ohms.digits;
  digits.resize(2, '0');
  std::int64_t multiplier = ohms.LeadingPower() - 1;
  if (multiplier < kLowestMultiplierPower || multiplier > kHighestMultiplierPower) return std::nullopt;
  std::string bands;
  for (char digit : digits) {
    bands += kDigitColours[static_cast<std::size_t>(digit - '0')];
    bands.push_back(' ');
  }
  if (multiplier == -2) {
    bands += kSilver;
  } else if (multiplier == -1) {
    bands += kGold;
  } else {
    bands += kDigitColours[static_cast<std::size_t>(multiplier)];
  }
  bands += ' ';
  bands += kGold;  // ±5 %
  return bands;
}

}  // namespace ohmcalc
