#include "win32/box_field_store.h"

#include "win32/utf16.h"

namespace ohmcalc {

std::wstring WindowText(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
  return text;
}

std::string BoxFieldStore::Get(int box) const { return Narrow(WindowText(At(box))); }

void BoxFieldStore::Set(int box, std::string_view text) {
  if (!SetWindowTextW(At(box), Widen(text).c_str())) throw RunTimeError(kErrorOutOfMemory, box);
}

}  // namespace ohmcalc
