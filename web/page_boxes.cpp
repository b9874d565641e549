#include "web/page_boxes.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <utility>

#include "core/designer_aids.h"
#include "window/aids_readers.h"

namespace ohmcalc {
namespace {

// clang-format off
EM_JS(char*, PageBoxText, (int box), {
  return allocateUTF8(Module.page.boxText(box));
});

EM_JS(void, SetPageBoxText, (int box, const char* text), {
  Module.page.setBoxText(box, UTF8ToString(text));
});

EM_JS(void, RefreshStaleAidsAfterThisTask, (), {
  setTimeout(() => Module._ohmcalc_refresh_stale_aids());
});

EM_JS(void, ShowDesignerAids, (int box, const char* text), {
  Module.page.showDesignerAids(box, UTF8ToString(text));
});
// clang-format on

}  // namespace

PageBoxes::PageBoxes(const NumberLocale& locale) : locale_(locale) {}

std::string PageBoxes::Get(int box) const {
  std::unique_ptr<char, decltype(&std::free)> text(PageBoxText(box), &std::free);
  return text.get();
}

void PageBoxes::Set(int box, std::string_view text) {
  SetPageBoxText(box, std::string(text).c_str());
  if (stale_.none()) RefreshStaleAidsAfterThisTask();
  stale_.set(static_cast<std::size_t>(box));
}

void PageBoxes::RefreshStaleAids() { RefreshAidsReadingAny(std::exchange(stale_, {})); }

void PageBoxes::RefreshAidsReading(int box) const {
  RefreshAidsReadingAny(BoxSet().set(static_cast<std::size_t>(box)));
}

// Each row once, however many of the boxes it reads.
void PageBoxes::RefreshAidsReadingAny(const BoxSet& boxes) const {
  std::bitset<kCalcRows.size()> rows;  // by row number - 1
  for (int box = 1; box <= kBoxCount; ++box) {
    if (!boxes.test(static_cast<std::size_t>(box))) continue;
    for (const CalcRow* row : RowsReadingBox(box)) rows.set(static_cast<std::size_t>(row->number - 1));
  }
  for (const CalcRow& row : kCalcRows) {
    if (rows.test(static_cast<std::size_t>(row.number - 1))) {
      ShowDesignerAids(row.c, DesignerAids(row, *this, locale_).c_str());
    }
  }
}

}  // namespace ohmcalc
