#include <emscripten.h>

#include <cstdlib>
#include <memory>

#include "platform/number_locale.h"

namespace ohmcalc {
namespace {

// The decimal separator of the browser's language, as Intl formats 1.5.
// clang-format off
EM_JS(char*, BrowserDecimalSeparator, (), {
  const language = typeof navigator === 'undefined' ? undefined : navigator.language;
  const part = new Intl.NumberFormat(language).formatToParts(1.5).find(p => p.type === 'decimal');
  const separator = part ? part.value : '.';
  const size = lengthBytesUTF8(separator) + 1;
  const text = _malloc(size);
  stringToUTF8(separator, text, size);
  return text;
});
// clang-format on

}  // namespace

NumberLocale SystemNumberLocale() {
  std::unique_ptr<char, decltype(&std::free)> separator(BrowserDecimalSeparator(), &std::free);
  return NumberLocale{separator.get()};
}

}  // namespace ohmcalc
