#include <emscripten.h>

#include <cstdlib>
#include <memory>

#include "window/system_number_locale.h"

namespace ohmcalc {
namespace {

// The decimal separator of the browser's language, as Intl formats 1.5.
// clang-format off
EM_JS(char*, BrowserDecimalSeparator, (), {
  const language = typeof navigator === 'undefined' ? undefined : navigator.language;
  const part = new Intl.NumberFormat(language).formatToParts(1.5).find(p => p.type === 'decimal');
  return allocateUTF8(part ? part.value : '.');
});
// clang-format on

}  // namespace

NumberLocale SystemNumberLocale() {
  std::unique_ptr<char, decltype(&std::free)> separator(BrowserDecimalSeparator(), &std::free);
  return NumberLocale{separator.get()};
}

}  // namespace ohmcalc
