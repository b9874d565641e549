#pragma once

#include <string>
#include <string_view>

namespace ohmcalc {

// UTF-8 to the UTF-16 the W functions take.
std::wstring Widen(std::string_view utf8);

// UTF-16 from a control to the UTF-8 the core reads. An unpaired surrogate
// becomes U+FFFD, which no number contains: such a box reports error 13.
std::string Narrow(std::wstring_view utf16);

}  // namespace ohmcalc
