#include "web/page_boxes.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

#include "core/designer_aids.h"
#include "window/control_names.h"

namespace ohmcalc {
namespace {

// clang-format off
EM_JS(char*, PageBoxText, (int box), {
  const text = Module.page.boxText(box);
  const size = lengthBytesUTF8(text) + 1;
  const copy = _malloc(size);
  stringToUTF8(text, copy, size);
  return copy;
});

EM_JS(void, SetPageBoxText, (int box, const char* text), {
  Module.page.setBoxText(box, UTF8ToString(text));
});

EM_JS(void, ShowDesignerAids, (int box, const char* text), {
  Module.page.showDesignerAids(box, UTF8ToString(text));
});

EM_JS(void, RegisterPageBox, (int box, const char* id), {
  Module.page.registerBox(box, UTF8ToString(id));
});
// clang-format on

}  // namespace

PageBoxes::PageBoxes(const NumberLocale& locale) : locale_(locale) {
  for (const ControlSpec& entry : kFormControls) {
    if (entry.kind == ControlKind::kTextBox) RegisterPageBox(BoxNumber(entry), entry.name);
  }
}

std::string PageBoxes::Get(int box) const {
  std::unique_ptr<char, decltype(&std::free)> text(PageBoxText(box), &std::free);
  return text.get();
}

void PageBoxes::Set(int box, std::string_view text) {
  SetPageBoxText(box, std::string(text).c_str());
  RefreshAidsReading(box);
}

void PageBoxes::RefreshAidsReading(int box) const {
  for (const CalcRow& row : kCalcRows) {
    if (DesignerAidsRead(row, box)) ShowDesignerAids(row.c, DesignerAids(row, *this, locale_).c_str());
  }
}

}  // namespace ohmcalc
