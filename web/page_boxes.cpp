#include "web/page_boxes.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

#include "core/designer_aids.h"
#include "window/control_names.h"

namespace ohmcalc {
namespace {

// clang-format off
EM_JS(char*, PageBoxText, (const char* id), {
  const text = document.getElementById(UTF8ToString(id)).value;
  const size = lengthBytesUTF8(text) + 1;
  const copy = _malloc(size);
  stringToUTF8(text, copy, size);
  return copy;
});

EM_JS(void, SetPageBoxText, (const char* id, const char* text), {
  document.getElementById(UTF8ToString(id)).value = UTF8ToString(text);
});

EM_JS(void, ShowDesignerAids, (const char* id, const char* text), {
  Module.page.showDesignerAids(UTF8ToString(id), UTF8ToString(text));
});
// clang-format on

}  // namespace

std::string PageBoxes::Get(int box) const {
  std::unique_ptr<char, decltype(&std::free)> text(PageBoxText(BoxControl(box).name), &std::free);
  return text.get();
}

void PageBoxes::Set(int box, std::string_view text) {
  SetPageBoxText(BoxControl(box).name, std::string(text).c_str());
  RefreshAidsReading(box);
}

void PageBoxes::RefreshAidsReading(int box) const {
  for (const CalcRow& row : kCalcRows) {
    if (DesignerAidsRead(row, box)) ShowDesignerAids(BoxControl(row.c).name, DesignerAids(row, *this, locale_).c_str());
  }
}

}  // namespace ohmcalc
