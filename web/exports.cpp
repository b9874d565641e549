// What the page calls: a click on a button, a change to a box, each by the
// number the page carries for it. The page glue (app.js) wires the events;
// everything else happens here, over the same description as the desktop
// windows.
#include <emscripten.h>

#include "web/page_boxes.h"
#include "window/click_routes.h"
#include "window/control_names.h"
#include "window/report_wording.h"
#include "window/row_actions.h"
#include "window/system_number_locale.h"

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
EM_JS(void, ShowReport, (const char* text, int culprit), {
  Module.page.showReport(UTF8ToString(text), culprit);
});

EM_JS(void, Announce, (const char* text), {
  Module.page.announce(UTF8ToString(text));
});
// clang-format on

}  // namespace

extern "C" {

// Reads the browser's decimal separator, once.
EMSCRIPTEN_KEEPALIVE void ohmcalc_start() { Locale() = ohmcalc::SystemNumberLocale(); }

// A click on the button of click route `route` (its place in the table);
// false for a number that names no route.
EMSCRIPTEN_KEEPALIVE bool ohmcalc_click(int route) {
  if (route < 0 || static_cast<std::size_t>(route) >= ohmcalc::kClickRoutes.size()) return false;
  const ohmcalc::ClickRoute& clicked = ohmcalc::kClickRoutes[static_cast<std::size_t>(route)];
  if (auto failure = ohmcalc::RunClickRoute(clicked, Boxes(), Locale())) {
    ShowReport(ohmcalc::ReportText(failure->error.number()).c_str(), failure->culprit);
  } else if (clicked.action == ohmcalc::RowAction::kEvaluate) {
    // A report speaks for itself; a result is announced with its row.
    const int result = ohmcalc::CalcRowNumbered(clicked.row).c;
    Announce(ohmcalc::ResultAnnouncement(clicked.row, Boxes().Get(result)).c_str());
  }
  return true;
}

// The user changed box `box` (1..21); false for a number that names no box.
EMSCRIPTEN_KEEPALIVE bool ohmcalc_box_changed(int box) {
  if (box < 1 || box > ohmcalc::kBoxCount) return false;
  Boxes().RefreshAidsReading(box);
  return true;
}

// The page's next task after a box was set: the aids that read it.
EMSCRIPTEN_KEEPALIVE void ohmcalc_refresh_stale_aids() { Boxes().RefreshStaleAids(); }

}  // extern "C"
