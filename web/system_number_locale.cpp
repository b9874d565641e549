#include "window/system_number_locale.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

namespace ohmcalc {
namespace {

// The decimal separator of the browser's language, as Intl formats 1.5 in
// Latin digits (the boxes take no others). A language Intl rejects ("C"
// under a C.UTF-8 locale) falls back to the browser's default, then to ".".
// clang-format off
EM_JS(char*, BrowserDecimalSeparator, (), {
  let separator = '.';
  for (const language of [typeof navigator === 'undefined' ? undefined : navigator.language, undefined]) {
    try {
      const parts = new Intl.NumberFormat(language, {numberingSystem: 'latn'}).formatToParts(1.5);
      const part = parts.find(p => p.type === 'decimal');
      if (part) separator = part.value;
      break;
    } catch (e) {
    }
  }
  return allocateUTF8(separator);
});
// clang-format on

}  // namespace

NumberLocale SystemNumberLocale() {
  std::unique_ptr<char, decltype(&std::free)> separator(BrowserDecimalSeparator(), &std::free);
  return NumberLocale{separator.get()};
}

}  // namespace ohmcalc
