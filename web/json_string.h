#pragma once

#include <string>
#include <string_view>

namespace ohmcalc {

// `text` as a JSON string: UTF-8 passes through; quotes, backslashes and
// control characters are escaped.
inline std::string JsonString(std::string_view text) {
  constexpr const char* kDigits = "0123456789abcdef";
  std::string out = "\"";
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += {'\\', c};
    } else if (byte < 0x20) {
      out += {'\\', 'u', '0', '0', kDigits[byte / 16], kDigits[byte % 16]};
    } else {
      out += c;
    }
  }
  return out + '"';
}

}  // namespace ohmcalc
