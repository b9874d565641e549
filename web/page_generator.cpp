// Writes the web edition's page from the window description, at build time:
// index.html (the controls, in tab order, with their names and numbers),
// form.css (each control at its place on wide screens, each row's band of
// the cards), style.css (the look, with the layouts' media queries filled in)
// and the web app manifest; and, for the tests, the same table as JSON.
// Usage: ohmcalc_page_generator STAGE_DIR CONTROLS_JSON STYLE_CSS
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc_rows.h"
#include "web/json_string.h"
#include "window/click_routes.h"
#include "window/control_names.h"
#include "window/form_controls.h"
#include "window/look.h"
#include "window/report_wording.h"
#include "window/sample_values.h"
#include "window/tab_order.h"

namespace ohmcalc {
namespace {

// Wide screens with a mouse show the form at its places; narrower ones and
// touch screens stack the rows as cards, in two columns from the same width.
// The style sheet names these queries (--wide), (--cards), (--cards-wide).
constexpr int kWideMinWidthPx = 720;
const std::string kWideWidth = "(min-width: " + std::to_string(kWideMinWidthPx) + "px)";
const std::string kWideQuery = kWideWidth + " and (pointer: fine), " + kWideWidth + " and (pointer: none)";
const std::string kCardsQuery = "(max-width: " + std::to_string(kWideMinWidthPx - 1) + ".98px), (pointer: coarse)";
const std::string kCardsWideQuery = kWideWidth + " and (pointer: coarse)";
constexpr const char* kShortName = "ohmcalc";
// For search engines, one sentence on what the page does.
constexpr const char* kDescription =
    "在浏览器中按欧姆定律和功率公式，由两个已知量算出电压、电流、电阻或功率，并给出标准电阻值和额定功率等设计参考。";
// Shown when the module cannot load or start, so the page does not look alive.
constexpr const char* kLoadFailure = "计算程序未能加载，现在无法计算。请检查网络连接后重新加载本页。";

std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string CssColour(Rgb colour) {
  constexpr const char* kDigits = "0123456789abcdef";
  std::string css = "#";
  for (int part : {colour.red, colour.green, colour.blue}) css += {kDigits[part / 16], kDigits[part % 16]};
  return css;
}

// A font size in CSS pixels, 96 to the inch, from hundredths of a point.
constexpr int FontPixels(ControlFont font) { return FontSize(font) * 96 / 7200; }

// The form's text, in the window's own font size, is the root font on wide
// screens, and places and sizes there are given in fractions of it: where a
// browser's minimum font size enlarges that text, the page glue sets
// --font-scale and the whole form grows in proportion.
constexpr int kFormFontPx = FontPixels(ControlFont::kDefault);
std::string Rem(int pixels) { return "calc(" + std::to_string(pixels) + "rem / " + std::to_string(kFormFontPx) + ")"; }
std::string Length(int twips) { return Rem(TwipsToPixels(twips)); }
std::string Px(int pixels) { return std::to_string(pixels) + "px"; }

const CalcRow& RowOf(const ControlSpec& entry) { return kCalcRows.at(static_cast<std::size_t>(entry.row - 1)); }

// Which part of its row a control is, for the stacked layout: "box-a",
// "label-c", "equals", "operator", "formula".
std::string RolePart(const ControlSpec& entry) {
  const CalcRow& row = RowOf(entry);
  auto box_letter = [&row](int box) { return box == row.a ? "a" : box == row.b ? "b" : "c"; };
  switch (entry.kind) {
    case ControlKind::kTextBox:
      return std::string("box-") + box_letter(BoxNumber(entry));
    case ControlKind::kButton: {
      const ClickRoute* route = kRouteOfControl[static_cast<std::size_t>(&entry - kFormControls.data())];
      if (route == nullptr) return "operator";
      return route->action == RowAction::kEvaluate ? "equals" : "clear";
    }
    default:
      for (int box : {row.a, row.b, row.c}) {
        if (std::string_view(BoxControl(box).label) == entry.name) return std::string("label-") + box_letter(box);
      }
      return "formula";
  }
}

bool IsResultBox(const ControlSpec& entry) {
  return entry.kind == ControlKind::kTextBox && BoxNumber(entry) == RowOf(entry).c;
}

std::string AidsId(const ControlSpec& box) { return std::string("aids-") + box.name; }

// Every control of a row carries the row's class, by which the cards find
// their band of the page's grid (form.css).
std::string RowClass(int row) { return " r" + std::to_string(row); }

bool HasFormula(int row) {
  return std::any_of(kFormControls.begin(), kFormControls.end(), [row](const ControlSpec& o) {
    return o.row == row && o.kind == ControlKind::kLabel && RolePart(o) == "formula";
  });
}

std::string ControlHtml(const ControlSpec& entry) {
  const std::string id = entry.name;
  if (entry.kind == ControlKind::kBar) {
    // Decoration: the caption the window gives it is never seen.
    return "<div class=\"bar\" id=\"" + id + "\" aria-hidden=\"true\"></div>";
  }
  const std::string part = RolePart(entry) + RowClass(entry.row);
  const std::string common = "id=\"" + id + "\" aria-label=\"" + Escaped(AccessibleName(entry)) + "\"" +
                             (&entry == &kFormControls[kFirstInTabOrder] ? " autofocus" : "");
  if (entry.kind == ControlKind::kButton) {
    // Only buttons with a route do anything; the page calls it by number.
    const ClickRoute* route = kRouteOfControl[static_cast<std::size_t>(&entry - kFormControls.data())];
    const std::string number =
        route == nullptr ? "" : " data-route=\"" + std::to_string(route - kClickRoutes.data()) + "\"";
    return "<button type=\"button\" class=\"button " + part + "\" " + common + number + ">" + Escaped(entry.caption) +
           "</button>";
  }
  if (entry.kind == ControlKind::kTextBox) {
    std::string font = entry.font == ControlFont::kSongSmall ? " song-small" : "";
    std::string html = "<input type=\"text\" class=\"box " + part + font + "\" " + common + " data-box=\"" +
                       std::to_string(BoxNumber(entry)) +
                       "\" autocomplete=\"off\" autocapitalize=\"off\" autocorrect=\"off\" spellcheck=\"false\"";
    if (!IsResultBox(entry)) return html + " title=\"" + Escaped(kOperandToolTip) + "\">";
    html += " aria-describedby=\"" + AidsId(entry) + "\">";
    // The aids: a popup on wide screens, a panel in the row's card on
    // phones, opened there by a tap on the box or on this button. The card is
    // drawn behind the row's controls and holds only the aids.
    html += "\n<button type=\"button\" class=\"aids-toggle" + RowClass(entry.row) +
            "\" tabindex=\"-1\" hidden aria-expanded=\"false\" aria-controls=\"" + AidsId(entry) + "\" aria-label=\"" +
            Escaped(DesignerAidsName(entry.row)) + "\">i</button>";
    html += "\n<div class=\"row" + RowClass(entry.row) + (HasFormula(entry.row) ? " with-formula" : "") +
            "\" role=\"group\" aria-label=\"" + RowName(entry.row) + "\"><div class=\"aids\" id=\"" + AidsId(entry) +
            "\" role=\"tooltip\"></div></div>";
    return html;
  }
  std::string font = entry.font == ControlFont::kSong ? " song" : "";
  return "<span class=\"label " + part + font + "\" id=\"" + id + "\">" + Escaped(entry.caption) + "</span>";
}

// The controls in tab order, the order in which the keyboard and a screen
// reader meet them, so the page needs no tabindex; CSS puts each at its
// place. Each box's label comes just before it, and the labels of a row that
// name no box (the formula) before the row's first box. The bars come first
// and so lie under everything.
std::string FormHtml() {
  std::vector<const ControlSpec*> order;
  for (const ControlSpec& entry : kFormControls) {
    if (entry.kind == ControlKind::kBar) order.push_back(&entry);
  }
  for (std::size_t place : kTabOrder) {
    const ControlSpec* focusable = &kFormControls[place];
    for (const ControlSpec& label : kFormControls) {
      bool before_box = focusable->kind == ControlKind::kTextBox && label.kind == ControlKind::kLabel &&
                        label.row == focusable->row &&
                        (RolePart(label) == "formula" || std::string_view(label.name) == focusable->label);
      if (before_box && std::find(order.begin(), order.end(), &label) == order.end()) order.push_back(&label);
    }
    order.push_back(focusable);
  }
  for (const ControlSpec& entry : kFormControls) {
    if (std::find(order.begin(), order.end(), &entry) == order.end()) order.push_back(&entry);
  }
  std::string html;
  for (const ControlSpec* entry : order) html += ControlHtml(*entry) + "\n";
  return html;
}

// The page's one inline script, first in the page, so that no request
// stands before it: starts the module's code compiling as it downloads,
// before the style sheets and the rest of the page (app.js takes it from
// there); lets Intl load the browser language's data, which its first use
// costs and the first result needs, while the page waits for its files; and
// says that the page cannot work when a script of it is missing (as app.js
// is for another build's page from a cache), an event that may come before
// the message is parsed.
constexpr std::string_view kEarlyScript =
    "try{window.ohmcalcCode=WebAssembly.compileStreaming(fetch(document.getElementById('module-code').href));"
    "window.ohmcalcCode.catch(()=>{})}catch(e){}"
    "setTimeout(()=>{try{new Intl.NumberFormat(navigator.language,{numberingSystem:'latn'})}catch(e){}});"
    "addEventListener('error',(e)=>{if(!(e.target instanceof HTMLScriptElement))return;"
    "const show=()=>{document.getElementById('load-failure').hidden=false};"
    "if(document.readyState==='loading')addEventListener('DOMContentLoaded',show);else show()},true)";

// The page around the form. A static host sets no headers, so the page
// carries its own policy; the module's code and glue are fetched while the
// page is parsed. Files go by their plain names here: the build names them
// by their content, rewrites these links and fills in @SCRIPT_HASHES@, the
// policy's hash of the inline script. @NAME@ marks what is filled in here.
constexpr std::string_view kPageTemplate = R"(<!doctype html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta http-equiv="Content-Security-Policy" content="default-src 'self'; script-src 'self' 'wasm-unsafe-eval' @SCRIPT_HASHES@; style-src 'self'; img-src 'self'; connect-src 'self'; manifest-src 'self'; worker-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'">
<title>@TITLE@</title>
<meta name="description" content="@DESCRIPTION@">
<meta name="theme-color" content="@THEME@">
<link rel="preload" id="module-code" href="ohmcalc.wasm" as="fetch" crossorigin>
<link rel="modulepreload" id="module-glue" href="ohmcalc.js">
<script>@EARLY@</script>
<link rel="stylesheet" href="style.css">
<link rel="stylesheet" href="form.css">
<link rel="manifest" href="manifest.webmanifest">
<link rel="icon" href="icons/icon.svg" type="image/svg+xml">
<link rel="apple-touch-icon" href="icons/apple-touch-icon.png">
<script type="module" src="app.js"></script>
</head>
<body>
<p class="load-failure" id="load-failure" role="alert" hidden>@LOAD_FAILURE@</p>
<main class="form" id="Form1" data-wide-layout="@WIDE@" data-font-px="@FONT_PX@">
@FORM@</main>
<div class="announcement" id="announcement" role="status" aria-live="polite"></div>
<dialog id="report" role="alertdialog" aria-modal="true" aria-labelledby="report-title" aria-describedby="report-text">
<p class="report-title" id="report-title">@TITLE@</p>
<div class="report-body"><span class="report-icon" aria-hidden="true">!</span><p id="report-text"></p></div>
<form method="dialog"><button class="button" id="report-ok" aria-describedby="report-text" autofocus>@DISMISS@</button></form>
</dialog>
</body>
</html>
)";

std::string Filled(std::string_view page, const std::vector<std::pair<std::string, std::string>>& values) {
  std::string out(page);
  for (const auto& [name, value] : values) {
    for (auto at = out.find(name); at != std::string::npos; at = out.find(name, at + value.size())) {
      out.replace(at, name.size(), value);
    }
  }
  return out;
}

std::string IndexHtml() {
  return Filled(kPageTemplate, {{"@TITLE@", Escaped(kFormTitle)},
                                {"@DESCRIPTION@", Escaped(kDescription)},
                                {"@LOAD_FAILURE@", Escaped(kLoadFailure)},
                                {"@THEME@", CssColour(kThemeColour)},
                                {"@DISMISS@", Escaped(kReportDismissCaption)},
                                {"@WIDE@", kWideQuery},
                                {"@FONT_PX@", std::to_string(kFormFontPx)},
                                {"@EARLY@", std::string(kEarlyScript)},
                                {"@FORM@", FormHtml()}});
}

// On cards the rows stand one under the other or, on wide touch screens, in
// two lanes side by side: each row takes a band of the page's grid in its
// lane, and every band has a card's tracks (style.css). A band holds one
// kind of card, with or without a formula. Empty when the rows do not fit.
std::string CardsCss(const std::string& query, int lanes) {
  std::string columns = "var(--card-columns)";
  for (int lane = 2; lane <= lanes; ++lane) columns += " var(--card-spacing) var(--card-columns)";
  const int bands = (static_cast<int>(kCalcRows.size()) + lanes - 1) / lanes;
  std::string rows;
  std::string places;
  for (int band = 1; band <= bands; ++band) {
    int formulas = 0;
    int cards = 0;
    for (int lane = 1; lane <= lanes; ++lane) {
      const int row = (band - 1) * lanes + lane;
      if (row > static_cast<int>(kCalcRows.size())) break;
      ++cards;
      formulas += HasFormula(row) ? 1 : 0;
      places += ".r" + std::to_string(row) + " { --row-band: " + std::to_string(band) +
                "; --row-lane: " + std::to_string(lane) + "; }\n";
    }
    if (formulas != 0 && formulas != cards) return "";
    if (band > 1) rows += " var(--card-spacing) ";
    rows += formulas != 0 ? "var(--formula-card-band)" : "var(--card-band)";
  }
  if (lanes == 1) rows += " var(--card-spacing)";  // one lane keeps the space under its last card too
  return "@media " + query + " {\n.form { grid-template-columns: " + columns + "; grid-template-rows: " + rows +
         "; }\n" + places + "}\n";
}

// The shared look (window/look.h), by name for style.css: in pixels, and in
// fractions of the root font where the form is drawn to scale.
std::string LookCss() {
  const int song = FontPixels(ControlFont::kSong);
  const int song_small = FontPixels(ControlFont::kSongSmall);
  return ":root { --bar-colour: " + CssColour(kBarColour) + "; --theme-colour: " + CssColour(kThemeColour) +
         "; --form-font: " + Px(kFormFontPx) + "; --song-font: " + Px(song) + "; --song-small-font: " + Px(song_small) +
         "; --song-font-wide: " + Rem(song) + "; --song-small-font-wide: " + Rem(song_small) +
         "; --aids-width-wide: " + Rem(kAidsWidthPx) + "; }\n";
}

std::string FormCss() {
  std::string css = LookCss() + "@media " + kWideQuery + " {\nhtml { font-size: calc(" + Px(kFormFontPx) +
                    " * var(--font-scale, 1)); }\n.form { width: " + Length(kClientWidthTwips) +
                    "; height: " + Length(kClientHeightTwips) + "; }\n";
  for (const ControlSpec& entry : kFormControls) {
    const TwipRect& r = entry.rect;
    css += "#" + std::string(entry.name) + " { left: " + Length(r.left) + "; top: " + Length(r.top) +
           "; width: " + Length(r.width) + "; height: " + Length(r.height) + "; }\n";
  }
  const std::string cards = CardsCss(kCardsQuery, 1);
  const std::string cards_wide = CardsCss(kCardsWideQuery, 2);
  if (cards.empty() || cards_wide.empty()) return "";
  return css + "}\n" + cards + cards_wide;
}

// The look, with each layout's query in place of its name.
std::string StyleCss(const std::string& source) {
  return Filled(source, {{"(--wide)", kWideQuery}, {"(--cards)", kCardsQuery}, {"(--cards-wide)", kCardsWideQuery}});
}

// The icons' names are rewritten by the build, as the page's links are.
std::string Manifest() {
  auto icon = [](const char* file, const char* size, const char* purpose) {
    return std::string("{\"src\": \"icons/") + file + "\", \"sizes\": \"" + size +
           "\", \"type\": \"image/png\", \"purpose\": \"" + purpose + "\"}";
  };
  return "{\n  \"name\": " + JsonString(kFormTitle) + ",\n  \"short_name\": " + JsonString(kShortName) +
         ",\n  \"lang\": \"zh-CN\",\n  \"dir\": \"ltr\",\n  \"start_url\": \"./\",\n  \"scope\": \"./\",\n"
         "  \"display\": \"standalone\",\n  \"background_color\": \"#ffffff\",\n  \"theme_color\": \"" +
         CssColour(kThemeColour) + "\",\n  \"icons\": [\n    " + icon("icon-192.png", "192x192", "any") + ",\n    " +
         icon("icon-512.png", "512x512", "any") + ",\n    " + icon("icon-maskable-512.png", "512x512", "maskable") +
         "\n  ]\n}\n";
}

// The table the page was made from, for the tests to hold the page against,
// and the sample rows the screenshots show.
std::string ControlsJson() {
  std::string json = "{\"title\": " + JsonString(kFormTitle) +
                     ", \"clientWidth\": " + std::to_string(TwipsToPixels(kClientWidthTwips)) + ", \"controls\": [\n";
  for (const ControlSpec& entry : kFormControls) {
    const TwipRect& r = entry.rect;
    const char* kinds[] = {"textbox", "button", "label", "bar"};
    json += std::string(&entry == kFormControls.data() ? "" : ",\n") + "{\"name\": " + JsonString(entry.name) +
            ", \"kind\": \"" + kinds[static_cast<int>(entry.kind)] + "\", \"row\": " + std::to_string(entry.row) +
            ", \"caption\": " + JsonString(entry.caption) + ", \"left\": " + std::to_string(TwipsToPixels(r.left)) +
            ", \"top\": " + std::to_string(TwipsToPixels(r.top)) +
            ", \"width\": " + std::to_string(TwipsToPixels(r.width)) +
            ", \"height\": " + std::to_string(TwipsToPixels(r.height));
    if (TakesFocus(entry)) {
      json += ", \"tab\": " + std::to_string(TabPosition(entry)) +
              ", \"accessibleName\": " + JsonString(AccessibleName(entry)) + ", \"part\": \"" + RolePart(entry) + "\"";
    }
    json += "}";
  }
  json += "\n], \"samples\": [\n";
  for (const SampleRow& sample : kSampleRows) {
    const CalcRow& row = CalcRowNumbered(sample.row);
    json += std::string(&sample == kSampleRows.data() ? "" : ",\n") + "{\"a\": " + JsonString(BoxControl(row.a).name) +
            ", \"b\": " + JsonString(BoxControl(row.b).name) + ", \"aText\": " + JsonString(sample.a_text) +
            ", \"bText\": " + JsonString(sample.b_text) +
            ", \"equals\": " + JsonString(EvaluateRouteOfRow(sample.row).button) + "}";
  }
  return json + "\n]}\n";
}

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Write(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

}  // namespace
}  // namespace ohmcalc

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const std::string site = argv[1];
  const std::string style = ohmcalc::Read(argv[3]);
  if (style.empty()) return 1;
  const std::string form_css = ohmcalc::FormCss();
  bool written = ohmcalc::Write(site + "/index.html", ohmcalc::IndexHtml()) && !form_css.empty() &&
                 ohmcalc::Write(site + "/form.css", form_css) &&
                 ohmcalc::Write(site + "/style.css", ohmcalc::StyleCss(style)) &&
                 ohmcalc::Write(site + "/manifest.webmanifest", ohmcalc::Manifest()) &&
                 ohmcalc::Write(argv[2], ohmcalc::ControlsJson());
  return written ? 0 : 1;
}
