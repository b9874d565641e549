// What the page calls: a click on a button, a change to a box. The page
// glue (app.js) wires the events; everything else happens here, over the
// same description as the desktop windows.
#include <emscripten.h>

#include "platform/number_locale.h"
#include "web/page_boxes.h"
#include "window/click_routes.h"
#include "window/control_names.h"
#include "window/report_wording.h"
#include "window/row_actions.h"

namespace {

ohmcalc::NumberLocale& Locale() {
  static ohmcalc::NumberLocale locale;
  return locale;
}

ohmcalc::PageBoxes& Boxes() {
  static ohmcalc::PageBoxes boxes(Locale());
  return boxes;
}

// clang-format off
EM_JS(void, ShowReport, (const char* text, const char* culprit), {
  Module.page.showReport(UTF8ToString(text), UTF8ToString(culprit));
});

EM_JS(void, Announce, (const char* text), {
  Module.page.announce(UTF8ToString(text));
});
// clang-format on

}  // namespace

extern "C" {

// Reads the browser's decimal separator, once, and meets the page's boxes.
EMSCRIPTEN_KEEPALIVE void ohmcalc_start() {
  Locale() = ohmcalc::SystemNumberLocale();
  Boxes();
}

// A click on the button named `button`; the operator buttons do nothing.
EMSCRIPTEN_KEEPALIVE void ohmcalc_click(const char* button) {
  const ohmcalc::ClickRoute* route = ohmcalc::RouteOfButton(button);
  if (route == nullptr) return;
  auto failure = ohmcalc::RunClickRoute(*route, Boxes(), Locale());
  if (!failure) {
    // A report speaks for itself; a result is announced with its row.
    if (route->action != ohmcalc::RowAction::kEvaluate) return;
    const int result = ohmcalc::kCalcRows.at(static_cast<std::size_t>(route->row - 1)).c;
    Announce(ohmcalc::ResultAnnouncement(ohmcalc::BoxControl(result), Boxes().Get(result)).c_str());
    return;
  }
  const char* culprit = failure->culprit == 0 ? "" : ohmcalc::BoxControl(failure->culprit).name;
  ShowReport(ohmcalc::ReportText(failure->error.number()).c_str(), culprit);
}

// The user changed the box named `box`.
EMSCRIPTEN_KEEPALIVE void ohmcalc_box_changed(const char* box) {
  Boxes().RefreshAidsReading(ohmcalc::BoxNumber(ohmcalc::ControlNamed(box)));
}

}  // extern "C"
