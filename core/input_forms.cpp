#include "core/input_forms.h"

#include <algorithm>

namespace ohmcalc {
namespace {

constexpr char32_t kFullWidthFirst = 0xFF01;  // ！
constexpr char32_t kFullWidthLast = 0xFF5E;   // ～
constexpr char32_t kFullWidthOffset = 0xFF01 - 0x21;
constexpr char32_t kIdeographicSpace = 0x3000;
constexpr char32_t kIdeographicFullStop = 0x3002;           // 。
constexpr char32_t kHalfWidthIdeographicFullStop = 0xFF61;  // ｡
constexpr char32_t kMinusSign = 0x2212;
constexpr std::string_view kNoBreakSpace = "\u00A0";  // pasted from web pages

// Every other code point mapped here is three bytes long in UTF-8 (E2..EF lead).
bool DecodeThreeByte(std::string_view text, std::size_t at, char32_t& code_point) {
  if (at + 2 >= text.size()) return false;
  auto b0 = static_cast<unsigned char>(text[at]);
  auto b1 = static_cast<unsigned char>(text[at + 1]);
  auto b2 = static_cast<unsigned char>(text[at + 2]);
  if ((b0 & 0xF0) != 0xE0 || (b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80) return false;
  code_point = (char32_t{b0 & 0x0Fu} << 12) | (char32_t{b1 & 0x3Fu} << 6) | char32_t{b2 & 0x3Fu};
  return true;
}

}  // namespace

std::string NormaliseInputForms(std::string_view text, std::string_view decimal_separator) {
  if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    return std::string(text);
  }
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text.substr(i, kNoBreakSpace.size()) == kNoBreakSpace) {
      out.push_back(' ');
      i += kNoBreakSpace.size();
      continue;
    }
    char32_t code_point = 0;
    if (!DecodeThreeByte(text, i, code_point)) {
      out.push_back(text[i++]);
      continue;
    }
    if (code_point >= kFullWidthFirst && code_point <= kFullWidthLast) {
      out.push_back(static_cast<char>(code_point - kFullWidthOffset));
    } else if (code_point == kIdeographicSpace) {
      out.push_back(' ');
    } else if (code_point == kMinusSign) {
      out.push_back('-');
    } else if (code_point == kIdeographicFullStop || code_point == kHalfWidthIdeographicFullStop) {
      out.append(decimal_separator);
    } else {
      out.append(text.substr(i, 3));
    }
    i += 3;
  }
  return out;
}

}  // namespace ohmcalc
