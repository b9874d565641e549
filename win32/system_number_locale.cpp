#include "window/system_number_locale.h"

#include <windows.h>

namespace ohmcalc {

// The separator the user chose in the regional settings, overrides included.
NumberLocale SystemNumberLocale() {
  wchar_t separator[8] = {};
  int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
  if (length <= 1) return {};
  char utf8[32] = {};
  int bytes = WideCharToMultiByte(CP_UTF8, 0, separator, length - 1, utf8, sizeof utf8, nullptr, nullptr);
  if (bytes <= 0) return {};
  return NumberLocale{std::string(utf8, static_cast<std::size_t>(bytes))};
}

}  // namespace ohmcalc
